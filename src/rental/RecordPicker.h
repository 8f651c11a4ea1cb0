#pragma once

class NumberEdit;
class QPushButton;
class QString;
class QWidget;
class RunState;

// The customer or car screen opened from a contract or a reservation to pick a
// record (F5, F6): it saves and makes nothing, shows the record already chosen,
// and hands the one shown back to the opener on Ok. Its list colours the
// records that would warn for the opener's days (WarningRows).
namespace RecordPicker {
void open(RunState& state, QWidget* opener, const QString& screen, QPushButton* button, const NumberEdit* key);
}
