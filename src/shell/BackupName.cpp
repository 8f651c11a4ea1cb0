#include "shell/BackupName.h"

#include "core/Database.h"

#include <QDir>
#include <QFileInfo>

QString BackupName::forTime(const QDateTime& time)
{
    return time.toString(QStringLiteral("ddMMyyyy-hhmmss"));
}

QString BackupName::freePath(const QString& folder, const QDateTime& time)
{
    return firstFree(QDir(folder).filePath(forTime(time)));
}

static bool isFree(const QString& path)
{
    return !QFileInfo::exists(path) && !QFileInfo::exists(Database::failedCheckName(path));
}

QString BackupName::firstFree(const QString& path)
{
    if (isFree(path))
        return path;
    for (int n = 2;; ++n) {
        const QString candidate = path + QStringLiteral("-%1").arg(n);
        if (isFree(candidate))
            return candidate;
    }
}
