#include "engine/EngineSetup.h"

#include "engine/cWindow.h"
#include "shell/base/RunState.h"

void installEngine(RunState& state)
{
    state.screenSetupSteps.push_back([&state](QWidget* w) { state.service<cWindow>().FillComboBoxes(w); });
}
