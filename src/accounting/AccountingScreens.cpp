#include "accounting/AccountingScreens.h"

#include "accounting/frmChartOfAccount.h"
#include "accounting/frmGLEntry.h"
#include "shell/base/ScreenRegistry.h"

void registerAccountingScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("frmChartOfAccount"),
                [](RunState& state, QWidget* parent) { return new frmChartOfAccount(state, parent); });
    screens.add(QStringLiteral("frmGLEntry"),
                [](RunState& state, QWidget* parent) { return new frmGLEntry(state, parent); });
}
