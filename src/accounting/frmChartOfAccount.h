#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui {
class frmChartOfAccount;
}

// The accounts journal lines are posted to, each with its number, category
// and what its lines add up to; the trial balance opens from here.
class frmChartOfAccount : public DataScreen {
    Q_OBJECT
public:
    frmChartOfAccount(RunState& state, QWidget* parent);
    ~frmChartOfAccount() override;

    // Proposes the number after the highest one of the chart.
    void New() override;
    void Open() override;
    // An account with lines keeps its number, so its lines stay with it.
    void Save() override;
    // An account with lines is not deleted.
    void Delete() override;
    void ShowTrialBalance();

protected:
    void load() override;
    cWindow::Fields newRecordFields() const override;

private:
    // The number of the account on screen as stored; 0 when there is none.
    qint64 storedNumber();
    qint64 lineCount(qint64 account);
    void showBalance();

    std::unique_ptr<Ui::frmChartOfAccount> m_ui;
    qint64 m_nextNumber = 1;
};
