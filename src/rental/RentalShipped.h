#pragma once

#include "reports/ReportSetup.h"

#include <QList>

class Database;

// What a new office gets of the rental screens: the definition rows of each screen
// (Metadata<Screen>.cpp) and the documents they print.
namespace ScreenMetadata {
void frmCustomerMessages(Database& db);
void frmCars(Database& db);
void frmCustomers(Database& db);
void frmEmployee(Database& db);
void frmRentCar(Database& db);
void frmReservation(Database& db);
// What an office made before reservations lacks of them: the screen, its
// document and the menu right of whoever may rent.
void reservations(Database& db);
// What an office made before deposits and VAT on the contract lacks of them:
// the contract's fields and its ledger rules.
void contractMoney(Database& db);
// What an office made before the car's fuel and damage on the contract lacks:
// the contract's fields, the fuel and damage income accounts and their rules.
void carCondition(Database& db);
void frmReceipt(Database& db);
// What an office made before receipts lacks of them: the screen, its ledger
// rules, the receipt and statement documents and the menu right of whoever may rent.
void receipts(Database& db);
// What an office made before the customer's ID expiry lacks: its field.
void customerIdExpiry(Database& db);
}

namespace ReportSetup {
// Contract, customer, car and employee documents and the fleet list.
QList<Report> rentalReports();
// The confirmation a customer takes home from a reservation.
Report reservationConfirmation();
// The receipt a customer takes, and his statement for a period.
QList<Report> receiptReports();
// SQL writing a customer's balance without its sign, then the side it stands on.
QString balanceText(const QString& balance, bool english = true);
// What the shipped contract of an office made before the car's condition lacks
// of it: the steps of its fuel, diagram, marks and photos. Its installed
// template shows them once it has their places (a fresh copy of the shipped one has).
void addContractCondition(Database& db);
}
