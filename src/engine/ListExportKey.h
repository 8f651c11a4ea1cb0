#pragma once

class QAbstractItemView;
class QWidget;
class RunState;

// Every list of a screen exports (ListExport) by Ctrl+E, and by the list's
// own menu (right click) for the mouse: the list that has the focus, else
// the screen's one visible list. A list with a header row also has a button
// at the row's far end, next after the list on Tab.
namespace ListExportKey {
// A step of every screen's set-up; a screen without a list is left alone.
void attach(RunState& state, QWidget* screen);
// The list Ctrl+E exports from `focus`; none when its window has no list or several.
QAbstractItemView* listFor(QWidget* focus);
// The export button of a list; none when its header row is hidden.
QWidget* buttonOf(QAbstractItemView* view);
}
