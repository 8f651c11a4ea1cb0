#include "core/ErrorLog.h"
#include "core/OwnerOnly.h"
#include "core/ScreenTag.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "shell/SCRNlock.h"
#include "shell/SCRNlogoff.h"
#include "support/TestOffice.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

// Moving the lock aside shows nothing: every window of the program is hidden
// while it is up. The password in any case unlocks and brings them back;
// another, Esc and the close box do not.
TEST(SCRNlock, ThePasswordInAnyCaseUnlocksAndNothingShowsUntilThen)
{
    for (const QString typed : {"ADMIN", "admin", "aDmIn", "WRONG", "", "ADMIN ", "ADMI"}) {
        SCOPED_TRACE(typed.toStdString());
        const bool right = typed.toUpper() == "ADMIN";
        TestOffice office;
        office.loginAs("ADMIN");
        MAINT window(office.state());
        window.show();
        window.openMenu(2);
        QDialog other;
        other.show();
        const QList<QWidget*> windows{&window, window.menu(2), &other};
        SCRNlock lock(office.state(), &window);
        lock.show();
        for (QWidget* w : windows)
            EXPECT_FALSE(w->isVisible());
        auto* password = lock.findChild<QLineEdit*>("txtPassword");
        QTest::keyClicks(password, typed);
        QTest::keyClick(password, Qt::Key_Return);
        EXPECT_EQ(lock.result() == QDialog::Accepted, right);
        EXPECT_EQ(office.ui().messages.size(), right ? 0 : 1);
        if (!right) {
            QTest::keyClick(password, Qt::Key_Escape);
            EXPECT_FALSE(lock.close());
            EXPECT_TRUE(lock.isVisible() && !window.isVisible());
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
        QFile log(errorLogPath(office.state()));
        const QByteArray logged = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
        EXPECT_EQ(logged.contains(",5004,SCRNlogoff::backUp - "), r.folder == BlockedByAFile);
        EXPECT_EQ(logged.contains(",5200,SCRNlogoff::backUp - "), r.folder == DamagedDatabase);
    }
}
