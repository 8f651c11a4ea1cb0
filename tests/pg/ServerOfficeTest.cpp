#include "core/Database.h"
#include "core/IniFile.h"
#include "shell/MAINT.h"
#include "shell/SCRNlogoff.h"
#include "shell/StartUp.h"
#include "support/PgCluster.h"
#include "support/ProgramRun.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

// The ini file names a server, or the entry editor is given its URI: the
// login screen shows it, nobody looks for it as a file, the operator logs in
// on it and the ini file keeps it. A server that does not answer is told. An
// office made by an older program lacks SQL functions that the statements of
// this one rely on: the login brings them back.
TEST(ServerLogin, AUriIsTheDatabaseOfTheLoginScreen)
{
    const struct { const char* what; bool inIni; bool answers; bool label = false; bool olderHelpers = false; } rows[] = {
        {"named by the ini file, made by an older program", true, true, false, true},
        {"typed in the entry editor", false, true},
        {"a server database that is not there", true, false},
        {"the label shows a server: its URI is edited", true, true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office(TestOffice::Engine::PostgreSQL, false);
        const QString uri = r.answers ? office.databasePath() : office.databasePath() + "_gone";
        MAINT window(office.state());
        int afterLogins = 0;
        StartUp startUp(office.state(), nullptr, [&afterLogins] { ++afterLogins; });
        office.state().DatabasePath.clear();
        const QString named = r.label ? office.databasePath() + "_other" : r.inIni ? uri : office.file("gone.db");
        IniFile::write(office.state().IniFilePath, named, "ADMIN", {});
        if (r.olderHelpers) {
            Database older;
            older.open(uri);
            older.executeNative("DROP FUNCTION jet_real(text) CASCADE");
        }
        QString shown, edited;
        office.ui().onDialog("LOGINP0", [&](QDialog* e) {
            edited = e->findChild<QLineEdit*>("txtvalue")->text();
            e->findChild<QLineEdit*>("txtvalue")->setText(uri);
            QTest::mouseClick(e->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        });
        office.ui().onDialog("LOGINP", [&](QDialog* d) {
            if (r.label)
                QTest::mouseDClick(d->findChild<QLabel*>("lblDBName"), Qt::LeftButton);
            if (!r.inIni) {
                auto* tree = d->findChild<QTreeWidget*>("TreeView1");
                emit tree->itemClicked(tree->topLevelItem(0)->child(0), 0);  // the DataBase entry
            }
            shown = d->findChild<QLabel*>("lblDBName")->text();
            QTest::keyClicks(d->findChild<QLineEdit*>("txtPassword"), "ADMIN");
            QTest::mouseClick(d->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        });
        startUp.firstActivation();

        EXPECT_EQ(shown, uri);
        EXPECT_EQ(edited, r.label || !r.inIni ? named : QString()) << "the editor starts from the entry";
        EXPECT_TRUE(office.ui().fileRequests.isEmpty()) << "no file chooser for a server";
        EXPECT_EQ(afterLogins, r.answers ? 1 : 0);
        EXPECT_EQ(office.state().CurrentLoginId, r.answers ? "ADMIN" : "");
        if (r.answers) {
            EXPECT_NO_THROW(office.db().execute("select count(*) from car where cast(' ' as real) = 0"));
        }
        EXPECT_EQ(IniFile::read(office.state().IniFilePath).database == uri, r.answers || r.inIni);
        // A missing file named by the ini file is told before the URI is typed.
        EXPECT_EQ(office.ui().messages.size(), r.answers && r.inIni ? 0 : 1);
        EXPECT_TRUE(r.answers || office.ui().lastMessage().contains(uri)) << office.ui().lastMessage().toStdString();
    }
}

// Log-off with the backup ticked on a server database writes a pg_dump file
// of the custom format, owner-only, under the same name as a file's backup,
// and one that gives the office back whole.
TEST(ServerBackup, LogOffWritesAPgDumpFileThatRestores)
{
    ASSERT_FALSE(Database::dumpTool().isEmpty()) << "the server's programs are installed with it";
    TestOffice office(TestOffice::Engine::PostgreSQL, true, true);
    SCRNlogoff screen(office.state(), nullptr);
    screen.show();
    auto* tick = screen.findChild<QCheckBox*>("Check1");
    ASSERT_TRUE(tick->isEnabled());
    tick->setChecked(true);
    const QString target = screen.findChild<QLabel*>("lblbakupfilename")->text();
    QTest::mouseClick(screen.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    EXPECT_EQ(office.ui().quitCode, 0);
    QFile dump(target);
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    EXPECT_EQ(dump.read(5), QByteArray("PGDMP"));
    EXPECT_EQ(dump.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());

    const QString restored = PgCluster::shared().createDatabase();
    const ProgramRun restore = runProgram(QFileInfo(Database::dumpTool()).absolutePath() + "/pg_restore",
                                          {"--no-owner", "--dbname=" + restored, target}, 60000);
    EXPECT_EQ(restore.status, 0) << restore.err.toStdString();
    Database db, original;
    db.open(restored);
    original.open(office.databasePath());
    for (const char* table : {"car", "rent", "operator", "journaldetail"}) {
        const QString sql = QStringLiteral("select count(*) from ") + table;
        EXPECT_EQ(db.execute(sql).value(0, 0), original.execute(sql).value(0, 0)) << table;
    }
    db.close();
    PgCluster::shared().dropDatabase(restored);
}

// From the command line: a demo office with a large picture, a blank text in a
// number column and a table of its own goes from a file to a server and back;
// every table is as it was, and each side's new keys come after the copied
// ones. A target with tables, a source of another schema version and a missing
// argument are refused, and the refused target is left as it was.
TEST(OfficeCopy, ThereAndBackFromTheCommandLineLeavesTheSameOffice)
{
    TestOffice office(TestOffice::Engine::SQLite, true, true);
    const qint64 car = office.db().execute("select min(carid) from car").value(0, 0).toLongLong();
    const qint64 picture = office.db().insert("CARPICTURE", "CARPICTUREID", {{"CARID", car}, {"PICTURESEQUENCE", 9}});
    office.db().writeBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", picture, TestPictures::largePng());
    office.db().executeNative("UPDATE RENT SET CARNO = ' ' WHERE RENTID = (SELECT min(RENTID) FROM RENT)");
    office.db().executeNative("CREATE TABLE tempmessages (MSGID INTEGER PRIMARY KEY AUTOINCREMENT, MESSAGE TEXT, "
                              "AMOUNT REAL, SENT INTEGER)");
    office.db().executeNative("INSERT INTO tempmessages (MESSAGE, AMOUNT, SENT) VALUES ('مرحبا', 12.5, 1), (NULL, NULL, 0)");
    const QString file = office.databasePath(), back = office.file("back.db"), occupied = office.file("occupied.db");
    const QString older = office.file("older.db"), never = office.file("new.db");
    office.db().close();
    for (const auto& [path, sql] : {std::pair{occupied, "CREATE TABLE mine (x INTEGER)"},
                                    {older, "CREATE TABLE _SCHEMAVERSION AS SELECT 1 AS VERSION"}}) {
        Database db;
        db.open(path, true);
        db.executeNative(sql);
    }
    PgCluster& cluster = PgCluster::shared();
    const QString server = cluster.createDatabase(), made = cluster.createDatabase();
    const struct { QStringList args; int status; const char* says; } rows[] = {
        {{"--create-database", made, "--demo"}, 0, "ADMIN"},
        {{"--create-database", made}, 1, "already has tables"},
        {{"--copy-database", file, server}, 0, "CARPICTURE"},
        {{"--copy-database", server, back}, 0, "every table compares equal"},
        {{"--copy-database", file, made}, 1, "already has tables"},
        {{"--copy-database", file, occupied}, 1, "already has tables"},
        {{"--copy-database", older, never}, 1, "schema version 1"},
        {{"--copy-database", file}, 2, "--copy-database needs FROM and TO"},
    };
    for (const auto& r : rows) {
        const ProgramRun run = runProgram(QStringLiteral(IJAR_BINARY), r.args, 300000);
        EXPECT_EQ(run.status, r.status) << r.args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QString::fromUtf8(r.says), Qt::CaseInsensitive))
            << r.args.join(' ').toStdString() << ": " << (run.out + run.err).toStdString();
    }
    // Each copy compared every table with its source (the exit status); here is what it had to carry.
    for (const QString& path : {server, back}) {
        Database db;
        db.open(path);
        EXPECT_EQ(db.execute("select count(*) from tempmessages").value(0, 0).toInt(), 2);
        EXPECT_EQ(db.readBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", picture), TestPictures::largePng());
        const qint64 highest = db.execute("select max(carid) from car").value(0, 0).toLongLong();
        EXPECT_GT(db.insert("car", "carid", {{"name", "new"}}), highest) << path.toStdString();
        EXPECT_EQ(db.execute("select CARNO from RENT where RENTID = (select min(RENTID) from RENT)").value(0, 0).toInt(), 0);
    }
    Database db;
    db.open(occupied);
    EXPECT_EQ(db.tables(), QStringList{"mine"});
    EXPECT_FALSE(QFile::exists(never));
    for (const QString& uri : {server, made})
        cluster.dropDatabase(uri);
}
