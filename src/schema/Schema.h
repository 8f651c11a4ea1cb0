#pragma once

#include "schema/TableDef.h"

#include <QList>
#include <QString>
#include <functional>

class Database;

// One step of the schema's history: what takes a database from the version
// before it to `version`.
struct SchemaStep {
    int version;
    QString description;
    std::function<void(Database&)> apply;
};

// Rows a step of the history brings that belong to the subsystems above the
// schema (the documents an office ships); the new-office step and the wiring
// hand them in. Without them such a step changes nothing.
struct ShippedRows {
    std::function<void(Database&)> reports;
    std::function<void(Database&)> screens;
    std::function<void(Database&)> ledgerRules;
    std::function<void(Database&)> dueList;
    // What an office made before reservations lacks of them (screen rows, menu rights).
    std::function<void(Database&)> reservations;
    // What an office made before money at the counter lacks of it (accounts, rules, screen rows).
    std::function<void(Database&)> counterMoney;
    // What an office made before the car's condition on the contract lacks of it
    // (accounts, rules, screen rows of fuel and damage).
    std::function<void(Database&)> carCondition;
    // What an office made before advances were deducted on the later invoice lacks.
    std::function<void(Database&)> advances;
};

// The database's tables and their versions. The version is kept in the one-row
// table _SCHEMAVERSION (a table rather than PRAGMA user_version, so that it
// reads the same on every engine). A database without it is version 0: empty.
//
// A new database is built by running every step from version 0, so new and
// upgraded databases cannot drift apart. Version 1 is the first schema; a
// later change adds a step (ALTER TABLE ...) and raises CurrentVersion, and
// leaves the version-1 table lists as they are.
class Schema {
public:
    static constexpr int CurrentVersion = 16;
    static const char* const VersionTable;

    // Builds the current schema in an empty database, all or nothing.
    static void create(Database& db, const ShippedRows& rows = {});
    // The database's schema version; 0 when it has none.
    static int version(Database& db);
    // Brings the database to CurrentVersion, one step per transaction. A failing
    // step is rolled back and thrown; the version stays at the last step that
    // succeeded. A database newer than the program is refused.
    static void upgrade(Database& db, const ShippedRows& rows = {});
    // The same over a given history (tests hand in their own steps).
    static void upgrade(Database& db, const QList<SchemaStep>& steps);

    static QList<SchemaStep> steps(const ShippedRows& rows = {});
    // The tables of the first version, every subsystem's together.
    static QList<TableDef> tables();
    // The name of every table a database of the current version has.
    static QStringList tableNames();
    // Creates the tables with their indexes in the database's dialect.
    static void createTables(Database& db, const QList<TableDef>& tables);
    static void addColumn(Database& db, const QString& table, const ColumnDef& column);
    // The same, unless the table has the column already (a step run again).
    static void addMissingColumn(Database& db, const QString& table, const ColumnDef& column);
    // On a server: creates the translator's SQL helpers that the database
    // lacks, as an office made by an older program does.
    static void refreshHelpers(Database& db);

private:
    static void setVersion(Database& db, int version);
    static void enforceShippedRules(Database& db, const std::function<void(Database&)>& screens);
};
