#include "shell/BackupRestore.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/IniFile.h"
#include "core/OwnerOnly.h"
#include "core/ServerAddress.h"
#include "schema/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString Source = QStringLiteral("BackupRestore");

[[noreturn]] void refuse(const QString& reason)
{
    throw AppError(BackupRestore::Refused, reason, Source);
}

bool isDump(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == QByteArray("PGDMP");
}

QString restoreTool()
{
    const QString dump = Database::dumpTool();
    return dump.isEmpty() ? QString() : QFileInfo(dump).absolutePath() + QStringLiteral("/pg_restore");
}

QString run(const QString& tool, const QStringList& arguments, bool* ok)
{
    QProcess process;
    process.start(tool, arguments);
    *ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(*ok ? process.readAllStandardOutput() : process.readAllStandardError()).trimmed();
}

void checkVersion(int version, const QString& backup)
{
    if (version <= 0)
        refuse(BackupRestore::tr("%1 is not a backup of an office: it has no schema version.").arg(backup));
    if (version > Schema::CurrentVersion)
        refuse(BackupRestore::tr("%1 was made by a newer program (schema version %2; this one knows up to %3). "
                                 "Restore it with that program.")
                   .arg(backup)
                   .arg(version)
                   .arg(Schema::CurrentVersion));
}

// Opens a copy of a file backup and checks it; the copy is left for the caller.
int inspectCopy(const QString& copy, const QString& backup)
{
    Database db;
    try {
        db.open(copy);
        const QString verdict = db.integrityCheck();
        if (verdict != QLatin1String("ok"))
            refuse(BackupRestore::tr("%1 is damaged: %2").arg(backup, verdict.left(300)));
        const int version = Schema::version(db);
        db.close();
        checkVersion(version, backup);
        return version;
    } catch (const AppError& e) {
        if (e.number() == BackupRestore::Refused)
            throw;
        refuse(BackupRestore::tr("%1 is not a sound office database: %2").arg(backup, e.description()));
    }
}

void copyOwnerOnly(const QString& from, const QString& to)
{
    QFile::remove(to);
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly))
        refuse(BackupRestore::tr("%1 cannot be read: %2").arg(from, source.errorString()));
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnly::File))
        refuse(BackupRestore::tr("%1 cannot be written: %2").arg(to, target.errorString()));
    while (!source.atEnd()) {
        const QByteArray block = source.read(1 << 20);
        if (block.isEmpty() || target.write(block) != block.size()) {
            target.close();
            QFile::remove(to);
            refuse(BackupRestore::tr("%1 could not be copied to %2: %3").arg(from, to, target.errorString()));
        }
    }
    if (!target.flush()) {
        target.close();
        QFile::remove(to);
        refuse(BackupRestore::tr("%1 could not be copied to %2: %3").arg(from, to, target.errorString()));
    }
}

int dumpVersion(const QString& backup)
{
    const QString tool = restoreTool();
    if (tool.isEmpty())
        refuse(BackupRestore::tr("pg_restore is not installed (Debian package postgresql-client)."));
    bool ok = false;
    const QString contents = run(tool, {QStringLiteral("--list"), backup}, &ok);
    if (!ok)
        refuse(BackupRestore::tr("%1 is damaged: %2").arg(backup, contents.left(300)));
    const QRegularExpression table(QStringLiteral("TABLE DATA \\S+ (\\S*schemaversion\\S*) "),
                                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = table.match(contents);
    if (!found.hasMatch())
        return 0;
    const QString data = run(tool, {QStringLiteral("--data-only"), QStringLiteral("--table=") + found.captured(1),
                                    QStringLiteral("--file=-"), backup},
                             &ok);
    // The table's one row, between COPY ... FROM stdin; and the closing "\.".
    const QRegularExpression row(QStringLiteral("FROM stdin;\\n(?:\\d+\\t)?(\\d+)\\s*\\n\\\\\\."));
    const QRegularExpressionMatch version = row.match(data);
    return ok && version.hasMatch() ? version.captured(1).toInt() : 0;
}

}

BackupRestore::Backup BackupRestore::check(const QString& backup)
{
    if (!QFileInfo(backup).isFile())
        refuse(tr("There is no backup file %1.").arg(backup));
    if (isDump(backup)) {
        const int version = dumpVersion(backup);
        checkVersion(version, backup);
        return {true, version};
    }
    QTemporaryDir aside;
    if (!aside.isValid())
        refuse(tr("No folder for checking %1: %2").arg(backup, aside.errorString()));
    const QString copy = aside.filePath(QStringLiteral("check.db"));
    copyOwnerOnly(backup, copy);
    return {false, inspectCopy(copy, backup)};
}

QString BackupRestore::officeDatabase(const QString& home)
{
    const QDir dir(home);
    const QString ini = dir.filePath(QStringLiteral("ijar.ini"));
    if (QFileInfo::exists(ini)) {
        const QString named = IniFile::read(ini).database.trimmed();
        if (!named.isEmpty())
            return named;
    }
    return dir.filePath(QStringLiteral("fdk.db"));
}

QFileInfoList BackupRestore::backups(const QString& home)
{
    QFileInfoList found;
    const QDir folder(QDir(home).filePath(QStringLiteral("db/backup")));
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Time)) {
        const QString name = file.fileName();
        if (!name.endsWith(QLatin1String(".unfinished")) && !name.endsWith(QLatin1String("-journal"))
            && !name.contains(QLatin1String("-failed-check")))
            found << file;
    }
    return found;
}

QString BackupRestore::keptName(const QString& database, const QDateTime& now)
{
    return database + QStringLiteral(".before-restore-") + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
}

QString BackupRestore::restoreFile(const QString& backup, const QString& database, const QDateTime& now)
{
    if (ServerAddress::isServer(database))
        refuse(tr("The office is on a server (%1): name an empty server database to restore into.").arg(database));
    if (!QFileInfo(backup).isFile())
        refuse(tr("There is no backup file %1.").arg(backup));
    if (isDump(backup))
        refuse(tr("%1 is a server office's backup: it goes into an empty server database, not into a file.").arg(backup));
    const QString folder = QFileInfo(database).absolutePath();
    if (!OwnerOnly::makeFolder(folder))
        refuse(tr("The folder %1 does not exist and cannot be created.").arg(folder));
    for (const char* suffix : {"-journal", "-wal"}) {
        if (QFileInfo(database + QString::fromLatin1(suffix)).size() > 0)
            refuse(tr("%1 has changes not yet written (%2): open the program once and log off, then restore.")
                       .arg(database, database + QString::fromLatin1(suffix)));
    }
    // Checked as the very copy that goes in: what is checked is what is restored.
    const QString incoming = database + QStringLiteral(".restoring");
    copyOwnerOnly(backup, incoming);
    try {
        inspectCopy(incoming, backup);
    } catch (...) {
        QFile::remove(incoming);
        throw;
    }
    QString kept;
    if (QFileInfo::exists(database)) {
        kept = keptName(database, now);
        if (QFileInfo::exists(kept) || !QFile::rename(database, kept)) {
            QFile::remove(incoming);
            refuse(tr("%1 could not be kept as %2; nothing was restored.").arg(database, kept));
        }
    }
    if (!QFile::rename(incoming, database)) {
        if (!kept.isEmpty())
            QFile::rename(kept, database);
        QFile::remove(incoming);
        refuse(tr("The backup could not be put in place of %1; the database is as it was.").arg(database));
    }
    return kept;
}

void BackupRestore::restoreServer(const QString& backup, const QString& uri)
{
    if (!ServerAddress::isServer(uri))
        refuse(tr("%1 is not a server database (postgresql://...).").arg(uri));
    if (!check(backup).server)
        refuse(tr("%1 is a file office's backup: restore it into the office's file.").arg(backup));
    {
        Database target;
        target.open(uri);
        if (const QStringList tables = target.tables(); !tables.isEmpty())
            refuse(tr("The database %1 already has tables (%2); a backup goes only into an empty database.")
                       .arg(uri, tables.mid(0, 5).join(QStringLiteral(", "))));
    }
    bool ok = false;
    const QString output = run(restoreTool(),
                               {QStringLiteral("--no-owner"), QStringLiteral("--no-privileges"),
                                QStringLiteral("--single-transaction"), QStringLiteral("--exit-on-error"),
                                QStringLiteral("--dbname=") + uri, backup},
                               &ok);
    if (!ok)
        refuse(tr("pg_restore could not restore %1 into %2; the database is left empty: %3")
                   .arg(backup, uri, output.left(500)));
}
