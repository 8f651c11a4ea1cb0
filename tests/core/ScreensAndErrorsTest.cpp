#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/OwnerOnly.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenSetup.h"
#include "core/ScreenTag.h"
#include "support/PanelFrame.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

QStringList linesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts) : QStringList();
}

// A shown screen with one named control that has the focus (none when control is empty).
struct Screen {
    Screen(const char* name, const char* control)
    {
        dialog.setObjectName(QString::fromUtf8(name));
        auto* edit = new QLineEdit(&dialog);
        edit->setObjectName(*control ? QString::fromUtf8(control) : u"dfsOther"_s);
        dialog.show();
        if (*control)
            edit->setFocus();
    }
    QDialog dialog;
};

}  // namespace

// One line per error with every field whole, a new log for its owner's eyes
// only; the dialog, only with SHOWERRORS 1, names what failed, where and for whom.
TEST(ErrorLog, AppendsOneLinePerErrorWithEveryFieldWholeAndShowsItWhenAsked)
{
    const struct { const char* login; const char* screen; const char* control; const char* description; int showErrors;
                   bool older = true; } rows[] = {
        {"", "LOGINP", "txtPassword", "Could not find file", 0},  // before login nothing of the office is loaded
        {"ADMIN", "frmCars", "", "Type mismatch", 2},               // no active control
        {"ADMIN", nullptr, "", "disk full", -1},                    // no screen
        {"ADMIN", "frmCars", "", "the first line of a new log", 0, false},
        {"ADMIN", "frmRentCar", "dfsComments", "Syntax error, missing operator, in query: تعذر القراءة", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.description);
        TestOffice office(*r.login != 0);
        if (*r.login)
            office.loginAs(QString::fromUtf8(r.login));
        office.state().config.SHOWERRORS = r.showErrors;
        const QString path = office.file(u"ijar.log"_s);
        QFile older(path);
        ASSERT_TRUE(!r.older || (older.open(QIODevice::WriteOnly) && older.write("an older line\n") > 0 && older.flush()));
        std::unique_ptr<Screen> screen(r.screen ? new Screen(r.screen, r.control) : nullptr);
        QString seen;
        office.ui().onDialog(u"dlgError"_s, [&](QDialog* d) {
            seen = d->windowTitle();
            for (const QWidget* w : d->findChildren<QWidget*>())
                seen += w->property("text").toString() + u'|' + w->property("plainText").toString() + u'|';
        });
        ReportError(office.state(), screen ? &screen->dialog : nullptr, u"3075"_s, QString::fromUtf8(r.description),
                    u"cWindow, ReadWindow"_s);
        QStringList lines = linesOf(path);
        EXPECT_TRUE(r.older || OwnerOnly::mode(path) == OwnerOnly::File) << "a new log is its owner's only";
        if (!r.older)
            lines.prepend(u"an older line"_s);
        ASSERT_EQ(lines.size(), 2);
        const QString head = QString::fromUtf8(r.login) + u',', tail = u",%1,%2,3075,cWindow, ReadWindow,%3"_s.arg(
            QString::fromUtf8(r.screen ? r.screen : ""), QString::fromUtf8(r.control), QString::fromUtf8(r.description));
        ASSERT_TRUE(lines[0] == u"an older line"_s && lines[1].startsWith(head) && lines[1].endsWith(tail)) << lines[1].toStdString();
        const QString when = lines[1].mid(head.size(), lines[1].size() - head.size() - tail.size());
        EXPECT_TRUE(QLocale::system().toDateTime(when, QLocale::ShortFormat).isValid()) << when.toStdString();
        EXPECT_EQ(office.ui().dialogsShown.size(), r.showErrors == 1 ? 1 : 0);
        for (const char* part : {"3075", r.description, "cWindow, ReadWindow", r.control, r.screen ? r.screen : "", r.login})
            EXPECT_TRUE(r.showErrors != 1 || seen.contains(QString::fromUtf8(part))) << part;
    }
}

// A guarded handler reports what was thrown and returns false. The statement trace, while it is on,
// writes one line per statement to the day's file, for its owner's eyes only.
TEST(ErrorLog, GuardedReportsWhatWasThrownAndTheTraceEveryStatementWhileOn)
{
    TestOffice office;
    office.loginAs(u"ADMIN"_s);
    Screen screen("frmCars", "cmdSave");
    const auto run = [&](void (*work)()) { return guarded(office.state(), &screen.dialog, u"frmCars.cmdSave_Click"_s, work); };
    EXPECT_TRUE(run([] {}));
    EXPECT_FALSE(run([] { throw AppError(3021, u"gone"_s, u"cWindow"_s); }));
    EXPECT_FALSE(run([] { throw std::runtime_error("vector too long"); }));
    EXPECT_FALSE(run([] { throw 42; }));
    EXPECT_EQ(linesOf(errorLogPath(office.state())).replaceInStrings(QRegularExpression(u"^.*,frmCars,cmdSave,"_s), {}),
              QStringList({u"3021,frmCars.cmdSave_Click - cWindow,gone"_s, u"5009,frmCars.cmdSave_Click,vector too long"_s,
                           u"5009,frmCars.cmdSave_Click,Unknown failure"_s}));
    EXPECT_EQ(statementTracePath(office.state(), QDate(2024, 1, 5)), office.file(u"20240105.txt"_s));
    const QString trace = statementTracePath(office.state(), QDate::currentDate());
    office.state().config.USEROUTER = false;
    office.db().execute(u"select count(*) from operator"_s);
    EXPECT_FALSE(QFile::exists(trace));
    office.state().config.USEROUTER = true;
    const QString statements[] = {u"update operator set operatorname = 'Admin, the first' where loginid = 'ADMIN'"_s,
                                  u"select * from operator where loginid = 'O''BRIEN'"_s};
    for (int i = 0; i < 2; ++i) {
        office.db().execute(statements[i]);
        const QStringList lines = linesOf(trace);
        EXPECT_TRUE(lines.size() == i + 1 && lines.last().startsWith(u"ADMIN,"_s) && lines.last().endsWith(u',' + statements[i]))
            << lines.join(u'\n').toStdString();
        EXPECT_EQ(OwnerOnly::mode(trace), OwnerOnly::File);
    }
}

// A screen opens by its name in any case, with its mode, and waits; the first
// registration of a name stands; an unknown name is refused. A screen shown
// without waiting and then closed, by a key or by its own code, is no open
// screen: nobody finds it, and the next showing is a new one.
TEST(ScreenRegistry, OpensByNameAndAClosedScreenIsNotFound)
{
    TestOffice office;
    ScreenRegistry& screens = office.state().screens();
    screens.add(u"frmCars"_s, [](RunState&, QWidget* parent) {
        auto* d = new QDialog(parent);
        d->setObjectName(u"frmCars"_s);
        return d;
    });
    screens.add(u"FRMCARS"_s, [](RunState&, QWidget*) -> QWidget* { throw AppError(1, u"second"_s, u"test"_s); });
    office.ui().onDialog(u"frmCars"_s, [&](QDialog* d) {
        EXPECT_EQ(ScreenTag::get(d), u"RENTMODE"_s);
        EXPECT_EQ(screens.find(u"frmcars"_s), d);
        d->accept();
    });
    EXPECT_EQ(screens.open(u"frmcars"_s, nullptr, u"RENTMODE"_s), QDialog::Accepted);
    EXPECT_EQ(screens.find(u"frmCars"_s), nullptr) << "a closed screen is gone";
    EXPECT_THROW(screens.open(u"frmNothing"_s, nullptr), AppError);
    QWidget parent;
    for (void (*close)(QDialog*) : {+[](QDialog* d) { d->close(); }, +[](QDialog* d) { d->reject(); },
                                    +[](QDialog* d) { d->accept(); }}) {
        QPointer<QWidget> first = screens.instance(u"frmCars"_s, &parent);
        first->show();
        EXPECT_EQ(screens.find(u"frmCars"_s), first.data());
        close(static_cast<QDialog*>(first.data()));
        EXPECT_EQ(screens.find(u"frmCars"_s), nullptr);
        QWidget* second = screens.instance(u"frmCars"_s, &parent);
        EXPECT_NE(second, first.data());
        EXPECT_EQ(screens.find(u"frmCars"_s), second);
        static_cast<QDialog*>(second)->close();
    }
}

// The first tab shows; the name goes to the status bar only with SHOWSCREENNAME 1; with SHOWFIELDNAME
// every control but the command buttons shows its name; the set-up steps of other subsystems run. A screen
// taller than the room the main window gives it scrolls its pages, its buttons stay in view and its fields
// keep their names; a screen that fits is left as it is.
TEST(ScreenSetup, FirstTabNamesTipsAndScrollingFollowTheSettingsAndTheRoom)
{
    for (const auto& [showScreen, showField, fields] : {std::tuple{1, 2, 3}, {2, 0, 40}, {0, 1, 3}}) {
        PanelFrame frame;  // outlives the office that shows it
        frame.area = QRect(0, 0, 800, 600);
        TestOffice office;
        office.ui().setFrame(&frame);
        office.state().config.SHOWSCREENNAME = showScreen;
        office.state().config.SHOWFIELDNAME = showField;
        QStringList seen;
        office.state().screenSetupSteps.push_back([&](QWidget* w) { seen << w->objectName(); });
        office.state().screenSetupSteps.push_back([](QWidget*) { throw AppError(1, u"x"_s, u"y"_s); });
        QDialog screen;
        screen.setObjectName(u"frmCars"_s);
        auto* layout = new QVBoxLayout(&screen);
        auto* tabs = new QTabWidget;
        tabs->setObjectName(u"SSTab1"_s);
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        for (int i = 0; i < fields; ++i) {
            auto* edit = new QLineEdit;
            edit->setObjectName(u"dfsField%1"_s.arg(i));
            form->addRow(u"%1"_s.arg(i), edit);
        }
        // Controls Qt builds of parts: the mouse may rest on any of them.
        form->addRow(new QDateEdit);
        form->addRow(new QPlainTextEdit);
        form->itemAt(fields, QFormLayout::SpanningRole)->widget()->setObjectName(u"dfdDay"_s);
        form->itemAt(fields + 1, QFormLayout::SpanningRole)->widget()->setObjectName(u"dfxNotes"_s);
        tabs->addTab(page, u"a"_s);
        tabs->setCurrentIndex(tabs->addTab(new QWidget, u"b"_s));
        layout->addWidget(tabs);
        for (const QString& name : {u"cmdSave"_s, u"Command0"_s}) {
            layout->addWidget(new QPushButton(name));
            layout->itemAt(layout->count() - 1)->widget()->setObjectName(name);
        }
        // Data screens set themselves up as they are first shown.
        screen.show();
        ScreenSetup::run(office.state(), &screen);
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(frame.panels.value(ShellFrame::ScreenPanel) == u"frmCars"_s, showScreen == 1) << showScreen;
        EXPECT_EQ(qobject_cast<QScrollArea*>(tabs->widget(0)) != nullptr, fields == 40) << fields;
        EXPECT_LE(screen.height(), frame.area.height()) << fields;
        for (const char* button : {"cmdSave", "Command0"}) {
            const QWidget* w = screen.findChild<QWidget*>(QString::fromUtf8(button));
            EXPECT_TRUE(screen.rect().contains(w->geometry())) << button;
            EXPECT_EQ(w->toolTip(), QString()) << button;
        }
        for (int i = 0; i < fields; ++i) {
            const QString name = u"dfsField%1"_s.arg(i);
            EXPECT_EQ(screen.findChild<QLineEdit*>(name)->toolTip(), showField ? name : QString()) << i;
        }
        for (const QString& name : {u"dfdDay"_s, u"dfxNotes"_s})
            for (const QWidget* part : screen.findChild<QWidget*>(name)->findChildren<QWidget*>())
                EXPECT_EQ(part->toolTip(), showField ? name : QString()) << part->objectName().toStdString();
        EXPECT_EQ(seen, QStringList{u"frmCars"_s});
    }
}
