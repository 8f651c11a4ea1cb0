// Reservations: the rule that no car is promised twice, against booked
// reservations and open contracts, on one connection and on two at once;
// then a reservation's life: picked up into a contract, cancelled, no-show.
#include "core/AppError.h"
#include "core/StoredDate.h"
#include "rental/CarBooking.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QRegularExpression>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

qint64 day(int fromToday) { return StoredDate::number(QDate::currentDate().addDays(fromToday)); }

qint64 car(Database& db, const QString& plate)
{
    return db.insert(u"car"_s, u"carid"_s, {{u"name"_s, plate}, {u"PLATENO"_s, plate}, {u"FARE"_s, 12.5},
                                            {u"METER"_s, 4100}, {u"rented"_s, 0}, {u"STOP"_s, 0}});
}

// Booked days of a car: days from today and hhmm00 times.
qint64 reservation(Database& db, qint64 carId, int state, int from, const char* fromTime, int to, const char* toTime,
                   qint64 customer = 0)
{
    return db.insert(u"RESERVATION"_s, u"RESERVATIONID"_s,
                     {{u"NAME"_s, u"حجز"_s}, {u"STATE"_s, state}, {u"CARNO"_s, carId}, {u"CUSTOMERID"_s, customer},
                      {u"CUSTOMERNAME"_s, u"سارة"_s}, {u"PICKUPDATE"_s, day(from)}, {u"PICKUPTIME"_s, fromTime},
                      {u"RETURNDATE"_s, day(to)}, {u"RETURNTIME"_s, toTime}, {u"DAILYRENT"_s, 9.75},
                      {u"DEPOSIT"_s, 50}});
}

qint64 contract(Database& db, qint64 carId, int exit, int back, int returned)
{
    return db.insert(u"RENT"_s, u"RENTID"_s,
                     {{u"NAME"_s, u"عقد"_s}, {u"CUSTOMERNAME"_s, u"خالد"_s}, {u"CARNO"_s, carId},
                      {u"EXITDATE"_s, day(exit)}, {u"EXITTIME"_s, u"100000"_s}, {u"RETURNDATE"_s, day(back)},
                      {u"RETURNED"_s, returned}});
}

CarBooking::Period asked(int from, const char* fromTime, int to, const char* toTime)
{ return CarBooking::period(day(from), QString::fromLatin1(fromTime), day(to), QString::fromLatin1(toTime)); }

// The number stands alone in the message, not inside a date.
bool names(const QString& message, qint64 id) { return message.contains(QRegularExpression(u"\\b%1\\b"_s.arg(id))); }

enum class Holder { Booked, Cancelled, NoShow, PickedUp, Out, Returned, OtherCar, Itself };

struct OverlapRow {
    const char* name; Holder holder;
    int from, to;  // what holds the car, days from today (reservations from 10:00 to 10:00)
    int askFrom; const char* askFromTime; int askTo; const char* askToTime;
    int buffer; bool refused;
};

void PrintTo(const OverlapRow& row, std::ostream* out) { *out << row.name; }

class Overlap : public testing::TestWithParam<OverlapRow> {};

TEST_P(Overlap, TheMessageNamesWhatHoldsTheCar)
{
    const OverlapRow& r = GetParam();
    TestOffice office;
    Database& db = office.db();
    const qint64 asking = car(db, u"10/111"_s);
    const qint64 holding = r.holder == Holder::OtherCar ? car(db, u"10/222"_s) : asking;
    const int states[] = {0, 2, 3, 1};
    const qint64 held = r.holder == Holder::Out || r.holder == Holder::Returned
        ? contract(db, holding, r.from, r.to, r.holder == Holder::Returned)
        : reservation(db, holding, r.holder <= Holder::PickedUp ? states[int(r.holder)] : 0, r.from, "100000", r.to, "100000");

    Transaction transaction(db);
    const QString message =
        CarBooking::conflict(db, asking, asked(r.askFrom, r.askFromTime, r.askTo, r.askToTime), r.buffer,
                             r.holder == Holder::Itself ? held : 0);
    EXPECT_EQ(message.isEmpty(), !r.refused) << message.toStdString();
    const QString customer = r.holder == Holder::Out ? u"خالد"_s : u"سارة"_s;
    EXPECT_TRUE(!r.refused || (names(message, held) && message.contains(customer))) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Periods, Overlap,
    testing::Values(
        OverlapRow{"the same day", Holder::Booked, 10, 12, 10, "140000", 11, "", 0, true},
        OverlapRow{"touching ends", Holder::Booked, 10, 12, 12, "100000", 14, "", 0, false},
        OverlapRow{"touching the start", Holder::Booked, 10, 12, 8, "", 10, "100000", 0, false},
        OverlapRow{"touching ends within the buffer", Holder::Booked, 10, 12, 12, "100000", 14, "", 2, true},
        OverlapRow{"past the buffer", Holder::Booked, 10, 12, 12, "130000", 14, "", 2, false},
        OverlapRow{"before, within the buffer", Holder::Booked, 10, 12, 8, "", 10, "090000", 2, true},
        OverlapRow{"inside", Holder::Booked, 9, 13, 10, "120000", 11, "120000", 0, true},
        OverlapRow{"around", Holder::Booked, 10, 12, 8, "", 15, "", 0, true},
        OverlapRow{"a return day without its time", Holder::Booked, 10, 12, 7, "", 10, "", 0, true},
        OverlapRow{"cancelled", Holder::Cancelled, 10, 12, 10, "", 12, "", 0, false},
        OverlapRow{"no-show", Holder::NoShow, 10, 12, 10, "", 12, "", 0, false},
        OverlapRow{"picked up: its contract counts", Holder::PickedUp, 10, 12, 10, "", 12, "", 0, false},
        OverlapRow{"another car", Holder::OtherCar, 10, 12, 10, "", 12, "", 0, false},
        OverlapRow{"the reservation being saved", Holder::Itself, 10, 12, 10, "", 12, "", 0, false},
        OverlapRow{"an open contract", Holder::Out, -1, 3, 2, "", 4, "", 0, true},
        OverlapRow{"after an open contract's return", Holder::Out, -1, 3, 3, "100000", 5, "", 0, false},
        OverlapRow{"an overdue contract holds the car", Holder::Out, -6, -1, 30, "", 32, "", 0, true},
        OverlapRow{"a returned contract", Holder::Returned, -6, -1, 0, "", 3, "", 0, false}));

// Two counters book the same car for the same days: the second waits for the
// first and is refused, naming the first one's reservation.
TEST(Reservation, TwoCountersCannotBookTheSameCar)
{
    TestOffice office;
    Database& first = office.db();
    const qint64 wanted = car(first, u"10/333"_s);
    const CarBooking::Period days = asked(5, "090000", 8, "090000");
    Transaction transaction(first);
    ASSERT_EQ(CarBooking::conflict(first, wanted, days, 0), QString());
    const qint64 booked = reservation(first, wanted, 0, 5, "090000", 8, "090000");

    std::atomic<bool> waiting = false;
    QString refusal;
    std::thread second([&] {
        Database db;
        db.open(office.databasePath());
        db.setBusyWait(120000);
        db.setBusyHandling({[&](bool now) { waiting = waiting || now; }, {}});
        Transaction mine(db);
        refusal = CarBooking::conflict(db, wanted, days, 0);
        if (refusal.isEmpty())
            reservation(db, wanted, 0, 5, "090000", 8, "090000");
        mine.commit();
    });
    // The server tells of a wait only when it gives up: it is seen waiting instead.
    Database watch;
    if (TestOffice::onServer())
        watch.open(office.databasePath());
    const QString waits = u"select count(*) from pg_stat_activity where wait_event_type = 'Lock' and datname = current_database()"_s;
    while (!waiting && !(watch.isOpen() && watch.executeBound(waits, {}).value(0, 0).toInt() > 0))
        QThread::msleep(5);
    transaction.commit();
    second.join();
    EXPECT_TRUE(names(refusal, booked)) << refusal.toStdString();
    EXPECT_EQ(first.execute(u"select count(*) from RESERVATION"_s).value(0, 0).toInt(), 1);
}


enum class Action { PickUp, Cancel, NoShow };

struct LifeRow {
    const char* name; Action action;
    int state; bool customer, car;
    int back;                    // the agreed return, days from today
    bool carOut, contractFails;  // an overdue contract still holds the car; the contract cannot be written
    int stateAfter; bool made;   // a contract made, the car rented
};

void PrintTo(const LifeRow& row, std::ostream* out) { *out << row.name; }

class Life : public testing::TestWithParam<LifeRow> {};

TEST_P(Life, AllOrNothing)
{
    const LifeRow& r = GetParam();
    TestOffice office;
    Database& db = office.db();
    const qint64 wanted = car(db, u"20/555"_s);
    const qint64 customer = db.insert(u"Customer"_s, u"CUSTOMERID"_s,
                                      {{u"name"_s, u"سارة محمد العلي"_s}, {u"HOMEMOB"_s, u"66554433"_s},
                                       {u"HOMECARLICENSE"_s, u"L-512907"_s}, {u"IDNUMBER"_s, 290030405678LL}});
    const qint64 held = r.carOut ? contract(db, wanted, -5, -2, 0) : 0;
    const qint64 booked = reservation(db, r.car ? wanted : 0, r.state, 0, "", r.back, "120000", r.customer ? customer : 0);
    if (r.contractFails)
        TestOffice::refuseInserts(db, u"refuse"_s, u"RENT"_s);

    QString refusal;
    qint64 made = 0;
    if (r.action == Action::PickUp) {
        try {
            const CarBooking::PickUp result = CarBooking::pickUp(db, booked, QDateTime::currentDateTime(),
                                                                      [](double amount) { return QString::number(amount); });
            refusal = result.refusal;
            made = result.contract;
        } catch (const AppError& e) {
            refusal = e.description();
        }
    } else {
        EXPECT_EQ(CarBooking::close(db, booked, r.action == Action::Cancel ? 2 : 3), r.stateAfter != r.state);
    }

    const RowSet after = db.execute(u"select * from RESERVATION where RESERVATIONID = "_s + QString::number(booked));
    EXPECT_EQ(after.value(0, u"STATE"_s).toInt(), r.stateAfter);
    EXPECT_EQ(db.execute(u"select rented from car where carid = "_s + QString::number(wanted)).value(0, 0).toInt(),
              r.made ? 1 : 0);
    EXPECT_EQ(db.execute(u"select count(*) from RENT"_s).value(0, 0).toInt(), (r.made ? 1 : 0) + (r.carOut ? 1 : 0));
    EXPECT_TRUE(!r.carOut || names(refusal, held)) << refusal.toStdString();
    EXPECT_TRUE(r.action != Action::PickUp || refusal.isEmpty() == r.made) << refusal.toStdString();
    if (r.made) {
        EXPECT_EQ(after.value(0, u"RENTID"_s).toLongLong(), made);
        // The customer as his card has him, not as the booking named him.
        const RowSet rent = db.execute(u"select CUSTOMERNAME, MOB, LICENSENO, PLATNO, RETURNED, RETURNDATE, "
                                       "RENTPERIOD, DAILYRENTTEXT, DAILYRENT, INSURANCE from RENT where RENTID = "_s + QString::number(made));
        QStringList values;
        for (int column = 0; column < 10; ++column)
            values << (column < 8 ? rent.value(0, column).toString() : QString::number(rent.value(0, column).toDouble()));
        EXPECT_EQ(values, (QStringList{u"سارة محمد العلي"_s, u"66554433"_s, u"L-512907"_s, u"20/555"_s, u"0"_s,
                                       QString::number(day(r.back)), QString::number(r.back), u"9.75"_s, u"9.75"_s, u"50"_s}));
    }
    // A reservation no longer booked leaves its days free; its contract holds them.
    Transaction transaction(db);
    EXPECT_EQ(CarBooking::conflict(db, wanted, asked(0, "", 1, ""), 0).isEmpty(),
              !(r.carOut || r.made || (r.stateAfter == 0 && r.car)));
}

INSTANTIATE_TEST_SUITE_P(
    Reservations, Life,
    testing::Values(LifeRow{"picked up", Action::PickUp, 0, true, true, 3, false, false, 1, true},
                    LifeRow{"without a customer", Action::PickUp, 0, false, true, 3, false, false, 0, false},
                    LifeRow{"without a car", Action::PickUp, 0, true, false, 3, false, false, 0, false},
                    LifeRow{"due back today", Action::PickUp, 0, true, true, 0, false, false, 0, false},
                    LifeRow{"its car still out", Action::PickUp, 0, true, true, 3, true, false, 0, false},
                    LifeRow{"the contract cannot be written", Action::PickUp, 0, true, true, 3, false, true, 0, false},
                    LifeRow{"already cancelled", Action::PickUp, 2, true, true, 3, false, false, 2, false},
                    LifeRow{"cancelled", Action::Cancel, 0, true, true, 3, false, false, 2, false},
                    LifeRow{"no-show", Action::NoShow, 0, true, true, 3, false, false, 3, false},
                    LifeRow{"a picked-up one is not cancelled", Action::Cancel, 1, true, true, 3, false, false, 1,
                            false}));

}
