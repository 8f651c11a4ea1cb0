#include "reports/ReportScreens.h"

#include "core/ScreenRegistry.h"
#include "reports/frmPrint.h"

void registerReportScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("frmPrint"), [](RunState& state, QWidget* parent) { return new frmPrint(state, parent); });
}
