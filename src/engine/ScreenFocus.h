#pragma once

class QWidget;

// Where the clerk types first on a screen: the first field of SSTab1's first
// page that takes typing, in tab order; the screen's other fields when that
// page has none. The record number txtID is never such a field.
namespace ScreenFocus {
QWidget* firstField(QWidget* screen);
// Puts the cursor into the first field; when the screen is not the active
// window yet, the cursor waits there until it is.
void toFirstField(QWidget* screen);
}
