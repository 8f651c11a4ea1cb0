#pragma once

#include "schema/Schema.h"

#include <QList>
#include <QPair>
#include <QString>

class Database;

// Makes a new database file: the schema, the office-wide settings, the first
// operator (ADMIN, password ADMIN) with every menu right, and on request a
// small demo office (DemoOffice), in Saudi riyals with VAT when `vat` is set.
class NewDatabase {
public:
    // Error number when the target file already exists.
    static constexpr int FileExists = 5100;

    // Error number when the target server database already has tables.
    static constexpr int HasTables = 5101;

    // Makes the file's folder when it has none yet (owner-only). Refuses
    // (AppError) when `path` exists; a failure part-way removes the
    // half-made file, so the path is either a complete database or absent.
    // A postgresql:// URI names an existing, empty server database instead:
    // one with tables is refused, and a failure part-way leaves it empty.
    static void create(const QString& path, bool demo, bool vat = false);

    // Everything of a new office into the open, empty database, in one transaction.
    static void fill(Database& db, bool demo, bool vat = false);

    // What the schema's history brings of the subsystems' rows, and the history
    // a login upgrades an office by.
    static ShippedRows shippedRows();
    static QList<SchemaStep> history();

    // The rows every new database starts with, for a database that already
    // has the schema.
    static void insertDefaults(Database& db);

    // _CONFIG entries of a new database, in insertion order.
    static QList<QPair<QString, QString>> configDefaults();

    static constexpr const char* AdminLogin = "ADMIN";

private:
    static void createOnServer(const QString& uri, bool demo, bool vat);
};
