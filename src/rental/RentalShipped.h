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
}

namespace ReportSetup {
// Contract, customer, car and employee documents and the fleet list.
QList<Report> rentalReports();
}
