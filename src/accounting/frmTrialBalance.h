#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmTrialBalance;
}
class RunState;

// Every account of the chart with the debits and credits of its lines and its
// balance, and the totals, which agree when every journal balances.
class frmTrialBalance : public QDialog {
    Q_OBJECT
public:
    frmTrialBalance(RunState& state, QWidget* parent);
    ~frmTrialBalance() override;

private:
    void fill();

    RunState& m_state;
    std::unique_ptr<Ui::frmTrialBalance> m_ui;
};
