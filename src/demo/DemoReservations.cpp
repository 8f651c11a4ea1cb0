#include "demo/DemoReservations.h"

#include "core/Database.h"
#include "core/StoredDate.h"

#include <QDate>

void DemoReservations::insert(Database& db)
{
    const QDate today = QDate::currentDate();
    const RowSet customers = db.execute(QStringLiteral(
        "select * from Customer where BLACKLIST = 0 and STOPTRANSACTION = 0 order by CUSTOMERID desc"));
    const RowSet cars = db.execute(QStringLiteral("select * from car where rented = 0 and STOP = 0 order by carid"));
    if (customers.count() < 7 || cars.count() < 3)
        return;
    const struct {
        const char* name;
        int state;
        int car;  // row of `cars`; -1: only a type is asked for
        int from, to;  // days from today
        const char* time;
        const char* notes;
    } bookings[] = {
        {"حجز اليوم - مطار", 0, 0, 0, 3, "180000", "يستلم السيارة عند وصوله من المطار"},
        {"حجز نهاية الأسبوع", 0, 1, 2, 5, "100000", ""},
        {"حجز عائلي", 0, 1, 7, 11, "090000", "مقعد أطفال"},
        {"حجز بنوع السيارة", 0, -1, 4, 6, "120000", "أي سيارة دفع رباعي متاحة"},
        {"حجز متأخر", 0, 2, -1, 2, "110000", "لم يحضر في موعده، بانتظار اتصاله"},
        {"حجز ملغى", 2, 0, 5, 6, "100000", "ألغاه العميل هاتفيًا"},
        {"حجز لم يحضر", 3, 2, -4, -2, "100000", ""},
    };
    int customer = 0;
    for (const auto& b : bookings) {
        const int row = customer++;
        QList<Database::Field> fields{
            {QStringLiteral("NAME"), QString::fromUtf8(b.name)},
            {QStringLiteral("CREATEDT"), StoredDate::number(today.addDays(std::min(b.from, 0) - 3))},
            {QStringLiteral("STATE"), b.state},
            {QStringLiteral("CUSTOMERID"), customers.value(row, QStringLiteral("CUSTOMERID"))},
            {QStringLiteral("CUSTOMERNAME"), customers.text(row, QStringLiteral("name"))},
            {QStringLiteral("MOB"), customers.text(row, QStringLiteral("HOMEMOB"))},
            {QStringLiteral("PICKUPDATE"), StoredDate::number(today.addDays(b.from))},
            {QStringLiteral("PICKUPTIME"), QString::fromLatin1(b.time)},
            {QStringLiteral("RETURNDATE"), StoredDate::number(today.addDays(b.to))},
            {QStringLiteral("RETURNTIME"), QString::fromLatin1(b.time)},
            {QStringLiteral("DEPOSIT"), 50.0},
            {QStringLiteral("COMMENTS"), QString::fromUtf8(b.notes)}};
        if (b.car < 0) {
            fields << Database::Field{QStringLiteral("CARNO"), 0}
                   << Database::Field{QStringLiteral("CARTYPE"), QStringLiteral("دفع رباعي")}
                   << Database::Field{QStringLiteral("DAILYRENT"), 25.0};
        } else {
            fields << Database::Field{QStringLiteral("CARNO"), cars.value(b.car, QStringLiteral("carid"))}
                   << Database::Field{QStringLiteral("PLATNO"), cars.text(b.car, QStringLiteral("PLATENO"))}
                   << Database::Field{QStringLiteral("CARTYPE"), cars.text(b.car, QStringLiteral("CARTYPE"))}
                   << Database::Field{QStringLiteral("DAILYRENT"), cars.value(b.car, QStringLiteral("FARE"))};
        }
        db.insert(QStringLiteral("RESERVATION"), QStringLiteral("RESERVATIONID"), fields);
    }

    // The first open contract came from a booking made the week before.
    const RowSet out = db.execute(QStringLiteral("select * from RENT where RETURNED = 0 order by RENTID"));
    if (out.isEmpty())
        return;
    db.insert(QStringLiteral("RESERVATION"), QStringLiteral("RESERVATIONID"),
              {{QStringLiteral("NAME"), out.text(0, QStringLiteral("NAME"))},
               {QStringLiteral("CREATEDT"), StoredDate::number(today.addDays(-9))},
               {QStringLiteral("STATE"), 1},
               {QStringLiteral("CUSTOMERID"), out.value(0, QStringLiteral("CUSTOMERID"))},
               {QStringLiteral("CUSTOMERNAME"), out.text(0, QStringLiteral("CUSTOMERNAME"))},
               {QStringLiteral("MOB"), out.text(0, QStringLiteral("MOB"))},
               {QStringLiteral("CARNO"), out.value(0, QStringLiteral("CARNO"))},
               {QStringLiteral("PLATNO"), out.text(0, QStringLiteral("PLATNO"))},
               {QStringLiteral("CARTYPE"), out.text(0, QStringLiteral("CARTYPE"))},
               {QStringLiteral("PICKUPDATE"), out.value(0, QStringLiteral("EXITDATE"))},
               {QStringLiteral("PICKUPTIME"), out.text(0, QStringLiteral("EXITTIME"))},
               {QStringLiteral("RETURNDATE"), out.value(0, QStringLiteral("RETURNDATE"))},
               {QStringLiteral("RETURNTIME"), out.text(0, QStringLiteral("EXITTIME"))},
               {QStringLiteral("DAILYRENT"), out.value(0, QStringLiteral("DAILYRENT"))},
               {QStringLiteral("DEPOSIT"), out.value(0, QStringLiteral("INSURANCE"))},
               {QStringLiteral("RENTID"), out.value(0, QStringLiteral("RENTID"))}});
}
