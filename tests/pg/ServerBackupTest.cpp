#include "core/Database.h"
#include "shell/SCRNlogoff.h"
#include "support/PgCluster.h"
#include "support/TestOffice.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

// Log-off with the backup ticked on a server database writes a pg_dump file
// of the custom format under the same name as a file's backup, and one that
// gives the office back whole.
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
    EXPECT_TRUE(QRegularExpression("^\\d{8}-\\d{6}$").match(QFileInfo(target).fileName()).hasMatch());
    QTest::mouseClick(screen.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    EXPECT_EQ(office.ui().quitCode, 0);

    QFile dump(target);
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    EXPECT_EQ(dump.read(5), QByteArray("PGDMP"));
    EXPECT_EQ(dump.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());

    const QString restored = PgCluster::shared().createDatabase();
    QProcess restore;
    restore.setProcessChannelMode(QProcess::MergedChannels);
    restore.start(QFileInfo(Database::dumpTool()).absolutePath() + "/pg_restore",
                  {"--no-owner", "--dbname=" + restored, target});
    ASSERT_TRUE(restore.waitForFinished(60000));
    EXPECT_EQ(restore.exitCode(), 0) << restore.readAll().toStdString();
    Database db;
    db.open(restored);
    Database original;
    original.open(office.databasePath());
    for (const char* table : {"car", "rent", "operator", "journaldetail"}) {
        const QString sql = QStringLiteral("select count(*) from ") + table;
        EXPECT_EQ(db.execute(sql).value(0, 0), original.execute(sql).value(0, 0)) << table;
    }
    db.close();
    PgCluster::shared().dropDatabase(restored);
}
