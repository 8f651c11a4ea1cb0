#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui { class frmReminder; }

// The "Diary": the active reminder rules of type 1 in _Reminder, each with
// its day, frequency, active flag and the message the reminder engine shows.
class frmReminder : public DataScreen {
    Q_OBJECT
public:
    frmReminder(RunState& state, QWidget* parent);
    ~frmReminder() override;

private:
    std::unique_ptr<Ui::frmReminder> m_ui;
};
