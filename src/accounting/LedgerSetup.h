#pragma once

#include <QtGlobal>

class Database;

// The ledger a new office starts with: account categories, a small chart of
// accounts and the ledger rules of the voucher screens and the contract.
// Account numbers of the shipped chart that the rules and the demo post to.
namespace LedgerAccounts {
enum Account : qint64 {
    Cash = 1100,
    CardClearing = 1150,
    Bank = 1200,
    Customers = 1300,
    DepositsHeld = 2100,
    VatPayable = 2200,
    RentIncome = 4100,
    ExtraKilometreIncome = 4200,
    OtherIncome = 4300,
    CarExpenses = 5100,
    Insurance = 5200,
    Maintenance = 5300,
    Fuel = 5400,
    Salaries = 5500,
    GeneralExpenses = 5600,
};
}

namespace LedgerSetup {
void insertChart(Database& db);
void insertRules(Database& db);
// The accounts of deposits, card payments and VAT, for an office made without them.
void addCounterAccounts(Database& db);
// An office whose voucher rules are still the first ones the program shipped,
// which posted cheques to cash, gets the rules a new office has; a rule the
// office changed itself stays as it is.
void postChequesToTheBank(Database& db);
// A few manual ledger entries, posted, for the demo office.
void insertDemoEntries(Database& db);
}
