// A day at the counter, keyboard first: each window is shown, the test waits
// until it has the keyboard, and every key goes to the widget with the cursor.
#include "accounting/frmTrialBalance.h"
#include "core/Configuration.h"
#include "core/OwnerOnly.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "engine/ListExport.h"
#include "engine/ListExportKey.h"
#include "engine/MetadataWriter.h"
#include "engine/RecordListModel.h"
#include "engine/cDevelper.h"
#include "engine/cWindow.h"
#include "engine/frmGeneralOpen.h"
#include "journal/JournalScreens.h"
#include "reminders/ReminderScreens.h"
#include "reminders/frmMessageList.h"
#include "rental/RentalScreens.h"
#include "rental/frmDayList.h"
#include "support/Clerk.h"
#include "support/ProgramRun.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using Clerk::focused;
using Clerk::press;
using Clerk::tabTo;
using Clerk::type;

namespace {

// An office with the screens of the counter, ADMIN logged in; the diary holds
// only the rules a test adds, not the shipped due list.
struct Counter {
    Counter()
    {
        office.loginAs(u"ADMIN"_s);
        office.db().command(u"delete from _Reminder"_s);
        installEngine(office.state());
        registerRentalScreens(office.state().screens());
        registerReminderScreens(office.state().screens());
        registerJournalScreens(office.state().screens());
    }

    // The screen as its menu opens it ("frmRentCar:RENTMODE"), with the keyboard.
    QWidget* open(const QString& name)
    {
        const QStringList parts = name.split(u':');
        QWidget* screen = office.state().screens().instance(parts.first(), nullptr);
        ScreenTag::set(screen, parts.value(1));
        m_screens.emplace_back(screen);
        EXPECT_TRUE(Clerk::showActive(screen)) << name.toStdString();
        return screen;
    }
    qint64 add(const QString& table, const QString& key, const QString& name)
    {
        return office.db().insert(table, key, {{u"name"_s, name}});
    }
    // A diary rule the diary screen shows: switched on, of its type.
    qint64 rule(const QString& name)
    {
        return office.db().insert(u"_Reminder"_s, u"REMINDERID"_s,
                                  {{u"REMINDERRULENAME"_s, name}, {u"ONOFF"_s, 1}, {u"REMINDERTYPE"_s, 1}});
    }
    // Runs `script` on the dialog, from its next showing on, once it has the keyboard.
    void whenShown(const QString& dialog, std::function<void(QDialog*)> script)
    {
        if (!m_scripts.contains(dialog))
            office.ui().onDialog(dialog, [this, dialog](QDialog* d) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(d)) << dialog.toStdString();
                m_scripts.value(dialog)(d);
            });
        m_scripts.insert(dialog, std::move(script));
    }

    TestOffice office;

private:
    std::vector<std::unique_ptr<QWidget>> m_screens;
    QHash<QString, std::function<void(QDialog*)>> m_scripts;
};

QWidget* control(QWidget* screen, const char* name)
{
    return ControlAccess::require(screen, QLatin1String(name));
}

std::string text(QWidget* screen, const char* name)
{
    return ControlAccess::text(control(screen, name)).toStdString();
}

// Ctrl+Tab until the page holding `name` shows, then Tab until the cursor is in it.
bool goTo(QWidget* screen, const char* name)
{
    QTabWidget* tabs = screen->findChild<QTabWidget*>(u"SSTab1"_s);
    QWidget* target = control(screen, name);
    for (int turn = 0; turn < tabs->count() && !tabs->currentWidget()->isAncestorOf(target); ++turn)
        press(Qt::Key_Tab, Qt::ControlModifier);
    return Clerk::tabTo(name);
}

// Three customers for the open dialog's search: a mobile without a telephone,
// both, a telephone without a mobile.
void addCustomers(Counter& c)
{
    const struct { const char* name; const char* tel; const char* mobile; qint64 id; const char* licence; } rows[] = {
        {"سالم العلي", "", "0551234", 2800, "LX-77"},
        {"Mona Khalid", "22334455", "0559999", 1234567, "Q-1"},
        {"خالد سالم", "24445555", "", 99, ""},
    };
    for (const auto& r : rows)
        c.office.db().insert(u"Customer"_s, u"CUSTOMERID"_s,
                             {{u"name"_s, QString::fromUtf8(r.name)}, {u"HOMETEL1"_s, QString::fromUtf8(r.tel)},
                              {u"HOMEMOB"_s, QString::fromUtf8(r.mobile)}, {u"IDNUMBER"_s, r.id},
                              {u"HOMECARLICENSE"_s, QString::fromUtf8(r.licence)}});
}

// The open dialog's shown column `column`, row by row.
QStringList shownColumn(QDialog* dialog, int column)
{
    const auto* grid = dialog->findChild<QTableView*>(u"DataGrid1"_s);
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, column).data().toString();
    return out;
}

// `next` comes after `before` as the screen reads: lower down, or on the same
// line further along it (to the left on a right to left screen).
bool readsAfter(const QWidget* before, const QWidget* next)
{
    const QWidget* window = before->window();
    const QRect a(before->mapTo(window, QPoint(0, 0)), before->size());
    const QRect b(next->mapTo(window, QPoint(0, 0)), next->size());
    const bool sameLine = b.center().y() >= a.top() && b.center().y() <= a.bottom();
    if (!sameLine)
        return b.top() > a.top();
    return window->layoutDirection() == Qt::RightToLeft ? b.right() <= a.left() : b.left() >= a.right();
}

}

// Ctrl+Tab turns the page; Tab then enters that page's first field, and goes
// on through the page as it reads, a group at a time, before any command button.
TEST(ClerkDay, TabReadsEveryPageInOrder)
{
    for (const char* name : {"frmCustomers", "frmCars", "frmEmployee", "frmRentCar:RENTMODE",
                             "frmRentCar:SURRENDMODE", "frmReminder", "frmCustomerMessages"}) {
        SCOPED_TRACE(name);
        Counter c;
        QWidget* screen = c.open(QLatin1String(name));
        QTabWidget* tabs = screen->findChild<QTabWidget*>(u"SSTab1"_s);
        ASSERT_NE(tabs, nullptr);
        const auto cursorControl = [&] { return ControlAccess::find(screen, QString::fromStdString(focused())); };
        int enabled = 0;
        for (int i = 0; i < tabs->count(); ++i)
            enabled += tabs->isTabEnabled(i) ? 1 : 0;
        for (int turn = 0; turn < enabled; ++turn) {
            const int before = tabs->currentIndex();
            press(Qt::Key_Tab, Qt::ControlModifier);
            if (enabled > 1) {
                EXPECT_NE(tabs->currentIndex(), before);
            }
            SCOPED_TRACE("page " + tabs->tabText(tabs->currentIndex()).toStdString());
            press(Qt::Key_Tab);
            QWidget* field = cursorControl();
            ASSERT_NE(field, nullptr);
            EXPECT_TRUE(tabs->currentWidget()->isAncestorOf(field)) << focused();
            EXPECT_EQ(qobject_cast<QPushButton*>(field), nullptr) << focused();
            // Through the page: within one group each field reads after the one before.
            for (int step = 0; step < 60 && tabs->currentWidget()->isAncestorOf(field); ++step) {
                press(Qt::Key_Tab);
                QWidget* next = cursorControl();
                // The damage diagram takes Tab from view to view before it lets go.
                if (next == field && field->inherits("DamageDiagram"))
                    continue;
                EXPECT_NE(next, field) << "Tab stayed in " << field->objectName().toStdString();
                if (next && next->parentWidget() == field->parentWidget()
                    && tabs->currentWidget()->isAncestorOf(next)) {
                    EXPECT_TRUE(readsAfter(field, next)) << field->objectName().toStdString() << " then "
                                                         << next->objectName().toStdString();
                }
                field = next;
            }
            // The page read, the cursor goes on to the command buttons.
            ASSERT_NE(field, nullptr);
            EXPECT_FALSE(tabs->isAncestorOf(field)) << focused();
        }
    }
}

// A dialog, a question or another window over the screen gives the cursor back
// to the page and field the clerk was on; a declined delete keeps what was typed.
// In a drop-down grid the first Esc closes the list, the second the screen.
TEST(ClerkDay, BackFromADialogTheClerkGoesOnWhereHeWas)
{
    enum Away { NewCancelled, OpenCancelled, DeleteDeclined, OtherWindow, GridList };
    const struct { const char* what; const char* screen; const char* field; Away away; } rows[] = {
        {"customer: New, Esc", "frmCustomers", "dfsHomeMob", NewCancelled},
        {"customer: Open, Esc", "frmCustomers", "dfsWorkJob", OpenCancelled},
        {"customer: the file chooser over it", "frmCustomers", "dfsHomeEmail", OtherWindow},
        {"employee: New, Esc", "frmEmployee", "dfTIMECARDNO", NewCancelled},
        {"employee: the file chooser over it", "frmEmployee", "dfMOBILE", OtherWindow},
        {"employee: delete declined", "frmEmployee", "dfHeight", DeleteDeclined},
        {"employee: the managers' list, Esc", "frmEmployee", "cmbMANAGERID", GridList},
        {"car: Open, Esc", "frmCars", "dfsOWNERJOB", OpenCancelled},
        {"diary: delete declined", "frmReminder", "dfsComments", DeleteDeclined},
        {"customer message: delete declined", "frmCustomerMessages", "dfsHomeComments", DeleteDeclined},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter c;
        c.rule(u"أولى"_s);
        for (const auto& [table, key] : {std::pair{u"Customer"_s, u"CUSTOMERID"_s}, {u"EMPLOYEE"_s, u"EMPID"_s},
                                         {u"car"_s, u"carid"_s}, {u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s}})
            c.add(table, key, u"الأول"_s);
        c.office.db().command(u"update EMPLOYEE set FLGMANAGER = 1"_s);
        QWidget* screen = c.open(QLatin1String(r.screen));
        QTabWidget* tabs = screen->findChild<QTabWidget*>(u"SSTab1"_s);
        ASSERT_TRUE(goTo(screen, r.field));
        const int page = tabs->currentIndex();
        if (r.away == DeleteDeclined)
            type(u"2850"_s);
        for (const QString& dialog : {u"frmGeneralN"_s, u"frmGeneralOpen"_s})
            c.whenShown(dialog, [](QDialog*) { press(Qt::Key_Escape); });
        c.office.ui().answers = {false};
        if (r.away == OtherWindow) {
            QWidget chooser;
            ASSERT_TRUE(Clerk::showActive(&chooser));
            chooser.close();
            screen->activateWindow();
        } else if (r.away == GridList) {
            press(Qt::Key_F4);
            ASSERT_TRUE(qobject_cast<QComboBox*>(control(screen, r.field))->view()->isVisible());
            press(Qt::Key_Escape);
        } else {
            press(r.away == NewCancelled ? Qt::Key_F8 : r.away == OpenCancelled ? Qt::Key_F9 : Qt::Key_F11);
        }
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
        EXPECT_EQ(tabs->currentIndex(), page);
        EXPECT_EQ(focused(), r.field);
        if (r.away == DeleteDeclined) {
            EXPECT_NE(text(screen, r.field).find("2850"), std::string::npos);
        }
        if (r.away == GridList) {
            press(Qt::Key_Escape);
            EXPECT_FALSE(screen->isVisible());
        }
    }
}

// Each window opens with the cursor where the clerk types first. Ctrl+Shift+F9
// on a data screen opens the designer only for who may change the options.
// Tab goes from a field to the next one as the screen reads: from the return
// date to the daily rent, over a time field in one stop, out of a multi-line
// field with no tab character left in it. Digits of an Arabic keyboard, both
// sets, and its separators are taken as the numbers and dates they mean.
TEST(ClerkDay, TheCursorIsWhereTheClerkTypesNext)
{
    const Qt::KeyboardModifiers designer = Qt::ControlModifier | Qt::ShiftModifier;
    // from: the field typed into before `key`; focus: the field then with the cursor,
    // in `dialog` if one opens (null: not checked); shown: what `from` then shows.
    const struct { const char* screen; Qt::Key key; const char* dialog; const char* focus; Qt::KeyboardModifiers modifiers = {};
                   int optionsRight = 1; const char* from = nullptr; QString typed = {}; const char* shown = nullptr; } cases[] = {
        {"frmReminder", {}, nullptr, "dfdReminderDate"},
        {"frmCustomers", {}, nullptr, "dfcTITLE"},
        {"frmEmployee", {}, nullptr, "dfIDNUM"},
        {"F1M0", {}, nullptr, "dfdFrom"},
        {"frmReminder", Qt::Key_F8, "frmGeneralN", "dfName"},
        {"frmCustomerMessages", Qt::Key_F10, "F3M0O", "txtNAME"},
        {"frmRentCar:RENTMODE", {}, nullptr, "dfcTITLE"},
        {"frmRentCar:SURRENDMODE", Qt::Key_F9, "frmGeneralOpen", "DataGrid1"},
        {"frmCustomers", Qt::Key_F9, "ctrWindowTable", "DataGrid1", designer},
        {"frmEmployee", Qt::Key_F9, "ctrWindowTable", "", designer, 0},
        {"frmRentCar:RENTMODE", Qt::Key_Tab, nullptr, "dfnDailyRent", {}, 1, "dfdReturnDate", u"25122026"_s, "25/12/2026"},
        {"frmRentCar:RENTMODE", Qt::Key_Tab, nullptr, "dfnDailyRent", {}, 1, "dfdReturnDate", u"٠٣/٠٤/٢٠٢٨"_s, "03/04/2028"},
        {"frmRentCar:RENTMODE", Qt::Key_Tab, nullptr, nullptr, {}, 1, "dfnDailyRent", u"۴۵٫۵"_s, "45.50"},
        {"frmRentCar:RENTMODE", Qt::Key_Tab, nullptr, "dfnRentPeriod", {}, 1, "dftExitTime"},
        {"frmReminder", Qt::Key_Tab, nullptr, "cmdNew", {}, 1, "dfsComments", u"جدد التأمين"_s, "جدد التأمين"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.screen) + " " + (c.dialog ? c.dialog : "") + (c.from ? c.from : ""));
        Counter o;
        o.rule(u"أولى"_s);
        o.add(u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s, u"تذكير"_s);
        o.add(u"RENT"_s, u"RENTID"_s, u"عقد"_s);
        o.office.db().command(u"update group_func set command4 = %1 where menu_name = 'F3M'"_s.arg(c.optionsRight));
        QWidget* screen = o.open(QLatin1String(c.screen));
        if (c.from) {
            ASSERT_TRUE(tabTo(c.from));
            type(c.typed);
        }
        std::string inDialog;
        if (c.dialog)
            o.whenShown(QLatin1String(c.dialog), [&](QDialog*) { inDialog = focused(); });
        if (c.key)
            press(c.key, c.modifiers);
        if (c.focus) {
            EXPECT_EQ(c.dialog ? inDialog : focused(), c.focus);
        }
        if (c.shown) {
            EXPECT_EQ(text(screen, c.from), c.shown);
        }
    }
}

// An empty picture says how to put one there; a picture shown does not, and a
// picker, where nothing can be chosen, says nothing.
TEST(ClerkDay, AnEmptyPictureSaysHowToChooseOne)
{
    const struct { const char* what; const char* screen; const char* picture; bool chosen; bool cleared; bool hint; } rows[] = {
        {"customer without picture", "frmCustomers", "pPicture", false, false, true},
        {"customer, picture chosen", "frmCustomers", "pPicture", true, false, false},
        {"customer, picture cleared", "frmCustomers", "pPicture", true, true, true},
        {"customer picker", "frmCustomers:RENTMODE", "pPicture", false, false, false},
        {"car, a small picture", "frmCars", "Image1_3", false, false, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter c;
        QWidget* screen = c.open(QLatin1String(r.screen));
        auto* picture = qobject_cast<QLabel*>(control(screen, r.picture));
        QTabWidget* tabs = screen->findChild<QTabWidget*>(u"SSTab1"_s);
        while (!tabs->currentWidget()->isAncestorOf(picture))
            press(Qt::Key_Tab, Qt::ControlModifier);
        if (r.chosen) {
            QFile file(c.office.file(u"picture.png"_s));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(TestPictures::png(Qt::green)) > 0);
            file.close();
            c.office.ui().files = {file.fileName()};
            QTest::mouseDClick(picture, Qt::LeftButton);
        }
        if (r.cleared)
            QTest::mouseClick(picture, Qt::RightButton);
        EXPECT_EQ(!picture->text().trimmed().isEmpty(), r.hint) << picture->text().toStdString();
        EXPECT_EQ(picture->pixmap().isNull(), !r.chosen || r.cleared);
    }
}

// Typing narrows the list at once, by any part of the name, telephone, mobile,
// identity or licence number, in either case; Enter opens the first found. A
// letter typed on the list starts the search; a digit there is the record
// number, so numbers are typed in the search field. The telephone column falls
// back to the mobile; a click on a heading or Ctrl+Up / Ctrl+Down on the list
// sorts, and typing keeps the order. The customer list (F10): Enter in the
// criteria searches; Down goes to the rows, and Enter on a row takes that
// customer. Opened from the messages screen it only looks up: the message
// shown stays, whatever the numbers.
TEST(Find, TypingNarrowsTheOpenDialogByAnyPartAndEnterOpens)
{
    const QStringList rising{u"Mona Khalid"_s, u"خالد سالم"_s, u"سالم العلي"_s};
    // downs: Down presses in the customer list (F10) before Enter; none for the open dialog (F9).
    const struct { QString typed; bool inSearchField; QStringList names; bool sorted = false; int downs = 0;
                   const char* screen = "frmCustomers"; const char* shown = nullptr; } cases[] = {
        {u"سالم"_s, false, {u"سالم العلي"_s, u"خالد سالم"_s}},
        {u"mona"_s, false, {u"Mona Khalid"_s}},
        {u"0551"_s, true, {u"سالم العلي"_s}},   // the mobile, shown where the telephone is empty
        {u"9999"_s, true, {u"Mona Khalid"_s}},  // the mobile behind a telephone
        {u"3344"_s, true, {u"Mona Khalid"_s}},
        {u"x-7"_s, false, {u"سالم العلي"_s}},
        {u"345"_s, true, {u"Mona Khalid"_s}},   // the identity number
        {u"50%"_s, true, {}},                   // % is a letter here
        {u"ال"_s, false, {u"خالد سالم"_s, u"سالم العلي"_s}, true},
        {u"سالم"_s, false, {}, false, 1, "frmCustomers", "سالم العلي"},
        {u"سالم"_s, false, {}, false, 2, "frmCustomers", "خالد سالم"},
        {u"%"_s, false, {}, false, 1, "frmCustomers", "فهد 10%"},  // a percent sign is only itself
        {u"سالم"_s, false, {}, false, 1, "frmCustomerMessages", "الأولى"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " " + std::to_string(c.downs) + " " + c.screen);
        Counter o;
        addCustomers(o);
        if (c.downs) {
            o.add(u"Customer"_s, u"CUSTOMERID"_s, u"فهد 10%"_s);
            for (const QString& name : {u"الأولى"_s, u"الثانية"_s})
                o.add(u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s, name);
        }
        QWidget* screen = o.open(QLatin1String(c.screen));
        QStringList names;
        std::string typedInto;
        bool taken = false;
        o.whenShown(c.downs ? u"F3M0O"_s : u"frmGeneralOpen"_s, [&](QDialog* d) {
            if (c.sorted) {
                EXPECT_EQ(shownColumn(d, 2), (QStringList{u"0551234"_s, u"22334455"_s, u"24445555"_s}));
                QHeaderView* header = d->findChild<QTableView*>(u"DataGrid1"_s)->horizontalHeader();
                const QPoint name(header->sectionViewportPosition(1) + header->sectionSize(1) / 2, header->height() / 2);
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, name);
                EXPECT_EQ(shownColumn(d, 1), rising);
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, name);
                EXPECT_EQ(shownColumn(d, 1), QStringList(rising.crbegin(), rising.crend()));
                press(Qt::Key_Up, Qt::ControlModifier);
                EXPECT_EQ(shownColumn(d, 1), rising);
            }
            if (c.inSearchField) {
                ASSERT_TRUE(tabTo("txtNAME"));
            }
            type(c.typed);
            typedInto = focused();
            names = c.downs ? QStringList() : shownColumn(d, 1);
            if (c.downs) {
                press(Qt::Key_Return);
                EXPECT_TRUE(d->isVisible()) << "Enter in the name searched no more";
            }
            for (int i = 0; i < c.downs; ++i)
                press(Qt::Key_Down);
            press(Qt::Key_Return);
            taken = !d->isVisible() && d->result() == QDialog::Accepted;
        });
        press(c.downs ? Qt::Key_F10 : Qt::Key_F9);
        EXPECT_EQ(typedInto, "txtNAME");
        EXPECT_EQ(names, c.names);
        EXPECT_TRUE(taken || !c.downs);
        EXPECT_EQ(QString::fromStdString(text(screen, "txtNAME")),
                  c.shown ? QString::fromUtf8(c.shown) : c.names.value(0, u"سالم العلي"_s));
    }
}

// Typing shows the first page at once and "…" for the count; once the clerk
// pauses, the count comes and the whole list with it.
TEST(Find, ALongListIsCountedOnceTheClerkPauses)
{
    Counter o;
    for (int i = 0; i <= RecordListModel::PageSize; ++i)
        o.add(u"Customer"_s, u"CUSTOMERID"_s, u"Salem %1"_s.arg(i));
    o.open(u"frmCustomers"_s);
    bool shown = false;
    o.whenShown(u"frmGeneralOpen"_s, [&](QDialog* d) {
        shown = true;
        const auto* count = d->findChild<QLineEdit*>(u"dfrecordcount"_s);
        type(u"salem"_s);
        EXPECT_EQ(count->text(), u"…"_s);
        EXPECT_TRUE(QTest::qWaitFor([&] { return count->text() != u"…"_s; }));
        EXPECT_EQ(count->text(), QString::number(RecordListModel::PageSize + 1));
        EXPECT_EQ(shownColumn(d, 1).size(), RecordListModel::PageSize + 1);
    });
    press(Qt::Key_F9);
    EXPECT_TRUE(shown);
}

// The screen-definition designer as the administrator uses it: the window
// shown over a screen, buttons pressed, values typed where the cursor is.
namespace {

using ScreenChecks::click;

const QString Screen = u"frmFive"_s;

// A screen built from "kind:name[:caption]" entries, in that order.
QWidget* buildScreen(const QStringList& controls)
{
    auto* screen = new QDialog;
    screen->setObjectName(Screen);
    for (const QString& entry : controls) {
        const QStringList part = entry.split(u':');
        QWidget* w = nullptr;
        if (part[0] == u"combo"_s)
            w = new QComboBox(screen);
        else if (part[0] == u"date"_s)
            w = new QDateEdit(screen);
        else if (part[0] == u"label"_s)
            w = new QLabel(part.value(2), screen);
        else
            w = new QLineEdit(screen);
        w->setObjectName(part[1]);
    }
    return screen;
}

std::string rows(Database& db, const QString& sql)
{
    const RowSet rs = db.execute(sql);
    QStringList lines;
    for (int r = 0; r < rs.count(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columns().size(); ++c)
            cells << rs.value(r, c).toString();
        lines << cells.join(u'|');
    }
    return lines.join(u' ').toStdString();
}

const QString Details = u"select WINDOWCONTROL, [COLUMN], TYPE, GRIDORDER, IDENTIFIER from _WINDOWTABLEDETAILS where "
                        "WINDOWTABLEID in (select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmFive') "
                        "order by WINDOWTABLEDETAILSID"_s;
const QString Lists = u"select COLUMNNAME, COMBOBOXVALUE, DISPLAYORDER, [DEFAULT] from _SCREENCOMBOBOX where "
                      "WINDOWNAME = 'frmFive' order by SCREENCOMBOBOXID"_s;
const QString Snapshot = u"select CONTROLNAME, CONTROLINDEX, CONTROLVALUE, LANGUAGE, ONOFF from _screencontrol where "
                         "WINDOWNAME = 'frmFive' order by SCREENCONTROLID"_s;
const QString Labels = u"select COLUMNLABEL, [COLUMN] from _WINDOWTABLEDETAILS where WINDOWTABLEID in (select "
                       "WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmFive')"_s;
const QStringList Five{u"edit:txtID"_s, u"edit:txtNAME"_s, u"edit:dfsComments"_s, u"combo:dfcFrequency"_s,
                       u"date:dfdReminderDate"_s};

using Script = std::function<QString(QDialog*)>;

// Presses the buttons in turn; gives the row count the window then shows, when asked for.
Script clicks(const QStringList& buttons, bool counted = false)
{
    return [buttons, counted](QDialog* d) {
        for (const QString& button : buttons)
            click(d, button);
        return counted ? ScreenChecks::control<QLabel>(d, u"lblDataGrid1"_s)->text() : QString();
    };
}

// Clicks the grid's cell of `column` in the first row, replaces its text by
// `typed` with F2 and stores; gives the window's caption and what the click copied.
Script gridEdit(const char* column, const QString& typed)
{
    return [column, typed](QDialog* d) {
        auto* grid = ScreenChecks::control<QTableView>(d, u"DataGrid1"_s);
        int at = 0;
        // A server gives the column names in lower case.
        while (at < grid->model()->columnCount()
               && grid->model()->headerData(at, Qt::Horizontal).toString().compare(QLatin1String(column), Qt::CaseInsensitive))
            ++at;
        const QModelIndex cell = grid->model()->index(0, at);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        const QString copied = QApplication::clipboard()->text();
        press(Qt::Key_F2);
        press(Qt::Key_A, Qt::ControlModifier);
        Clerk::type(typed);
        press(Qt::Key_Return);
        // The cell takes the text once the editor has closed.
        QApplication::processEvents();
        click(d, u"command3"_s);
        return d->windowTitle() + u' ' + copied;
    };
}

}

// One row per edge of the designer. Of the grid's edits a label, and a column
// the table has, reach the table on Store; any other column is refused with a
// message and nothing is stored. The clicked cell is on the clipboard.
TEST(Designer, EdgeCases)
{
    const auto comments = [](Database& db, qint64 t) {
        MetadataWriter(db, Screen).field(t, u"dfsComments"_s, u"MESSAGE"_s, MetadataWriter::Text, u"ملاحظات"_s, 3);
    };
    const struct {
        const char* what;
        QStringList controls;
        const char* table;  // of the _WINDOWTABLE row; none without
        std::function<void(Database&, qint64)> before;
        QList<bool> answers;
        Script script;
        const QString& dump;
        const char* stored;
        const char* seen;
        int messages;
        const char* told = "Please enter at least one row for this screen in _WindowTable";
    } cases[] = {
        {"regenerating the five-control screen", Five, "_reminder", {}, {},
         clicks({u"command2"_s}, true),
         Details,
         "txtName|NAME|1|2|0 txtID|_reminderID|0|1|1 dfsComments|COMMENTS|1|3|0 dfcFrequency|FREQUENCY|1|4|0 "
         "dfdReminderDate|REMINDERDATE|2|5|0",
         "Rows: 5", 0},
        {"list and time fields", {u"edit:txtID"_s, u"combo:dfgCarID"_s, u"date:dftExitTime"_s, u"edit:dfIDNUM"_s}, "RENT",
         {}, {}, clicks({u"command2"_s}), Details,
         "txtName|NAME|1|2|0 txtID|RENTID|0|1|1 dfgCarID|CARID|4|3|0 dftExitTime|EXITTIME|5|4|0 dfIDNUM|DNUM|1|5|0", "",
         0},
        {"regeneration declined", Five, "_reminder",
         [](Database& db, qint64 t) { MetadataWriter(db, Screen).identifier(t, u"REMINDERID"_s, u"n"_s); }, {false},
         clicks({u"command2"_s}), Details, "txtID|REMINDERID|0|1|1", "", 0},
        {"a failing regeneration keeps the old rows", Five + QStringList{u"edit:dfsBoom"_s}, "_reminder",
         [](Database& db, qint64 t) {
             MetadataWriter(db, Screen).identifier(t, u"REMINDERID"_s, u"n"_s);
             TestOffice::refuseInserts(db, u"boom"_s, u"_WINDOWTABLEDETAILS"_s, u"NEW.WINDOWCONTROL = 'dfsBoom'"_s);
         },
         {}, clicks({u"command2"_s}), Details, "txtID|REMINDERID|0|1|1", "", 0},
        {"new fields only, twice", Five, "_reminder",
         [](Database& db, qint64 t) {
             MetadataWriter m(db, Screen);
             m.identifier(t, u"REMINDERID"_s, u"n"_s);
             m.field(t, u"DFSCOMMENTS"_s, u"MESSAGE"_s, MetadataWriter::Text, {}, 3);
         },
         {}, clicks({u"command6"_s, u"command6"_s}, true),
         Details,
         "txtID|REMINDERID|0|1|1 DFSCOMMENTS|MESSAGE|1|3|0 dfcFrequency|FREQUENCY|1|-1|0 "
         "dfdReminderDate|REMINDERDATE|2|-1|0",
         "Rows: 4", 0},
        {"no _windowtable row", Five, nullptr, {}, {},
         clicks({u"command2"_s, u"command6"_s}),
         Details, "", "", 2},
        {"three values typed in a row", Five, "_reminder",
         [](Database& db, qint64 t) { MetadataWriter(db, Screen).field(t, u"dfcFrequency"_s, u"FREQUENCY"_s, MetadataWriter::Text); },
         {},
         [](QDialog* d) {
             ScreenChecks::control<QTabWidget>(d, u"SSTab1"_s)->setCurrentIndex(1);
             auto* order = ScreenChecks::control<QLineEdit>(d, u"txtOrder"_s);
             order->setFocus();
             order->selectAll();
             QTest::keyClicks(order, u"7"_s);
             press(Qt::Key_Tab);
             for (const QString& value : {u"يومي"_s, u"أسبوعي"_s}) {
                 Clerk::type(value);
                 press(Qt::Key_Return);
             }
             Clerk::type(u"شهري"_s);
             ScreenChecks::control<QAbstractButton>(d, u"dffDefault"_s)->setChecked(true);
             click(d, u"command5"_s);
             const int listed = ScreenChecks::control<QListWidget>(d, u"List1"_s)->count();
             return QString::fromStdString(Clerk::focused()) + u' ' + ScreenChecks::control<QLineEdit>(d, u"txtOrder"_s)->text() + u' '
                  + QString::number(listed);
         },
         Lists, "dfcFrequency|يومي|7|0 dfcFrequency|أسبوعي|8|0 dfcFrequency|شهري|9|1", "txtvalue 10 3", 0},
        {"the layout snapshot, taken twice", {u"edit:txtID"_s, u"label:lblComments:Comments"_s, u"edit:dfsComments"_s},
         "_reminder", {}, {},
         clicks({u"command7"_s, u"command7"_s}),
         Snapshot, "txtID|0||ar-eg|0 lblComments|0|Comments|ar-eg|0 dfsComments|0||ar-eg|0", "", 0},
        {"a label changed in the grid", Five, "_reminder", comments, {}, gridEdit("COLUMNLABEL", u"الملاحظات"_s), Labels,
         "الملاحظات|MESSAGE", "Window Table for frmFive ملاحظات", 0},
        {"a column of the table", Five, "_reminder", comments, {}, gridEdit("COLUMN", u"comments"_s), Labels,
         "ملاحظات|comments", "Window Table for frmFive MESSAGE", 0},
        {"a sub-select for a column", Five, "_reminder", comments, {},
         gridEdit("COLUMN", u"COMMENTS = (select PASSWRD from OPERATOR where OPERATORID=1), NAME"_s), Labels,
         "ملاحظات|MESSAGE", "Window Table for frmFive MESSAGE", 1, "is not a column of the table _reminder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestOffice office;
        Database& db = office.db();
        const QStringList controls = c.controls;
        office.state().screens().add(Screen, [controls](RunState&, QWidget*) { return buildScreen(controls); });
        const qint64 table = c.table ? MetadataWriter(db, Screen).table(QLatin1String(c.table), 1, u"five"_s) : 0;
        if (c.before)
            c.before(db, table);
        const std::string others = rows(db, u"select * from _WINDOWTABLEDETAILS where WINDOWTABLEID <> "_s
                                                + SqlValue::number(table));
        office.ui().answers = c.answers;
        QString seen;
        office.ui().onDialog(u"ctrWindowTable"_s, [&](QDialog* d) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(d));
            seen = c.script(d);
        });
        office.state().service<cDevelper>().ShowWindowTable(Screen);
        EXPECT_EQ(rows(db, c.dump), c.stored);
        EXPECT_EQ(seen.toStdString(), c.seen);
        EXPECT_EQ(office.ui().messages.size(), c.messages);
        for (const auto& m : office.ui().messages)
            EXPECT_TRUE(m.text.contains(QLatin1String(c.told))) << m.text.toStdString();
        EXPECT_EQ(rows(db, u"select * from _WINDOWTABLEDETAILS where WINDOWTABLEID <> "_s + SqlValue::number(table)),
                  others);
    }
}

namespace {

QTableView* grid(QDialog* d) { return d->findChild<QTableView*>(u"DataGrid1"_s); }
QLineEdit* field(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(QLatin1String(name)); }

QStringList headings(const QAbstractItemModel* m)
{
    QStringList out;
    for (int c = 0; c < m->columnCount(); ++c)
        out << m->headerData(c, Qt::Horizontal).toString();
    return out;
}

QString cell(QDialog* d, int row, int column)
{
    const QAbstractItemModel* m = grid(d)->model();
    return m->data(m->index(row, column)).toString();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void addRents(Database& db, int count)
{
    Transaction fill(db);
    db.executeNative(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                     "INSERT INTO RENT (NAME) SELECT 'contract ' || i FROM n"_s.arg(count));
    fill.commit();
}

}

// The screen's detail rows carry only what the open dialog reads: the key and the name in the
// grid (out of order), a label with a bracket, a column left out of the grid and one switched off.
TEST(OpenDialog, ListsAPageAtATimeAndANumberNarrowsThenOpens)
{
    TestOffice office;
    QWidget screen;
    screen.setObjectName(u"frmOpenProbe"_s);
    std::function<void(QDialog*)> operatorActs;
    office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* d) { operatorActs(d); });
    const auto open = [&](const char* condition, std::function<void(QDialog*)> acts) {
        operatorActs = std::move(acts);
        return office.state().service<cWindow>().ShowOpen(&screen, u"فتح عقد"_s, QLatin1String(condition));
    };
    MetadataWriter probe(office.db(), u"frmOpenProbe"_s);
    const qint64 id = probe.table(u"RENT"_s, 1, {});
    probe.fields(id, {{"NAME", "NAME", MetadataWriter::Text, "الاسم", 2, 250},
                      {"CUSTOMERNAME", "CUSTOMERNAME", MetadataWriter::Text, "Customer ]x", 3, 90},
                      {"CARTYPE", "CARTYPE", MetadataWriter::Text, "not in grid", 0, 70},
                      {"MODEL", "MODEL", MetadataWriter::Text, "switched off", 4, 70}});
    probe.identifier(id, u"RENTID"_s, u"رقم العقد"_s);
    office.db().command(u"update _WINDOWTABLEDETAILS set ONOFF = 0 where WINDOWCONTROL = 'MODEL'"_s);

    // An empty table: nothing listed, and OK chooses nothing and keeps the current record.
    office.state().CurrentRecordId = 12;
    bool shown = false;
    EXPECT_FALSE(open("WHERE 1 = 1 ", [&](QDialog* d) {
        shown = true;
        EXPECT_EQ(field(d, "dfrecordcount")->text(), u"0"_s);
        EXPECT_EQ(grid(d)->model()->rowCount(), 0);
        d->findChild<QPushButton*>(u"cmdOk"_s)->click();
    }));
    EXPECT_TRUE(shown);
    EXPECT_EQ(office.state().CurrentRecordId, 12);
    // A list the database refuses is reported, not shown as an empty table.
    EXPECT_FALSE(open("WHERE nosuch = 1 ", [](QDialog*) {}));
    EXPECT_EQ(office.ui().dialogsShown, (QStringList{u"frmGeneralOpen"_s, u"dlgError"_s, u"frmGeneralOpen"_s}));

    addRents(office.db(), 100000);
    // The count leaves out the list's own order, but not a quoted one nor its limit.
    EXPECT_FALSE(open("WHERE NAME <> ') order by (' order by RENTID desc limit 250",
                      [](QDialog* d) { EXPECT_EQ(field(d, "dfrecordcount")->text(), u"250"_s); }));
    const int limit = RecordListModel::CachedPages * RecordListModel::PageSize;
    // Only a row chosen opens, so true says the dialog ran.
    EXPECT_TRUE(open("WHERE 1 = 1 order by RENTID", [&](QDialog* d) {
        auto* list = static_cast<frmGeneralOpen*>(d)->list();
        QTableView* g = grid(d);
        EXPECT_EQ(headings(list), (QStringList{u"رقم العقد"_s, u"الاسم"_s, u"Customer x"_s}));
        EXPECT_EQ((QList<int>{g->columnWidth(0), g->columnWidth(1), g->columnWidth(2)}),
                  (QList<int>{g->horizontalHeader()->defaultSectionSize(), 250, 90}));
        EXPECT_EQ(field(d, "dfrecordcount")->text(), u"100000"_s);
        EXPECT_LE(list->rowsInMemory(), limit);
        g->scrollToBottom();
        QApplication::processEvents();
        EXPECT_EQ(cell(d, 99999, 0), u"100000"_s);
        EXPECT_LE(list->rowsInMemory(), limit);
        // Typed text narrows by every column, one headed in Latin capitals too: the numbers starting with 9.
        QTest::keyClicks(field(d, "txtNAME"), u"contract 9"_s);
        list->countAll();
        EXPECT_EQ(QString::number(list->rowCount()) + u' ' + cell(d, 0, 1), u"11111 contract 9"_s);
        field(d, "txtNAME")->clear();
        // Enter with a number narrows the list to it; Enter with none takes the highlighted row.
        for (const QString& number : {u"5"_s, u"99999"_s}) {
            QTest::keyClicks(field(d, "dfnNumber"), number);
            QTest::keyClick(field(d, "dfnNumber"), Qt::Key_Return);
            EXPECT_EQ(QString::number(list->rowCount()) + u' ' + cell(d, 0, 1), u"1 contract "_s + number);
        }
        QTest::keyClick(field(d, "dfnNumber"), Qt::Key_Return);
    }));
    EXPECT_EQ(office.state().CurrentRecordId, 99999);
    // The whole list's count is kept as contracts come and go.
    office.db().command(u"delete from RENT where RENTID > 99990"_s);
    office.db().insert(u"RENT"_s, u"RENTID"_s, {{u"NAME"_s, u"contract new"_s}});
    open("WHERE 1 = 1 ", [](QDialog* d) { EXPECT_EQ(field(d, "dfrecordcount")->text(), u"99991"_s); });
}

TEST(ReadGrid, FillsTheGridOrReportsWhyNot)
{
    TestOffice office;
    QWidget screen;
    screen.setObjectName(u"frmGridProbe"_s);
    auto* grid = new QTableView(&screen);
    grid->setObjectName(u"grdList"_s);
    (new QWidget(&screen))->setObjectName(u"notAGrid"_s);
    const auto defineGrid = [&](const char* name, const QList<std::tuple<int, const char*, QString, QVariant, int>>& columns) {
        const qint64 id = office.db().insert(u"_GRIDTABLE"_s, u"GRIDTABLEID"_s, {{u"WINDOWNAME"_s, u"frmGridProbe"_s},
                                             {u"GRIDNAME"_s, name}, {u"TABLENAME"_s, u"RENT"_s}, {u"ONOFF"_s, 1}});
        for (const auto& [number, column, label, width, onoff] : columns)
            office.db().insert(u"_GRIDTABLEDETAILS"_s, u"GRIDTABLEDETAILSID"_s,
                               {{u"GRIDTABLEID"_s, id}, {u"GRIDCOLUMNNUMBER"_s, number}, {u"Column"_s, column},
                                {u"GRIDLABEL"_s, label}, {u"ColumnWidth"_s, width}, {u"ONOFF"_s, onoff}});
    };
    defineGrid("grdList", {{2, "NAME", u"الاسم"_s, 200, 1}, {1, "RENTID", u"No"_s, 60, 1},
                           {3, "CUSTOMERNAME", u"off"_s, 10, 0}, {4, "RENTID * 2", u"Twice]"_s, QVariant(), 1}});
    defineGrid("notAGrid", {{1, "RENTID", u"No"_s, 60, 1}});
    addRents(office.db(), 4);
    cWindow& window = office.state().service<cWindow>();

    ASSERT_TRUE(window.ReadGrid(&screen, u"grdList"_s, u"where RENTID > 1 order by RENTID desc"_s));
    const QAbstractItemModel* m = grid->model();
    EXPECT_EQ(headings(m), (QStringList{u"No"_s, u"الاسم"_s, u"Twice"_s}));
    EXPECT_EQ((QList<int>{grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}),
              (QList<int>{60, 200, grid->horizontalHeader()->defaultSectionSize()}));
    ASSERT_EQ(m->rowCount(), 3);
    EXPECT_EQ(m->data(m->index(0, 1)).toString(), u"contract 4"_s);
    EXPECT_EQ(m->data(m->index(2, 2)).toString(), u"4"_s);
    EXPECT_TRUE(office.ui().dialogsShown.isEmpty());

    // A screen that edits RENT binds its dates as dates; the caller names the exit time. A
    // number column holding what looks like a date stays a number.
    MetadataWriter rentProbe(office.db(), u"frmRentProbe"_s);
    rentProbe.field(rentProbe.table(u"RENT"_s, 1, {}), u"dfdEXITDATE"_s, u"EXITDATE"_s, MetadataWriter::Date);
    auto* dates = new QTableView(&screen);
    dates->setObjectName(u"grdDates"_s);
    defineGrid("grdDates", {{1, "EXITDATE", u"Out"_s, 80, 1}, {2, "EXITTIME", u"At"_s, 80, 1},
                            {3, "CUSTOMERID", u"Customer"_s, 80, 1}, {4, "RETURNDATE", u"Back"_s, 80, 1}});
    office.db().command(u"update RENT set EXITDATE = 20261207, EXITTIME = '005626', CUSTOMERID = 20261207, "
                        "RETURNDATE = 20261208 where RENTID = 1"_s);
    ASSERT_TRUE(window.ReadGrid(&screen, u"grdDates"_s, u"where RENTID = 1"_s, {{u"exittime"_s, 5}}));
    const QAbstractItemModel* dated = dates->model();
    const struct { int column; const char* shown; const char* stored; } cells[] = {
        {0, "07/12/2026", "20261207"}, {1, "00:56:26", "005626"}, {2, "20261207", "20261207"}, {3, "08/12/2026", "20261208"}};
    for (const auto& c : cells) {
        EXPECT_EQ(dated->data(dated->index(0, c.column)).toString(), QLatin1String(c.shown)) << c.column;
        EXPECT_EQ(dated->data(dated->index(0, c.column), Qt::EditRole).toString(), QLatin1String(c.stored)) << c.column;
    }

    const struct { const char* grid; const char* condition; bool reported; } failures[] = {
        {"grdNothing", "", false}, {"grdList", "where nosuch = 1", true}, {"notAGrid", "", true}, {"grd'List", "", false}};
    for (const auto& c : failures) {
        office.ui().dialogsShown.clear();
        EXPECT_FALSE(window.ReadGrid(&screen, QLatin1String(c.grid), QLatin1String(c.condition))) << c.grid << c.condition;
        EXPECT_EQ(office.ui().dialogsShown.contains(u"dlgError"_s), c.reported) << c.grid << c.condition;
    }
}

// What a spreadsheet gets: each cell as the list shows it; amounts and dates
// as numbers and dates, codes with leading zeros kept as text; Arabic, commas,
// quotes and line breaks whole.
TEST(ListExport, CsvAndXlsxHoldTheCellsAsShown)
{
    if (TestOffice::onServer())
        GTEST_SKIP() << "files only: no database";
    const ListExport::Table table{
        {u"الاسم"_s, u"المبلغ"_s, u"الجوال"_s, u"التاريخ"_s, u"رقم"_s},
        {{u"محمد, \"أبو علي\""_s, u"1,250.50"_s, u"0501234567"_s, u"07/12/2026"_s, u"12"_s},
         {u"سطر\nثان"_s, u"-3.50"_s, u"96550001111"_s, u""_s, u"7"_s},
         {u"Ali"_s, u""_s, u"1234"_s, u"29/02/2024"_s, u"1000000"_s}}};
    const struct {
        int column;
        ListExport::Kind kind;
    } kinds[] = {{0, ListExport::Kind::Text}, {1, ListExport::Kind::Number}, {2, ListExport::Kind::Text},
                 {3, ListExport::Kind::Date}, {4, ListExport::Kind::Number}};
    for (const auto& k : kinds)
        EXPECT_EQ(ListExport::kindOf(table, k.column), k.kind) << k.column;

    QTemporaryDir dir;
    QString error;
    const QString csv = dir.filePath(u"list.csv"_s), xlsx = dir.filePath(u"list.xlsx"_s);
    ASSERT_TRUE(ListExport::write(table, csv, true, &error)) << error.toStdString();
    const QByteArray expected = "\xEF\xBB\xBF" + QStringLiteral(
        "الاسم,المبلغ,الجوال,التاريخ,رقم\r\n"
        "\"محمد, \"\"أبو علي\"\"\",\"1,250.50\",0501234567,07/12/2026,12\r\n"
        "\"سطر\nثان\",-3.50,96550001111,,7\r\n"
        "Ali,,1234,29/02/2024,1000000\r\n").toUtf8();
    EXPECT_EQ(bytesOf(csv), expected);
    ASSERT_TRUE(ListExport::write(table, xlsx, true, &error)) << error.toStdString();
    for (const QString& file : {csv, xlsx})
        EXPECT_EQ(OwnerOnly::mode(file), OwnerOnly::File);

    const ProgramRun sheet = runProgram(u"unzip"_s, {u"-p"_s, xlsx, u"xl/worksheets/sheet1.xml"_s}, 30000);
    ASSERT_EQ(sheet.status, 0) << sheet.err.toStdString();
    for (const char* mark : {"rightToLeft=\"1\"", "ySplit=\"1\"", "state=\"frozen\""})
        EXPECT_TRUE(sheet.out.contains(QLatin1String(mark))) << mark;
    // The amount is a number and the date a date serial, not texts.
    EXPECT_TRUE(sheet.out.contains(u"<v>1250.5</v>"_s));
    EXPECT_TRUE(sheet.out.contains(u"<v>46363</v>"_s)) << "07/12/2026 as a date";

    // LibreOffice Calc reads back the same cells, quoting those it holds as texts.
    if (QStandardPaths::findExecutable(u"soffice"_s).isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const ProgramRun calc = runProgram(
        u"soffice"_s,
        {u"-env:UserInstallation=file://"_s + dir.filePath(u"profile"_s), u"--headless"_s, u"--convert-to"_s,
         u"csv:Text - txt - csv (StarCalc):44,34,76,1"_s, u"--outdir"_s, dir.filePath(u"back"_s), xlsx},
        120000);
    ASSERT_EQ(calc.status, 0) << calc.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(bytesOf(dir.filePath(u"back/list.csv"_s))),
              u"\"الاسم\",\"المبلغ\",\"الجوال\",\"التاريخ\",\"رقم\"\n"
              "\"محمد, \"\"أبو علي\"\"\",\"1,250.50\",\"0501234567\",07/12/2026,12\n"
              "\"سطر\nثان\",-3.50,\"96550001111\",,7\n"
              "\"Ali\",,\"1234\",29/02/2024,1000000\n"_s);
}

// Every list the clerk reads exports by Ctrl+E and by its button, next on Tab
// and pressed by Enter or Space, the same file either way: every row, also
// those a paged list has not read yet, the columns shown without the hidden
// keys, amounts as numbers; a cancelled chooser writes nothing; Calc opens
// the file when the office chose so.
TEST(ListExport, EveryListExportsByCtrlEAndByItsButton)
{
    Counter o;
    addRents(o.office.db(), 2500);
    Configuration(o.office.db()).SetConfig(u"EXPORTOPENCALC"_s, u"1"_s);
    QTemporaryDir dir;
    frmTrialBalance balances(o.office.state(), nullptr);
    frmMessageList due(o.office.state(), nullptr);
    frmDayList day(o.office.state(), DayAtAGlance::Documents, DayAtAGlance(o.office.db(), QDate::currentDate()).list(DayAtAGlance::Documents), nullptr);
    const struct { const char* screen; QWidget* window; Qt::Key key; int amounts = -1; } lists[] = {
        {"frmGeneralOpen", nullptr, Qt::Key_Return, 0}, {"frmTrialBalance", &balances, Qt::Key_Space, 2}, {"frmDayList", &day, Qt::Key_Enter},
        {"frmMessageList", &due, Qt::Key_Space}, {"frmPlanningBoard", nullptr, Qt::Key_Space}, {"F1M0", nullptr, Qt::Key_Space},
        {"F1M1", nullptr, Qt::Key_Space}, {"F3M0O", nullptr, Qt::Key_Space}};
    for (const auto& c : lists) {
        SCOPED_TRACE(c.screen);
        const QString byKey = dir.filePath(QLatin1String(c.screen) + u".csv"_s), byButton = byKey + u".b.csv"_s;
        const auto exportTwice = [&](QWidget* window) {
            ASSERT_TRUE(Clerk::showActive(window));
            if (auto* search = window->findChild<QPushButton*>(u"cmdSearch"_s))
                search->click();
            QTableView* list = window->findChild<QTableView*>();
            list->setFocus();
            for (const QStringList& chosen : {QStringList(), QStringList{byKey}}) {
                o.office.ui().files = chosen;
                press(Qt::Key_E, Qt::ControlModifier);
            }
            press(Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), ListExportKey::buttonOf(list)) << Clerk::focused();
            o.office.ui().files = {byButton};
            press(c.key);
            const ListExport::Table shown = ListExport::fromView(*list);
            EXPECT_EQ(shown.headers.size(), list->horizontalHeader()->count() - list->horizontalHeader()->hiddenSectionCount());
            EXPECT_TRUE(c.amounts < 0 || ListExport::kindOf(shown, c.amounts) == ListExport::Kind::Number);
        };
        if (c.screen == "frmGeneralOpen"_L1) {
            o.office.ui().onDialog(QLatin1String(c.screen), [&](QDialog* d) { exportTwice(d); });
            o.office.state().service<cWindow>().ShowOpen(o.open(u"frmRentCar:RENTMODE"_s), u"فتح عقد"_s, u"WHERE 1 = 1 order by RENTID"_s);
            EXPECT_EQ(bytesOf(byKey).count('\n'), 2500 + 1);
        } else {
            exportTwice(c.window ? c.window : o.open(QLatin1String(c.screen)));
        }
        EXPECT_EQ(bytesOf(byButton), bytesOf(byKey));
        EXPECT_EQ(o.office.ui().programsStarted, QStringList({u"libreoffice --calc "_s + byKey, u"libreoffice --calc "_s + byButton}));
        o.office.ui().programsStarted.clear();
    }
}
