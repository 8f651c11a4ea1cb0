#include "rental/CarBooking.h"

#include "core/Configuration.h"
#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"

#include <QCoreApplication>

namespace {

QTime storedTime(const QString& text, const QTime& absent)
{
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("hhmmss"));
    return time.isValid() ? time : absent;
}

QString shown(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("dd/MM/yyyy hh:mm"));
}

}

int CarBooking::turnaroundHours(Database& db)
{
    return std::max(0, Configuration::toInteger(
                           Configuration(db).GetConfig(QStringLiteral("TURNAROUNDHOURS"))));
}

CarBooking::Period CarBooking::period(qint64 fromDate, const QString& fromTime, qint64 toDate, const QString& toTime)
{
    const QDate from = StoredDate::parse(QString::number(fromDate));
    const QDate to = StoredDate::parse(QString::number(toDate));
    const QDateTime end = toTime.trimmed().isEmpty() ? QDateTime(to.addDays(1), QTime(0, 0))
                                                     : QDateTime(to, storedTime(toTime, QTime(0, 0)));
    return {QDateTime(from, storedTime(fromTime, QTime(0, 0))), end};
}

QString CarBooking::conflict(Database& db, qint64 car, const Period& asked, int bufferHours, qint64 ownReservation,
                             qint64 ownContract)
{
    if (car <= 0 || !asked.from.isValid() || !asked.to.isValid())
        return {};
    // The lock first: whoever books this car after us reads what we write.
    db.command(QStringLiteral("update car set carid = carid where carid = ") + SqlValue::number(car));
    const qint64 buffer = qint64(bufferHours) * 3600;
    const QDateTime from = asked.from.addSecs(-buffer);
    const QDateTime to = asked.to.addSecs(buffer);
    const auto overlaps = [&](const QDateTime& start, const QDateTime& end) {
        // An invalid end holds the car until it comes back.
        return start < to && (!end.isValid() || from < end);
    };

    const RowSet booked = db.execute(
        QStringLiteral("select RESERVATIONID, CUSTOMERNAME, PICKUPDATE, PICKUPTIME, RETURNDATE, RETURNTIME "
                       "from RESERVATION where STATE = 0 and CARNO = ")
        + SqlValue::number(car) + QStringLiteral(" and RESERVATIONID <> ") + SqlValue::number(ownReservation)
        + QStringLiteral(" and PICKUPDATE <= ") + SqlValue::number(StoredDate::number(to.date()))
        + QStringLiteral(" and RETURNDATE >= ") + SqlValue::number(StoredDate::number(from.date()))
        + QStringLiteral(" order by PICKUPDATE"));
    for (int row = 0; row < booked.count(); ++row) {
        const Period held = period(booked.value(row, QStringLiteral("PICKUPDATE")).toLongLong(),
                                   booked.text(row, QStringLiteral("PICKUPTIME")),
                                   booked.value(row, QStringLiteral("RETURNDATE")).toLongLong(),
                                   booked.text(row, QStringLiteral("RETURNTIME")));
        if (held.from.isValid() && overlaps(held.from, held.to))
            return QCoreApplication::translate("CarBooking", "This car is booked on reservation %1 (%2) from %3 to %4.")
                .arg(booked.text(row, QStringLiteral("RESERVATIONID")), booked.text(row, QStringLiteral("CUSTOMERNAME")),
                     shown(held.from), shown(held.to));
    }

    const RowSet out = db.execute(
        QStringLiteral("select RENTID, CUSTOMERNAME, EXITDATE, EXITTIME, RETURNDATE from RENT where RETURNED = 0 "
                       "and CARNO = ")
        + SqlValue::number(car) + QStringLiteral(" and RENTID <> ") + SqlValue::number(ownContract)
        + QStringLiteral(" and EXITDATE <= ") + SqlValue::number(StoredDate::number(to.date()))
        + QStringLiteral(" order by EXITDATE"));
    const QDate today = QDate::currentDate();
    for (int row = 0; row < out.count(); ++row) {
        const QString exitTime = out.text(row, QStringLiteral("EXITTIME"));
        const QDateTime start(StoredDate::parse(out.text(row, QStringLiteral("EXITDATE"))),
                              storedTime(exitTime, QTime(0, 0)));
        const QDate due = StoredDate::parse(out.text(row, QStringLiteral("RETURNDATE")));
        // Agreed back at the hour it went out; past that day, until it is back.
        const bool overdue = !due.isValid() || due < today;
        const QDateTime end = overdue ? QDateTime() : QDateTime(due, storedTime(exitTime, QTime(0, 0)));
        if (!start.isValid() || !overlaps(start, end))
            continue;
        const QString contract = out.text(row, QStringLiteral("RENTID"));
        const QString customer = out.text(row, QStringLiteral("CUSTOMERNAME"));
        if (overdue)
            return QCoreApplication::translate("CarBooking", "This car is still out on contract %1 (%2) since %3, overdue: it is held until it comes back.")
                .arg(contract, customer, shown(start));
        return QCoreApplication::translate("CarBooking", "This car is out on contract %1 (%2) from %3 to %4.").arg(contract, customer, shown(start), shown(end));
    }
    return {};
}

CarBooking::PickUp CarBooking::pickUp(Database& db, qint64 reservation, const QDateTime& now,
                                      const std::function<QString(double)>& inWords)
{
    Transaction transaction(db);
    const QString id = SqlValue::number(reservation);
    const RowSet r = db.execute(QStringLiteral("select * from RESERVATION where RESERVATIONID = ") + id);
    if (r.isEmpty())
        return {0, QCoreApplication::translate("CarBooking", "Reservation %1 no longer exists.").arg(reservation)};
    if (r.value(0, QStringLiteral("STATE")).toInt() != 0)
        return {0, QCoreApplication::translate("CarBooking", "Reservation %1 is no longer booked: only a booked reservation is picked up.").arg(reservation)};
    const qint64 car = r.value(0, QStringLiteral("CARNO")).toLongLong();
    const qint64 customer = r.value(0, QStringLiteral("CUSTOMERID")).toLongLong();
    if (customer <= 0)
        return {0, QCoreApplication::translate("CarBooking", "Choose the customer (F5) before the pick-up.")};
    if (car <= 0)
        return {0, QCoreApplication::translate("CarBooking", "Choose the car (F6) before the pick-up.")};
    const QDate back = StoredDate::parse(r.text(0, QStringLiteral("RETURNDATE")));
    if (!back.isValid() || back <= now.date())
        return {0, QCoreApplication::translate("CarBooking", "The agreed return date must come after today.")};

    const QDateTime exit(now.date(), QTime(now.time().hour(), now.time().minute()));
    if (QString held = conflict(db, car, {exit, QDateTime(back, exit.time())}, turnaroundHours(db), reservation);
        !held.isEmpty())
        return {0, held};
    const RowSet c = db.execute(QStringLiteral("select * from car where carid = ") + SqlValue::number(car));
    const RowSet p = db.execute(QStringLiteral("select * from Customer where CUSTOMERID = ") + SqlValue::number(customer));
    if (c.isEmpty() || p.isEmpty())
        return {0, QCoreApplication::translate("CarBooking", "The customer or the car of reservation %1 no longer exists.").arg(reservation)};
    if (c.value(0, QStringLiteral("STOP")).toInt() == 1)
        return {0, QCoreApplication::translate("CarBooking", "This car is stopped: it cannot go out.")};

    // The contract takes the customer's home data, as the customer picker gives it.
    QList<Database::Field> fields{
        {QStringLiteral("NAME"), r.text(0, QStringLiteral("NAME"))},
        {QStringLiteral("RETURNED"), 0},
        {QStringLiteral("CUSTOMERID"), customer},
        {QStringLiteral("CUSTOMERNAME"), p.text(0, QStringLiteral("name"))},
        {QStringLiteral("CARNO"), car},
        {QStringLiteral("PLATNO"), c.text(0, QStringLiteral("PLATENO"))},
        {QStringLiteral("CARTYPE"), c.text(0, QStringLiteral("CARTYPE"))},
        {QStringLiteral("MODEL"), c.text(0, QStringLiteral("BRAND"))},
        {QStringLiteral("COLOR"), c.text(0, QStringLiteral("COLOR"))},
        {QStringLiteral("METER"), c.value(0, QStringLiteral("METER")).toLongLong()},
        {QStringLiteral("EXITDATE"), StoredDate::number(exit.date())},
        {QStringLiteral("EXITTIME"), exit.time().toString(QStringLiteral("hhmmss"))},
        {QStringLiteral("RENTPERIOD"), exit.date().daysTo(back)},
        {QStringLiteral("RETURNDATE"), StoredDate::number(back)},
        {QStringLiteral("DAILYRENT"), r.value(0, QStringLiteral("DAILYRENT")).toDouble()},
        {QStringLiteral("INSURANCE"), r.value(0, QStringLiteral("DEPOSIT")).toDouble()},
        {QStringLiteral("COMMENTS"), r.text(0, QStringLiteral("COMMENTS"))},
    };
    const std::pair<const char*, const char*> fromCustomer[] = {
        {"TITLE", "TITLE"},           {"IDTYPE", "IDTYPE"},
        {"IDNUMBER", "IDNUMBER"},     {"ISSUEPLACE", "ISSUEPLACE"},
        {"LICENSENO", "HOMECARLICENSE"}, {"LICENSEEXPIRYDATE", "HOMELICENSEEXPIRY"},
        {"JOB", "WORKJOB"},           {"WORKPLACE", "WORKCOMPANY"},
        {"TEL1", "HOMETEL1"},         {"TEL2", "HOMETEL2"},
        {"TEL3", "HOMETEL3"},         {"MOB", "HOMEMOB"},
        {"EXT", "HOMEEXT"},           {"FAX", "HOMEFAX"},
        {"ADDRESS", "HOMEADDRESS"},   {"GOVERN", "HOMEGOVERN"},
        {"CITY", "HOMECITY"},         {"NATIONALITY", "NATIONALITY"},
    };
    if (inWords)
        fields << Database::Field{QStringLiteral("DAILYRENTTEXT"), inWords(r.value(0, QStringLiteral("DAILYRENT")).toDouble())}
               << Database::Field{QStringLiteral("INSURANCETEXT"), inWords(r.value(0, QStringLiteral("DEPOSIT")).toDouble())};
    for (const auto& [to, from] : fromCustomer)
        if (const QVariant value = p.value(0, QLatin1String(from)); !value.isNull())
            fields.append({QLatin1String(to), value});
    db.command(QStringLiteral("update car set rented = 1 where carid = ") + SqlValue::number(car));
    const qint64 contract = db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"), fields);
    db.command(QStringLiteral("update RESERVATION set STATE = 1, RENTID = ") + SqlValue::number(contract)
               + QStringLiteral(" where RESERVATIONID = ") + id);
    transaction.commit();
    return {contract, {}};
}

bool CarBooking::close(Database& db, qint64 reservation, int state)
{
    return db.command(QStringLiteral("update RESERVATION set STATE = ") + SqlValue::number(state)
                      + QStringLiteral(" where STATE = 0 and RESERVATIONID = ") + SqlValue::number(reservation))
        == 1;
}
