#include "shell/base/AppError.h"
#include "shell/base/ErrorLog.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QStringList logLines(const RunState& state)
{
    QFile file(errorLogPath(state));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A screen with one named control that has the focus (or none).
struct Screen {
    Screen(const QString& name, const QString& control)
    {
        dialog.setObjectName(name);
        auto* edit = new QLineEdit(&dialog);
        edit->setObjectName(control.isEmpty() ? QStringLiteral("dfsOther") : control);
        dialog.show();
        if (!control.isEmpty())
            edit->setFocus();
    }
    QDialog dialog;
};

// The line as it must be, apart from the date and time in field 2, which is
// handed back for a check of its own.
void expectLine(const QString& line, const QStringList& fields, QString* dateTime)
{
    const QString prefix = fields.first() + QLatin1Char(',');
    const QString suffix = QLatin1Char(',') + fields.mid(1).join(QLatin1Char(','));
    ASSERT_TRUE(line.startsWith(prefix)) << line.toStdString();
    ASSERT_TRUE(line.endsWith(suffix)) << line.toStdString();
    *dateTime = line.mid(prefix.size(), line.size() - prefix.size() - suffix.size());
}

}

TEST(ErrorLog, LineFields)
{
    const struct {
        const char* login;
        const char* screen;   // nullptr: no screen
        const char* control;  // "": the screen has no active control
        const char* number;
        const char* source;
        const char* description;
        int minimumParts;
    } rows[] = {
        {"", "LOGINP", "txtPassword", "5003", "Database", "Could not find file", 7},
        {"ADMIN", "frmRentCar", "dfsComments", "3021", "cWindow.SaveWindow", "No current record.", 7},
        {"ADMIN", "frmCars", "", "13", "frmCars.cmdSave_Click", "Type mismatch", 7},
        {"ADMIN", nullptr, "", "5004", "SCRNlogoff", "disk full", 7},
        {"ADMIN", "frmCustomer", "txtNAME", "3075", "cWindow.ReadWindow", "Syntax error, missing operator, in query", 9},
        {"ADMIN", "frmCustomer", "txtNAME", "3075", "cWindow, ReadWindow", "تعذر القراءة", 8},
    };
    for (const auto& r : rows) {
        // Before login nothing of the configuration is loaded.
        const bool loggedIn = *r.login != 0;
        TestOffice office(loggedIn);
        if (loggedIn) {
            office.loginAs(QString::fromUtf8(r.login));
            office.state().config.SHOWERRORS = 0;
        }
        std::unique_ptr<Screen> screen;
        if (r.screen)
            screen = std::make_unique<Screen>(QString::fromUtf8(r.screen), QString::fromUtf8(r.control));
        ReportError(office.state(), screen ? &screen->dialog : nullptr, QString::fromUtf8(r.number),
                    QString::fromUtf8(r.description), QString::fromUtf8(r.source));

        const QStringList lines = logLines(office.state());
        ASSERT_EQ(lines.size(), 1) << r.description;
        const QStringList fields{QString::fromUtf8(r.login),       QString::fromUtf8(r.screen ? r.screen : ""),
                                 QString::fromUtf8(r.control),     QString::fromUtf8(r.number),
                                 QString::fromUtf8(r.source),      QString::fromUtf8(r.description)};
        QString dateTime;
        expectLine(lines.first(), fields, &dateTime);
        EXPECT_TRUE(QLocale::system().toDateTime(dateTime, QLocale::ShortFormat).isValid()) << dateTime.toStdString();
        EXPECT_GE(lines.first().split(QLatin1Char(',')).size(), r.minimumParts) << r.description;
        EXPECT_TRUE(office.ui().dialogsShown.isEmpty());
    }
}

TEST(ErrorLog, LinesAreAppended)
{
    TestOffice office;
    office.loginAs(QStringLiteral("ADMIN"));
    QFile file(errorLogPath(office.state()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("an older line\n");
    file.close();

    ReportError(office.state(), nullptr, QStringLiteral("1"), QStringLiteral("first"), QStringLiteral("a"));
    ReportError(office.state(), nullptr, QStringLiteral("2"), QStringLiteral("second"), QStringLiteral("b"));

    const QStringList lines = logLines(office.state());
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("an older line"));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",1,a,first")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(",2,b,second")));
    EXPECT_EQ(errorLogPath(office.state()), QDir(office.home()).filePath(QStringLiteral("ijar.log")));
}

TEST(ErrorLog, DialogOnlyWhenShowErrorsIsOne)
{
    const struct { int showErrors; int dialogs; } rows[] = {{0, 0}, {1, 1}, {2, 0}, {-1, 0}};
    for (const auto& r : rows) {
        TestOffice office;
        office.loginAs(QStringLiteral("admin"));
        office.state().config.SHOWERRORS = r.showErrors;
        Screen screen(QStringLiteral("frmRentCar"), QStringLiteral("dfsComments"));
        QStringList seen;
        office.ui().onDialog(QStringLiteral("dlgError"), [&](QDialog* d) {
            seen << d->windowTitle() << d->findChild<QPlainTextEdit*>(QStringLiteral("txterr0"))->toPlainText()
                 << d->findChild<QLineEdit*>(QStringLiteral("txterr1"))->text();
            for (const char* name : {"dfActiveControl", "dfScreenName", "dfOperatorName"})
                seen << d->findChild<QLabel*>(QString::fromLatin1(name))->text();
            EXPECT_FALSE(d->findChild<QLabel*>(QStringLiteral("dtDateTime"))->text().isEmpty());
        });

        ReportError(office.state(), &screen.dialog, QStringLiteral("3021"), QStringLiteral("No current record."),
                    QStringLiteral("cWindow.SaveWindow"));

        EXPECT_EQ(office.ui().dialogsShown.size(), r.dialogs) << r.showErrors;
        EXPECT_EQ(logLines(office.state()).size(), 1) << r.showErrors;
        if (r.dialogs == 1) {
            const QStringList expected{QStringLiteral("Error #3021"), QStringLiteral("No current record."),
                                       QStringLiteral("cWindow.SaveWindow"),
                                       QStringLiteral("Active Control:dfsComments"),
                                       QStringLiteral("Form: frmRentCar"), QStringLiteral("Operator:ADMIN")};
            EXPECT_EQ(seen, expected);
        }
    }
}

TEST(ErrorLog, UnwritableLogStillShowsTheDialog)
{
    TestOffice office;
    office.state().config.SHOWERRORS = 1;
    ASSERT_TRUE(QDir().mkpath(errorLogPath(office.state())));

    ReportError(office.state(), nullptr, QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("y"));

    EXPECT_EQ(office.ui().dialogsShown, QStringList{QStringLiteral("dlgError")});
}

TEST(ErrorLog, AppErrorSourceNamesWhere)
{
    const struct { const char* where; const char* source; } rows[] = {
        {"", "cWindow"},
        {"frmCars.cmdSave_Click", "frmCars.cmdSave_Click - cWindow"},
    };
    for (const auto& r : rows) {
        TestOffice office;
        ReportError(office.state(), nullptr, AppError(3021, QStringLiteral("No current record."), QStringLiteral("cWindow")),
                    QString::fromUtf8(r.where));
        const QStringList lines = logLines(office.state());
        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines.first().endsWith(QStringLiteral(",3021,") + QString::fromUtf8(r.source)
                                           + QStringLiteral(",No current record.")))
            << lines.first().toStdString();
    }
}

TEST(ErrorLog, GuardedReportsAndReturnsFalse)
{
    const struct {
        std::function<void()> work;
        bool succeeded;
        const char* tail;  // end of the log line, nullptr for no line
    } rows[] = {
        {[] {}, true, nullptr},
        {[] { throw AppError(3021, QStringLiteral("No current record."), QStringLiteral("cWindow")); }, false,
         ",3021,frmCars.cmdSave_Click - cWindow,No current record."},
        {[] { throw std::runtime_error("vector too long"); }, false, ",5009,frmCars.cmdSave_Click,vector too long"},
        {[] { throw 42; }, false, ",5009,frmCars.cmdSave_Click,Unknown failure"},
    };
    for (const auto& r : rows) {
        TestOffice office;
        office.state().config.SHOWERRORS = 1;
        Screen screen(QStringLiteral("frmCars"), QStringLiteral("cmdSave"));

        EXPECT_EQ(guarded(office.state(), &screen.dialog, QStringLiteral("frmCars.cmdSave_Click"), r.work), r.succeeded);

        const QStringList lines = logLines(office.state());
        if (!r.tail) {
            EXPECT_TRUE(lines.isEmpty());
            EXPECT_TRUE(office.ui().dialogsShown.isEmpty());
            continue;
        }
        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines.first().endsWith(QStringLiteral(",frmCars,cmdSave") + QString::fromUtf8(r.tail)))
            << lines.first().toStdString();
        EXPECT_EQ(office.ui().dialogsShown, QStringList{QStringLiteral("dlgError")});
    }
}
