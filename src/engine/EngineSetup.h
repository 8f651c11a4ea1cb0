#pragma once

class QWidget;
class RunState;

// Hooks the engine into the shell: the screen set-up fills combo boxes, keeps
// date fields unmirrored and open to Arabic-Indic digits, and turns multi-line
// fields to the interface's direction.
void installEngine(RunState& state);

// Gives every money field under `root` the office's currency suffix; the
// screen set-up does this, and whoever changes the suffix calls it again for
// the windows already open.
void showCurrencySuffix(const RunState& state, QWidget* root);

// Turns the Hijri day in the tool tips of the date fields under `root` on or
// off as the office's option stands; likewise run at set-up and after a change.
void showHijriDates(const RunState& state, QWidget* root);
