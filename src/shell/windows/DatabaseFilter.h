#pragma once

#include <QString>

// What the database choosers of the login screens offer.
namespace DatabaseFilter {
inline QString filter() { return QStringLiteral("SQLite Database (*.db);;All files (*)"); }
inline QString suffix() { return QStringLiteral("db"); }
}
