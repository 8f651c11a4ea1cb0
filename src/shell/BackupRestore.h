#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfoList>
#include <QString>

// Puts a backup back in place of the office's database. A backup is checked
// before anything changes: it must be sound and made by this program's
// schema or an older one (the login brings an older one up to date). The
// database it replaces is kept beside it, never overwritten.
class BackupRestore {
    Q_DECLARE_TR_FUNCTIONS(BackupRestore)

public:
    // Error number of a backup that cannot be restored, or of a target that cannot take it.
    static constexpr int Refused = 5300;

    struct Backup {
        bool server = false;  // a pg_dump file of a server office
        int version = 0;      // the schema version it holds
    };

    // What the backup holds; throws AppError (Refused) with the reason when
    // it is damaged, not an office, or made by a newer program. The backup
    // itself is only read.
    static Backup check(const QString& backup);

    // The database file a home folder's office uses: the settings file's, else fdk.db.
    static QString officeDatabase(const QString& home);
    // The log-off backups of a home folder, newest first.
    static QFileInfoList backups(const QString& home);

    // Puts a file backup in place of `database`. The file there is renamed
    // <name>.before-restore-<yyyyMMdd-hhmmss> and that name is given back
    // (empty when there was none). On any refusal nothing changes.
    static QString restoreFile(const QString& backup, const QString& database, const QDateTime& now);
    // Restores a server backup into an empty server database.
    static void restoreServer(const QString& backup, const QString& uri);
    // The name the replaced database keeps.
    static QString keptName(const QString& database, const QDateTime& now);
};
