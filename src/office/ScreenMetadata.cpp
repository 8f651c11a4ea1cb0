#include "office/ScreenMetadata.h"

#include "accounting/AccountingShipped.h"
#include "journal/JournalShipped.h"
#include "reminders/ReminderShipped.h"
#include "rental/RentalShipped.h"
#include "shell/ShellShipped.h"

namespace ScreenMetadata {

void insertAll(Database& db)
{
    frmOptions(db);
    frmCustomerMessages(db);
    frmCars(db);
    frmCustomers(db);
    frmEmployee(db);
    frmRentCar(db);
    frmReservation(db);
    frmReceipt(db);
    frmReminder(db);
    F1M0(db);
    F1M1(db);
    F2M0(db);
    F2M1(db);
    F2M2(db);
    F3M0O(db);
    frmChartOfAccount(db);
    frmGLEntry(db);
    vouchers(db);
}

}
