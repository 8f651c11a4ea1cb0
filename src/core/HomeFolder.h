#pragma once

#include <QString>

// Where the program keeps its ini file, default database, logs and backups.
class HomeFolder {
public:
    // Error number when the folder does not exist and cannot be made.
    static constexpr int PathNotFound = 76;

    // The folder named on the command line (`--home DIR`; empty when not
    // given), else IJAR_HOME, else the executable's folder when it is a
    // portable install, else the per-user data folder. Created when missing;
    // throws AppError when that fails.
    static QString resolve(const QString& commandLineHome);

    // The same choice with every input given, for the start-up and for tests.
    static QString resolve(const QString& commandLineHome, const QString& environmentHome,
                           const QString& executableFolder);

    // A folder that is writable and already holds the ini file or the default
    // database: the program was unpacked there to run from there.
    static bool isPortableInstall(const QString& folder);
};
