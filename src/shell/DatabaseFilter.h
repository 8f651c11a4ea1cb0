#pragma once

#include <QCoreApplication>
#include <QString>

// What the database choosers of the login screens offer.
namespace DatabaseFilter {
inline QString filter()
{
    return QCoreApplication::translate("DatabaseFilter", "SQLite Database (*.db);;All files (*)");
}
inline QString suffix() { return QStringLiteral("db"); }
}
