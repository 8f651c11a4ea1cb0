#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/ErrorLog.h"
#include "core/IniFile.h"
#include "core/OwnerOnly.h"
#include "core/PasswordHash.h"
#include "core/RunState.h"
#include "core/ScreenTag.h"
#include "core/StoredDate.h"
#include "core/cSecurity.h"
#include "engine/EngineSetup.h"
#include "engine/NumberEdit.h"
#include "engine/RecordListModel.h"
#include "engine/cWindow.h"
#include "rental/DayPanel.h"
#include "schema/Schema.h"
#include "shell/F2M0.h"
#include "shell/F2M1.h"
#include "shell/F2M2.h"
#include "shell/LOGINP.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "shell/SCRNlock.h"
#include "shell/SCRNlogoff.h"
#include "shell/StartUp.h"
#include "shell/frmOptions.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

namespace {

// The main window of a logged-in administrator; every screen a button opens
// exists as a stand-in unless `standIns` is false.
struct ShellOffice {
    explicit ShellOffice(const QString& rightsSql = {}, bool standIns = true)
    {
        office.loginAs("ADMIN");
        if (!rightsSql.isEmpty())
            office.db().command(rightsSql);
        for (const QString name : {"F1M0", "F1M1", "F2M0", "F2M1", "F2M2", "frmCars", "frmAvailableCars", "frmCustomers", "frmEmployee",
                                   "frmOptions", "frmIncomeRent", "frmIncomeGeneral", "frmExpenseRent",
                                   "frmExpenseGeneral", "frmChartOfAccount", "frmGLEntry", "frmRentCar", "frmReminder",
                                   "frmCustomerMessages", "dlgAbout", "SCRNlogoff", "SCRNlock", "POPcalendar",
                                   "frmPlanningBoard", "frmReservation"})
            if (standIns)
                office.state().screens().add(name, [name](RunState&, QWidget* parent) {
                    auto* screen = new QDialog(parent);
                    screen->setObjectName(name);
                    return screen;
                });
    }
    MenuScreen* open(int number) { return window.openMenu(number), window.menu(number); }
    ScriptedUI& ui() { return office.ui(); }

    TestOffice office;
    MAINT window{office.state()};
};

// Arabic-Indic digits are beyond what QTest can type, so the events are made
// here, for whatever has the cursor.
void press(int key, Qt::KeyboardModifiers modifiers)
{
    const QString text = key < 0x10000 && QChar(key).isPrint() ? QString(QChar(key)) : QString();
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no window has the keyboard";
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers, text);
        QCoreApplication::sendEvent(target, &event);
    }
}

QString text(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// ADMIN logged in, the engine installed; the open dialog picks the operator `chosen`.
struct SecurityOffice {
    SecurityOffice()
    {
        office.loginAs(u"ADMIN"_s);
        installEngine(office.state());
        office.ui().onDialog(u"frmGeneralOpen"_s, [this](QDialog* open) {
            auto* grid = control<QTableView>(open, u"DataGrid1"_s);
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                if (grid->model()->index(row, 0).data().toLongLong() == chosen)
                    grid->setCurrentIndex(grid->model()->index(row, 0));
            ScreenChecks::click(open, u"cmdOk"_s);
        });
    }
    qint64 addOperator(const QString& login)
    {
        return office.db().insert(u"OPERATOR"_s, u"OPERATORID"_s,
                                  {{u"LOGINID"_s, login}, {u"PASSWRD"_s, PasswordHash::make(login)},
                                   {u"operatorname"_s, login.toLower()}, {u"OPERATORSUSPENDED"_s, 0},
                                   {u"EXPIRATIONDATE"_s, 0}, {u"storepassword"_s, 0}});
    }
    void rights(qint64 id, const QString& menu, const QString& ones)
    {
        QList<Database::Field> fields{{u"operatorid"_s, id}, {u"menu_name"_s, menu}};
        for (int b = 1; b <= 9; ++b)
            fields.append({u"command%1"_s.arg(b), ones.contains(QString::number(b)) ? 1 : 0});
        office.db().insert(u"group_func"_s, u"GROUPFUNCID"_s, fields);
    }
    bool passwordIs(const QString& login, const QString& password)
    {
        return cSecurity(office.state()).IsValidUserPassword(login, password);
    }
    int count(const QString& sql) { return office.db().execute(sql).count(); }

    TestOffice office;
    qint64 chosen = 1;
};

using Item = DayAtAGlance::Item;
const QDate Today = QDate::currentDate();

qint64 day(int fromToday)
{
    return StoredDate::number(Today.addDays(fromToday));
}

// Rows that give every number something to count, and some that it must not.
void addTheDay(Database& db)
{
    // New cars: one free, one booked from today, one out, one due for its service today, one stopped.
    QList<qint64> car;
    for (const auto& [stop, every] : {std::pair{0, 0}, {0, 0}, {0, 0}, {0, 10}, {1, 0}})
        car << db.insert("car", "carid", {{"STOP", stop}, {"EVERYDAYS2", every}, {"MAINTSTART2", day(-10)}});
    for (const auto& [out, back, returned] : {std::tuple{-2, 0, 0}, {-3, -1, 0}, {1, 3, 0}, {-5, -1, 1}})
        db.insert("RENT", "RENTID",
            {{"CARNO", car[2]}, {"EXITDATE", day(out)}, {"RETURNDATE", day(back)}, {"RETURNED", returned}});
    for (const auto& [state, pickUp] : {std::pair{0, 0}, {1, 0}, {0, 1}, {3, 0}})
        db.insert("RESERVATION", "RESERVATIONID",
            {{"STATE", state}, {"CARNO", car[1]}, {"PICKUPDATE", day(pickUp)}, {"RETURNDATE", day(pickUp + 3)}});
    db.insert("Customer", "CUSTOMERID", {{"name", "expiring"}, {"HOMELICENSEEXPIRY", day(30)}});
    db.insert("Customer", "CUSTOMERID", {{"name", "not yet"}, {"HOMELICENSEEXPIRY", day(31)}});
    for (const auto& [account, amount, side, date] : {std::tuple{1300, 80.5, 1, day(0)}, {4100, 80.5, 0, day(0)},
                                                     {4100, 12.0, 1, day(0)}, {4100, 500.0, 0, day(-40)}})
        db.insert("JOURNALDETAIL", "JOURNALDETAILID",
            {{"ACCOUNTNUMBER", account}, {"AMOUNT", amount}, {"DEBITORCREDIT", side}, {"TRANSACTIONDATE", date},
             {"RELATEDDETAIL", "expiring"}});
}

// The options screen as the menu shows it; a field is read and set as the engine does (a box as 0/1).
struct Options : frmOptions {
    explicit Options(TestOffice& office) : frmOptions(office.state(), nullptr) { show(); }
    QWidget* at(const QString& name) const { return ControlAccess::find(this, name); }
    QString operator[](const QString& name) const { return ControlAccess::value(at(name)); }
    void set(const QString& name, const QString& value) { ControlAccess::setValue(at(name), value); }
    // Key by key, as a number field refuses what is no number.
    void type(const QString& name, const QString& text) { set(name, {}), ScreenChecks::type(at(name), text); }
};

QString stored(TestOffice& office, const QString& entry) { return Configuration(office.db()).GetConfig(entry); }

}

// F1 to F5 open their menus wherever the cursor is in the window; Alt+F4 and
// the close box ask to log off, unless the window is tagged to exit. With one
// menu open, another menu's key opens that one in its place, and the digit that
// follows opens a screen of the menu asked for last.
TEST(MainWindow, FunctionKeysOpenTheMenusAndClosingAsksToLogOff)
{
    const struct { const char* what; Qt::Key key; Qt::KeyboardModifiers mod; int menu; bool logoff;
                   Qt::Key then = Qt::Key_unknown, digit = Qt::Key_unknown; QString opens = {}; } cases[] = {
        {"F2", Qt::Key_F2, Qt::NoModifier, 2, false}, {"Alt+F4", Qt::Key_F4, Qt::AltModifier, 0, true},
        {"F6", Qt::Key_F6, Qt::NoModifier, 0, false}, {"digit", Qt::Key_1, Qt::NoModifier, 0, false},
        {"data, then rent, 1", Qt::Key_F3, {}, 5, false, Qt::Key_F5, Qt::Key_1, "frmRentCar"},
        {"accounting, then archive, 2", Qt::Key_F4, {}, 1, false, Qt::Key_F1, Qt::Key_2, "F1M1"},
        {"data twice, 2", Qt::Key_F3, {}, 3, false, Qt::Key_F3, Qt::Key_2, "frmCustomers"},
    };
    const auto pressIn = [](MAINT& window, int menu, Qt::Key key) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.menu(menu) && QApplication::activeWindow() == window.menu(menu); }));
        Clerk::press(key);
    };
    for (const auto& c : cases) {
        ShellOffice o;
        ASSERT_TRUE(Clerk::showActive(&o.window));
        Clerk::press(c.key, c.mod);
        if (c.then != Qt::Key_unknown) {
            pressIn(o.window, c.key - Qt::Key_F1 + 1, c.then);
            pressIn(o.window, c.menu, c.digit);
        }
        for (int m = 1; m <= 5; ++m)
            EXPECT_EQ(o.window.menu(m) != nullptr, m == c.menu) << c.what << " menu " << m;
        const QStringList shown = c.logoff ? QStringList{"SCRNlogoff"} : QStringList();
        EXPECT_EQ(o.ui().dialogsShown, c.opens.isEmpty() ? shown : QStringList{c.opens}) << c.what;
        EXPECT_TRUE(o.window.isVisible()) << c.what;
    }
    for (const QString tag : {"", "Menu", "exit", "Exit"}) {
        ShellOffice o;
        o.window.show();
        ScreenTag::set(&o.window, tag);
        EXPECT_EQ(o.window.close(), tag == "Exit") << tag.toStdString();
        EXPECT_EQ(o.window.isVisible(), tag != "Exit") << tag.toStdString();
        EXPECT_EQ(o.ui().dialogsShown, tag == "Exit" ? QStringList() : QStringList{"SCRNlogoff"}) << tag.toStdString();
    }
}

// Every button of the window draws its own picture, without an icon theme,
// and does its job: opens its screen or program, or says plainly what is
// missing (a screen by its caption, not its name).
TEST(MainWindow, EachButtonOpensItsScreenOrProgramOrSaysWhatIsMissing)
{
    {
        ShellOffice o;
        for (const char* name : {"cmdlock", "cmdreminders", "cmdcalender", "cmdcalc", "cmdmail", "cmdWord", "command6",
                                 "command7", "command8", "cmdLogOff"})
            EXPECT_FALSE(control<QAbstractButton>(&o.window, name)->icon().pixmap(24, 24).isNull()) << name;
    }
    const struct { const char* control; QString website, opens, started, url, missing = {}; } rows[] = {
        {"cmdAbout", "0", "dlgAbout", {}, {}, "About"}, {"cmdLogOff", "0", "SCRNlogoff", {}, {}, "Log off"},
        {"cmdlock", "0", "SCRNlock", {}, {}, "Lock screen"}, {"cmdcalender", "0", "POPcalendar", {}, {}, "Calendar"},
        {"Panel7", "0", "POPcalendar", {}, {}, "Calendar"}, {"cmdreminders", "0", {}, {}, {}, "Reminders"},
        {"cmdBoard", "0", "frmPlanningBoard", {}, {}, "Planning Board"},
        {"cmdmail", "0", {}, {}, "mailto:"}, {"cmdWord", "0", {}, "libreoffice --writer", {}},
        {"command6", "www.alnoor.example", {}, {}, "http://www.alnoor.example"},
        {"command6", "https://alnoor.example/rent", {}, {}, "https://alnoor.example/rent"},
        {"command6", "0", {}, {}, {}},  // no address set
    };
    for (const bool there : {true, false}) {
        for (const auto& r : rows) {
            SCOPED_TRACE(std::string(r.control) + (there ? "" : ", missing"));
            ShellOffice o({}, there);
            o.ui().programsAvailable = there;
            o.office.state().config.WEBSITEADDRESS = r.website;
            int reminders = 0;
            if (there)
                o.window.showReminders = [&reminders] { ++reminders; };
            QWidget* widget = control(&o.window, r.control);
            ASSERT_NE(widget, nullptr);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                button->click();
            else
                QTest::mouseClick(widget, Qt::LeftButton);
            const bool isReminders = r.control == QLatin1String("cmdreminders");
            const bool works = there && (!r.opens.isEmpty() || !r.started.isEmpty() || !r.url.isEmpty() || isReminders);
            EXPECT_EQ(o.ui().dialogsShown, works && !r.opens.isEmpty() ? QStringList{r.opens} : QStringList());
            EXPECT_EQ(o.ui().programsStarted, works && !r.started.isEmpty() ? QStringList{r.started} : QStringList());
            EXPECT_EQ(o.ui().urlsOpened, works && !r.url.isEmpty() ? QList<QUrl>{QUrl(r.url)} : QList<QUrl>());
            EXPECT_EQ(reminders, works && isReminders ? 1 : 0);
            ASSERT_EQ(o.ui().messages.size(), works ? 0 : 1);
            const QString told = o.ui().lastMessage();
            EXPECT_TRUE(works || r.missing.isEmpty()
                        || (told.contains(r.missing) && (r.opens.isEmpty() || !told.contains(r.opens))))
                << told.toStdString();
        }
    }
}

// A digit, from the keypad or in Arabic-Indic, acts as the button it names
// when the operator's rights enable it; keypad 0 goes back, Esc does not.
TEST(Menus, DigitKeysActAsTheirEnabledButtons)
{
    const QString noF4 = "delete from group_func where menu_name = 'F4M'";
    const struct { const char* what; QString sql; int menu; int key; Qt::KeyboardModifiers mod; QString opens;
                   bool hide3 = false; bool registered = true; } cases[] = {
        {"keypad 3 in accounting", {}, 4, Qt::Key_3, Qt::KeypadModifier, "frmExpenseRent"},
        {"keypad 3 with its button hidden", {}, 4, Qt::Key_3, Qt::KeypadModifier, "", true},
        {"keypad 3 without the right", "update group_func set command3 = 0 where menu_name = 'F4M'", 4, Qt::Key_3,
         Qt::KeypadModifier, ""},
        {"no row for this menu", noF4, 4, Qt::Key_1, Qt::NoModifier, ""},
        {"another menu's row withheld", noF4, 1, Qt::Key_2, Qt::NoModifier, "F1M1"},
        {"rows of another operator", "update group_func set operatorid = operatorid + 100", 1, Qt::Key_2, {}, ""},
        {"4 opens the options", {}, 3, Qt::Key_4, Qt::NoModifier, "frmOptions"},
        {"options withheld", "update group_func set command4 = 0 where menu_name = 'F3M'", 3, Qt::Key_4, {}, ""},
        {"7 in the data menu has no action", {}, 3, Qt::Key_7, Qt::NoModifier, ""},
        {"Eastern Arabic-Indic six", {}, 5, 0x06F6, Qt::NoModifier, "frmCustomerMessages"},
        {"a letter", {}, 2, Qt::Key_A, Qt::NoModifier, ""},
        {"Esc stays", {}, 3, Qt::Key_Escape, Qt::NoModifier, ""},
        {"keypad 0 goes back", {}, 3, Qt::Key_0, Qt::KeypadModifier, ""},
        {"a screen this build lacks is told plainly", {}, 4, Qt::Key_6, Qt::NoModifier, "", false, false},
    };
    for (const auto& c : cases) {
        ShellOffice o(c.sql, c.registered);
        o.office.state().config.SHOWERRORS = 1;
        MenuScreen* menu = o.open(c.menu);
        ASSERT_TRUE(menu && Clerk::showActive(menu)) << c.what;
        EXPECT_TRUE(control<QPushButton>(menu, "command0")->isEnabled()) << c.what;
        control<QPushButton>(menu, "command3")->setHidden(c.hide3);
        press(c.key, c.mod);
        EXPECT_EQ(o.ui().dialogsShown, c.opens.isEmpty() ? QStringList() : QStringList{c.opens}) << c.what;
        EXPECT_EQ(o.ui().messages.size(), c.registered ? 0 : 1) << c.what;
        // Named as the operator knows it, by the menu's caption.
        EXPECT_TRUE(c.registered || (o.ui().lastMessage().contains("Gen Ledger") && !o.ui().lastMessage().contains("frm")))
            << o.ui().lastMessage().toStdString();
        EXPECT_EQ(o.window.menu(c.menu) == menu, c.key != Qt::Key_0) << c.what;
    }
}

// Moving the lock aside shows nothing: every window of the program is hidden
// while it is up. The password in any case unlocks and brings them back;
// another, Esc and the close box do not.
TEST(SCRNlock, ThePasswordInAnyCaseUnlocksAndNothingShowsUntilThen)
{
    for (const QString typed : {"ADMIN", "admin", "aDmIn", "WRONG", "", "ADMIN ", "ADMI"}) {
        SCOPED_TRACE(typed.toStdString());
        const bool right = typed.toUpper() == "ADMIN";
        ShellOffice o;
        o.window.show();
        o.window.openMenu(2);
        QDialog other;
        other.show();
        const QList<QWidget*> windows{&o.window, o.window.menu(2), &other};
        SCRNlock lock(o.office.state(), &o.window);
        lock.show();
        for (QWidget* w : windows)
            EXPECT_FALSE(w->isVisible());
        auto* password = lock.findChild<QLineEdit*>("txtPassword");
        QTest::keyClicks(password, typed);
        QTest::keyClick(password, Qt::Key_Return);
        EXPECT_EQ(lock.result() == QDialog::Accepted, right);
        EXPECT_EQ(o.ui().messages.size(), right ? 0 : 1);
        if (!right) {
            QTest::keyClick(password, Qt::Key_Escape);
            EXPECT_FALSE(lock.close());
            EXPECT_TRUE(lock.isVisible() && !o.window.isVisible());
            QTest::keyClicks(password, "admin");  // replaces the selected wrong text
            QTest::keyClick(password, Qt::Key_Return);
            EXPECT_EQ(lock.result(), QDialog::Accepted);
        }
        EXPECT_FALSE(lock.isVisible());
        for (QWidget* w : windows)
            EXPECT_TRUE(w->isVisible());
    }
}

TEST(SCRNlogoff, EndsTheRunAndBacksUpOnlyWhenTicked)
{
    if (TestOffice::onServer())
        GTEST_SKIP() << "the backup of a file and the damage of its pages; a server's backup is in tests/pg";
    enum Folder { Exists, Missing, EarlierBackup, BlockedByAFile, DamagedDatabase };
    const struct { const char* what; bool tick; int key; Folder folder; bool ends; bool answer = false; } rows[] = {
        {"OK without Check1", false, 0, Exists, true},
        {"Esc cancels", true, Qt::Key_Escape, Exists, false},
        {"Enter with Check1, the folder is made", true, Qt::Key_Return, Missing, true},
        {"an earlier backup is never overwritten", true, 0, EarlierBackup, true},
        {"a failed backup asks, No keeps the run", true, 0, BlockedByAFile, false, false},
        {"a failed backup asks, Yes ends anyway", true, 0, BlockedByAFile, true, true},
        {"a damaged database: the copy is kept and the operator told", true, 0, DamagedDatabase, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        MAINT window(office.state());
        const QString folder = office.file("db/backup");
        ASSERT_TRUE(r.folder == Missing || QDir().mkpath(r.folder == BlockedByAFile ? office.file("db") : folder));
        office.ui().answers = {r.answer};
        if (r.folder == DamagedDatabase) {
            // Its index no longer matches its table.
            office.db().executeNative("PRAGMA writable_schema = ON");
            office.db().executeNative("UPDATE sqlite_master SET sql = replace(sql, '(', '(ENTRYVALUE, ') "
                                      "WHERE type = 'index' AND tbl_name = '_CONFIG'");
            office.db().close();
            office.db().open(office.databasePath());
            ASSERT_NE(office.db().integrityCheck(), "ok");
        }
        SCRNlogoff screen(office.state(), nullptr);
        screen.show();
        screen.findChild<QCheckBox*>("Check1")->setChecked(r.tick);
        const QString target = screen.findChild<QLabel*>("lblbakupfilename")->text();
        EXPECT_EQ(QFileInfo(target).absolutePath(), QFileInfo(folder).absoluteFilePath());
        EXPECT_TRUE(QRegularExpression("^\\d{8}-\\d{6}$").match(QFileInfo(target).fileName()).hasMatch());
        QFile earlier(r.folder == BlockedByAFile ? folder : target);
        if (r.folder == EarlierBackup || r.folder == BlockedByAFile) {
            ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
            earlier.write("an earlier backup");
            earlier.close();
        }
        if (r.key)
            QTest::keyClick(&screen, Qt::Key(r.key));
        else
            QTest::mouseClick(screen.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);

        EXPECT_EQ(office.ui().quitCode, r.ends ? 0 : -1);
        EXPECT_EQ(office.db().isOpen(), !r.ends);
        EXPECT_EQ(ScreenTag::get(&window) == "Exit", r.ends);
        EXPECT_EQ(screen.isVisible(), r.folder == BlockedByAFile && !r.ends);
        const QString made = r.folder == EarlierBackup ? target + "-2"
                           : r.folder == DamagedDatabase ? Database::failedCheckName(target) : target;
        EXPECT_EQ(QFileInfo::exists(made), r.tick && r.folder != BlockedByAFile && r.key != Qt::Key_Escape);
        EXPECT_TRUE(r.folder != Missing || OwnerOnly::mode(folder) == OwnerOnly::Folder) << "the office's eyes only";
        EXPECT_TRUE(QDir(folder).entryList({"*.unfinished*"}, QDir::Files).isEmpty()) << "nothing unfinished is left";
        EXPECT_EQ(office.ui().messages.size(), r.folder == DamagedDatabase ? 1 : 0);
        for (const QString& part : {QStringLiteral("damaged"), office.databasePath(), made})
            EXPECT_TRUE(r.folder != DamagedDatabase || office.ui().lastMessage().contains(part)) << part.toStdString();
        if (r.folder == EarlierBackup || r.folder == BlockedByAFile) {
            ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
            EXPECT_EQ(earlier.readAll(), QByteArray("an earlier backup"));
        }
        EXPECT_EQ(office.ui().questions.size(), r.folder == BlockedByAFile ? 1 : 0);
        const QString logged = text(errorLogPath(office.state()));
        EXPECT_EQ(logged.contains(",5004,SCRNlogoff::backUp - "), r.folder == BlockedByAFile);
        EXPECT_EQ(logged.contains(",5200,SCRNlogoff::backUp - "), r.folder == DamagedDatabase);
    }
}

// The clerk's way: the cursor waits in the current password, Tab moves on,
// F12 saves. Save anyway does not pass over a new password typed differently
// twice. Nothing that opens a login is written where others read.
TEST(F2M0, ANewPasswordIsSavedOnlyWithTheRightOldOneTypedTheSameTwice)
{
    const struct { const char* what; QString old, first, second; bool store; bool changed; bool told = false; } cases[] = {
        {"right, not stored", u"admin"_s, u"new1"_s, u"new1"_s, false, true},
        {"right, stored", u"ADMIN"_s, u"new1"_s, u"new1"_s, true, true},
        {"wrong old password", u"nope"_s, u"new1"_s, u"new1"_s, false, false, true},
        {"typed differently", u"admin"_s, u"new1"_s, u"new2"_s, false, false},
        {"empty", u"admin"_s, {}, {}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SecurityOffice o;
        o.office.state().config.USEROUTER = 1;
        o.office.ui().onDialog(u"dlgValidationError"_s, [](QDialog* d) { ScreenChecks::click(d, u"command0"_s); });
        F2M0 screen(o.office.state(), nullptr);
        ASSERT_TRUE(Clerk::showActive(&screen));
        control<QCheckBox>(&screen, u"dffStorePassword"_s)->setChecked(c.store);
        EXPECT_EQ(Clerk::focused(), "txtOldPassword");
        for (const QString& typed : {c.old, c.first, c.second}) {
            Clerk::type(typed);
            Clerk::press(Qt::Key_Tab);
        }
        EXPECT_EQ(Clerk::focused(), "dfgFAVOURITEWINDOW");
        Clerk::press(Qt::Key_F12);
        EXPECT_EQ(o.passwordIs(u"ADMIN"_s, u"NEW1"_s), c.changed);
        EXPECT_EQ(o.passwordIs(u"ADMIN"_s, u"ADMIN"_s), !c.changed);
        const QString ini = text(o.office.state().IniFilePath);
        EXPECT_EQ(ini.contains(u"LOGINTOKEN = "_s), c.changed && c.store);
        EXPECT_EQ(ini.contains(u"LASTUSER = ADMIN"_s), c.changed);
        EXPECT_TRUE(!c.told || !o.office.ui().messages.isEmpty()) << "the wrong password is told";
        QString records = text(statementTracePath(o.office.state(), QDate::currentDate()))
                        + text(errorLogPath(o.office.state()));
        const RowSet lines = o.office.db().execute(u"select OLDVALUE, NEWVALUE from _JOURNALDETAILS"_s);
        for (int i = 0; i < lines.count(); ++i)
            records += lines.text(i, u"OLDVALUE"_s) + u'\n' + lines.text(i, u"NEWVALUE"_s) + u'\n';
        const QString stored = o.office.db().execute(u"select PASSWRD from operator"_s).text(0, u"PASSWRD"_s);
        for (const QString& secret : {stored, IniFile::parse(ini).token, c.first.toUpper()})
            EXPECT_TRUE(secret.isEmpty() || !records.contains(secret)) << secret.toStdString();
    }
}

// The login id is upper-cased and the password hashed; the last operator, or
// the only one who may look after the others, is neither deleted nor suspended.
TEST(F2M1, LoginIdUpperCasedPasswordHashedAndTheLastOperatorKept)
{
    SecurityOffice o;
    F2M1 screen(o.office.state(), nullptr);
    screen.show();
    auto* login = control<QLineEdit>(&screen, u"dfsLoginId"_s);
    login->setText(u"admin"_s);
    emit login->editingFinished();
    EXPECT_EQ(login->text(), u"ADMIN"_s);
    // The hidden field the rules check says only whether there is a password.
    auto* hasPassword = control<QLineEdit>(&screen, u"dfsEncryptedPassword"_s);
    EXPECT_EQ(hasPassword->text(), u"*"_s);
    for (const char* field : {"txtNewPassword", "txtNewPassword2"})
        control<QLineEdit>(&screen, QString::fromLatin1(field))->setText(u"abc"_s);
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_TRUE(o.passwordIs(u"ADMIN"_s, u"ABC"_s));
    EXPECT_EQ(hasPassword->text(), u"*"_s);

    QTest::keyClick(&screen, Qt::Key_F11);
    EXPECT_EQ(o.office.ui().messages.size(), 1);
    EXPECT_EQ(o.count(u"select * from operator"_s), 1);
    o.addOperator(u"CLERK"_s);  // who has no rights
    QTest::keyClick(&screen, Qt::Key_F11);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.count(u"select * from operator"_s), 2);
    o.office.ui().messages.clear();
    control<QCheckBox>(&screen, u"dffOPERATORSUSPENDED"_s)->setChecked(true);
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.count(u"select * from operator where OPERATORSUSPENDED = 1"_s), 0);
}

// Each operator's rights show as stored; a click gives a right and a second
// takes it; Save writes the five menus' rows. Taking from the only
// administrator the users or the rights screen is refused.
TEST(F2M2, RightsShowAsStoredPerOperatorAndSaveWritesFiveRows)
{
    SecurityOffice o;
    const qint64 first = o.addOperator(u"FIRST"_s);
    o.rights(first, u"F3M"_s, u"14"_s);
    o.rights(first, u"F5M"_s, u"2"_s);
    const qint64 second = o.addOperator(u"SECOND"_s);
    o.rights(second, u"F1M"_s, u"1"_s);
    o.chosen = first;
    F2M2 screen(o.office.state(), nullptr);
    screen.show();
    const struct { qint64 id; QString name; QStringList allowed; } cases[] = {
        {first, u"first"_s, {u"3.1"_s, u"3.4"_s, u"5.2"_s}}, {second, u"second"_s, {u"1.1"_s}}};
    for (const auto& c : cases) {
        if (o.chosen != c.id) {
            o.chosen = c.id;
            QTest::keyClick(&screen, Qt::Key_F9);
        }
        EXPECT_EQ(control<QLineEdit>(&screen, u"txtNAME"_s)->text(), c.name);
        QStringList allowed;
        for (int menu = 1; menu <= 5; ++menu)
            for (int button = 1; button <= 9; ++button)
                if (screen.right(menu, button))
                    allowed << u"%1.%2"_s.arg(menu).arg(button);
        EXPECT_EQ(allowed, c.allowed);
    }
    // F5M is on show.
    auto* button = control<QPushButton>(&screen, u"command3"_s);
    const QString refused = button->styleSheet();
    button->click();
    EXPECT_EQ(screen.right(5, 3), 1);
    EXPECT_NE(button->styleSheet(), refused);
    QTest::keyClick(&screen, Qt::Key_F12);
    const RowSet rows = o.office.db().execute(u"select * from group_func where operatorid = "_s
                                              + SqlValue::number(second) + u" order by menu_name"_s);
    ASSERT_EQ(rows.count(), 5);
    EXPECT_EQ(rows.text(0, u"command1"_s) + rows.text(4, u"command3"_s) + rows.text(4, u"command2"_s), u"110"_s);

    o.chosen = 1;
    QTest::keyClick(&screen, Qt::Key_F9);
    screen.showMenu(2);
    control<QPushButton>(&screen, u"command3"_s)->click();
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.count(u"select * from group_func where menu_name = 'F2M' and command3 = 1"_s), 1);
}

// A non-zero flat charge zeroes the percent and the other way round; a zero
// leaves the other alone; an empty field is stored as 0. F12 saves and stays,
// inserting missing entries and then updating them in place; a non-number is
// reported and not stored, nor anything after it. The keys of commands the
// screen lacks, Print among them, and F12 with Save disabled do nothing;
// Cancel closes unsaved, OK saves and closes.
TEST(frmOptions, SaveStoresEveryEntryOnceAndOneExtraChargeOnly)
{
    const struct { const char *field, *typed, *flat, *percent; } steps[] = {
        {"dfnExtraMilesFlat", "5", "5", "0"}, {"dfnExtraMilesPercent", "10", "0", "10"}, {"dfnExtraMilesFlat", "0", "0", "10"},
        {"dfnExtraMilesFlat", "0.5", "0.5", "0"}, {"dfnExtraMilesPercent", "", "0.5", ""}};
    TestOffice office;
    office.db().command("delete from _CONFIG");
    // With the engine the screen's set-up runs, which empties lists it has no rows for.
    installEngine(office.state());
    Options options(office);
    for (const auto& s : steps) {
        options.type(s.field, s.typed);
        EXPECT_EQ(options["dfnExtraMilesFlat"] + ' ' + options["dfnExtraMilesPercent"], QString(s.flat) + ' ' + s.percent)
            << s.field << " <- " << s.typed;
    }
    for (const QString flag : {"1", "0"}) {
        const QString words = flag == "1" ? "O'Brien's, فلس" : "cent", flat = flag == "1" ? "1234567.5" : "0.5";
        const QString suffix = flag == "1" ? "ر.س." : "$", currency = flag == "1" ? "SAR" : "KWD";
        for (const char* name : {"dffUSEROUTER", "dffSHOWFIELDNAME", "dffSHOWSCREENNAME", "dffHIJRIDATES", "dffEXPORTOPENCALC"})
            options.set(name, flag);
        for (const char* name : {"dfsFils", "dfsPound", "dfsTwoPounds", "dfsPounds"})
            options.set(name, words);
        options.set("dfsCurrencySuffix", ' ' + suffix + ' ');
        auto* currencies = control<QComboBox>(&options, "dfcCurrency");
        currencies->setCurrentIndex(currencies->findData(currency));
        options.type("dfnExtraMilesFlat", flat);
        options.type("dfnTurnaroundHours", flag == "1" ? "3" : "");
        // VAT off takes what its fields hold unchecked; the VAT page's test has it on.
        options.set("dfsVatNumber", " 12-345 ");
        options.set("dfsVatNameAr", ' ' + words + ' ');
        QTest::keyClick(&options, Qt::Key_F12);
        const RowSet rows = office.db().execute("select entry, entryvalue from _CONFIG order by entry, CONFIGID");
        QStringList lines;
        for (int i = 0; i < rows.count(); ++i)
            lines << rows.text(i, "entry") + '=' + rows.text(i, "entryvalue");
        EXPECT_EQ(lines, (QStringList{"CURRENCYCODE=" + currency, "CURRENCYSUFFIX=" + suffix, "EXPORTOPENCALC=" + flag, "EXTRAMILESFLAT=" + flat, "EXTRAMILESPERCENT=0", "FILS=" + words, "HIJRIDATES=" + flag, "POUND=" + words,
                                      "POUNDS=" + words, "SHOWFIELDNAME=" + flag, "SHOWSCREENNAME=" + flag,
                                      "TURNAROUNDHOURS=" + QString(flag == "1" ? "3" : "0"), "TWOPOUNDS=" + words,
                                      "USEROUTER=" + flag, "VATNAMEAR=" + words, "VATNAMEEN=", "VATNUMBER=12-345",
                                      "VATON=0", "VATRATE=0"}));
        // The saved suffix shows at once after the flat rate and in its caption, never after the percentage.
        const auto* flatRate = control<NumberEdit>(&options, "dfnExtraMilesFlat");
        const auto* percent = control<NumberEdit>(&options, "dfnExtraMilesPercent");
        EXPECT_EQ(flatRate->suffixShown() + '|' + percent->suffixShown(), suffix + '|');
        EXPECT_EQ(office.state().config.CURRENCYCODE, currency);
        EXPECT_TRUE(control<QLabel>(&options, "lblExtraMilesFlat")->text().contains('(' + suffix + ')'));
        EXPECT_TRUE(options.isVisible());
    }
    options.set("dfsFils", "changed");
    options.type("dfnExtraMilesFlat", "-");
    ScreenChecks::click(&options, "cmdSave");
    EXPECT_EQ(stored(office, "EXTRAMILESFLAT") + ' ' + stored(office, "FILS"), "0.5 cent");
    EXPECT_TRUE(text(errorLogPath(office.state())).contains("dfnExtraMilesFlat"));

    options.set("dfsPound", "ريال");
    EXPECT_FALSE(control<QPushButton>(&options, "cmdPRINT")->isEnabled());
    for (const int key : {Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10, Qt::Key_F11, Qt::Key_F12}) {
        control<QPushButton>(&options, "cmdSave")->setEnabled(key != Qt::Key_F12);
        QTest::keyClick(&options, Qt::Key(key));
    }
    EXPECT_TRUE(options.isVisible());
    ScreenChecks::click(&options, "command0");
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(stored(office, "POUND"), "cent");
    options.show();  // which reads the store again
    options.set("dfsPound", "ريال");
    ScreenChecks::click(&options, "cmdOk");
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(stored(office, "POUND"), "ريال");
    EXPECT_EQ(office.ui().dialogsShown, QStringList{"dlgError"});
}

// The log-off screen's Restore button: the clerk picks a backup, is asked,
// and the office is the backup's when he logs in again; the database it
// replaced is kept. A damaged backup or a No leaves the run and the database.
TEST(SCRNlogoff, RestoreButtonPutsTheChosenBackupInPlace)
{
    if (TestOffice::onServer())
        GTEST_SKIP() << "a server office's backup goes into an empty server database from the command line";
    const struct {
        const char* what;
        bool damaged;
        bool answer;
        bool restored;
    } rows[] = {
        {"a sound backup, Yes", false, true, true},
        {"a sound backup, No", false, false, false},
        {"a damaged backup is refused before anything is asked", true, true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const QString backup = office.file("db/backup/08122026-080000");
        ASSERT_TRUE(QDir().mkpath(QFileInfo(backup).absolutePath()));
        office.db().backupTo(backup);
        if (r.damaged) {
            QFile file(backup);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(file.size() / 2));
            file.write(QByteArray(8192, '\x55'));
        }
        office.db().executeNative("UPDATE _CONFIG SET entryvalue = 'after the backup' WHERE entry = 'APPTITLE'");
        office.ui().files = {backup};
        office.ui().answers = {r.answer};
        SCRNlogoff screen(office.state(), nullptr);
        screen.show();
        QTest::mouseClick(screen.findChild<QPushButton*>("cmdRestore"), Qt::LeftButton);

        EXPECT_EQ(office.ui().quitCode, r.restored ? 0 : -1);
        EXPECT_EQ(office.db().isOpen(), !r.restored);
        EXPECT_EQ(office.ui().questions.size(), r.damaged ? 0 : 1);
        const QStringList kept = QDir(office.home()).entryList({u"fdk.db.before-restore-*"_s}, QDir::Files);
        EXPECT_EQ(kept.size(), r.restored ? 1 : 0);
        if (r.restored) {
            QFile restored(office.databasePath()), chosen(backup);
            ASSERT_TRUE(restored.open(QIODevice::ReadOnly) && chosen.open(QIODevice::ReadOnly));
            EXPECT_EQ(restored.readAll(), chosen.readAll()) << "the next login opens the backup as it was";
        }
    }
}

// The VAT page of the options as the clerk fills it: by keys, in reading
// order, with what a tax invoice cannot do without refused before anything
// is written.
TEST(frmOptions, VatIsTypedInReadingOrderAndRefusedWithoutWhatAnInvoiceNeeds)
{
    const struct {
        const char *rate, *number, *arabic, *english;
        QList<bool> answers;  // to the question about a number of another country's form
        QString told;         // message or question; empty: saved without a word
        const char* cursor;   // where the cursor is afterwards
        const char* stored;   // VATON, VATRATE, VATNUMBER, VATNAMEAR, VATNAMEEN
        const char* hint;     // what the page says of the number as it is typed
    } rows[] = {
        {"15", "٣١٠١٧٥٣٩٧٤٠٠٠٠٣", "مكتب الخليج", "", {}, {}, "dfsVatNameEn", "1|15|310175397400003|مكتب الخليج|",
         "A Saudi registration number"},
        {"0", "310175397400003", "مكتب الخليج", "", {}, u"above 0 and below 100"_s, "dfnVatRate", "0|15|||",
         "A Saudi registration number"},
        {"100", "310175397400003", "مكتب الخليج", "", {}, u"above 0 and below 100"_s, "dfnVatRate", "0|15|||",
         "A Saudi registration number"},
        {"15", "", "مكتب الخليج", "", {}, u"tax registration number: write it"_s, "dfsVatNumber", "0|15|||", ""},
        {"15", "310175397400003", "", "", {}, u"carries the seller's name"_s, "dfsVatNameAr", "0|15|||",
         "A Saudi registration number"},
        {"5", "100234567800003", "", "Gulf Cars", {false}, u"not in the form of a Saudi registration"_s,
         "dfsVatNumber", "0|15|||", "Not the form of a Saudi registration"},
        {"5", "100234567800003", "", "Gulf Cars", {true}, u"not in the form of a Saudi registration"_s,
         "dfsVatNameEn", "1|5|100234567800003||Gulf Cars", "Not the form of a Saudi registration"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.rate) + ' ' + row.number + ' ' + row.english);
        TestOffice office;
        installEngine(office.state());
        frmOptions options(office.state(), nullptr);
        ASSERT_TRUE(Clerk::showActive(&options));
        for (int i = 0; i < 3; ++i)
            Clerk::press(Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_TRUE(Clerk::tabTo("dffVATON")) << "Tab stays on the page Ctrl+Tab turned to";
        EXPECT_FALSE(options.findChild<QWidget*>("dfsVatNumber")->isEnabled()) << "VAT off: its fields wait";
        Clerk::press(Qt::Key_Space);
        for (const char* typed : {row.rate, row.number, row.arabic, row.english}) {
            Clerk::press(Qt::Key_Tab);
            Clerk::press(Qt::Key_A, Qt::ControlModifier);
            Clerk::press(Qt::Key_Delete);
            Clerk::type(QString::fromUtf8(typed));
        }
        const QString hint = QString::fromLatin1(row.hint);
        EXPECT_EQ(options.findChild<QLabel*>("lblVatNumberCheck")->text().left(hint.size()), hint);
        office.ui().answers = row.answers;
        Clerk::press(Qt::Key_F12);
        const QString told = office.ui().questions.isEmpty() ? office.ui().lastMessage() : office.ui().questions.last().text;
        EXPECT_TRUE(row.told.isEmpty() ? told.isEmpty() : told.contains(row.told)) << told.toStdString();
        EXPECT_EQ(Clerk::focused(), row.cursor);
        QStringList values;
        for (const char* entry : {"VATON", "VATRATE", "VATNUMBER", "VATNAMEAR", "VATNAMEEN"})
            values << stored(office, QString::fromLatin1(entry));
        EXPECT_EQ(values.join('|'), QString::fromUtf8(row.stored));
    }
}

// Each number against the office before and after the day's rows, which
// say by how much it must move; and its list holds the rows it counts (the
// money lists add up to it).
TEST(DayAtAGlance, EachNumberCountsTheDaysRowsAndItsListHoldsThem)
{
    TestOffice office(true, true);
    Database& db = office.db();
    const DayAtAGlance::Figures before = DayAtAGlance(db, Today).figures();
    addTheDay(db);
    // Out: two, one due back and one late; one pick-up; one car free; one stopped; a customer's
    // licence; the month's rent less a refund; what the customer owes.
    const DayAtAGlance::Figures added{2, 1, 1, 1, 1, 1, 1, 68.5, 80.5};
    DayAtAGlance glance(db, Today);
    const DayAtAGlance::Figures got = glance.figures();
    for (int i = 0; i < DayAtAGlance::ItemCount; ++i) {
        const auto item = Item(i);
        SCOPED_TRACE(DayAtAGlance::caption(item).toStdString());
        EXPECT_GT(got[i], 0);
        EXPECT_NEAR(got[i] - before[i], added[i], 0.005);
        RecordListModel list(db);
        list.setStatement(glance.list(item).sql);
        double listed = 0;
        for (int r = 0; r < list.rowCount(); ++r)
            listed += DayAtAGlance::isMoney(item)
                ? list.data(list.index(r, list.columnCount() - 1), Qt::EditRole).toDouble()
                : 1;
        EXPECT_NEAR(listed, got[i], 0.005);
    }
    // A customer who owes opens his record, found by the name his lines carry.
    const RowSet owing = db.execute(glance.list(Item::CustomersOwe).sql);
    const qint64 expiring = db.execute("select CUSTOMERID from Customer where name = 'expiring'").value(0, 0).toLongLong();
    int rows = 0;
    for (int r = 0; r < owing.count(); ++r) {
        if (owing.value(r, 2).toString() == "expiring") {
            EXPECT_EQ(owing.value(r, 0).toLongLong(), expiring);
            ++rows;
        } else {
            const QString named = "select count(*) from Customer where name = " + SqlValue::quoted(owing.value(r, 2).toString());
            EXPECT_EQ(owing.value(r, 0).isNull(), db.execute(named).value(0, 0).toInt() == 0);
        }
    }
    EXPECT_EQ(rows, 1);
}

// Tab reaches a number and Enter opens its rows; Enter on a row opens the
// record's screen. A record saved through the engine shows at once.
TEST(DayAtAGlance, EnterOpensTheRowsOfANumberAndASaveCountsAtOnce)
{
    const struct { Item item; const char* control; QString screen; } rows[] = {
        {Item::DueBack, "cmdDay2", "frmRentCar"},
        {Item::PickUps, "cmdDay4", "frmReservation"},
        {Item::Documents, "cmdDay7", "frmCustomers"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        ShellOffice o;
        addTheDay(o.office.db());
        auto* panel = new DayPanel(o.office.state());
        o.window.setDayPanel(panel);
        panel->start();
        int listed = -1;
        o.ui().onDialog("frmDayList", [&](QDialog* list) {
            listed = list->findChild<QTableView*>()->model()->rowCount();
            Clerk::press(Qt::Key_Return);
        });
        ASSERT_TRUE(Clerk::showActive(&o.window));
        ASSERT_TRUE(Clerk::tabTo(r.control));
        Clerk::press(Qt::Key_Return);
        EXPECT_EQ(QString::number(listed), panel->figure(r.item));
        EXPECT_EQ(o.ui().dialogsShown, (QStringList{"frmDayList", r.screen}));

        const int before = panel->figure(Item::DueBack).toInt();
        o.office.state().service<cWindow>().Insert(
            "RENT", "RENTID", {{"RETURNED", 0}, {"EXITDATE", day(-1)}, {"RETURNDATE", day(0)}});
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel->figure(Item::DueBack).toInt() == before + 1; }));
    }
}

namespace {

// A start of the program over a temporary home folder whose database exists
// but is not open yet, as it is before the login. "{H}" stands for the home folder.
struct LoginRun {
    TestOffice office{false};
    MAINT window{office.state()};
    int afterLogins = 0;
    StartUp startUp{office.state(), nullptr, [this] { ++afterLogins; }};

    LoginRun()
    {
        state().DatabasePath.clear();  // nothing is known of the database before the ini file is read
        QFile::copy(office.databasePath(), path("{H}/other.db"));
        state().screens().add("frmOptions", [](RunState&, QWidget* parent) {
            auto* screen = new QDialog(parent);
            screen->setObjectName("frmOptions");
            return screen;
        });
    }
    RunState& state() { return office.state(); }
    ScriptedUI& ui() { return office.ui(); }
    QString path(const QString& text) const { return QString(text).replace(QStringLiteral("{H}"), office.home()); }
    QString iniPath() { return state().IniFilePath; }
    QString ini() { return text(iniPath()); }
    QString errorLog() { return text(errorLogPath(state())); }
    void write(const QString& name, const QString& text)
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(path(text).toUtf8());
    }
};

QLineEdit* edit(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(QString::fromLatin1(name)); }
QPushButton* button(QDialog* d, const char* name) { return d->findChild<QPushButton*>(QString::fromLatin1(name)); }

// The ini file's text as expected: "{T}" stands for a kept login's token, new at each login.
bool iniIs(const QString& text, const QString& expected)
{
    const QString pattern = QRegularExpression::escape(expected).replace(QStringLiteral("\\{T\\}"),
                                                                         QStringLiteral("[A-Za-z0-9_-]{20,}"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// Types the login id (Enter moves on) and the password, then presses OK.
void typeLogin(QDialog* d, const QString& loginId, const QString& password)
{
    edit(d, "txtUserName")->clear();
    QTest::keyClicks(edit(d, "txtUserName"), loginId);
    QTest::keyClick(edit(d, "txtUserName"), Qt::Key_Return);
    edit(d, "txtPassword")->clear();
    QTest::keyClicks(edit(d, "txtPassword"), password);
    QTest::mouseClick(button(d, "cmdOk"), Qt::LeftButton);
}

// A copy of the program over a home folder, logging in as ADMIN.
struct Copy {
    ScriptedUI* ui = new ScriptedUI;
    RunState state;
    int afterLogins = 0;
    StartUp startUp{state, nullptr, [this] { ++afterLogins; }};
    explicit Copy(const QString& home) : state(home, std::unique_ptr<ScriptedUI>(ui))
    {
        ui->onDialog("LOGINP", [](QDialog* d) { typeLogin(d, "ADMIN", "ADMIN"); });
        startUp.firstActivation();
        QCoreApplication::sendPostedEvents();  // what the login left for later runs while this copy lives
    }
};

}

TEST(StartUp, LoginOutcomes)
{
    if (TestOffice::onServer())
        GTEST_SKIP() << "the database files of the home folder; a server's start is in tests/pg";
    using Act = std::function<void(QDialog*, LoginRun&)>;
    const auto typing = [](const QString& id, const QString& password) {
        return Act([=](QDialog* d, LoginRun&) { typeLogin(d, id, password); });
    };
    // Chooses other.db through the DataBase entry's editor (LOGINP0), then logs in.
    const auto choose = [](bool chooserAnswers, const QString& how) {
        return Act([=](QDialog* d, LoginRun& run) {
            const QString other = run.path("{H}/other.db");
            run.ui().files = chooserAnswers ? QStringList{other} : QStringList();
            run.ui().onDialog("LOGINP0", [=](QDialog* e) {
                if (how == "browse")
                    QTest::mouseClick(button(e, "CommandButton1"), Qt::LeftButton);
                else
                    edit(e, "txtvalue")->setText(other);  // Cancel must drop the typed path
                QTest::mouseClick(button(e, how == "cancel" ? "cmdCancel" : "cmdOk"), Qt::LeftButton);
            });
            auto* tree = d->findChild<QTreeWidget*>("TreeView1");
            emit tree->itemClicked(tree->topLevelItem(0)->child(0), 0);  // the DataBase entry
            QTest::keyClicks(edit(d, "txtPassword"), "ADMIN");
            QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Enter);
        });
    };
    const QString fdkIni = "[CONFIG]\nDATABASE = {H}/fdk.db\n";
    const QString admin = fdkIni + "LASTUSER = ADMIN\n";
    const QString otherIni = "[CONFIG]\nDATABASE = {H}/other.db\nLASTUSER = ADMIN\n";
    // An older program kept the password itself, encrypted; it logs in once
    // and the ini file keeps a token instead, or nothing.
    const QString stored = admin + "PASSWORD = " + Cipher::Encrypt("ADMIN") + "\n";
    const QString kept = admin + "LOGINTOKEN = {T}\n";
    const QString keptLogin = admin + "LOGINTOKEN = KEPT-TOKEN\n";
    const auto keep = [](const QString& workstation) {
        return QStringLiteral("update OPERATOR set storepassword = 1;insert into _STOREDLOGIN (OPERATORID, WORKSTATION, "
                              "TOKENHASH) values (1, '%1', '%2')")
            .arg(workstation, PasswordHash::tokenHash("KEPT-TOKEN"));
    };
    // Chooses a path through the database label, then logs in.
    const auto chooseAndLogIn = [](const QString& path) {
        return Act([=](QDialog* d, LoginRun& run) {
            run.ui().files = QStringList{run.path(path)};
            QTest::mouseDClick(d->findChild<QLabel*>("lblDBName"), Qt::LeftButton);
            typeLogin(d, "ADMIN", "ADMIN");
        });
    };
    const Act readOnly = [](QDialog* d, LoginRun& run) {
        QFile::setPermissions(run.office.databasePath(), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        typeLogin(d, "ADMIN", "ADMIN");
    };
    const QString Same;  // the ini file as it was
    const auto day = [](int fromToday) { return QDate::currentDate().addDays(fromToday).toString("yyyyMMdd"); };
    const QByteArray self = QSysInfo::machineHostName().toUtf8();
    const QString running = QString::number(QCoreApplication::applicationPid());
    const Act asAdmin = typing("ADMIN", "ADMIN");
    const QString W = "كلمة السر غير صحيحة", Missing = "The database was not found";
    const QString notFound = ",5000,DataBase Location,Database not found in {H}/fdk.db";
    // One schema step past the program's own history.
    constexpr int Base = Schema::CurrentVersion;
    const QString v = QString::number(Base), next = QString::number(Base + 1), copy = "{H}/fdk.db.v" + v;
    const char* const good = "CREATE TABLE _COLOUR (COLOURID INTEGER PRIMARY KEY, NAME TEXT)";
    const Act escape = [](QDialog* d, LoginRun&) {
        QTest::keyClicks(edit(d, "txtPassword"), "ADMIN");
        QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Escape);
    };
    // Another program holds the database while the operator logs in.
    const Act heldElsewhere = [](QDialog* d, LoginRun& run) {
        Database holder;
        holder.open(run.office.databasePath());
        holder.executeNative("BEGIN EXCLUSIVE");
        run.state().db().setBusyWait(20);
        run.ui().answers = {true, false};  // waits once more, then gives up
        typeLogin(d, "ADMIN", "ADMIN");
        EXPECT_EQ(run.ui().questions.size(), 2);
        EXPECT_TRUE(run.ui().questions.value(0).text.contains(run.office.databasePath()));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor ends with the wait";
    };
    const struct {
        const char* name; QString ini; Act act; QString loginId; QString iniAfter; QStringList told = {}; int quit = -1;
        QString logged = {}; QString sql = {}; QString opens = {}; bool noFdk = false;
        const char* nextStep = nullptr; int version = Base; QByteArray lock = {}; int holder = 0;
    } rows[] = {
        {"right password", fdkIni, typing("ADMIN", "ADMIN"), "ADMIN", admin},
        {"id typed in lower case", fdkIni, typing("admin", "admin"), "ADMIN", admin},
        {"wrong password", fdkIni, typing("ADMIN", "WRONG"), "", Same, {W}},
        {"made-up row", fdkIni, typing("ZZ' union select 99,'ZZ','x','x',1,0,'' --", "x"), "", Same, {W}},
        {"apostrophe in the id", fdkIni, typing("o'brien", "pw"), "O'BRIEN", fdkIni + "LASTUSER = O'BRIEN\n"},
        {"a suspended operator", fdkIni, typing("o'brien", "pw"), "", Same, {"suspended"}, -1, {},
         "update OPERATOR set OPERATORSUSPENDED = 1 where LOGINID = 'O''BRIEN'"},
        {"an operator who expired yesterday", fdkIni, typing("o'brien", "pw"), "", Same, {"expired"}, -1, {},
         "update OPERATOR set EXPIRATIONDATE = " + day(-1) + " where LOGINID = 'O''BRIEN'"},
        {"an operator who expires today", fdkIni, typing("o'brien", "pw"), "O'BRIEN", fdkIni + "LASTUSER = O'BRIEN\n", {}, -1,
         {}, "update OPERATOR set EXPIRATIONDATE = " + day(0) + " where LOGINID = 'O''BRIEN'"},
        {"stored password, not to be kept", stored, {}, "ADMIN", admin, {}, -1, {},
         "update OPERATOR set storepassword = 0"},
        {"stored password kept, hand-edited id", fdkIni + "LASTUSER = admin\nPASSWORD = " + Cipher::Encrypt("ADMIN"),
         {}, "ADMIN", kept, {}, -1, {}, "update OPERATOR set storepassword = 1"},
        {"stale stored password asks again", admin + "PASSWORD = " + Cipher::Encrypt("OLD"),
         [](QDialog* d, LoginRun&) {
             EXPECT_FALSE(button(d, "cmdOk")->isEnabled()) << "the stale password is emptied";
             QTest::keyClicks(edit(d, "txtPassword"), "admin");
             QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Return);
         },
         "ADMIN", kept, {W}, -1, {}, "update OPERATOR set storepassword = 1"},
        {"a kept login logs in by itself", keptLogin, {}, "ADMIN", kept, {}, -1, {}, keep(cSecurity::workstation())},
        {"another workstation's kept login asks", keptLogin, typing("ADMIN", "admin"), "ADMIN", kept, {W}, -1, {},
         keep("other-pc")},
        {"a folder for the database", fdkIni, chooseAndLogIn("{H}/folder.db"), "", Same, {"{H}/folder.db", "a folder"}, -1,
         ",5000,DataBase Location,The database path"},
        {"a named pipe for the database", fdkIni, chooseAndLogIn("{H}/pipe.db"), "", Same, {"{H}/pipe.db", "pipe"}, -1,
         ",5000,DataBase Location,The database path"},
        {"a link in a loop for the database", fdkIni, chooseAndLogIn("{H}/loop.db"), "", Same, {"{H}/loop.db", "loop"}, -1,
         ",5000,DataBase Location,The database path"},
        {"a database without one of the tables", fdkIni, typing("ADMIN", "ADMIN"), "", Same, {"{H}/fdk.db", "_JOURNAL"},
         -1, ",5003,LoginDatabase,The table _JOURNAL is missing", "drop table _JOURNAL"},
        {"a read-only database is told and logs in", fdkIni, readOnly, "ADMIN", admin, {"{H}/fdk.db", "read-only"}},
        {"Esc in the password", admin, escape, "", Same, {}, 0},
        {"Cancel", admin, [](QDialog* d, LoginRun&) { button(d, "cmdCancel")->click(); }, "", Same, {}, 0},
        {"the window's close button", admin, [](QDialog* d, LoginRun&) { d->close(); }, "", Same, {}, 0},
        {"not a database", "DATABASE = {H}/notes.db\n", typing("ADMIN", "ADMIN"), "", Same,
         {"{H}/notes.db", "is not a valid database", "{H}/db/backup"}, -1, ",LOGINP,cmdOk,26,Database--26,file is not a database"},
        {"no ini file: fdk.db is used and the ini written", {}, typing("ADMIN", "ADMIN"), "ADMIN", admin},
        {"a database without the office's tables", "DATABASE = {H}/plain.db\n", typing("ADMIN", "ADMIN"), "", Same,
         {"{H}/plain.db", "tables", "--create-database"}},
        {"a database held by another program", fdkIni, heldElsewhere, "", Same, {"{H}/fdk.db", "held by another program"}, -1,
         ",LOGINP,cmdOk,5,Database--5,"},
        {"database label", admin, chooseAndLogIn("{H}/other.db"), "ADMIN", otherIni},
        {"entry editor, browse", admin, choose(true, "browse"), "ADMIN", otherIni},
        {"entry editor, browse cancelled", admin, choose(false, "browse"), "ADMIN", admin},
        {"entry editor, path typed", admin, choose(false, "typed"), "ADMIN", otherIni},
        {"entry editor cancelled", admin, choose(false, "cancel"), "ADMIN", admin},
        // The favourite screen opens through its menu button once the login is over, never inside it.
        {"the favourite screen", admin, typing("ADMIN", "ADMIN"), "ADMIN", admin, {}, -1, {},
         "update OPERATOR set FavouriteWindow = 'frmOptions'", "frmOptions"},
        {"a favourite the operator may not open", admin, typing("ADMIN", "ADMIN"), "ADMIN", admin, {}, -1, {},
         "update OPERATOR set FavouriteWindow = 'frmOptions';update group_func set command4 = 0 where menu_name = 'F3M'"},
        {"a favourite nobody registered", admin, typing("ADMIN", "ADMIN"), "ADMIN", admin, {}, -1, {},
         "update OPERATOR set FavouriteWindow = 'frmNothing'"},
        // What the ini file names, or its lack, as the login shows it.
        {"a missing database falls back to fdk.db", "DATABASE = {H}/gone.db\n", typing("ADMIN", "ADMIN"), "ADMIN", admin},
        {"no ini file and no fdk.db", {}, escape, "", Same, {Missing, "{H}/fdk.db", "--create-database"}, 0, notFound, {}, {},
         true},
        {"no database at all", "DATABASE = {H}/gone.db\n", escape, "", Same, {Missing, "{H}/gone.db", "{H}/fdk.db"}, 0,
         notFound, {}, {}, true},
        {"a folder where the database should be", "DATABASE = {H}/folder.db\n", escape, "", Same,
         {Missing, "{H}/folder.db (this is a folder"}, 0, notFound, {}, {}, true},
        {"an ini file that cannot be read", "*folder", escape, "", Same, {"{H}/ijar.ini", "may read and write"}, 0,
         ",75,ReadIniFile,"},
        {"a stored password altered by hand", "PASSWORD = " + Cipher::Encrypt("ADMIN").toLower(), escape, "", Same, {}, 0,
         ",5007,ReadIniFile - Cipher,"},
        // A database of an older schema is copied beside itself and brought up step by step; a failing step
        // leaves it at the last good version; a newer one is refused. Told each time, with both versions.
        {"one step behind", fdkIni, typing("ADMIN", "ADMIN"), "ADMIN", admin, {"version " + v, "version " + next, copy}, -1,
         {}, {}, {}, false, good, Base + 1},
        {"a step that fails", fdkIni, typing("ADMIN", "ADMIN"), "", Same, {"version " + next, "version " + v, copy}, -1,
         "(reminder colours) failed: table OPERATOR already exists", {}, {}, false, "CREATE TABLE OPERATOR (X)"},
        {"newer than the program", fdkIni, typing("ADMIN", "ADMIN"), "", Same,
         {"version " + QString::number(Base + 2), "up to " + next}, -1, {},
         "update _SCHEMAVERSION set VERSION = " + QString::number(Base + 2), {}, false, good, Base + 2},
        // One copy of the program runs per home folder; a second says why it ends. What a crash or another workstation
        // leaves in the lock file: a lock no live process holds is taken over without a word; a live one is named.
        // Held by 1 a system lock, 2 a copy running here, 3 another workstation.
        {"a copy running here", fdkIni, asAdmin, "", Same, {QSysInfo::machineHostName(), running, "{H}", "another copy"},
         0, {}, {}, {}, false, nullptr, Base, {}, 2},
        {"an empty lock", fdkIni, asAdmin, "ADMIN", admin, {}, -1, {}, {}, {}, false, nullptr, Base, ""},
        {"a garbled lock", fdkIni, asAdmin, "ADMIN", admin, {}, -1, {}, {}, {}, false, nullptr, Base,
         "\x01\x02 not a lock \xff"},
        {"the lock of a process that has ended", fdkIni, asAdmin, "ADMIN", admin, {}, -1, {}, {}, {}, false, nullptr,
         Base, "999999\nijar\n" + self + "\n"},
        {"a garbled lock held by a running copy", fdkIni, asAdmin, "", Same, {"another copy", "ijar.lock"}, 0, {}, {},
         {}, false, nullptr, Base, "", 1},
        {"another workstation's lock", fdkIni, asAdmin, "", Same, {"reception-pc", "4321", "ijar.lock"}, 0, {}, {}, {},
         false, nullptr, Base, "4321\nijar\nreception-pc\n", 3},
    };
    // The copy that holds the home folder deletes its temporary files and what a killed backup left; another
    // leaves them alone.
    const struct { const char* file; bool temporary; } files[] = {
        {"report.tmp", true}, {"PICTURE.TMP", true}, {"notes.txt", false}, {"sub/inner.tmp", false},
        {"db/backup/03122026-140509.unfinished", true}, {"db/backup/03122026-140509.unfinished-journal", true},
        {"db/backup/03122026-140509", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        if (r.nextStep) {
            QList<SchemaStep> history = Schema::steps();
            history.append({Base + 1, "reminder colours", [sql = r.nextStep](Database& db) { db.executeNative(sql); }});
            run.startUp.setSchemaHistory(history);
        }
        {
            Database db;
            db.open(run.office.databasePath());
            db.insert("OPERATOR", "OPERATORID",
                      {{"LOGINID", "O'BRIEN"}, {"PASSWRD", PasswordHash::make("PW")}, {"operatorname", "Pat O'Brien"},
                       {"storepassword", 0}, {"OPERATORSUSPENDED", 0}});
            for (const QString& sql : r.sql.split(';', Qt::SkipEmptyParts))
                db.command(sql);
        }
        run.write("{H}/notes.db", QString(4096, 'x'));
        QDir(run.office.home()).mkdir("folder.db");
        ::mkfifo(QFile::encodeName(run.path("{H}/pipe.db")).constData(), 0600);
        QFile::link(run.path("{H}/loop.db"), run.path("{H}/loop.db"));
        {
            Database plain;
            plain.open(run.path("{H}/plain.db"), true);
            plain.executeNative("CREATE TABLE notes (line TEXT)");
        }
        // The office's files are its owner's only once he has logged in, a database others could read included.
        for (const QString& db : {run.office.databasePath(), run.path("{H}/other.db")})
            QFile::setPermissions(db, QFile::permissions(db) | QFile::ReadOther);
        if (r.noFdk)
            QFile::remove(run.office.databasePath());
        if (r.ini == "*folder")
            QDir().mkpath(run.iniPath());
        else if (!r.ini.isNull())
            run.write(run.iniPath(), r.ini);
        auto first = r.holder == 2 ? std::make_unique<Copy>(run.office.home()) : nullptr;
        for (const auto& f : files) {
            QDir(run.office.home()).mkpath(QFileInfo(f.file).path());
            QFile made(run.office.file(f.file));
            ASSERT_TRUE(made.open(QIODevice::WriteOnly));
        }
        QFile lock(run.path("{H}/ijar.lock"));
        ASSERT_TRUE(r.lock.isNull()
                    || (lock.open(QIODevice::WriteOnly) && lock.write(r.lock) == r.lock.size() && lock.flush()));
        // A running copy keeps its lock file under a system lock.
        ASSERT_TRUE(r.holder != 1 || ::flock(lock.handle(), LOCK_EX | LOCK_NB) == 0);
        if (r.holder != 1)
            lock.close();
        const QString iniBefore = run.ini();
        QString passwordLeft;
        run.ui().onDialog("LOGINP", [&](QDialog* d) {
            if (d->isVisible() && r.act)  // a stored password logs in before anyone types
                r.act(d, run);
            passwordLeft = edit(d, "txtPassword")->text();
        });
        run.startUp.firstActivation();
        const QStringList shown = run.ui().dialogsShown;
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(run.ui().dialogsShown, r.opens.isEmpty() ? shown : shown + QStringList{r.opens});

        EXPECT_EQ(run.state().CurrentLoginId, r.loginId);
        EXPECT_EQ(run.window.statusPanel(ShellFrame::LoginPanel), r.loginId);
        EXPECT_EQ(run.afterLogins, r.loginId.isEmpty() ? 0 : 1);
        EXPECT_EQ(run.state().FirstActivation, r.loginId.isEmpty());
        EXPECT_TRUE(iniIs(run.ini(), r.iniAfter.isNull() ? iniBefore : run.path(r.iniAfter))) << run.ini().toStdString();
        EXPECT_EQ(run.ui().quitCode, r.quit);
        ASSERT_EQ(run.ui().messages.size(), r.told.isEmpty() ? 0 : 1);
        for (const QString& part : r.told)
            EXPECT_TRUE(run.ui().lastMessage().contains(run.path(part))) << part.toStdString() << "\n"
                                                                        << run.ui().lastMessage().toStdString();
        EXPECT_TRUE(r.told != QStringList{W} || !r.loginId.isEmpty() || passwordLeft.isEmpty()) << "emptied for the next try";
        EXPECT_TRUE(!r.loginId.isEmpty() || r.told.size() < 2 || !run.state().db().isOpen())
            << "an unusable database is not kept open";
        for (const QString& file : {run.state().db().path(), run.iniPath(), run.path("{H}/ijar.lock")})
            EXPECT_TRUE(r.loginId.isEmpty() || !(QFile::permissions(file) & QFileDevice::Permissions(0x0077)))
                << file.toStdString();
        EXPECT_TRUE(r.loginId.isEmpty() || run.ini().contains(run.state().db().path())) << "the database used is written";
        EXPECT_TRUE(r.loginId != "O'BRIEN" || run.state().CurrentOperatorName == "Pat O'Brien");
        EXPECT_EQ(run.errorLog().isEmpty(), r.logged.isEmpty()) << run.errorLog().toStdString();
        EXPECT_TRUE(run.errorLog().contains(run.path(r.logged))) << run.errorLog().toStdString();
        EXPECT_EQ(QFileInfo::exists(run.path(copy)), r.told.contains(copy));
        for (const auto& f : files)
            EXPECT_TRUE((r.lock.isNull() && !r.holder)
                        || QFileInfo::exists(run.office.file(f.file)) == !(r.holder == 0 && f.temporary))
                << f.file;
        first.reset();
        EXPECT_EQ(r.holder == 2 ? Copy(run.office.home()).afterLogins : 1, 1) << "the lock goes with its run";
        // The copy is the database as it was.
        for (const auto& [file, version] : {std::pair(run.office.databasePath(), r.version), std::pair(run.path(copy), Base)})
            if (QFileInfo::exists(file)) {
                Database check;
                check.open(file);
                EXPECT_EQ(Schema::version(check), version) << file.toStdString();
            }
    }
}

// A home folder that takes no files (no log, no lock, no ini, no backups) is
// told at the start, naming the folder and what to do. On a full disk (mounted
// small for the test, so only as root) the operator is told that the disk is
// full, not that his rights are wanting.
TEST(StartUp, AHomeFolderThatTakesNoFilesIsToldAtTheStart)
{
    TestOffice office(false);
    for (const QString kind : {"writable", "not writable", "full"}) {
        SCOPED_TRACE(kind.toStdString());
        if (kind == "full" && (::geteuid() != 0 || TestOffice::onServer()))
            continue;
        QTemporaryDir dir;
        // Not even root may make files in a process's own /proc folder.
        const QString home = kind == "not writable" ? QStringLiteral("/proc/self") : dir.path();
        const QByteArray disk = QFile::encodeName(home);
        const bool full = kind == "full" && ::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=256k") == 0;
        const std::unique_ptr<const char, void (*)(const char*)> mounted(full ? disk.constData() : nullptr,
                                                                        [](const char* p) { ::umount2(p, MNT_DETACH); });
        ASSERT_EQ(full, kind == "full");
        QFile ini(dir.filePath("ijar.ini")), filler(dir.filePath("filler"));
        ASSERT_TRUE(!full || (ini.open(QIODevice::WriteOnly) && ini.write("DATABASE = " + office.databasePath().toUtf8()) > 0));
        ini.close();
        ASSERT_TRUE(!full || filler.open(QIODevice::WriteOnly));
        while (full && filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
        filler.close();
        auto* ui = new ScriptedUI;
        RunState state(home, std::unique_ptr<ScriptedUI>(ui));
        StartUp startUp(state, nullptr, nullptr);
        QWidget mainWindow;
        ui->onDialog("LOGINP", [](QDialog* d) { typeLogin(d, "ADMIN", "ADMIN"); });
        startUp.run(&mainWindow, 0);
        if (full)
            startUp.firstActivation();
        ASSERT_EQ(ui->messages.isEmpty(), kind == "writable");
        const QStringList told = full ? QStringList{"is full"} : QStringList{home, "ijar.lock", "--home"};
        for (const QString& part : told)
            EXPECT_TRUE(kind == "writable" || ui->messages.first().text.contains(part)) << part.toStdString();
        EXPECT_FALSE(full && ui->messages.first().text.contains("right to write"));
    }
}
