#pragma once

#include "engine/DataScreen.h"

#include <QList>
#include <memory>
#include <utility>

class NumberEdit;
namespace Ui { class frmOptions; }

// The office-wide settings of _CONFIG that the operator may change: the
// message switches, the extra-kilometre charge, the currency words and the suffix
// shown after amounts, and the value-added tax with what its invoices say of
// the office as seller. No
// table is bound: the entries are read each time the screen is activated
// from within the program (not when the operator comes back from another
// application, so that typed values stay) and written by Save. New, Open,
// Delete, Print list and Print mean nothing here, so their buttons stay
// disabled.
class frmOptions : public DataScreen {
    Q_OBJECT
public:
    frmOptions(RunState& state, QWidget* parent);
    ~frmOptions() override;

    void Save() override;
    // A refused VAT entry keeps the screen open with what was typed.
    void Ok() override;

protected:
    void load() override;
    bool event(QEvent* event) override;

private:
    void showEntries();
    void showCurrency();
    // With VAT off its other fields wait, disabled, for it to be turned on.
    void enableVat();
    void showVatNumberCheck();
    // The fleet's car types, each with its charge per missing eighth of fuel.
    void showFuelRates();
    // Every charge is a number of 0 or more; false, with the operator told
    // and the cursor on the cell, when Save is to write nothing.
    bool fuelRatesAccepted();
    void writeFuelRates();
    // What a tax invoice needs of the office; false, with the operator told
    // and the cursor on the field, when Save is to write nothing.
    bool vatAccepted();
    void write();
    // At most one of the two charges is non-zero.
    static void keepOneCharge(const NumberEdit* changed, NumberEdit* other);

    std::unique_ptr<Ui::frmOptions> m_ui;
    // Each car type shown and the field of its charge per eighth.
    QList<std::pair<QString, NumberEdit*>> m_fuelRates;
    // The program lost the keyboard to another application since the last activation.
    bool m_programLeft = false;
};
