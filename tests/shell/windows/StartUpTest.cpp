#include "LoginRun.h"

#include "schema/NewDatabase.h"
#include "shell/base/Cipher.h"
#include "shell/base/IniFile.h"
#include "shell/windows/LOGINP.h"

#include <QFileInfo>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace LoginKeys;

namespace {

const QString WrongPassword = QStringLiteral("كلمة السر غير صحيحة");

QString treeText(LOGINP& login)
{
    QStringList nodes;
    const QTreeWidgetItem* root = login.findChild<QTreeWidget*>(QStringLiteral("TreeView1"))->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i)
        nodes << root->child(i)->text(0);
    return nodes.join(QLatin1Char('|'));
}

QString labelText(QWidget* w, const char* name)
{
    return w->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// The stored form of a password, and the same altered by hand.
QString stored(const QString& password)
{
    return Cipher::Encrypt(password);
}

QString altered(const QString& password)
{
    QString text = stored(password);
    text[2] = text[2] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    return text;
}

QString withPlaceholders(const char* text, const QString& home)
{
    return QString::fromUtf8(text)
        .replace(QStringLiteral("{H}"), home)
        .replace(QStringLiteral("{ENC}"), stored(QStringLiteral("ADMIN")))
        .replace(QStringLiteral("{BAD}"), altered(QStringLiteral("ADMIN")));
}

}

TEST(StartUp, ReadIniFile)
{
    const struct {
        const char* name;
        const char* ini;          // nullptr: no file
        bool removeDefault;
        const char* database;
        const char* user;
        const char* password;
        bool labelsShown;
        const char* logged;       // nullptr: nothing logged
        const char* tree;
    } rows[] = {
        {"upper-case keys", "[CONFIG]\nDATABASE = {H}/other.db\nLASTUSER = ADMIN\n", false, "{H}/other.db", "ADMIN", "",
         true, nullptr, "DataBase={H}/other.db|LastUser=ADMIN"},
        {"lower-case keys", "[config]\ndatabase = {H}/other.db\nlastuser = clerk\n", false, "{H}/other.db", "clerk", "",
         true, nullptr, "DataBase={H}/other.db|LastUser=clerk"},
        {"database wins in a line with two keys", "LASTUSER DATABASE = {H}/other.db\n", false, "{H}/other.db", "", "",
         true, nullptr, "DataBase={H}/other.db"},
        {"a comma cuts the path", "DATABASE = {H}/my,office.db\nLASTUSER = ADMIN\n", false, "{H}/fdk.db", "ADMIN", "",
         true, nullptr, "DataBase={H}/my|LastUser=ADMIN"},
        {"the rest of a cut line is a field of its own", "DATABASE = {H}/other.db,LASTUSER = BOB\n", false,
         "{H}/other.db", "BOB", "", true, nullptr, "DataBase={H}/other.db|LastUser=BOB"},
        {"a value keeps everything after the first =", "DATABASE = {H}/other.db\nLASTUSER =  A=B \n", false,
         "{H}/other.db", "A=B", "", true, nullptr, "DataBase={H}/other.db|LastUser=A=B"},
        {"a quoted field keeps its comma", "\"DATABASE = {H}/my,office.db\"\n", false, "{H}/my,office.db", "", "", true,
         nullptr, "DataBase={H}/my,office.db"},
        {"a missing database falls back to fdk.db", "DATABASE = {H}/gone.db\n", false, "{H}/fdk.db", "", "", true,
         nullptr, "DataBase={H}/gone.db"},
        {"no ini file", nullptr, false, "", "", "", false, ",53,ReadIniFile,File not found: {H}/ijar.ini", ""},
        {"no database at all", "DATABASE = {H}/gone.db\nLASTUSER = ADMIN\n", true, "{H}/fdk.db", "ADMIN", "", false,
         ",5000,DataBase Location,Database not found in {H}/fdk.db", "DataBase={H}/gone.db|LastUser=ADMIN"},
        {"a stored password", "LASTUSER = ADMIN\nPASSWORD = {ENC}\n", false, "{H}/fdk.db", "ADMIN", "ADMIN", true,
         nullptr, "LastUser=ADMIN|Password={ENC}"},
        {"an altered stored password", "LASTUSER = ADMIN\nPASSWORD = {BAD}\n", false, "{H}/fdk.db", "ADMIN", "", true,
         ",5007,ReadIniFile - Cipher,", "LastUser=ADMIN|Password={BAD}"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        const QString home = run.home();
        QFile::copy(run.office.databasePath(), home + QStringLiteral("/other.db"));
        QFile::copy(run.office.databasePath(), home + QStringLiteral("/my,office.db"));
        if (r.ini)
            run.writeIni(withPlaceholders(r.ini, home));
        if (r.removeDefault)
            QFile::remove(run.office.databasePath());

        LOGINP login(run.state(), nullptr);
        run.startUp.ReadIniFile(login);

        EXPECT_EQ(run.state().DatabasePath, withPlaceholders(r.database, home));
        EXPECT_EQ(edit(&login, "txtUserName")->text(), QString::fromUtf8(r.user));
        EXPECT_EQ(edit(&login, "txtPassword")->text(), QString::fromUtf8(r.password));
        EXPECT_EQ(labelText(&login, "lblDBName"), r.labelsShown ? run.state().DatabasePath : QString());
        EXPECT_EQ(labelText(&login, "lblIniFileName"), r.labelsShown ? run.iniPath() : QString());
        EXPECT_EQ(treeText(login), withPlaceholders(r.tree, home));
        if (r.logged) {
            EXPECT_TRUE(run.errorLog().contains(withPlaceholders(r.logged, home))) << run.errorLog().toStdString();
        } else {
            EXPECT_EQ(run.errorLog(), QString());
        }
        EXPECT_TRUE(run.ui().messages.isEmpty());
        EXPECT_TRUE(run.ui().dialogsShown.isEmpty());
    }
}

TEST(StartUp, TypedLogins)
{
    const QString hostile1 = QStringLiteral("ZZ' UNION SELECT OPERATORID,LOGINID,PASSWRD,OPERATORNAME,STOREPASSWORD,"
                                            "OPERATORSUSPENDED,FAVOURITEWINDOW,EXPIRATIONDATE,DISCOUNTPERCENTAGE "
                                            "FROM OPERATOR --");
    const QString hostile2 = QStringLiteral("ZZ' OR '1'='1");
    const QString hostile3 = QStringLiteral("ZZ' union select 99,'ZZ','x','x',1,0,'' --");
    const struct {
        QString name;
        QString loginId;
        QString password;
        QString expectedLogin;   // empty: refused
        QString operatorName;
    } rows[] = {
        {QStringLiteral("right password"), QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), {}},
        {QStringLiteral("typed in lower case"), QStringLiteral("admin"), QStringLiteral("admin"), QStringLiteral("ADMIN"), {}},
        {QStringLiteral("wrong password"), QStringLiteral("ADMIN"), QStringLiteral("WRONG"), {}, {}},
        {QStringLiteral("unknown operator"), QStringLiteral("NOBODY"), QStringLiteral("ADMIN"), {}, {}},
        {QStringLiteral("union in the id"), hostile1, QStringLiteral("ADMIN"), {}, {}},
        {QStringLiteral("always-true id"), hostile2, QStringLiteral("ADMIN"), {}, {}},
        {QStringLiteral("made-up row"), hostile3, QStringLiteral("x"), {}, {}},
        {QStringLiteral("apostrophe in the id"), QStringLiteral("o'brien"), QStringLiteral("pw"), QStringLiteral("O'BRIEN"),
         QStringLiteral("Pat O'Brien")},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        LoginRun run;
        {
            Database db;
            db.open(run.office.databasePath());
            db.insert(QStringLiteral("OPERATOR"), QStringLiteral("OPERATORID"),
                      {{QStringLiteral("LOGINID"), QStringLiteral("O'BRIEN")},
                       {QStringLiteral("PASSWRD"), Cipher::Encrypt(QStringLiteral("PW"))},
                       {QStringLiteral("operatorname"), QStringLiteral("Pat O'Brien")},
                       {QStringLiteral("storepassword"), 0}, {QStringLiteral("OPERATORSUSPENDED"), 0}});
        }
        run.writeIni(QStringLiteral("[CONFIG]\nDATABASE = {H}/fdk.db\n"));
        const QString iniBefore = run.ini();
        bool passwordEmptiedOnFailure = false;
        run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
            typeLogin(d, r.loginId, r.password);
            passwordEmptiedOnFailure = edit(d, "txtPassword")->text().isEmpty() && d->focusWidget() == edit(d, "txtPassword");
        });
        run.startUp.firstActivation();

        const bool refused = r.expectedLogin.isEmpty();
        EXPECT_EQ(run.state().CurrentLoginId, r.expectedLogin);
        EXPECT_EQ(run.frame.statusPanel(ShellFrame::LoginPanel), r.expectedLogin);
        EXPECT_EQ(run.afterLogins, refused ? 0 : 1);
        EXPECT_EQ(run.state().FirstActivation, refused);
        EXPECT_EQ(run.ui().quitCode, -1);
        EXPECT_EQ(run.registrations, 1);
        if (refused) {
            ASSERT_EQ(run.ui().messages.size(), 1);
            EXPECT_EQ(run.ui().lastMessage(), WrongPassword);
            EXPECT_TRUE(passwordEmptiedOnFailure);
            EXPECT_EQ(run.ini(), iniBefore);
            EXPECT_TRUE(run.state().CurrentOperatorName.isEmpty());
        } else {
            EXPECT_TRUE(run.ui().messages.isEmpty());
            EXPECT_EQ(run.ini(), QStringLiteral("[CONFIG]\nDATABASE = %1\nLASTUSER = %2\n")
                                     .arg(run.office.databasePath(), r.expectedLogin));
            if (!r.operatorName.isEmpty()) {
                EXPECT_EQ(run.state().CurrentOperatorName, r.operatorName);
            }
        }
        EXPECT_EQ(run.errorLog(), QString());
    }
}

TEST(StartUp, StoredPasswords)
{
    const struct {
        const char* name;
        int storePassword;
        const char* iniUser;
        QString iniPassword;
        const char* typed;         // nullptr: the operator types nothing
        int messagesBeforeTyping;
        bool passwordLineAfter;
    } rows[] = {
        {"restored password logs in at once", 0, "ADMIN", stored(QStringLiteral("ADMIN")), nullptr, 0, false},
        {"and is stored again when asked", 1, "ADMIN", stored(QStringLiteral("ADMIN")), nullptr, 0, true},
        {"a hand-edited id is upper-cased", 1, "admin", stored(QStringLiteral("ADMIN")), nullptr, 0, true},
        {"a stale password asks again", 1, "ADMIN", stored(QStringLiteral("OLD")), "admin", 1, true},
        {"an altered password is none", 0, "ADMIN", altered(QStringLiteral("ADMIN")), "ADMIN", 0, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        {
            Database db;
            db.open(run.office.databasePath());
            db.command(QStringLiteral("update OPERATOR set storepassword = %1").arg(r.storePassword));
        }
        run.writeIni(QStringLiteral("[CONFIG]\nDATABASE = {H}/fdk.db\nLASTUSER = %1\nPASSWORD = %2\n")
                         .arg(QString::fromUtf8(r.iniUser), r.iniPassword));
        int messagesBeforeTyping = -1;
        bool passwordEmpty = false;
        bool okEnabled = true;
        run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
            messagesBeforeTyping = int(run.ui().messages.size());
            if (!r.typed)
                return;
            passwordEmpty = edit(d, "txtPassword")->text().isEmpty();
            okEnabled = button(d, "cmdOk")->isEnabled();
            QTest::keyClicks(edit(d, "txtPassword"), QString::fromUtf8(r.typed));
            QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Return);
        });
        run.startUp.firstActivation();

        EXPECT_EQ(messagesBeforeTyping, r.messagesBeforeTyping);
        if (r.messagesBeforeTyping) {
            EXPECT_EQ(run.ui().lastMessage(), WrongPassword);
        }
        if (r.typed) {
            EXPECT_TRUE(passwordEmpty);
            EXPECT_FALSE(okEnabled);
        }
        EXPECT_EQ(run.state().CurrentLoginId, QStringLiteral("ADMIN"));
        EXPECT_EQ(run.afterLogins, 1);
        const IniFile::Contents after = IniFile::read(run.iniPath());
        EXPECT_EQ(after.lastUser, QStringLiteral("ADMIN"));
        EXPECT_EQ(!after.password.isEmpty(), r.passwordLineAfter);
        if (r.passwordLineAfter) {
            EXPECT_EQ(Cipher::Decrypt(after.password), QStringLiteral("ADMIN"));
        }
    }
}

TEST(StartUp, LeavingTheLoginScreenEndsTheRun)
{
    const struct { const char* name; std::function<void(QDialog*)> leave; } rows[] = {
        {"Esc in the login id", [](QDialog* d) { QTest::keyClick(edit(d, "txtUserName"), Qt::Key_Escape); }},
        {"Esc in the password", [](QDialog* d) {
             QTest::keyClicks(edit(d, "txtPassword"), QStringLiteral("ADMIN"));
             QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Escape);
         }},
        {"Esc in the tree", [](QDialog* d) {
             QTest::keyClick(d->findChild<QTreeWidget*>(QStringLiteral("TreeView1")), Qt::Key_Escape);
         }},
        {"Cancel", [](QDialog* d) { QTest::mouseClick(button(d, "cmdCancel"), Qt::LeftButton); }},
        {"the window's close button", [](QDialog* d) { d->close(); }},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        run.writeIni(QStringLiteral("[CONFIG]\nDATABASE = {H}/fdk.db\nLASTUSER = ADMIN\n"));
        const QString iniBefore = run.ini();
        int quitCode = -2;
        run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
            r.leave(d);
            quitCode = run.ui().quitCode;
        });
        run.startUp.firstActivation();
        EXPECT_EQ(quitCode, 0);
        EXPECT_EQ(run.ini(), iniBefore);
        EXPECT_EQ(run.afterLogins, 0);
        EXPECT_FALSE(run.state().db().isOpen());
        EXPECT_TRUE(run.state().CurrentLoginId.isEmpty());
    }
}

TEST(StartUp, ConnectionFailureEndsTheRun)
{
    const struct { const char* name; const char* ini; const char* logged; } rows[] = {
        {"not a database", "DATABASE = {H}/notes.db\n", ",LOGINP,cmdOk,26,Database--26,file is not a database"},
        {"no ini file, database not chosen", nullptr, ",LOGINP,cmdOk,5003,Database--,Could not find file ''."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        QFile notes(run.home() + QStringLiteral("/notes.db"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write(QByteArray(4096, 'x'));
        notes.close();
        if (r.ini)
            run.writeIni(QString::fromUtf8(r.ini));
        run.ui().onDialog(QStringLiteral("LOGINP"), [](QDialog* d) { typeLogin(d, "ADMIN", "ADMIN"); });
        run.startUp.firstActivation();

        EXPECT_EQ(run.ui().quitCode, 1);
        EXPECT_TRUE(run.errorLog().contains(QString::fromUtf8(r.logged))) << run.errorLog().toStdString();
        EXPECT_TRUE(run.errorLog().contains(QStringLiteral("--"))) << run.errorLog().toStdString();
        EXPECT_EQ(run.afterLogins, 0);
        EXPECT_EQ(run.registrations, 0);
        EXPECT_TRUE(run.ui().messages.isEmpty());
        EXPECT_TRUE(run.state().CurrentLoginId.isEmpty());
        EXPECT_EQ(QFileInfo::exists(run.iniPath()), r.ini != nullptr);
    }
}

TEST(StartUp, NoIniFileTheDatabaseIsChosenThroughTheLabel)
{
    LoginRun run;
    run.ui().files = {run.office.databasePath()};
    run.ui().onDialog(QStringLiteral("LOGINP"), [](QDialog* d) {
        QTest::mouseDClick(d->findChild<QLabel*>(QStringLiteral("lblDBName")), Qt::LeftButton);
        typeLogin(d, "ADMIN", "ADMIN");
    });
    run.startUp.firstActivation();

    EXPECT_EQ(run.afterLogins, 1);
    EXPECT_EQ(run.state().db().path(), run.office.databasePath());
    EXPECT_EQ(run.ini(), QStringLiteral("[CONFIG]\nDATABASE = %1\nLASTUSER = ADMIN\n").arg(run.office.databasePath()));
    EXPECT_TRUE(run.errorLog().contains(QStringLiteral("File not found")));
}

TEST(StartUp, OneCopyPerHomeFolder)
{
    LoginRun office;
    office.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\n"));
    struct Copy {
        ScriptedUI* ui = nullptr;
        std::unique_ptr<RunState> state;
        std::unique_ptr<StartUp> startUp;
        int afterLogins = 0;
    };
    const auto start = [&] {
        auto copy = std::make_unique<Copy>();
        auto ui = std::make_unique<ScriptedUI>();
        copy->ui = ui.get();
        copy->state = std::make_unique<RunState>(office.home(), std::move(ui));
        Copy* c = copy.get();
        copy->startUp = std::make_unique<StartUp>(*copy->state, nullptr, [c] { ++c->afterLogins; });
        copy->ui->onDialog(QStringLiteral("LOGINP"), [](QDialog* d) { typeLogin(d, "ADMIN", "ADMIN"); });
        copy->startUp->firstActivation();
        return copy;
    };

    auto first = start();
    ASSERT_EQ(first->afterLogins, 1);

    const auto second = start();
    EXPECT_EQ(second->ui->quitCode, 0);
    EXPECT_TRUE(second->ui->messages.isEmpty());
    EXPECT_FALSE(second->state->db().isOpen());
    EXPECT_EQ(second->afterLogins, 0);

    // The lock goes with the run that held it.
    first.reset();
    const auto third = start();
    EXPECT_EQ(third->ui->quitCode, -1);
    EXPECT_EQ(third->afterLogins, 1);
}

TEST(StartUp, LoginDeletesTemporaryFiles)
{
    LoginRun run;
    run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\n"));
    const struct { const char* file; bool kept; } rows[] = {
        {"report.tmp", false}, {"PICTURE.TMP", false},
        {"notes.txt", true}, {"report.tmp.odt", true}, {"sub/inner.tmp", true},
    };
    QDir(run.home()).mkpath(QStringLiteral("sub"));
    for (const auto& r : rows) {
        QFile file(run.home() + QLatin1Char('/') + QString::fromUtf8(r.file));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    run.ui().onDialog(QStringLiteral("LOGINP"), [](QDialog* d) { typeLogin(d, "ADMIN", "WRONG"); });
    run.startUp.firstActivation();
    for (const auto& r : rows)
        EXPECT_EQ(QFileInfo::exists(run.home() + QLatin1Char('/') + QString::fromUtf8(r.file)), r.kept) << r.file;
    EXPECT_TRUE(run.state().db().isOpen());
    EXPECT_EQ(run.state().config.localeName, QStringLiteral("ar-eg"));
}

TEST(StartUp, SplashThenMainWindow)
{
    LoginRun run;
    QWidget mainWindow;
    mainWindow.setObjectName(QStringLiteral("MAINT"));
    run.state().FirstActivation = false;
    run.startUp.run(&mainWindow, 1500);

    EXPECT_EQ(run.ui().windowsShown, QStringList({QStringLiteral("frmSplash"), QStringLiteral("MAINT")}));
    EXPECT_EQ(run.ui().waitedMs, 1500);
    EXPECT_TRUE(run.state().FirstActivation);
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST(StartUp, LoginScreenOnlyOnTheFirstActivation)
{
    LoginRun run;
    run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\n"));
    QWidget mainWindow;
    run.startUp.run(&mainWindow, 0);
    QWidget* parent = nullptr;
    run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
        parent = d->parentWidget();
        run.startUp.firstActivation();   // the main window activated again meanwhile
        typeLogin(d, "ADMIN", "ADMIN");
    });
    run.startUp.firstActivation();
    run.startUp.firstActivation();

    EXPECT_EQ(run.ui().dialogsShown, QStringList({QStringLiteral("LOGINP")}));
    EXPECT_EQ(parent, &mainWindow);
    EXPECT_EQ(run.afterLogins, 1);
    EXPECT_FALSE(run.state().FirstActivation);
}
