#include "shell/windows/BackupName.h"

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

QString BackupName::firstFree(const QString& path)
{
    if (!QFileInfo::exists(path))
        return path;
    for (int n = 2;; ++n) {
        const QString candidate = path + QStringLiteral("-%1").arg(n);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}
