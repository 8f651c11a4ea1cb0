#include "core/HomeFolder.h"

#include "core/AppError.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString HomeFolder::resolve(const QString& commandLineHome)
{
    return resolve(commandLineHome, qEnvironmentVariable("IJAR_HOME"), QCoreApplication::applicationDirPath());
}

QString HomeFolder::resolve(const QString& commandLineHome, const QString& environmentHome,
                            const QString& executableFolder)
{
    QString folder;
    if (!commandLineHome.trimmed().isEmpty())
        folder = commandLineHome.trimmed();
    else if (!environmentHome.trimmed().isEmpty())
        folder = environmentHome.trimmed();
    else if (isPortableInstall(executableFolder))
        folder = executableFolder;
    else
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    if (!OwnerOnly::makeFolder(folder))
        throw AppError(PathNotFound, QStringLiteral("The folder %1 does not exist and cannot be created").arg(folder),
                       QStringLiteral("HomeFolder"));
    return folder;
}

bool HomeFolder::isPortableInstall(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        return false;
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(RunState::programName() + QStringLiteral(".ini")))
        || QFileInfo::exists(dir.filePath(QStringLiteral("fdk.db")));
}
