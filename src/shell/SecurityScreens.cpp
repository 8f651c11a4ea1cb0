#include "shell/SecurityScreens.h"

#include "core/ScreenRegistry.h"
#include "shell/F2M0.h"
#include "shell/F2M1.h"
#include "shell/F2M2.h"

void registerSecurityScreens(ScreenRegistry& screens)
{
    // The order the login registers them in.
    screens.add(QStringLiteral("F2M2"), [](RunState& state, QWidget* parent) { return new F2M2(state, parent); });
    screens.add(QStringLiteral("F2M0"), [](RunState& state, QWidget* parent) { return new F2M0(state, parent); });
    screens.add(QStringLiteral("F2M1"), [](RunState& state, QWidget* parent) { return new F2M1(state, parent); });
}
