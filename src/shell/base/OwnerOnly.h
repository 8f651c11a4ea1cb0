#pragma once

#include <QFileDevice>
#include <QString>

// The office's files hold its business and its operators' logins: only the
// user who runs the program may read them.
namespace OwnerOnly {

constexpr QFileDevice::Permissions File = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                        | QFileDevice::ReadUser | QFileDevice::WriteUser;
// A record kept as it was written (a report's copy, its PDF).
constexpr QFileDevice::Permissions ReadOnlyCopy = QFileDevice::ReadOwner | QFileDevice::ReadUser;
constexpr QFileDevice::Permissions Folder = File | QFileDevice::ExeOwner | QFileDevice::ExeUser;

// Files and folders this process makes from now on are its owner's only,
// whoever makes them (the database engine, LibreOffice, the lock file).
void restrictProcess();
// Makes the folder and the missing ones above it, each for its owner only.
// False when it cannot be made.
bool makeFolder(const QString& path);
// Takes the group's and others' rights off an existing file, keeping the
// owner's as they are. True when it had any.
bool tighten(const QString& path);

}
