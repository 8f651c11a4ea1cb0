#pragma once

#include <QList>
#include <QPair>
#include <QString>

class Database;

// Makes a new database file: the schema, the office-wide settings, the first
// operator (ADMIN, password ADMIN) with every menu right, and on request a
// small demo office (DemoOffice).
class NewDatabase {
public:
    // Error number when the target file already exists.
    static constexpr int FileExists = 5100;

    // Refuses (AppError) when `path` exists; a failure part-way removes the
    // half-made file, so the path is either a complete database or absent.
    static void create(const QString& path, bool demo);

    // The rows every new database starts with, for a database that already
    // has the schema.
    static void insertDefaults(Database& db);

    // _CONFIG entries of a new database, in insertion order.
    static QList<QPair<QString, QString>> configDefaults();

    static constexpr const char* AdminLogin = "ADMIN";
};
