#pragma once

#include <QString>
#include <Qt>
#include <string>

class QDialog;
class QWidget;

// The keyboard as a clerk uses it: every key goes to whatever widget has the cursor.
namespace Clerk {

// The control the cursor is in; a part Qt builds inside a control counts as the control.
std::string focused();

// One key to wherever the cursor is; no window with the keyboard fails the test.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Typed key by key wherever the cursor is, as it moves; Arabic letters too.
void type(const QString& text);

// Tab (or Shift+Tab) until the cursor is in `name`; false when it never gets there.
bool tabTo(const std::string& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Shows the window and waits until it has the keyboard.
bool showActive(QWidget* window);

// In an open dialog's list: Down to the row whose cells hold `text`, then Enter.
// False when no row holds it.
bool pickRow(QDialog* dialog, const QString& text);

}
