#include "rental/RentalScreens.h"

#include "core/ScreenRegistry.h"
#include "rental/frmAvailableCars.h"
#include "rental/frmCars.h"
#include "rental/frmCustomerMessages.h"
#include "rental/frmCustomers.h"
#include "rental/frmEmployee.h"
#include "rental/frmPlanningBoard.h"
#include "rental/frmReceipt.h"
#include "rental/frmRentCar.h"
#include "rental/frmReservation.h"

void registerRentalScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("frmCars"), [](RunState& state, QWidget* parent) { return new frmCars(state, parent); });
    screens.add(QStringLiteral("frmAvailableCars"),
                [](RunState& state, QWidget* parent) { return new frmAvailableCars(state, parent); });
    screens.add(QStringLiteral("frmCustomers"),
                [](RunState& state, QWidget* parent) { return new frmCustomers(state, parent); });
    screens.add(QStringLiteral("frmRentCar"),
                [](RunState& state, QWidget* parent) { return new frmRentCar(state, parent); });
    screens.add(QStringLiteral("frmReservation"),
                [](RunState& state, QWidget* parent) { return new frmReservation(state, parent); });
    screens.add(QStringLiteral("frmReceipt"),
                [](RunState& state, QWidget* parent) { return new frmReceipt(state, parent); });
    screens.add(QStringLiteral("frmCustomerMessages"),
                [](RunState& state, QWidget* parent) { return new frmCustomerMessages(state, parent); });
    screens.add(QStringLiteral("frmEmployee"),
                [](RunState& state, QWidget* parent) { return new frmEmployee(state, parent); });
    screens.add(QStringLiteral("frmPlanningBoard"),
                [](RunState& state, QWidget* parent) { return new frmPlanningBoard(state, parent); });
}
