#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class Database;

// No car is promised twice: a booked reservation or an open contract holds
// its car for its period, and the office keeps a turnaround buffer between
// two uses of a car. Every function here runs inside the caller's transaction.
namespace CarBooking {

// The buffer the office chose in its options (TURNAROUNDHOURS), in whole hours.
int turnaroundHours(Database& db);

struct Period {
    QDateTime from;
    QDateTime to;
};

// A period from stored dates (yyyymmdd) and times (hhmmss); a pick-up without
// its time starts at the day's start, a return without one ends with the day.
Period period(qint64 fromDate, const QString& fromTime, qint64 toDate, const QString& toTime);

// Locks the car's row, so that two counters booking it wait for each other,
// then gives what holds the car during `asked` widened by `bufferHours`: a
// message naming the reservation or contract, or nothing when it is free. The
// reservation and the contract being saved do not count against themselves.
QString conflict(Database& db, qint64 car, const Period& asked, int bufferHours, qint64 ownReservation = 0,
                 qint64 ownContract = 0);

// The reservation picked up: a contract made from it (customer from the
// customer table, car, out at `now`, back on the agreed date, rent and
// deposit, with their amounts in words when `inWords` is given), the car
// rented and the reservation marked, all or nothing.
struct PickUp {
    qint64 contract = 0;
    QString refusal;  // why nothing was made
};
PickUp pickUp(Database& db, qint64 reservation, const QDateTime& now,
              const std::function<QString(double)>& inWords = {});

// Booked (0) to cancelled (2) or no-show (3): the car is free again. Only a
// booked reservation changes; gives whether it did.
bool close(Database& db, qint64 reservation, int state);

}
