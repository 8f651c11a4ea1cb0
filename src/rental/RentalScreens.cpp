#include "rental/RentalScreens.h"

#include "rental/frmCustomerMessages.h"
#include "shell/base/ScreenRegistry.h"

void registerRentalScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("frmCustomerMessages"),
                [](RunState& state, QWidget* parent) { return new frmCustomerMessages(state, parent); });
}
