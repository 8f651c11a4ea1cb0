#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui { class frmCustomerMessages; }

// Named message texts for customers, one record per message, in CUSTOMERMESSAGE.
class frmCustomerMessages : public DataScreen {
    Q_OBJECT
public:
    frmCustomerMessages(RunState& state, QWidget* parent);
    ~frmCustomerMessages() override;

private:
    std::unique_ptr<Ui::frmCustomerMessages> m_ui;
};
