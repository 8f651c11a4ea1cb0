#pragma once

#include <QFileDevice>
#include <QString>

// The office's files hold its business and its operators' logins: only the
// user who runs the program may read them.
namespace OwnerOnly {

// The rights a file's mode gives, as its owner's, group's and others'.
constexpr QFileDevice::Permissions File = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// A record kept as it was written (a report's copy, its PDF).
constexpr QFileDevice::Permissions ReadOnlyCopy = QFileDevice::ReadOwner;
constexpr QFileDevice::Permissions Folder = File | QFileDevice::ExeOwner;

// Files and folders this process makes from now on are its owner's only,
// whoever makes them (the database engine, LibreOffice, the lock file).
void restrictProcess();
// Makes the folder and the missing ones above it, each for its owner only.
// False when it cannot be made.
bool makeFolder(const QString& path);
// The file's mode: its owner's, group's and others' rights, without the
// rights Qt works out for the user running the program.
QFileDevice::Permissions mode(const QString& path);
// Takes the group's and others' rights off an existing file, keeping the
// owner's as they are. True when it had any.
bool tighten(const QString& path);

}
