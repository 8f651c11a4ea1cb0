#pragma once

class Database;

// The ledger rules of the receipt screen (frmReceipt): money received from a
// customer goes into the account of its method against the customers'
// account; money paid back to him, the other way. The screen gives the
// amount in one hidden field per method and direction; the others are 0.
// With VAT on, a payment on account owes the VAT within it to the tax office
// (the customer is credited with the net), and a refund of such a payment
// takes back the VAT within the refund.
namespace ReceiptRules {
// The fields the rules read the amounts from.
constexpr const char* CashIn = "txtnCashIn";
constexpr const char* CardIn = "txtnCardIn";
constexpr const char* BankIn = "txtnBankIn";
constexpr const char* CashOut = "txtnCashOut";
constexpr const char* CardOut = "txtnCardOut";
constexpr const char* BankOut = "txtnBankOut";
constexpr const char* VatIn = "txtnVatIn";
constexpr const char* VatOut = "txtnVatOut";

void insert(Database& db);
// An office made before a rule of frmReceipt was shipped gets it; the rules
// it has stay as they are.
void addWhenMissing(Database& db);
}
