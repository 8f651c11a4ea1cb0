#include "core/Database.h"
#include "core/IniFile.h"
#include "shell/MAINT.h"
#include "shell/SCRNlogoff.h"
#include "shell/StartUp.h"
#include "support/PgCluster.h"
#include "support/ProgramRun.h"
#include "support/TestOffice.h"

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
