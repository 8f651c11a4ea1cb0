#pragma once

class Database;

// The ledger a new office starts with: account categories, a small chart of
// accounts and the ledger rules of the voucher screens and the contract.
namespace LedgerSetup {
void insertChart(Database& db);
void insertRules(Database& db);
// An office whose voucher rules are still the first ones the program shipped,
// which posted cheques to cash, gets the rules a new office has; a rule the
// office changed itself stays as it is.
void postChequesToTheBank(Database& db);
// A few manual ledger entries, posted, for the demo office.
void insertDemoEntries(Database& db);
}
