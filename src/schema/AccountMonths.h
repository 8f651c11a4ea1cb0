#pragma once

class Database;

// What each account's ledger lines add up to in each month, in the table
// ACCOUNTMONTH (ACCOUNTNUMBER, YEARMONTH as yyyymm, DEBIT, CREDIT). The
// engine's own triggers keep it with every line written, changed or deleted,
// in the same transaction, whoever writes the line; so a balance or a month's
// income reads a few rows however old the office is.
class AccountMonths {
public:
    // The table, its triggers and its sums of the lines already there.
    static void create(Database& db);
    // Loading many lines at once: without the triggers while loading, then
    // summed afresh from the lines (rebuild), or with the sums loaded as well.
    static void dropTriggers(Database& db);
    static void createTriggers(Database& db);
    static void rebuild(Database& db);
};
