#pragma once

#include <QString>

class QWidget;
class RunState;

// The set-up every screen runs when it loads: placement over the main window,
// first tab, screen name and field-name tool tips, names for screen readers,
// menu rights, combo boxes.
// A failing step is skipped.
namespace ScreenSetup {
void run(RunState& state, QWidget* screen);
// True for the controls that keep no field-name tool tip (the command buttons).
bool isCommandName(const QString& name);
}
