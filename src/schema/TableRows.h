#pragma once

#include <QtGlobal>

class Database;
class QString;

// How many rows the tables that grow for ever hold (contracts, customers,
// reservations), in the table TABLEROWS (TABLENAME in lower case, ROWCOUNT),
// kept by the engine's own triggers in the same transaction as each insert
// and delete. A whole list of such a table is counted without reading it.
class TableRows {
public:
    static void create(Database& db);
    // Loading many rows at once: without the triggers, then counted afresh.
    static void dropTriggers(Database& db);
    static void createTriggers(Database& db);
    static void rebuild(Database& db);
    // The table's kept count; -1 for a table not kept. Throws AppError as the database does.
    static qint64 count(Database& db, const QString& table);
};
