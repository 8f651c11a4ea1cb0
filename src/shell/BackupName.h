#pragma once

#include <QDateTime>
#include <QString>

// Names of the database backups made at log-off: the moment to the second,
// and never the name of a file that is there already.
class BackupName {
public:
    // "ddMMyyyy-hhmmss", 24-hour clock.
    static QString forTime(const QDateTime& time);
    // The folder's backup path for that moment, made free by firstFree.
    static QString freePath(const QString& folder, const QDateTime& time);
    // The path itself when nothing is there (nor a copy that failed its
    // check under that name), else the path with "-2", "-3"... added.
    static QString firstFree(const QString& path);
};
