#include "core/OwnerOnly.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

constexpr QFileDevice::Permissions GroupAndOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                  | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                  | QFileDevice::WriteOther | QFileDevice::ExeOther;

}

void OwnerOnly::restrictProcess()
{
    ::umask(S_IRWXG | S_IRWXO);
}

bool OwnerOnly::makeFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(folder).isDir())
        return true;
    if (!makeFolder(QFileInfo(folder).absolutePath()))
        return false;
    return QDir().mkdir(folder, Folder) || QFileInfo(folder).isDir();
}

QFileDevice::Permissions OwnerOnly::mode(const QString& path)
{
    return QFile::permissions(path) & (Folder | GroupAndOthers);
}

bool OwnerOnly::tighten(const QString& path)
{
    const QFileDevice::Permissions now = mode(path);
    if (!(now & GroupAndOthers))
        return false;
    return QFile::setPermissions(path, now & ~GroupAndOthers);
}
