#include "core/Database.h"

#include "core/AppError.h"
#include "core/OwnerOnly.h"
#include "core/SqliteFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QVersionNumber>

#include <sqlite3.h>

// The database's copies: a SQLite file copied page for page and checked, or a
// server's pg_dump file checked by pg_restore.

namespace {

// The end of a backup's name while it is being written.
const QString UnfinishedSuffix = QStringLiteral(".unfinished");

// The engine's journal beside a file it writes.
QString journalOf(const QString& path)
{
    return path + QStringLiteral("-journal");
}

void removeUnfinished(const QString& path)
{
    QFile::remove(path);
    QFile::remove(journalOf(path));
}

}

QString Database::integrityCheck()
{
    // A server keeps its own pages sound; what it can be asked is whether it answers.
    if (m_dialect == SqlDialect::PostgreSQL) {
        executeNative(QStringLiteral("SELECT 1"));
        return QStringLiteral("ok");
    }
    const RowSet r = executeBound(QStringLiteral("PRAGMA integrity_check"), {});
    QStringList lines;
    for (int i = 0; i < r.count(); ++i)
        lines << r.value(i, 0).toString();
    return lines.join(QLatin1Char('\n'));
}

QString Database::failedCheckName(const QString& targetPath)
{
    return targetPath + QStringLiteral("-failed-check");
}

QString Database::unfinishedName(const QString& targetPath)
{
    return targetPath + UnfinishedSuffix;
}

int Database::removeUnfinishedBackups(const QString& folder)
{
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name : dir.entryList({QStringLiteral("*") + UnfinishedSuffix,
                                              QStringLiteral("*") + journalOf(UnfinishedSuffix)},
                                             QDir::Files | QDir::Hidden))
        removed += QFile::remove(dir.filePath(name)) ? 1 : 0;
    return removed;
}

void Database::finishBackup(const QString& unfinished, const QString& targetPath)
{
    QFile::remove(journalOf(unfinished));
    if (!QFile::rename(unfinished, targetPath)) {
        removeUnfinished(unfinished);
        fail(QStringLiteral("The backup could not be named %1").arg(targetPath), {}, {}, ErrorNumber::BackupFailure);
    }
}

void Database::keepFailedBackup(const QString& unfinished, const QString& targetPath, const QString& verdict)
{
    // The copy is page for page what the database holds: it is the
    // database that is damaged. The copy is all there is; it stays.
    QFile::remove(journalOf(unfinished));
    const QString kept = failedCheckName(targetPath);
    if (!QFile::rename(unfinished, kept))
        fail(QStringLiteral("The backup failed its check (%1) and could not be renamed to %2").arg(verdict, kept), {},
             {}, DamagedDatabase);
    fail(QStringLiteral("The backup failed its check (%1); it is kept as %2").arg(verdict, kept), {}, {},
         DamagedDatabase);
}

QString Database::dumpTool()
{
    // Debian keeps each major version's programs apart; the newest dumps
    // every older server too.
    QString best;
    QVersionNumber bestVersion;
    const QDir root(QStringLiteral("/usr/lib/postgresql"));
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString tool = root.filePath(version + QStringLiteral("/bin/pg_dump"));
        const QVersionNumber v = QVersionNumber::fromString(version);
        if (QFileInfo(tool).isExecutable() && v > bestVersion) {
            bestVersion = v;
            best = tool;
        }
    }
    return best.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("pg_dump")) : best;
}

void Database::dumpTo(const QString& unfinished, const QString& targetPath)
{
    const QString tool = dumpTool();
    if (tool.isEmpty())
        fail(QStringLiteral("pg_dump is not installed (Debian package postgresql-client)"), {}, {},
             ErrorNumber::BackupFailure);
    QProcess dump;
    dump.setProcessChannelMode(QProcess::MergedChannels);
    dump.start(tool, {QStringLiteral("--format=custom"), QStringLiteral("--file=") + unfinished,
                      QStringLiteral("--dbname=") + m_path});
    const bool done = dump.waitForFinished(-1) && dump.exitStatus() == QProcess::NormalExit && dump.exitCode() == 0;
    if (!done) {
        removeUnfinished(unfinished);
        fail(QStringLiteral("pg_dump failed: %1").arg(QString::fromLocal8Bit(dump.readAll()).trimmed()), {}, {},
             ErrorNumber::BackupFailure);
    }
    // The check: pg_restore reads the file's table of contents.
    QProcess list;
    list.setProcessChannelMode(QProcess::MergedChannels);
    list.start(QFileInfo(tool).absolutePath() + QStringLiteral("/pg_restore"), {QStringLiteral("--list"), unfinished});
    if (list.waitForFinished(-1) && list.exitStatus() == QProcess::NormalExit && list.exitCode() == 0)
        finishBackup(unfinished, targetPath);
    else
        keepFailedBackup(unfinished, targetPath, QString::fromLocal8Bit(list.readAll()).trimmed());
}

void Database::backupTo(const QString& targetPath)
{
    sqlite3* source = m_dialect == SqlDialect::SQLite ? sqliteHandle(connection()) : nullptr;
    if (!isOpen() || (m_dialect == SqlDialect::SQLite && !source))
        fail(QStringLiteral("Operation is not allowed when the object is closed."), {}, {}, ErrorNumber::BackupFailure);
    for (const QString& taken : {targetPath, failedCheckName(targetPath)})
        if (QFileInfo::exists(taken))
            fail(QStringLiteral("The backup file %1 exists already").arg(taken), {}, {}, ErrorNumber::BackupFailure);
    // Written under a name of its own and named as asked only once it passed
    // its check: a run killed half-way leaves an unfinished file, never a
    // damaged one under a sound backup's name.
    const QString unfinished = unfinishedName(targetPath);
    removeUnfinished(unfinished);
    {
        // Made here, empty, so that it is never someone else's file and holds
        // the office's data for its owner's eyes only from the first byte.
        QFile file(unfinished);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnly::File))
            fail(QStringLiteral("The backup file %1 cannot be created: %2").arg(unfinished, file.errorString()), {},
                 {}, ErrorNumber::BackupFailure);
    }
    if (m_dialect == SqlDialect::PostgreSQL) {
        dumpTo(unfinished, targetPath);
        return;
    }
    sqlite3* target = nullptr;
    const QByteArray name = unfinished.toUtf8();
    QString problem;
    QString verdict = QStringLiteral("ok");
    if (sqlite3_open_v2(name.constData(), &target, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        problem = QString::fromUtf8(sqlite3_errmsg(target));
    } else {
        sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
        if (!backup) {
            problem = QString::fromUtf8(sqlite3_errmsg(target));
        } else {
            sqlite3_backup_step(backup, -1);
            if (sqlite3_backup_finish(backup) != SQLITE_OK)
                problem = QString::fromUtf8(sqlite3_errmsg(target));
        }
        if (problem.isEmpty()) {
            sqlite3_stmt* check = nullptr;
            if (sqlite3_prepare_v2(target, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK
                && sqlite3_step(check) == SQLITE_ROW)
                verdict = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
            else
                problem = QString::fromUtf8(sqlite3_errmsg(target));
            sqlite3_finalize(check);
        }
    }
    sqlite3_close(target);
    if (!problem.isEmpty()) {
        removeUnfinished(unfinished);
        fail(problem, {}, {}, ErrorNumber::BackupFailure);
    }
    if (verdict != QLatin1String("ok"))
        keepFailedBackup(unfinished, targetPath, verdict);
    finishBackup(unfinished, targetPath);
}
