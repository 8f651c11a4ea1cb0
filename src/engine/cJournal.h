#pragma once

#include "core/RowSet.h"

#include <QHash>
#include <QSet>
#include <QString>

class QWidget;
class RunState;

// The change journal: every save records the old and new value of every bound
// field; an entry can be shown again read-only on its screen.
class cJournal {
public:
    explicit cJournal(RunState& state) : m_state(state) {}

    // `changed` names (lower case) the controls the operator changed; without it
    // a field counts as changed when its value differs from the stored one.
    // `stored` is the record as this transaction read it, when it did;
    // `shown` the fields' values to store (lower-case control names) as the
    // save has just taken them from the screen.
    void JournalWindow(const QString& condition, const QString& modification = {},
                       const QString& description = {}, QWidget* screen = nullptr,
                       const QSet<QString>* changed = nullptr, const RowSet* stored = nullptr,
                       const QHash<QString, QString>* shown = nullptr);
    void ViewFromJournal(qint64 journalId, QWidget* parent);

private:
    RunState& m_state;
};
