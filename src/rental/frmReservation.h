#pragma once

#include "engine/DataScreen.h"

#include <QDate>
#include <memory>

namespace Ui { class frmReservation; }
class NumberEdit;
class QPushButton;

// A car, or only a type of car, booked for a customer from a pick-up to a
// return. Saving refuses days another reservation or a contract holds; the
// booking is picked up into a contract, cancelled or marked no-show.
class frmReservation : public DataScreen {
    Q_OBJECT
public:
    frmReservation(RunState& state, QWidget* parent);
    ~frmReservation() override;

    // A new reservation of that car from `from` to `to`, as the planning
    // board asks for it; before the screen shows, it starts once it does.
    Q_INVOKABLE void bookCar(qint64 carId, QDate from, QDate to);

    void New() override;
    void Open() override;
    void Save() override;
    void Ok() override;
    void Print() override;

    // The contract made of the reservation, opened for the meter and the rest.
    void PickUp();
    // Booked to cancelled (2) or no-show (3), after the clerk says so.
    void closeBooking(int state);

protected:
    void load() override;
    cWindow::Fields newRecordFields() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // True when the reservation is saved and passed its checks.
    bool saveReservation();
    QString periodProblem() const;
    // Shows the state stored and enables what may be done in it.
    void showState();
    void reread();
    void startBooking();

    std::unique_ptr<Ui::frmReservation> m_ui;
    struct Booking {
        qint64 car = 0;
        QDate from, to;
    };
    Booking m_booking;
    bool m_loaded = false;
};
