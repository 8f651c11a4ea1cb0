#pragma once

#include "shell/MAINT.h"
#include "shell/StartUp.h"

class DayPanel;
class RunState;
class ScreenRegistry;

// Puts the run together: the main window, the start-up sequence and every
// screen of every subsystem in the registry.
class Wiring {
public:
    explicit Wiring(RunState& state);
    void start();

    static void registerScreens(ScreenRegistry& screens);

private:
    void afterLogin();

    RunState& m_state;
    MAINT m_main;
    StartUp m_startUp;
    DayPanel* m_day;
};
