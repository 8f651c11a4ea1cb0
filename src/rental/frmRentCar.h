#pragma once

#include "accounting/VatSettings.h"
#include "engine/DataScreen.h"

#include <QDate>
#include <memory>

namespace Ui { class frmRentCar; }
class DamageDiagram;
class ContractDeposit;
class ContractMarks;
class NumberEdit;
class QLineEdit;
class QPushButton;

// The rental contract: a car goes out to a customer ("RENTMODE") and comes
// back ("SURRENDMODE"). Field rules ripple from one field to the next, as a
// clerk filling the form expects; the kilometres and the total follow.
class frmRentCar : public DataScreen {
    Q_OBJECT
public:
    frmRentCar(RunState& state, QWidget* parent);
    ~frmRentCar() override;

    void CalculateExtraMiles();
    void CalculateTotalAmount();

    void CustomerDetails();
    void CarDetails();
    // The car's damage dialog, on the marks of this contract: their kind,
    // size, note and photos. Marks not yet stored are saved with the contract first.
    void DamageDetails(DamageDiagram* diagram);

    void New() override;
    void Open() override;
    void Save() override;
    void Delete() override;
    void Ok() override;
    void Print() override;

protected:
    void load() override;
    cWindow::Fields newRecordFields() const override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A contract looked up from the menu has no mode: it saves nothing.
    enum class Mode { Rent, Surrender, LookUp, Other };
    Mode mode() const;
    void applyMode();
    void wireRules();
    void fillDisplayCopies();
    // What follows a contract read: the copies, a return and a refund
    // proposed, the customer's balance.
    void afterRead();
    void refreshBalance();
    void showOwed();
    // What the contract's invoice deducted of the customer's advances.
    void readAdvances();
    // The car's standing marks: as they went out on the exit page; at
    // return, those found since the car left highlighted.
    void showDamage();
    // The marks drawn on the diagram of this mode and not yet stored go onto
    // the car, found on this contract.
    void storeNewMarks(qint64 car, qint64 rent);
    // The day a mark drawn now is found on.
    QDate markDate() const;
    void calculateFuelCharge();
    // Part of the damage charged is proposed to be kept of the deposit.
    void damageChargeChanged();
    void actualReturnDateChanged();
    void actualPeriodChanged();
    // In surrender, a contract whose car is still out and that keeps no
    // return date is proposed back now.
    void proposeReturn();
    void writeInWords(const QLineEdit* amount, QLineEdit* words);
    // The meters and dates of a car coming back; tells the clerk what is wrong.
    bool surrenderIsSound();
    // Saves by mode; true when the rules found the screen valid.
    bool saveContract();
    // The work a save adds in its transaction: the car out or back, the
    // posting. A non-empty answer refuses the save.
    QString carAndPosting(bool surrender, qint64 previousCar);

    std::unique_ptr<Ui::frmRentCar> m_ui;
    std::unique_ptr<ContractMarks> m_marks;
    std::unique_ptr<ContractDeposit> m_deposit;
    VatSettings m_vat;
    // Set while a contract is read (Load, New, Open): it shows as stored, the rules wait.
    bool m_loading = false;
    double m_advancesDeducted = 0;
    // The damage charge as it stood before the clerk's last change.
    double m_damageCharge = 0;
};
