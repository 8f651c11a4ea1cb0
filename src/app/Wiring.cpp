#include "app/Wiring.h"

#include "shell/base/RunState.h"
#include "shell/base/ScreenRegistry.h"
#include "shell/windows/SCRNlock.h"
#include "shell/windows/SCRNlogoff.h"
#include "shell/windows/dlgAbout.h"

namespace {

template <typename Screen>
ScreenRegistry::Factory make()
{
    return [](RunState& state, QWidget* parent) { return new Screen(state, parent); };
}

}

Wiring::Wiring(RunState& state)
    : m_state(state), m_main(state), m_startUp(state, &Wiring::registerScreens, [this] { afterLogin(); })
{
    m_main.firstActivation = [this] { m_startUp.firstActivation(); };
}

void Wiring::registerScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("SCRNlogoff"), make<SCRNlogoff>());
    screens.add(QStringLiteral("SCRNlock"), make<SCRNlock>());
    screens.add(QStringLiteral("dlgAbout"), make<dlgAbout>());
}

void Wiring::start()
{
    registerScreens(m_state.screens());
    m_startUp.run(&m_main);
}

void Wiring::afterLogin()
{
    m_main.applyConfiguration();
    m_main.enableReminderTimer();
}
