#include "shell/base/Cipher.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/IniFile.h"
#include "shell/windows/LOGINP.h"
#include "shell/windows/MAINT.h"
#include "shell/windows/StartUp.h"
#include "support/TestOffice.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString WrongPassword = QStringLiteral("كلمة السر غير صحيحة");

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
    void writeIni(const QString& text) { write(iniPath(), text); }
};

QLineEdit* edit(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(QString::fromLatin1(name)); }
QPushButton* button(QDialog* d, const char* name) { return d->findChild<QPushButton*>(QString::fromLatin1(name)); }

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

}

TEST(StartUp, ReadIniFile)
{
    const struct {
        const char* name; QString ini; bool removeDefault; QString database, user, password = {}, logged = {};
    } rows[] = {
        {"lower-case keys", "[config]\ndatabase = {H}/other.db\nlastuser = clerk\n", false, "{H}/other.db", "clerk"},
        {"database wins in a line with two keys", "LASTUSER DATABASE = {H}/other.db\n", false, "{H}/other.db", ""},
        {"a comma cuts the path", "DATABASE = {H}/my,office.db\nLASTUSER = ADMIN\n", false, "{H}/fdk.db", "ADMIN"},
        {"a quoted field keeps its comma", "\"DATABASE = {H}/my,office.db\"\n", false, "{H}/my,office.db", ""},
        {"a value keeps everything after the first =", "LASTUSER =  A=B \n", false, "{H}/fdk.db", "A=B"},
        {"a missing database falls back to fdk.db", "DATABASE = {H}/gone.db\n", false, "{H}/fdk.db", ""},
        {"no ini file", {}, false, "", "", "", ",53,ReadIniFile,File not found: {H}/ijar.ini"},
        {"no database at all", "DATABASE = {H}/gone.db\n", true, "{H}/fdk.db", "", "",
         ",5000,DataBase Location,Database not found in {H}/fdk.db"},
        {"a stored password altered by hand", "PASSWORD = " + Cipher::Encrypt("ADMIN").toLower(), false,
         "{H}/fdk.db", "", "",
         ",5007,ReadIniFile - Cipher,"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        QFile::copy(run.office.databasePath(), run.path("{H}/my,office.db"));
        if (!r.ini.isNull())
            run.writeIni(r.ini);
        if (r.removeDefault)
            QFile::remove(run.office.databasePath());

        LOGINP login(run.state(), nullptr);
        run.startUp.ReadIniFile(login);

        EXPECT_EQ(run.state().DatabasePath, run.path(r.database));
        EXPECT_EQ(edit(&login, "txtUserName")->text(), r.user);
        EXPECT_EQ(edit(&login, "txtPassword")->text(), r.password);
        EXPECT_EQ(run.errorLog().isEmpty(), r.logged.isEmpty()) << run.errorLog().toStdString();
        EXPECT_TRUE(run.errorLog().contains(run.path(r.logged))) << run.errorLog().toStdString();
        EXPECT_TRUE(run.ui().messages.isEmpty());
    }
}

TEST(StartUp, LoginOutcomes)
{
    using Act = std::function<void(QDialog*, LoginRun&)>;
    const auto typing = [](const QString& id, const QString& password) {
        return Act([=](QDialog* d, LoginRun&) { typeLogin(d, id, password); });
    };
    // Chooses other.db through the database label or the DataBase entry's editor (LOGINP0), then logs in.
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
            if (how == "label")
                QTest::mouseDClick(d->findChild<QLabel*>("lblDBName"), Qt::LeftButton);
            else
                emit tree->itemClicked(tree->topLevelItem(0)->child(0), 0);  // the DataBase entry
            QTest::keyClicks(edit(d, "txtPassword"), "ADMIN");
            QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Enter);
        });
    };
    const QString fdkIni = "[CONFIG]\nDATABASE = {H}/fdk.db\n";
    const QString admin = fdkIni + "LASTUSER = ADMIN\n";
    const QString otherIni = "[CONFIG]\nDATABASE = {H}/other.db\nLASTUSER = ADMIN\n";
    const QString stored = admin + "PASSWORD = " + Cipher::Encrypt("ADMIN") + "\n";
    const QString Same;  // the ini file as it was
    const struct {
        const char* name; QString ini; Act act; QString loginId; QString iniAfter; int messages = 0; int quit = -1;
        QString logged = {}; QString sql = {};
    } rows[] = {
        {"right password", fdkIni, typing("ADMIN", "ADMIN"), "ADMIN", admin},
        {"id typed in lower case", fdkIni, typing("admin", "admin"), "ADMIN", admin},
        {"wrong password", fdkIni, typing("ADMIN", "WRONG"), "", Same, 1},
        {"union in the id", fdkIni, typing("ZZ' UNION SELECT OPERATORID,LOGINID,PASSWRD,OPERATORNAME,STOREPASSWORD,"
                                           "OPERATORSUSPENDED,FAVOURITEWINDOW,EXPIRATIONDATE,DISCOUNTPERCENTAGE "
                                           "FROM OPERATOR --", "ADMIN"), "", Same, 1},
        {"always-true id", fdkIni, typing("ZZ' OR '1'='1", "ADMIN"), "", Same, 1},
        {"made-up row", fdkIni, typing("ZZ' union select 99,'ZZ','x','x',1,0,'' --", "x"), "", Same, 1},
        {"apostrophe in the id", fdkIni, typing("o'brien", "pw"), "O'BRIEN", fdkIni + "LASTUSER = O'BRIEN\n"},
        {"stored password, not to be kept", stored, {}, "ADMIN", admin, 0, -1, {},
         "update OPERATOR set storepassword = 0"},
        {"stored password kept, hand-edited id", fdkIni + "LASTUSER = admin\nPASSWORD = " + Cipher::Encrypt("ADMIN"),
         {}, "ADMIN", stored, 0, -1, {}, "update OPERATOR set storepassword = 1"},
        {"stale stored password asks again", admin + "PASSWORD = " + Cipher::Encrypt("OLD"),
         [](QDialog* d, LoginRun&) {
             EXPECT_FALSE(button(d, "cmdOk")->isEnabled()) << "the stale password is emptied";
             QTest::keyClicks(edit(d, "txtPassword"), "admin");
             QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Return);
         },
         "ADMIN", stored, 1, -1, {}, "update OPERATOR set storepassword = 1"},
        {"Esc in the login id", admin,
         [](QDialog* d, LoginRun&) { QTest::keyClick(edit(d, "txtUserName"), Qt::Key_Escape); }, "", Same, 0, 0},
        {"Esc in the password", admin, [](QDialog* d, LoginRun&) {
             QTest::keyClicks(edit(d, "txtPassword"), "ADMIN");
             QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Escape);
         }, "", Same, 0, 0},
        {"Cancel", admin, [](QDialog* d, LoginRun&) { button(d, "cmdCancel")->click(); }, "", Same, 0, 0},
        {"the window's close button", admin, [](QDialog* d, LoginRun&) { d->close(); }, "", Same, 0, 0},
        {"not a database", "DATABASE = {H}/notes.db\n", typing("ADMIN", "ADMIN"), "", Same, 0, 1,
         ",LOGINP,cmdOk,26,Database--26,file is not a database"},
        {"no ini file, database not chosen", {}, typing("ADMIN", "ADMIN"), "", Same, 0, 1,
         ",LOGINP,cmdOk,5003,Database--,Could not find file ''."},
        {"database label", admin, choose(true, "label"), "ADMIN", otherIni},
        {"entry editor, browse", admin, choose(true, "browse"), "ADMIN", otherIni},
        {"entry editor, browse cancelled", admin, choose(false, "browse"), "ADMIN", admin},
        {"entry editor, path typed", admin, choose(false, "typed"), "ADMIN", otherIni},
        {"entry editor cancelled", admin, choose(false, "cancel"), "ADMIN", admin},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        {
            Database db;
            db.open(run.office.databasePath());
            db.insert("OPERATOR", "OPERATORID",
                      {{"LOGINID", "O'BRIEN"}, {"PASSWRD", Cipher::Encrypt("PW")}, {"operatorname", "Pat O'Brien"},
                       {"storepassword", 0}, {"OPERATORSUSPENDED", 0}});
            if (!r.sql.isEmpty())
                db.command(r.sql);
        }
        run.write("{H}/notes.db", QString(4096, 'x'));
        if (!r.ini.isNull())
            run.writeIni(r.ini);
        const QString iniBefore = run.ini();
        QString passwordLeft;
        run.ui().onDialog("LOGINP", [&](QDialog* d) {
            if (d->isVisible() && r.act)  // a stored password logs in before anyone types
                r.act(d, run);
            passwordLeft = edit(d, "txtPassword")->text();
        });
        run.startUp.firstActivation();

        EXPECT_EQ(run.state().CurrentLoginId, r.loginId);
        EXPECT_EQ(run.window.statusPanel(ShellFrame::LoginPanel), r.loginId);
        EXPECT_EQ(run.afterLogins, r.loginId.isEmpty() ? 0 : 1);
        EXPECT_EQ(run.state().FirstActivation, r.loginId.isEmpty());
        EXPECT_EQ(run.ini(), r.iniAfter.isNull() ? iniBefore : run.path(r.iniAfter));
        EXPECT_EQ(run.ui().quitCode, r.quit);
        EXPECT_EQ(run.ui().messages.size(), r.messages);
        EXPECT_EQ(run.ui().lastMessage(), r.messages ? WrongPassword : QString());
        EXPECT_TRUE(!r.messages || !r.loginId.isEmpty() || passwordLeft.isEmpty()) << "emptied for the next try";
        EXPECT_TRUE(r.loginId.isEmpty() || run.ini().contains(run.state().db().path())) << "the database used is written";
        EXPECT_EQ(run.state().CurrentOperatorName == "Pat O'Brien", r.loginId == "O'BRIEN");
        EXPECT_EQ(run.errorLog().isEmpty(), r.logged.isEmpty()) << run.errorLog().toStdString();
        EXPECT_TRUE(run.errorLog().contains(r.logged)) << run.errorLog().toStdString();
    }
}

TEST(StartUp, OneCopyPerHomeFolder)
{
    LoginRun office;
    office.writeIni("DATABASE = {H}/fdk.db\n");
    struct Copy {
        ScriptedUI* ui = new ScriptedUI;
        RunState state;
        int afterLogins = 0;
        StartUp startUp{state, nullptr, [this] { ++afterLogins; }};
        explicit Copy(const QString& home) : state(home, std::unique_ptr<ScriptedUI>(ui))
        {
            ui->onDialog("LOGINP", [](QDialog* d) { typeLogin(d, "ADMIN", "ADMIN"); });
            startUp.firstActivation();
        }
    };
    auto first = std::make_unique<Copy>(office.office.home());
    ASSERT_EQ(first->afterLogins, 1);
    const Copy second(office.office.home());
    EXPECT_EQ(second.ui->quitCode, 0);
    EXPECT_EQ(second.afterLogins, 0);
    first.reset();  // the lock goes with the run that held it
    const Copy third(office.office.home());
    EXPECT_EQ(third.afterLogins, 1);
}

TEST(StartUp, TheFirstActivationShowsTheLoginOnceAndDeletesTemporaryFiles)
{
    LoginRun run;
    run.writeIni("DATABASE = {H}/fdk.db\n");
    const struct { const char* file; bool kept; } files[] = {
        {"report.tmp", false}, {"PICTURE.TMP", false}, {"notes.txt", true}, {"report.tmp.odt", true},
        {"sub/inner.tmp", true},
    };
    QDir(run.office.home()).mkpath("sub");
    for (const auto& f : files) {
        run.write(run.office.file(f.file), "");
        ASSERT_TRUE(QFileInfo::exists(run.office.file(f.file)));
    }
    QWidget mainWindow;
    run.startUp.run(&mainWindow, 0);
    EXPECT_TRUE(run.state().FirstActivation);
    QWidget* parent = nullptr;
    run.ui().onDialog("LOGINP", [&](QDialog* d) {
        parent = d->parentWidget();
        run.startUp.firstActivation();  // the main window activated again meanwhile
        typeLogin(d, "ADMIN", "ADMIN");
    });
    run.startUp.firstActivation();
    run.startUp.firstActivation();

    EXPECT_EQ(run.ui().dialogsShown, QStringList{"LOGINP"});
    EXPECT_EQ(parent, &mainWindow);
    EXPECT_EQ(run.afterLogins, 1);
    EXPECT_FALSE(run.state().FirstActivation);
    for (const auto& f : files)
        EXPECT_EQ(QFileInfo::exists(run.office.file(f.file)), f.kept) << f.file;
}
