#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui { class frmReminder; }

// The "Diary": the active reminder rules of type 1 in _Reminder, each with
// its day, frequency, active flag, the message the reminder engine shows and
// the query whose rows it reminds of.
class frmReminder : public DataScreen {
    Q_OBJECT
public:
    frmReminder(RunState& state, QWidget* parent);
    ~frmReminder() override;

    // A query other than one select, or one that fails or runs past the
    // reminders' time limit, is refused here, before it is stored.
    void Save() override;

private:
    std::unique_ptr<Ui::frmReminder> m_ui;
};
