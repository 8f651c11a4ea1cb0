#include "shell/base/Database.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/ScreenTag.h"
#include "shell/windows/BackupName.h"
#include "shell/windows/SCRNlogoff.h"
#include "support/TestOffice.h"
#include "FrameDouble.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The log-off screen as the main window shows it.
class Logoff {
public:
    explicit Logoff(TestOffice& office) : screen(office.state(), nullptr) { screen.show(); }

    QCheckBox* check() { return screen.findChild<QCheckBox*>(QStringLiteral("Check1")); }
    QLabel* path() { return screen.findChild<QLabel*>(QStringLiteral("lblbakupfilename")); }
    void ok() { QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton); }
    void tick() { check()->setChecked(true); }

    SCRNlogoff screen;
};

int operatorCount(Database& db)
{
    return db.execute(QStringLiteral("select count(*) as n from OPERATOR")).value(0, QStringLiteral("n")).toInt();
}

int operatorCountIn(const QString& path)
{
    Database copy;
    copy.open(path);
    return operatorCount(copy);
}

QString backupFolder(TestOffice& office)
{
    return office.file(QStringLiteral("db/backup"));
}

}

TEST(SCRNlogoff, WithoutBackupEndsTheRunAndWritesNothing)
{
    TestOffice office;
    FrameDouble frame(QRect(0, 0, 800, 600));
    office.ui().setFrame(&frame);
    Logoff logoff(office);
    EXPECT_FALSE(logoff.check()->isChecked());

    logoff.ok();

    EXPECT_EQ(office.ui().quitCode, 0);
    EXPECT_FALSE(office.db().isOpen());
    EXPECT_EQ(logoff.screen.result(), QDialog::Accepted);
    EXPECT_EQ(ScreenTag::get(frame.frameWidget()), QStringLiteral("Exit"));
    EXPECT_FALSE(QFileInfo::exists(backupFolder(office)));
    office.ui().setFrame(nullptr);
}

TEST(SCRNlogoff, BackupIsACompleteDatabase)
{
    const struct { bool folderExists; } rows[] = {{true}, {false}};
    for (const auto& r : rows) {
        TestOffice office;
        if (r.folderExists) {
            ASSERT_TRUE(QDir().mkpath(backupFolder(office)));
        }
        const int operators = operatorCount(office.db());
        Logoff logoff(office);
        logoff.tick();
        const QString target = logoff.path()->text();
        EXPECT_EQ(QFileInfo(target).absolutePath(), QFileInfo(backupFolder(office)).absoluteFilePath());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8}-\\d{6}$")).match(QFileInfo(target).fileName()).hasMatch())
            << target.toStdString();

        logoff.ok();

        EXPECT_EQ(office.ui().quitCode, 0);
        EXPECT_FALSE(office.db().isOpen());
        ASSERT_TRUE(QFileInfo(target).isFile()) << r.folderExists;
        EXPECT_EQ(operatorCountIn(target), operators);
        EXPECT_TRUE(office.ui().questions.isEmpty());
    }
}

TEST(SCRNlogoff, ExistingFileIsNeverOverwritten)
{
    TestOffice office;
    ASSERT_TRUE(QDir().mkpath(backupFolder(office)));
    Logoff logoff(office);
    logoff.tick();
    const QString target = logoff.path()->text();
    for (const QString& taken : {target, target + QStringLiteral("-2")}) {
        QFile file(taken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("an earlier backup");
    }

    logoff.ok();

    for (const QString& taken : {target, target + QStringLiteral("-2")}) {
        QFile file(taken);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("an earlier backup"));
    }
    EXPECT_GT(operatorCountIn(target + QStringLiteral("-3")), 0);
    EXPECT_EQ(office.ui().quitCode, 0);
}

TEST(SCRNlogoff, FailedBackupAsksWhetherToEnd)
{
    const struct { bool answer; int quitCode; bool stillOpen; } rows[] = {
        {false, -1, true},
        {true, 0, false},
    };
    for (const auto& r : rows) {
        TestOffice office;
        // A file where the backup folder should be: nothing can be written there.
        ASSERT_TRUE(QDir().mkpath(office.file(QStringLiteral("db"))));
        QFile blocker(backupFolder(office));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        office.ui().answers = {r.answer};
        Logoff logoff(office);
        logoff.tick();

        logoff.ok();

        ASSERT_EQ(office.ui().questions.size(), 1) << r.answer;
        EXPECT_TRUE(office.ui().questions[0].text.startsWith(QStringLiteral("تعذر أخذ نسخة احتياطية من قاعدة البيانات: ")));
        EXPECT_TRUE(office.ui().questions[0].text.endsWith(QStringLiteral("\nهل تريد إنهاء البرنامج على أي حال؟")));
        EXPECT_EQ(office.ui().quitCode, r.quitCode);
        EXPECT_EQ(office.db().isOpen(), r.stillOpen);
        EXPECT_EQ(logoff.screen.isVisible(), r.stillOpen);

        QFile log(errorLogPath(office.state()));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QString line = QString::fromUtf8(log.readAll()).trimmed();
        EXPECT_TRUE(line.contains(QStringLiteral(",SCRNlogoff,"))) << line.toStdString();
        EXPECT_TRUE(line.contains(QStringLiteral(",5004,SCRNlogoff.cmdOk_Click - "))) << line.toStdString();
    }
}

TEST(SCRNlogoff, EscapeCancelsEnterConfirms)
{
    const struct { Qt::Key key; int quitCode; int result; } rows[] = {
        {Qt::Key_Escape, -1, QDialog::Rejected},
        {Qt::Key_Return, 0, QDialog::Accepted},
    };
    for (const auto& r : rows) {
        TestOffice office;
        Logoff logoff(office);
        logoff.tick();
        const QString target = logoff.path()->text();

        QTest::keyClick(&logoff.screen, r.key);

        EXPECT_EQ(office.ui().quitCode, r.quitCode);
        EXPECT_EQ(logoff.screen.result(), r.result);
        EXPECT_FALSE(logoff.screen.isVisible());
        EXPECT_EQ(office.db().isOpen(), r.quitCode == -1);
        EXPECT_EQ(QFileInfo::exists(target), r.quitCode == 0);
    }
}

TEST(SCRNlogoff, BackupPathFollowsTheCheckBoxAndTheChooser)
{
    TestOffice office;
    Logoff logoff(office);
    const QString initial = logoff.path()->text();
    EXPECT_FALSE(logoff.path()->isEnabled());
    QTest::mouseDClick(logoff.path(), Qt::LeftButton);
    EXPECT_TRUE(office.ui().fileRequests.isEmpty());

    logoff.tick();
    EXPECT_TRUE(logoff.path()->isEnabled());
    const struct { const char* chosen; const char* shown; } rows[] = {
        {"", nullptr},   // cancelled: nothing changes
        {"/srv/backups/month-end.db", "/srv/backups/month-end"},
        {"/srv/backups/plain", "/srv/backups/plain"},
    };
    QString expected = initial;
    for (const auto& r : rows) {
        const QString before = logoff.path()->text();
        office.ui().files = {QString::fromUtf8(r.chosen)};
        QTest::mouseDClick(logoff.path(), Qt::LeftButton);
        const FileRequest request = office.ui().fileRequests.last();
        EXPECT_EQ(request.title, QStringLiteral("أختر مكان التخزين"));
        EXPECT_TRUE(request.filter.contains(QStringLiteral("*.db")));
        EXPECT_EQ(request.initialPath, before);
        if (r.shown)
            expected = QString::fromUtf8(r.shown);
        EXPECT_EQ(logoff.path()->text(), expected) << r.chosen;
    }

    logoff.check()->setChecked(false);
    EXPECT_FALSE(logoff.path()->isEnabled());
}

TEST(BackupName, ForTime)
{
    const struct { QDateTime time; const char* name; } rows[] = {
        {QDateTime(QDate(2026, 12, 3), QTime(14, 5, 9)), "03122026-140509"},
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)), "01012000-000000"},
        {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), "31121999-235959"},
        {QDateTime(QDate(2024, 7, 9), QTime(9, 8, 7)), "09072024-090807"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(BackupName::forTime(r.time), QString::fromLatin1(r.name));
}

TEST(BackupName, FreePathSkipsTakenNames)
{
    const QDateTime time(QDate(2026, 12, 3), QTime(14, 5, 9));
    const struct { QStringList taken; const char* expected; } rows[] = {
        {{}, "03122026-140509"},
        {{"03122026-140509"}, "03122026-140509-2"},
        {{"03122026-140509", "03122026-140509-2"}, "03122026-140509-3"},
        {{"03122026-140509", "03122026-140509-3"}, "03122026-140509-2"},
        {{"03122026-140510"}, "03122026-140509"},
    };
    for (const auto& r : rows) {
        QTemporaryDir folder;
        for (const QString& name : r.taken) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(BackupName::freePath(folder.path(), time), folder.filePath(QString::fromLatin1(r.expected)))
            << r.expected;
    }
}
