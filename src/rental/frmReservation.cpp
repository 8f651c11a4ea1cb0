#include "rental/frmReservation.h"
#include "ui_frmReservation.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "core/cUI.h"
#include "core/tafqeet.h"
#include "engine/DateEdit.h"
#include "engine/NumberEdit.h"
#include "engine/cValidation.h"
#include "rental/RecordPicker.h"
#include "rental/CarBooking.h"
#include "rental/RentOutChecks.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTime>

namespace {

DataScreen::Definition reservationDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("RESERVATIONID");
    d.table = QStringLiteral("RESERVATION");
    // Booked ones first open; the list holds them all, the latest first.
    d.condition = QStringLiteral("WHERE 1 = 1 order by PICKUPDATE desc, RESERVATIONID desc");
    d.loadCondition = QStringLiteral("WHERE STATE = 0 order by PICKUPDATE, PICKUPTIME");
    d.openCaption = QCoreApplication::translate("frmReservation", "Reservations");
    d.openSearch.alsoSearched = {QStringLiteral("MOB"), QStringLiteral("CARTYPE")};
    d.newCaption = QCoreApplication::translate("frmReservation", "New Reservation");
    d.nameField = QStringLiteral("NAME");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

QString stateName(int state)
{
    switch (state) {
    case 0: return QCoreApplication::translate("frmReservation", "Booked");
    case 1: return QCoreApplication::translate("frmReservation", "Picked up");
    case 2: return QCoreApplication::translate("frmReservation", "Cancelled");
    case 3: return QCoreApplication::translate("frmReservation", "No-show");
    default: return {};
    }
}

QString storedTime(const QTime& time)
{
    return time.toString(QStringLiteral("hhmm00"));
}

}

frmReservation::frmReservation(RunState& state, QWidget* parent)
    : DataScreen(state, reservationDefinition(), parent), m_ui(std::make_unique<Ui::frmReservation>())
{
    m_ui->setupUi(this);
    connect(m_ui->cmdCustomerDetails, &QPushButton::clicked, this, [this] {
        RecordPicker::open(this->state(), this, QStringLiteral("frmCustomers"), m_ui->cmdCustomerDetails, m_ui->dfnCustomerid);
    });
    connect(m_ui->cmdCarDetails, &QPushButton::clicked, this, [this] {
        RecordPicker::open(this->state(), this, QStringLiteral("frmCars"), m_ui->cmdCarDetails, m_ui->dfnCarNo);
    });
    connect(m_ui->cmdPickUp, &QPushButton::clicked, this, &frmReservation::PickUp);
    connect(m_ui->cmdCancelBooking, &QPushButton::clicked, this, [this] { closeBooking(2); });
    connect(m_ui->cmdNoShow, &QPushButton::clicked, this, [this] { closeBooking(3); });
    // A type the clerk chooses asks for any car of it: the car chosen before goes.
    const auto anyCarOfType = [this] {
        for (QLineEdit* car : {static_cast<QLineEdit*>(m_ui->dfnCarNo), m_ui->dfsPlatNo})
            car->clear();
    };
    connect(m_ui->dfcCARTYPE, &QComboBox::activated, this, anyCarOfType);
    connect(m_ui->dfcCARTYPE->lineEdit(), &QLineEdit::textEdited, this, anyCarOfType);
    connectCommands();
}

frmReservation::~frmReservation() = default;

cWindow::Fields frmReservation::newRecordFields() const
{
    // Booked from the next full hour today until the same hour tomorrow.
    const QDate today = QDate::currentDate();
    const QString hour = storedTime(QTime(std::min(QTime::currentTime().hour() + 1, 23), 0));
    return {{QStringLiteral("CREATEDT"), StoredDate::number(today)},
            {QStringLiteral("STATE"), 0},
            {QStringLiteral("CARNO"), 0},
            {QStringLiteral("PICKUPDATE"), StoredDate::number(today)},
            {QStringLiteral("PICKUPTIME"), hour},
            {QStringLiteral("RETURNDATE"), StoredDate::number(today.addDays(1))},
            {QStringLiteral("RETURNTIME"), hour}};
}

void frmReservation::load()
{
    DataScreen::load();
    m_loaded = true;
    showState();
    if (m_booking.car > 0)
        startBooking();
}

void frmReservation::bookCar(qint64 carId, QDate from, QDate to)
{
    m_booking = {carId, from, to};
    if (m_loaded)
        startBooking();
}

void frmReservation::startBooking()
{
    const Booking booking = std::exchange(m_booking, {});
    const QString before = idText();
    New();
    if (idText().isEmpty() || idText() == before)
        return;
    run(ERROR_SOURCE, [this, &booking] {
        const RowSet car = state().db().execute(QStringLiteral("select PLATENO, CARTYPE, FARE from car where carid = ")
                                                + SqlValue::number(booking.car));
        if (car.isEmpty())
            return;
        m_ui->dfnCarNo->setText(QString::number(booking.car));
        m_ui->dfsPlatNo->setText(car.text(0, QStringLiteral("PLATENO")));
        m_ui->dfcCARTYPE->setCurrentText(car.text(0, QStringLiteral("CARTYPE")));
        m_ui->dfnDailyRent->setText(car.text(0, QStringLiteral("FARE")));
        m_ui->dfdPickupDate->setValue(booking.from);
        m_ui->dfdReturnDate->setValue(booking.to > booking.from ? booking.to : booking.from.addDays(1));
    });
    // The customer comes next; F5 picks him.
    m_ui->cmdCustomerDetails->setFocus();
}

void frmReservation::New()
{
    DataScreen::New();
    showState();
}

void frmReservation::Open()
{
    DataScreen::Open();
    showState();
}

void frmReservation::reread()
{
    run(ERROR_SOURCE, [this] { window().Read(keyCondition(), this); });
    showState();
}

void frmReservation::showState()
{
    int stored = -1;
    run(ERROR_SOURCE, [this, &stored] {
        if (idText().isEmpty())
            return;
        const RowSet row = state().db().execute(QStringLiteral("select STATE from RESERVATION ") + keyCondition());
        if (!row.isEmpty())
            stored = row.value(0, 0).toInt();
    });
    m_ui->lblState->setText(stateName(stored));
    for (QPushButton* button : {m_ui->cmdPickUp, m_ui->cmdCancelBooking, m_ui->cmdNoShow})
        button->setEnabled(stored == 0);
}

QString frmReservation::periodProblem() const
{
    if (m_ui->dfnCarNo->text().trimmed().toLongLong() <= 0 && m_ui->dfcCARTYPE->currentText().trimmed().isEmpty())
        return tr("Choose the car (F6), or at least the type of car wanted.");
    const QDateTime from(m_ui->dfdPickupDate->value(), m_ui->dftPickupTime->time());
    const QDateTime to(m_ui->dfdReturnDate->value(), m_ui->dftReturnTime->time());
    if (from.isValid() && to.isValid() && to <= from)
        return tr("The return must come after the pick-up.");
    return {};
}

bool frmReservation::saveReservation()
{
    if (idText().isEmpty())
        return false;
    bool saved = false;
    run(ERROR_SOURCE, [this, &saved] {
        if (!state().service<cValidation>().ValidateWindow(this))
            return;
        if (const QString problem = periodProblem(); !problem.isEmpty()) {
            state().ui().message(this, problem);
            return;
        }
        const qint64 id = SqlValue::number(idText(), QStringLiteral("txtID")).toLongLong();
        saved = window().Save(keyCondition(), this, [this, id] {
            Database& db = state().db();
            // Only a booked reservation holds its car.
            const RowSet row = db.execute(QStringLiteral("select STATE from RESERVATION ") + keyCondition());
            if (row.isEmpty() || row.value(0, 0).toInt() != 0)
                return QString();
            const CarBooking::Period days{QDateTime(m_ui->dfdPickupDate->value(), m_ui->dftPickupTime->time()),
                                          QDateTime(m_ui->dfdReturnDate->value(), m_ui->dftReturnTime->time())};
            return CarBooking::conflict(db, m_ui->dfnCarNo->text().trimmed().toLongLong(), days,
                                        CarBooking::turnaroundHours(db), id);
        });
    });
    return saved;
}

void frmReservation::Save()
{
    saveReservation();
}

void frmReservation::Ok()
{
    if (pickerMode() || idText().isEmpty() || saveReservation())
        DataScreen::Ok();
}

void frmReservation::Print()
{
    if (saveReservation())
        DataScreen::Print();
}

void frmReservation::PickUp()
{
    if (!m_ui->cmdPickUp->isEnabled() || !saveReservation())
        return;
    RentOutChecks checks(state(), this);
    bool goOn = false;
    run(ERROR_SOURCE, [this, &checks, &goOn] {
        goOn = checks.mayGoOut({m_ui->dfnCustomerid->text().toLongLong(), m_ui->dfnCarNo->text().toLongLong()}, {},
                               {QDate::currentDate(), m_ui->dfdReturnDate->value()});
    });
    if (!goOn)
        return;
    CarBooking::PickUp made;
    run(ERROR_SOURCE, [this, &made, &checks] {
        // The contract's amounts in words, as its screen writes them; none when they cannot be said.
        const auto inWords = [this](double amount) {
            try {
                return tafqeet::AmountInWords(amount, 1, state().config);
            } catch (const AppError&) {
                return QString();
            }
        };
        // The contract and the journal line of a warning passed over stand or fall together.
        Transaction together(state().db());
        made = CarBooking::pickUp(state().db(), idText().toLongLong(), QDateTime::currentDateTime(), inWords);
        if (made.contract != 0)
            checks.recordOverride(tr("Contract %1 of reservation %2").arg(made.contract).arg(idText()));
        together.commit();
    });
    if (!made.refusal.isEmpty())
        state().ui().message(this, made.refusal);
    reread();
    if (made.contract == 0)
        return;
    const qint64 contract = made.contract;
    openScreen(state(), this, QStringLiteral("frmRentCar"), objectName() + QLatin1Char('.') + ERROR_SOURCE,
               QStringLiteral("RENTMODE"),
               [contract](QWidget* screen) {
                   if (auto* data = qobject_cast<DataScreen*>(screen))
                       data->showFirst(contract);
               },
               m_ui->cmdPickUp->toolTip());
    activateWindow();
}

void frmReservation::closeBooking(int to)
{
    const QPushButton* button = to == 2 ? m_ui->cmdCancelBooking : m_ui->cmdNoShow;
    if (!button->isEnabled()
        || !state().ui().question(this, tr("Mark reservation %1 as \"%2\"? Its car is free again for those days.")
                                            .arg(idText(), stateName(to))))
        return;
    run(ERROR_SOURCE, [this, to] { CarBooking::close(state().db(), idText().toLongLong(), to); });
    reread();
}

void frmReservation::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_F2: closeBooking(2); return;
        case Qt::Key_F3: closeBooking(3); return;
        case Qt::Key_F4: PickUp(); return;
        case Qt::Key_F5: m_ui->cmdCustomerDetails->click(); return;
        case Qt::Key_F6: m_ui->cmdCarDetails->click(); return;
        default: break;
        }
    }
    DataScreen::keyPressEvent(event);
}
