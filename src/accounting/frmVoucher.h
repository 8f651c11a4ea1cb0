#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui {
class frmVoucher;
}
class cAccounting;
class NumberEdit;

// A cash voucher: a row of JOURNAL whose lines the ledger rule of its screen
// posts on every save. One class serves the four kinds of the accounting
// menu; each instance is named after its kind, which is how the metadata, the
// validation and the ledger rules find it.
class frmVoucher : public DataScreen {
    Q_OBJECT
public:
    struct Kind {
        const char* screen;
        const char* caption;   // also the open dialog's title
        const char* newName;   // caption of the new-record dialog
        bool datedOnNew;       // income is dated when it is made
        const char* carList;
    };
    static const QList<Kind>& kinds();

    frmVoucher(RunState& state, const Kind& kind, QWidget* parent);
    ~frmVoucher() override;

    void New() override;
    void Open() override;
    // The voucher and its lines, together or not at all.
    void Save() override;
    // The voucher and its lines.
    void Delete() override;

protected:
    void load() override;
    cWindow::Fields newRecordFields() const override;

private:
    void fillCars();
    void takePlate(int row);
    // Cash or cheque: a pair of option buttons the engine does not bind.
    void showPayment();
    void storePayment(qint64 journal);
    // The amount as paid in cash and as paid by cheque, for the ledger rules
    // as they post the voucher.
    void splitPayment();
    // False, with a message, for a journal another screen posts.
    bool ownJournal(qint64 journal);
    cAccounting& accounting();

    Kind m_kind;
    std::unique_ptr<Ui::frmVoucher> m_ui;
    NumberEdit* m_paidInCash;
    NumberEdit* m_paidByCheque;
};
