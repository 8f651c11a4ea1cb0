#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui { class frmReceipt; }
class cAccounting;
class NumberEdit;

// Money received from a customer, or paid back to him (a refund), by cash,
// card, bank transfer or cheque, optionally against one of his contracts.
// Each save posts its journal by the ledger rules of the screen in the same
// transaction; with VAT on, a payment on account also posts the VAT within it
// and gets its tax invoice, and a refund of one takes that VAT back.
class frmReceipt : public DataScreen {
    Q_OBJECT
public:
    frmReceipt(RunState& state, QWidget* parent);
    ~frmReceipt() override;

    void New() override;
    void Open() override;
    void Save() override;
    // The receipt and its journal together; one with a tax invoice stays.
    void Delete() override;
    void Ok() override;
    void Print() override;

    // F5: the customer picked on his card.
    void pickCustomer();
    // F6: one of his contracts.
    void pickContract();

protected:
    void load() override;
    cWindow::Fields newRecordFields() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool saveReceipt();
    // What keeps the receipt from being saved, for the clerk; empty when nothing.
    QString problem();
    // The journal's lines by the rules, then its day and name; the invoice.
    bool post(qint64 receipt);
    void issueInvoice(qint64 receipt);
    // The amount into the one hidden field of its method and direction.
    void splitAmount();
    // The VAT within a payment on account or a refund of one; 0 against a
    // contract, which is taxed on the contract's invoice, and with VAT off.
    double advanceVat();
    // The customer typed by number: his name, or none for a number nobody has.
    void takeCustomer();
    // The method stored, in the list that names it.
    void showMethod();
    // His balance and the contract chosen, as stored now.
    void showCustomer();
    qint64 journal();
    int decimals();
    cAccounting& accounting();

    std::unique_ptr<Ui::frmReceipt> m_ui;
    QList<NumberEdit*> m_amounts;
};
