#include "accounting/AccountingScreens.h"

#include "accounting/frmChartOfAccount.h"
#include "accounting/frmGLEntry.h"
#include "accounting/frmVoucher.h"
#include "core/ScreenRegistry.h"

void registerAccountingScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("frmChartOfAccount"),
                [](RunState& state, QWidget* parent) { return new frmChartOfAccount(state, parent); });
    screens.add(QStringLiteral("frmGLEntry"),
                [](RunState& state, QWidget* parent) { return new frmGLEntry(state, parent); });
    for (const frmVoucher::Kind& kind : frmVoucher::kinds())
        screens.add(QLatin1String(kind.screen),
                    [&kind](RunState& state, QWidget* parent) { return new frmVoucher(state, kind, parent); });
}
