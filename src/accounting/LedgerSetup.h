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
    FuelIncome = 4400,
    DamageIncome = 4500,
    CarExpenses = 5100,
    Insurance = 5200,
    Maintenance = 5300,
    Fuel = 5400,
    Salaries = 5500,
    GeneralExpenses = 5600,
};
}

// How a contract's deposit is paid (RENT.DEPOSITMETHOD is the index), the
// account its money goes through, and the contract's fields that carry the
// deposit taken and the deposit refunded by that way to the ledger rules.
namespace DepositMethods {
struct Method {
    const char* name;  // on screen, translated in the context "frmRentCar"
    const char* arabic;  // UTF-8, in the rules' names and on documents
    LedgerAccounts::Account account;
    const char* takenField;
    const char* refundedField;
};
inline constexpr Method All[] = {
    {QT_TRANSLATE_NOOP("frmRentCar", "Cash"), "نقدًا", LedgerAccounts::Cash, "txtnDepositCash", "txtnRefundCash"},
    {QT_TRANSLATE_NOOP("frmRentCar", "Card"), "بطاقة", LedgerAccounts::CardClearing, "txtnDepositCard", "txtnRefundCard"},
    {QT_TRANSLATE_NOOP("frmRentCar", "Bank transfer"), "تحويل بنكي", LedgerAccounts::Bank, "txtnDepositTransfer", "txtnRefundTransfer"},
    {QT_TRANSLATE_NOOP("frmRentCar", "Cheque"), "شيك", LedgerAccounts::Bank, "txtnDepositCheque", "txtnRefundCheque"},
};
// The rules of the deposit taken as the car goes out, posted into the
// contract's journal of its own (RENT.DEPOSITJOURNALID).
inline constexpr const char* TakenRules = "frmRentCarDeposit";
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
// The contract's rules of its deposit and VAT, for an office made without
// them; rules it already has stay as they are.
void addContractMoneyRules(Database& db);
// The accounts and rules of the fuel and damage charged at return, for an
// office made without them; what it already has stays as it is.
void addCarConditionLedger(Database& db);
// A few manual ledger entries, posted, for the demo office.
void insertDemoEntries(Database& db);
}
