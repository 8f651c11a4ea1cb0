#pragma once

#include <QString>

class QWidget;
class RunState;

// The change journal: every save records the old and new value of every bound
// field; an entry can be shown again read-only on its screen.
class cJournal {
public:
    explicit cJournal(RunState& state) : m_state(state) {}

    void JournalWindow(const QString& condition, const QString& modification = {},
                       const QString& description = {}, QWidget* screen = nullptr);
    void ViewFromJournal(qint64 journalId, QWidget* parent);

private:
    RunState& m_state;
};
