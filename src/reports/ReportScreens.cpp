#include "reports/ReportScreens.h"

#include "reports/frmPrint.h"
#include "shell/base/ScreenRegistry.h"

void registerReportScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("frmPrint"), [](RunState& state, QWidget* parent) { return new frmPrint(state, parent); });
}
