#pragma once

class Database;

// The definition rows of every screen that comes with a new database. Each
// screen keeps its rows in a file of its own (Metadata<Screen>.cpp).
namespace ScreenMetadata {
void insertAll(Database& db);

void frmOptions(Database& db);
void frmCustomerMessages(Database& db);
void frmCars(Database& db);
void frmCustomers(Database& db);
void frmEmployee(Database& db);
void frmRentCar(Database& db);
void frmReminder(Database& db);
void F1M0(Database& db);
void F1M1(Database& db);
void F2M0(Database& db);
void F2M1(Database& db);
void F2M2(Database& db);
void F3M0O(Database& db);
void frmChartOfAccount(Database& db);
void frmGLEntry(Database& db);
// frmIncomeRent, frmIncomeGeneral, frmExpenseRent and frmExpenseGeneral.
void vouchers(Database& db);
}
