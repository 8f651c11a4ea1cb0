#include "rental/frmRentCar.h"
#include "ui_frmRentCar.h"

#include "accounting/AdvanceDeduction.h"
#include "accounting/LedgerSetup.h"
#include "accounting/cAccounting.h"
#include "core/AppError.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/RunState.h"
#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "core/cUI.h"
#include "core/tafqeet.h"
#include "engine/ControlAccess.h"
#include "engine/DateEdit.h"
#include "engine/FuelGauge.h"
#include "engine/GridCombo.h"
#include "engine/NumberEdit.h"
#include "engine/cValidation.h"
#include "rental/RecordPicker.h"
#include "rental/CarBooking.h"
#include "rental/ContractCondition.h"
#include "rental/ContractDeposit.h"
#include "rental/ContractMarks.h"
#include "rental/CustomerBalance.h"
#include "rental/DamageDiagram.h"
#include "rental/RentOutChecks.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Kilometres a day of rent includes.
constexpr int PermittedPerDay = 100;
// A money field shows, and so keeps, two decimals: the VAT is rounded to them.
constexpr int MoneyDecimals = 2;

DataScreen::Definition rentDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("RENTID");
    d.table = QStringLiteral("RENT");
    d.condition = QStringLiteral("WHERE RETURNED = 0 ");
    d.openCaption = QCoreApplication::translate("frmRentCar", "Rent Contracts");
    d.openSearch.alsoSearched = {QStringLiteral("TEL1"), QStringLiteral("MOB"), QStringLiteral("IDNUMBER"),
                                 QStringLiteral("LICENSENO")};
    d.newCaption = QCoreApplication::translate("frmRentCar", "New Contract ");
    d.nameField = QStringLiteral("name");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

double number(const QLineEdit* field)
{
    return Configuration::toDouble(field->text());
}

// Whole numbers stay whole; money fields show their two decimals themselves.
void setNumber(NumberEdit* field, double value)
{
    field->setText(value == double(qint64(value)) ? QString::number(qint64(value)) : QString::number(value, 'f', 6));
}

double cents(double value)
{
    return std::round(value * 100) / 100;
}

}

frmRentCar::frmRentCar(RunState& state, QWidget* parent)
    : DataScreen(state, rentDefinition(), parent), m_ui(std::make_unique<Ui::frmRentCar>())
{
    m_ui->setupUi(this);
    m_deposit = std::make_unique<ContractDeposit>(state, this, *m_ui);
    connect(m_ui->cmdCustomerDetails, &QPushButton::clicked, this, &frmRentCar::CustomerDetails);
    connect(m_ui->cmdCarDetails, &QPushButton::clicked, this, &frmRentCar::CarDetails);
    m_marks = std::make_unique<ContractMarks>(state, this, m_ui->dgmDamageOut, m_ui->dgmDamageIn);
    m_ui->dfnFuelOut->setAccessibleName(tr("fuel out"));
    m_ui->dfnFuelIn->setAccessibleName(tr("fuel in"));
    for (const auto& [diagram, details] : {std::pair{m_ui->dgmDamageOut, m_ui->cmdDamageOut},
                                           std::pair{m_ui->dgmDamageIn, m_ui->cmdDamageIn}}) {
        diagram->setAccessibleName(tr("damage diagram"));
        diagram->setToolTip(tr("Tab: next view; arrows: move the cross; 1-4: kind; Enter or a click: mark the spot; "
                               "Delete: take back a new mark"));
        connect(details, &QPushButton::clicked, this, [this, diagram] { DamageDetails(diagram); });
        connect(diagram, &DamageDiagram::removeAsked, this,
                [this, diagram](int index) { run(ERROR_SOURCE, [&] { m_marks->remove(diagram, index); }); });
    }
    wireRules();
    connectCommands();
}

frmRentCar::~frmRentCar() = default;

frmRentCar::Mode frmRentCar::mode() const
{
    const QString tag = ScreenTag::get(this);
    if (tag == QLatin1String("RENTMODE"))
        return Mode::Rent;
    if (tag == QLatin1String("SURRENDMODE"))
        return Mode::Surrender;
    return tag.isEmpty() ? Mode::LookUp : Mode::Other;
}

cWindow::Fields frmRentCar::newRecordFields() const
{
    // A contract is made as the car goes out: today, this minute.
    return {{QStringLiteral("EXITDATE"), StoredDate::number(QDate::currentDate())},
            {QStringLiteral("EXITTIME"), QTime::currentTime().toString(QStringLiteral("hhmm00"))}};
}

void frmRentCar::load()
{
    run(ERROR_SOURCE, [this] { m_vat = VatSettings::read(state().db()); });
    applyMode();
    {
        QScopedValueRollback loading(m_loading, true);
        DataScreen::load();
    }
    afterRead();
}

void frmRentCar::afterRead()
{
    // A contract made before deposits, or with none chosen, shows cash.
    if (m_ui->dfgDepositMethod->currentIndex() < 0)
        m_ui->dfgDepositMethod->setCurrentIndex(0);
    fillDisplayCopies();
    run(ERROR_SOURCE, [this] {
        proposeReturn();
        if (mode() == Mode::Surrender)
            m_deposit->proposeRefund();
        refreshBalance();
        showDamage();
        readAdvances();
    });
    showOwed();
}

void frmRentCar::refreshBalance()
{
    const QString customer = m_ui->dfnCustomerid->text().trimmed();
    if (!SqlValue::isNumber(customer)) {
        m_ui->txtnCustomerBalance->clear();
        return;
    }
    setNumber(m_ui->txtnCustomerBalance, CustomerBalance::of(state().db(), customer.toLongLong()));
}

void frmRentCar::showOwed()
{
    setNumber(m_ui->txtnOwedAfterDeposit,
              cents(number(m_ui->dfnRemainder) - number(m_ui->dfnDepositKept) - m_advancesDeducted));
}

void frmRentCar::readAdvances()
{
    const QString rent = idText();
    m_advancesDeducted = 0;
    if (!SqlValue::isNumber(rent))
        return;
    const RowSet invoice = state().db().execute(QStringLiteral("select ADVANCENET + ADVANCEVAT from TAXINVOICE where SOURCE = '")
                                                + QLatin1String(TaxInvoice::Contract) + QStringLiteral("' and SOURCEID = ") + rent);
    if (!invoice.isEmpty())
        m_advancesDeducted = invoice.value(0, 0).toDouble();
}

bool frmRentCar::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        applyMode();
    return DataScreen::event(event);
}

void frmRentCar::applyMode()
{
    const bool surrender = mode() == Mode::Surrender;
    setWindowTitle(surrender ? tr("Surrend Car") : tr("Rent Car"));
    m_ui->lblScreenName->setText(windowTitle());
    m_ui->SSTab1->setTabEnabled(1, mode() != Mode::Rent);
    for (QWidget* vat : {static_cast<QWidget*>(m_ui->lbldfnVatRate), static_cast<QWidget*>(m_ui->dfnVatRate),
                         static_cast<QWidget*>(m_ui->lbldfnVatAmount), static_cast<QWidget*>(m_ui->dfnVatAmount),
                         static_cast<QWidget*>(m_ui->lbldfnGrossTotal), static_cast<QWidget*>(m_ui->dfnGrossTotal)})
        vat->setVisible(m_vat.on);
    // Marks drawn where nothing is saved would be lost: each page takes them in its own mode.
    m_ui->FrameConditionOut->setEnabled(mode() == Mode::Rent);
    m_ui->FrameConditionIn->setEnabled(surrender);
    if (!surrender)
        return;
    for (QWidget* group : {static_cast<QWidget*>(m_ui->FrameNotes), static_cast<QWidget*>(m_ui->FrameTelephones),
                           static_cast<QWidget*>(m_ui->FrameRent), static_cast<QWidget*>(m_ui->FrameRentor)})
        group->setEnabled(false);
    m_ui->dfnMETER->setReadOnly(true);
    m_ui->cmdNew->setEnabled(false);
    // The car of a contract coming back is the one that went out.
    m_ui->cmdCarDetails->setEnabled(false);
    fillDisplayCopies();
}

void frmRentCar::fillDisplayCopies()
{
    if (mode() != Mode::Surrender)
        return;
    m_ui->txtnFair->setText(m_ui->dfnDailyRent->text());
    m_ui->txtnInsurance->setText(m_ui->dfnInsurance->text());
    m_ui->txtdExitDate->setDate(m_ui->dfdExitDate->date());
    m_ui->txttExitTime->setTime(m_ui->dftExitTime->time());
    m_ui->txtnRentPeriod->setText(m_ui->dfnRentPeriod->text());
    m_ui->txtnExitMeter->setText(m_ui->dfnMETER->text());
    m_ui->txtnDeposit->setText(m_ui->dfnDeposit->text());
    m_ui->txtsDepositMethod->setText(tr(DepositMethods::All[m_deposit->method()].name));
}

void frmRentCar::wireRules()
{
    Ui::frmRentCar& u = *m_ui;
    // In surrender the copies follow their fields, so a return is computed
    // from the contract's own exit meter and daily rent.
    for (NumberEdit* source : {u.dfnDailyRent, u.dfnInsurance, u.dfnRentPeriod, u.dfnMETER, u.dfnDeposit})
        connect(source, &QLineEdit::textChanged, this, [this] { fillDisplayCopies(); });
    connect(u.dfgDepositMethod, &QComboBox::currentIndexChanged, this, [this] { fillDisplayCopies(); });
    connect(u.dfdExitDate, &QDateEdit::dateChanged, this, [this] { fillDisplayCopies(); });
    connect(u.dftExitTime, &QTimeEdit::timeChanged, this, [this] { fillDisplayCopies(); });

    // A contract being read shows as it is stored: the rules wait for the clerk.
    connect(u.dfnRentPeriod, &QLineEdit::textChanged, this, [this] {
        if (!m_loading && !m_ui->dfdExitDate->isEmpty())
            m_ui->dfdReturnDate->setDate(m_ui->dfdExitDate->date().addDays(qint64(number(m_ui->dfnRentPeriod))));
    });
    connect(u.dfdReturnDate, &QDateEdit::dateChanged, this, [this] {
        if (m_loading || m_ui->dfdExitDate->isEmpty() || m_ui->dfdReturnDate->isEmpty())
            return;
        setNumber(m_ui->dfnRentPeriod, double(m_ui->dfdExitDate->date().daysTo(m_ui->dfdReturnDate->date())));
        // The return side is filled when the car comes back, not while it goes out.
        if (mode() != Mode::Surrender)
            return;
        m_ui->dfdActualReturnDate->setDate(m_ui->dfdReturnDate->date());
        setNumber(m_ui->dfnReturnMeter, number(m_ui->dfnRentPeriod) * PermittedPerDay + number(m_ui->dfnMETER));
    });
    connect(u.dfdActualReturnDate, &QDateEdit::dateChanged, this, &frmRentCar::actualReturnDateChanged);
    connect(u.dfnActualPeriod, &QLineEdit::textChanged, this, &frmRentCar::actualPeriodChanged);
    for (NumberEdit* field : {u.dfnReturnMeter, u.dfnRequiredAmount})
        connect(field, &QLineEdit::textChanged, this, &frmRentCar::CalculateExtraMiles);
    for (NumberEdit* field : {u.dfnRequiredKilometersDiff, u.dfnOtherAmounts})
        connect(field, &QLineEdit::textChanged, this, &frmRentCar::CalculateTotalAmount);
    connect(u.dfnPaid, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            setNumber(m_ui->dfnRemainder,
                      cents(number(m_ui->dfnTotal) + number(m_ui->dfnVatAmount) - number(m_ui->dfnPaid)));
    });
    // What is kept of the deposit pays part of what the customer owes; the rest goes back.
    connect(u.dfnDepositKept, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            setNumber(m_ui->dfnDepositRefunded, cents(number(m_ui->dfnDeposit) - number(m_ui->dfnDepositKept)));
        showOwed();
    });
    connect(u.dfnRemainder, &QLineEdit::textChanged, this, &frmRentCar::showOwed);
    for (FuelGauge* gauge : {u.dfnFuelOut, u.dfnFuelIn})
        connect(gauge, &FuelGauge::valueChanged, this, [this] { run(ERROR_SOURCE, [this] { calculateFuelCharge(); }); });
    connect(u.dfnFuelCharge, &QLineEdit::textChanged, this, &frmRentCar::CalculateTotalAmount);
    connect(u.dfnDamageCharge, &QLineEdit::textChanged, this, &frmRentCar::damageChargeChanged);
    // Another car goes out with its own marks; those drawn on the first are dropped.
    connect(u.dfnCarNo, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            run(ERROR_SOURCE, [this] { showDamage(); });
    });
    connect(u.dfnCustomerid, &QLineEdit::textChanged, this, [this] { run(ERROR_SOURCE, [this] { refreshBalance(); }); });
    connect(u.dffOpenMeter, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked && !m_loading)
            setNumber(m_ui->dfnRequiredKilometersDiff, 0);
    });
    connect(u.dfnDailyRent, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            writeInWords(m_ui->dfnDailyRent, m_ui->dfsDailyRentText);
    });
    connect(u.dfnInsurance, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            writeInWords(m_ui->dfnInsurance, m_ui->dfsInsuranceText);
    });
}

void frmRentCar::writeInWords(const QLineEdit* amount, QLineEdit* words)
{
    try {
        words->setText(tafqeet::AmountInWords(number(amount), 1, state().config));
    } catch (const AppError&) {
        // An amount the words cannot hold leaves them empty rather than wrong.
        words->clear();
    }
}

void frmRentCar::actualReturnDateChanged()
{
    if (m_loading || mode() == Mode::Rent || m_ui->dfdExitDate->isEmpty() || m_ui->dfdActualReturnDate->isEmpty())
        return;
    const qint64 days = m_ui->dfdExitDate->date().daysTo(m_ui->dfdActualReturnDate->date());
    setNumber(m_ui->dfnActualPeriod, double(days));
    if (number(m_ui->dfnReturnMeter) == 0)
        setNumber(m_ui->dfnReturnMeter, double(days * PermittedPerDay) + number(m_ui->dfnMETER));
    if (number(m_ui->dfnPermitted) == 0)
        setNumber(m_ui->dfnPermitted, double(days * PermittedPerDay));
    CalculateExtraMiles();
}

void frmRentCar::actualPeriodChanged()
{
    if (m_loading || mode() == Mode::Rent)
        return;
    const double days = number(m_ui->dfnActualPeriod);
    if (!m_ui->dfdExitDate->isEmpty())
        m_ui->dfdActualReturnDate->setDate(m_ui->dfdExitDate->date().addDays(qint64(days)));
    setNumber(m_ui->dfnRequiredAmount, days * number(m_ui->txtnFair));
    setNumber(m_ui->dfnPermitted, days * PermittedPerDay);
    CalculateExtraMiles();
}

void frmRentCar::proposeReturn()
{
    const QString car = m_ui->dfnCarNo->text().trimmed();
    if (mode() != Mode::Surrender || idText().isEmpty() || !SqlValue::isNumber(car)
        || !m_ui->dfdActualReturnDate->isEmpty())
        return;
    // A car still out on this contract, with no return date kept yet, is
    // coming back now: today, this minute, and the days and rent that makes,
    // until the clerk types the meter; its tank as full as it left, until
    // the clerk reads the gauge.
    const RowSet out = state().db().execute(QStringLiteral("select rented from car where carid = ") + SqlValue::number(car));
    if (out.isEmpty() || out.value(0, 0).toInt() == 0)
        return;
    m_ui->dftActualReturnTime->setTime(QTime(QTime::currentTime().hour(), QTime::currentTime().minute()));
    m_ui->dfdActualReturnDate->setDate(QDate::currentDate());
    actualReturnDateChanged();
    actualPeriodChanged();
    m_ui->dfnFuelIn->setValue(m_ui->dfnFuelOut->value());
}

void frmRentCar::CalculateExtraMiles()
{
    if (m_loading)
        return;
    // A field that holds no number reads as 0, as a clerk half-way through a form expects.
    Ui::frmRentCar& u = *m_ui;
    setNumber(u.dfnPermitted, number(u.dfnActualPeriod) * PermittedPerDay);
    setNumber(u.dfnMeterDifference,
              std::abs(number(u.dfnReturnMeter) - number(u.txtnExitMeter) - number(u.dfnPermitted)));
    if (!u.dffOpenMeter->isChecked()) {
        try {
            Configuration store(state().db());
            double rate = Configuration::toDouble(store.GetConfig(QStringLiteral("EXTRAMILESFLAT")));
            if (rate == 0)
                rate = Configuration::toDouble(store.GetConfig(QStringLiteral("EXTRAMILESPERCENT")))
                     * number(u.dfnDailyRent);
            setNumber(u.dfnRequiredKilometersDiff, number(u.dfnMeterDifference) * rate);
        } catch (const AppError&) {
            // The charge keeps its value until the configuration can be read.
        }
    }
    CalculateTotalAmount();
}

void frmRentCar::CalculateTotalAmount()
{
    if (m_loading)
        return;
    // The missing fuel and the new damage are billed, and taxed, like the rest.
    const double net = number(m_ui->dfnRequiredKilometersDiff) + number(m_ui->dfnRequiredAmount)
                     + number(m_ui->dfnOtherAmounts) + number(m_ui->dfnFuelCharge) + number(m_ui->dfnDamageCharge);
    setNumber(m_ui->dfnTotal, net);
    // With VAT the total is the net; the tax and the gross follow it.
    const double vat = m_vat.tax(net, MoneyDecimals);
    setNumber(m_ui->dfnVatRate, m_vat.on ? m_vat.rate : 0);
    setNumber(m_ui->dfnVatAmount, vat);
    setNumber(m_ui->dfnGrossTotal, cents(net + vat));
}

void frmRentCar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) {
        CustomerDetails();
        return;
    }
    if (event->key() == Qt::Key_F6 && event->modifiers() == Qt::NoModifier) {
        CarDetails();
        return;
    }
    DataScreen::keyPressEvent(event);
}

void frmRentCar::CustomerDetails()
{
    RecordPicker::open(state(), this, QStringLiteral("frmCustomers"), m_ui->cmdCustomerDetails, m_ui->dfnCustomerid);
}

void frmRentCar::CarDetails()
{
    RecordPicker::open(state(), this, QStringLiteral("frmCars"), m_ui->cmdCarDetails, m_ui->dfnCarNo);
}

void frmRentCar::New()
{
    if (mode() != Mode::Rent)
        return;
    {
        QScopedValueRollback loading(m_loading, true);
        DataScreen::New();
    }
    afterRead();
}

void frmRentCar::Open()
{
    if (mode() == Mode::Other)
        return;
    // Some rules wait until the whole contract is on screen.
    {
        QScopedValueRollback loading(m_loading, true);
        DataScreen::Open();
    }
    afterRead();
}

bool frmRentCar::saveContract()
{
    bool valid = false;
    const ControlAccess::Index::Keep names(this);
    run(ERROR_SOURCE, [this, &valid] {
        valid = state().service<cValidation>().ValidateWindow(this);
        const Mode m = mode();
        if (!valid || (m != Mode::Rent && m != Mode::Surrender))
            return;
        if ((m == Mode::Surrender && !surrenderIsSound())
            || !m_deposit->isSound(m == Mode::Surrender && m_ui->dffReturned->isChecked())) {
            valid = false;
            return;
        }
        const QString where = keyCondition();
        // What the contract held before matters only to a contract going out.
        const RowSet before = m == Mode::Rent
            ? state().db().execute(QStringLiteral("select CARNO, CUSTOMERID from RENT ") + where)
            : RowSet();
        const qint64 previousCar = before.isEmpty() ? 0 : before.value(0, 0).toLongLong();
        RentOutChecks checks(state(), this);
        if (m == Mode::Rent
            && !checks.mayGoOut({qint64(number(m_ui->dfnCustomerid)), qint64(number(m_ui->dfnCarNo))},
                                {before.isEmpty() ? 0 : before.value(0, 1).toLongLong(), previousCar},
                                {m_ui->dfdExitDate->value(), m_ui->dfdReturnDate->value()}, qint64(number(m_ui->dfnMETER)))) {
            valid = false;
            return;
        }
        const bool saved = window().Save(where, this, [this, m, previousCar, &checks] {
            const QString refused = carAndPosting(m == Mode::Surrender, previousCar);
            if (refused.isEmpty())
                checks.recordOverride(tr("Contract %1").arg(idText()));
            return refused;
        });
        if (saved) {
            refreshBalance();
            if (!m_marks->shows(qint64(number(m_ui->dfnCarNo)), idText().toLongLong(), m_ui->dfdExitDate->value()))
                showDamage();
        }
    });
    return valid;
}

bool frmRentCar::surrenderIsSound()
{
    QWidget* field = nullptr;
    QString problem;
    if (number(m_ui->dfnReturnMeter) < number(m_ui->dfnMETER)) {
        field = m_ui->dfnReturnMeter;
        problem = tr("The return meter (%1) is below the exit meter (%2).")
                      .arg(m_ui->dfnReturnMeter->text(), m_ui->dfnMETER->text());
    } else if (m_ui->dffReturned->isChecked() && m_ui->dfdActualReturnDate->date() < m_ui->dfdExitDate->date()) {
        field = m_ui->dfdActualReturnDate;
        problem = tr("A surrendered car needs its actual return date, on or after the exit date.");
    }
    if (!field)
        return true;
    state().ui().message(this, problem);
    m_ui->SSTab1->setCurrentIndex(1);
    field->setFocus();
    return false;
}

QString frmRentCar::carAndPosting(bool surrender, qint64 previousCar)
{
    Database& db = state().db();
    const QString rent = SqlValue::number(idText(), QStringLiteral("txtID"));
    const QString carText = m_ui->dfnCarNo->text().trimmed();
    const qint64 car = carText.isEmpty() ? 0 : SqlValue::number(carText, m_ui->dfnCarNo->objectName()).toLongLong();
    // A car another workstation let go meanwhile is free again only when no open contract holds it.
    const auto freeIfUnheld = [&db](qint64 carId) {
        db.commandWithNext(QStringLiteral("update car set  rented = 0  where carid = ") + SqlValue::number(carId)
                           + QStringLiteral(" and not exists (select RENTID from RENT where RETURNED = 0 and CARNO = ")
                           + SqlValue::number(carId) + QStringLiteral(")"));
    };
    if (!surrender) {
        if (car > 0) {
            const RowSet held = db.execute(QStringLiteral("select RENTID, NAME from RENT where RETURNED = 0 and CARNO = ")
                                           + SqlValue::number(car) + QStringLiteral(" and RENTID <> ") + rent);
            if (!held.isEmpty())
                return tr("This car is already out on contract %1 (%2). Pick another car.")
                    .arg(held.text(0, QStringLiteral("RENTID")), held.text(0, QStringLiteral("NAME")));
            // Out until the agreed return at the hour it leaves: no booked reservation in between.
            const QDateTime exit(m_ui->dfdExitDate->value(), m_ui->dftExitTime->time());
            const QString booked = CarBooking::conflict(db, car, {exit, QDateTime(m_ui->dfdReturnDate->value(), exit.time())},
                                                        CarBooking::turnaroundHours(db), 0, rent.toLongLong());
            if (!booked.isEmpty())
                return booked;
            storeNewMarks(car, rent.toLongLong());
            db.commandWithNext(QStringLiteral("update car set rented = 1 , METER =  ")
                               + SqlValue::number(QString::number(qint64(number(m_ui->dfnMETER))))
                               + QStringLiteral(" where carid = ") + SqlValue::number(car));
        }
        if (previousCar > 0 && previousCar != car)
            freeIfUnheld(previousCar);
        return m_deposit->post(rent);
    }
    // The contract's journal goes with its flag, in one statement, unless the invoice reads it first.
    QString journalSet;
    if (m_ui->dffReturned->isChecked()) {
        m_deposit->spread(true, number(m_ui->dfnDepositRefunded));
        // One contract, one journal: a second save replaces its lines.
        const RowSet posted = db.execute(QStringLiteral("select JOURNALID from RENT WHERE RENTID = ") + rent);
        qint64 journal = posted.isEmpty() ? 0 : posted.value(0, 0).toLongLong();
        if (!state().service<cAccounting>().DoGLRule(journal, this))
            return tr("The contract was not saved: its posting to the ledger failed.");
        journalSet = QStringLiteral("JOURNALID = ") + SqlValue::number(journal) + QStringLiteral(", ");
        // A closed contract with VAT is billed by a tax invoice; a second save keeps its number.
        if (m_vat.on) {
            db.command(QStringLiteral("update RENT set ") + journalSet.chopped(2) + QStringLiteral(" WHERE RENTID = ") + rent);
            journalSet.clear();
            const TaxInvoice::Amounts amounts{number(m_ui->dfnTotal), number(m_ui->dfnVatRate),
                                              number(m_ui->dfnVatAmount), number(m_ui->dfnGrossTotal)};
            const qint64 invoice = AdvanceDeduction::issue(db, rent.toLongLong(), m_ui->dfsCustomerNAME->text().trimmed(), amounts);
            state().ui().ShowStatusMessage(tr("Tax invoice No. %1").arg(invoice));
            readAdvances();
            showOwed();
        }
    }
    storeNewMarks(car, rent.toLongLong());
    // Both go with the save's next statement, in the same round.
    db.commandWithNext(QStringLiteral("update RENT set ") + journalSet + QStringLiteral("RETURNED = ")
                       + (m_ui->dffReturned->isChecked() ? QStringLiteral("1") : QStringLiteral("0"))
                       + QStringLiteral(" WHERE RENTID = ") + rent);
    if (car > 0)
        db.commandWithNext(QStringLiteral("update car set  rented = 0 , METER =  ")
                           + SqlValue::number(QString::number(qint64(number(m_ui->dfnReturnMeter))))
                           + QStringLiteral(" where carid = ") + SqlValue::number(car));
    return {};
}

void frmRentCar::Save()
{
    saveContract();
}

void frmRentCar::Ok()
{
    saveContract();
    close();
}

void frmRentCar::Delete()
{
    if (idText().isEmpty())
        return;
    const qint64 car = qint64(number(m_ui->dfnCarNo));
    bool deleted = false;
    run(ERROR_SOURCE, [this, &deleted] {
        // A contract that is no more holds no deposit: its posting goes with it.
        Database& db = state().db();
        const RowSet held = db.execute(QStringLiteral("select DEPOSITJOURNALID from RENT ") + keyCondition());
        const QString journal = SqlValue::number(held.isEmpty() ? 0 : held.value(0, 0).toLongLong());
        Transaction transaction(db);
        deleted = window().Delete(QString(), this);
        if (!deleted)
            return;
        db.command(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = ") + journal);
        db.command(QStringLiteral("delete from JOURNAL where JOURNALID = ") + journal);
        transaction.commit();
    });
    if (!deleted)
        return;
    run(ERROR_SOURCE, [this, car] {
        if (car > 0)
            state().db().command(QStringLiteral("update car set  rented = 0  where carid = ") + SqlValue::number(car));
    });
    close();
}

void frmRentCar::Print()
{
    if (saveContract() && !idText().isEmpty())
        DataScreen::Print();
}

QDate frmRentCar::markDate() const
{
    // What was noted as the car went out carries the exit date; what came back with it, the return's.
    if (mode() != Mode::Surrender)
        return m_ui->dfdExitDate->value();
    return m_ui->dfdActualReturnDate->isEmpty() ? QDate::currentDate() : m_ui->dfdActualReturnDate->value();
}

void frmRentCar::showDamage()
{
    m_marks->show(qint64(number(m_ui->dfnCarNo)), idText().toLongLong(), m_ui->dfdExitDate->value());
}

void frmRentCar::storeNewMarks(qint64 car, qint64 rent)
{
    m_marks->storeNew(mode() == Mode::Surrender, car, rent, markDate());
}

void frmRentCar::DamageDetails(DamageDiagram* diagram)
{
    const qint64 car = qint64(number(m_ui->dfnCarNo));
    if (car <= 0) {
        state().ui().message(this, tr("Choose the car first (F6): its damage is kept on it."));
        return;
    }
    const bool atReturn = mode() == Mode::Surrender;
    if (m_marks->hasNew(atReturn) || idText().isEmpty())
        saveContract();
    if (m_marks->hasNew(atReturn) || idText().isEmpty())
        return;
    m_marks->details(diagram, car, m_ui->dfsPlatNo->text().trimmed(), idText().toLongLong(), markDate(), atReturn);
    run(ERROR_SOURCE, [this] { showDamage(); });
    diagram->setFocus();
}

void frmRentCar::calculateFuelCharge()
{
    if (m_loading || mode() != Mode::Surrender)
        return;
    const double rate = ContractCondition::eighthCharge(state().db(), qint64(number(m_ui->dfnCarNo)));
    setNumber(m_ui->dfnFuelCharge,
              ContractCondition::fuelCharge(m_ui->dfnFuelOut->value(), m_ui->dfnFuelIn->value(), rate));
}

void frmRentCar::damageChargeChanged()
{
    const double charge = number(m_ui->dfnDamageCharge);
    if (!m_loading && mode() == Mode::Surrender && !m_ui->dffReturned->isChecked()) {
        // What the deposit can cover of the charge, before and now: the rest of what is kept stays.
        const double deposit = std::max(0.0, number(m_ui->dfnDeposit));
        const auto covered = [deposit](double amount) { return std::clamp(amount, 0.0, deposit); };
        setNumber(m_ui->dfnDepositKept,
                  cents(covered(number(m_ui->dfnDepositKept) - covered(m_damageCharge) + covered(charge))));
    }
    m_damageCharge = charge;
    CalculateTotalAmount();
}
