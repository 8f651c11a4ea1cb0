#pragma once

#include <QString>

class QWidget;
class RunState;

// The keyboard of the menu screens and of the data screens, and the switch
// that locks or frees a whole screen.
namespace KeyRoutines {
// The digit keys (main keyboard, numeric pad, Arabic-Indic digits) click
// command0..command9 of the menu when that button is visible and enabled.
// True when a button was clicked.
bool menuKey(QWidget* menu, int key);

// Esc closes the screen; F7 Print, F8 New, F9 Open, F10 Print list, F11
// Delete and F12 Save click their buttons when enabled. Every key first
// resets the main window's progress bar to 0. True for the keys above.
bool dataScreenKey(RunState& state, QWidget* screen, int key);

// Sets every named control of the screen enabled or disabled.
void enableAll(QWidget* screen, bool enabled);

// The control of the screen with that name, compared without regard to case;
// the first in child order when two match. Every lookup by name comes here.
QWidget* control(const QWidget* screen, const QString& name);
}
