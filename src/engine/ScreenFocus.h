#pragma once

class QWidget;

// Where the clerk types on a screen.
namespace ScreenFocus {
// The first field of SSTab1's first page that takes typing, in reading order; the
// screen's other fields when that page has none. The record number txtID is
// never such a field.
QWidget* firstField(QWidget* screen);
// Puts the cursor into the first field; when the screen is not the active
// window yet, the cursor waits there until it is.
void toFirstField(QWidget* screen);
// Shows the page that holds the field the screen's cursor is in, so that a
// screen active again shows the clerk where he was.
void showPlace(QWidget* screen);
// Tab and Shift+Tab in reading order: the cursor goes to the next (previous)
// control of the screen's layouts, read row by row from the top, a row from
// where a line starts (the right in Arabic), a group of fields whole before
// the next. False when the cursor is in no control of the layouts.
bool moveOn(QWidget* screen, bool next);
// Ctrl+Tab and Ctrl+Shift+Tab anywhere on the screen turn SSTab1's pages and
// leave the cursor on the page's tab; Tab from there enters its first field.
void turnPagesByKeyboard(QWidget* screen);
}
