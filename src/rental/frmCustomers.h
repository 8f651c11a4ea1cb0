#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui { class frmCustomers; }

// One record per customer in Customer: identity, licence, home and work.
class frmCustomers : public DataScreen {
    Q_OBJECT
public:
    frmCustomers(RunState& state, QWidget* parent);
    ~frmCustomers() override;

    // The screen closes after the question, whatever the answer was.
    void Delete() override;

private:
    std::unique_ptr<Ui::frmCustomers> m_ui;
};
