#include "core/RunState.h"
#include "shell/SCRNlogoff.h"
#include "support/TestOffice.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
