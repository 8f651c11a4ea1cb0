#pragma once

#include "core/RowSet.h"

#include <QString>

class RunState;

// Turns the active reminder rules into queued messages and shows them. The
// main window builds and shows once after login; its button shows again.
class cReminder {
public:
    // Queue rows are inserted this many to a statement, the progress bar
    // moving between batches.
    static constexpr int BatchSize = 500;

    // How long one rule's query may run before it is stopped and skipped.
    static constexpr int DefaultQueryTimeLimitMs = 10000;

    explicit cReminder(RunState& state) : m_state(state) {}

    // Queues one message for a rule dated today and one per row of its query.
    // The queries run first, each within queryTimeLimitMs and outside any
    // transaction; a rule whose query fails or runs over queues nothing and is
    // reported. The queue is then written in one transaction. A hit the queue
    // already holds (same rule, same title) is not queued again; RELEASEDATE
    // records the day it was queued. A queued hit its rule's query no longer
    // finds is dropped; a rule's message of its own day stays.
    bool BuildReminders();
    // Shows the queued messages one by one until the operator asks for no more.
    bool ShowReminders();
    // Lists every queued message in one window, from which they can also be
    // shown one by one.
    bool ShowMessageList();
    bool DeleteQueueMessage(qint64 queueId);

    // Why a rule's query is not run: empty for one plain select, which is all
    // a reminder may run.
    static QString queryRefusal(const QString& sql);
    // Why a rule's query would queue nothing: refused, failing, or running
    // past the time limit; empty when it runs.
    QString queryProblem(const QString& sql);

    // Set by the message window: show no further message this time.
    bool NoMore = false;
    int queryTimeLimitMs = DefaultQueryTimeLimitMs;

private:
    RowSet runQuery(const QString& sql);

    RunState& m_state;
};
