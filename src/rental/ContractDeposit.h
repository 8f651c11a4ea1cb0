#pragma once

#include <QCoreApplication>
#include <QString>

namespace Ui { class frmRentCar; }
class RunState;
class QWidget;

// The contract's deposit: the ways it may be paid, what is kept of it and
// what goes back, and its own posting. The ledger rules read it from hidden
// fields of the screen, one taken and one refunded for each way of payment.
class ContractDeposit {
    Q_DECLARE_TR_FUNCTIONS(frmRentCar)
public:
    // Fills the list of ways of payment and adds the rules' hidden fields.
    ContractDeposit(RunState& state, QWidget* screen, Ui::frmRentCar& ui);

    // The way the deposit was paid: an index into DepositMethods::All, cash
    // when none is chosen.
    int method() const;
    // At return, the deposit of a contract still out goes back whole until
    // the clerk keeps some of it.
    void proposeRefund();
    // Tells the clerk what is wrong: a deposit below 0, or at the close of a
    // contract a kept and a refunded part that do not make the whole deposit.
    bool isSound(bool closing);
    // Puts `amount` into the rules' field of the deposit's way of payment,
    // taken or refunded, and 0 into those of the other ways.
    void spread(bool refunded, double amount);
    // The deposit taken goes to the ledger in its own journal; a non-empty
    // answer refuses the save.
    QString post(const QString& rent);

private:
    RunState& m_state;
    QWidget* m_screen;
    Ui::frmRentCar& m_ui;
};
