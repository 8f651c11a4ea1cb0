#pragma once

#include "reports/ReportSetup.h"

#include <QList>

class Database;

// What a new office gets of the ledger screens: the definition rows of each screen
// (Metadata<Screen>.cpp) and the documents they print.
namespace ScreenMetadata {
void frmChartOfAccount(Database& db);
void frmGLEntry(Database& db);
// frmIncomeRent, frmIncomeGeneral, frmExpenseRent and frmExpenseGeneral.
void vouchers(Database& db);
}

namespace ReportSetup {
// Voucher receipt, ledger entry, journal listing, trial balance, letters.
QList<Report> ledgerReports();
// The simplified tax invoice, printed from the contract and from the receipt.
QList<Report> taxInvoiceReports();
// The tax invoices for an office made before them that prints the shipped contract.
void addTaxInvoiceReports(Database& db);
// The advances deducted and the amount due, for tax invoices an office got before them.
void addAdvanceRows(Database& db);
}
