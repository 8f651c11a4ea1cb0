#include "core/Cipher.h"
#include "core/ErrorLog.h"
#include <QDate>
#include "core/PasswordHash.h"
#include "core/cSecurity.h"
#include "schema/Schema.h"
#include "shell/LOGINP.h"
#include "shell/MAINT.h"
#include "shell/StartUp.h"
#include "support/TestOffice.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

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
    QString ini() { return readFile(iniPath()); }
    QString errorLog() { return readFile(errorLogPath(state())); }
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
