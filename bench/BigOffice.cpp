#include "BigOffice.h"

#include "core/Database.h"
#include "core/RunState.h"
#include "core/ServerAddress.h"
#include "core/StoredDate.h"
#include "schema/AccountMonths.h"
#include "schema/TableRows.h"
#include "office/NewDatabase.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <cmath>

namespace {

// One INSERT ... SELECT of `count` rows, the row's number `i` counting from 1;
// `from` joins further tables to the series `n`.
void insertSeries(Database& db, qint64 count, const QString& table, const QString& columns, const QString& select,
                  const QString& from = {})
{
    QElapsedTimer timer;
    timer.start();
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM ").arg(table, columns, select);
    db.executeNative(server ? insert + QStringLiteral("generate_series(1, %1::bigint) AS n(i) ").arg(count) + from
                            : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
                                             "i < %1) ")
                                      .arg(count)
                                  + insert + QStringLiteral("n ") + from);
    QTextStream(stderr) << table << ": " << count << " rows in " << timer.elapsed() / 1000.0 << " s\n";
}

// A customer's name from his number: four first names over the whole table.
QString customerName(const QString& number)
{
    return QStringLiteral("(CASE (%1) % 4 WHEN 0 THEN 'سالم' WHEN 1 THEN 'محمد' WHEN 2 THEN 'أحمد' ELSE 'خالد' END "
                          "|| ' ' || (%1))")
        .arg(number);
}

}

BigOffice::BigOffice(double scale)
    : m_customers(std::llround(200000 * scale)),
      m_contracts(std::max<qint64>(1, std::llround(1000000 * scale / Cars)) * Cars),
      m_changeLines(std::llround(20000000 * scale / 10) * 10)
{
}

void BigOffice::make(const QString& path, const QDate& today) const
{
    NewDatabase::create(path, false);
    Database db;
    db.open(path);
    db.begin();
    fill(db, today);
    db.commit();
    QElapsedTimer timer;
    timer.start();
    // What a working office's engine knows: the tables' statistics, and on the
    // server the pages all visible (autovacuum's work), so an index can answer alone.
    db.executeNative(db.dialect() == SqlDialect::PostgreSQL ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
    QTextStream(stderr) << "statistics in " << timer.elapsed() / 1000.0 << " s\n";
}

void BigOffice::fill(Database& db, const QDate& today) const
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    if (!server)
        db.executeNative(QStringLiteral("PRAGMA cache_size = -400000"));
    // The days the office has seen, by their distance from today, as stored.
    const qint64 span = std::max<qint64>(2100, 2 * perCar() + 10 * (reservations() / Cars) + 10);
    db.executeNative(QStringLiteral("CREATE TEMP TABLE bigday (k integer primary key, d integer)"));
    {
        QList<QVariantList> days;
        for (qint64 k = -span; k <= 400; ++k)
            days.append({k, StoredDate::number(today.addDays(k))});
        db.insertRows(QStringLiteral("bigday"), {QStringLiteral("k"), QStringLiteral("d")}, days);
    }
    const auto base = [&](const char* table, const char* key) {
        return db.execute(QStringLiteral("select max(%1) as M from %2").arg(QLatin1String(key), QLatin1String(table)))
            .value(0, QStringLiteral("M"))
            .toLongLong();
    };

    // Cars: a seventh stopped; papers and schedules falling due over the year.
    insertSeries(db, Cars, QStringLiteral("car"),
                 QStringLiteral("carid, name, PLATENO, STOP, CARTYPE, FARE, METER, rented, LICENSEEXPIRY, "
                                "INSURANEDC1DATETTO, INSURANCE2DATETO, MAINTSTART1, EVERYDAYS1"),
                 QStringLiteral("i, 'سيارة ' || i, (i % 50) || '/' || i, CASE WHEN i % 7 = 0 THEN 1 ELSE 0 END, "
                                "CASE WHEN i % 2 = 1 THEN 'صالون' ELSE 'جيب' END, 20, 1000 * i, "
                                "CASE WHEN i % 3 = 0 THEN 0 ELSE 1 END, a.d, b.d, c.d, "
                                "CASE WHEN i % 11 = 0 THEN m.d ELSE 0 END, CASE WHEN i % 11 = 0 THEN 60 ELSE 0 END"),
                 QStringLiteral("JOIN bigday a ON a.k = i % 400 - 30 JOIN bigday b ON b.k = i % 300 "
                                "JOIN bigday c ON c.k = i % 395 + 5 JOIN bigday m ON m.k = i % 60 - 60"));

    // Loaded without the lists' counting triggers, then counted once.
    TableRows::dropTriggers(db);
    // Customers: a third without a telephone (the mobile shows instead).
    const qint64 customer0 = base("Customer", "CUSTOMERID");
    insertSeries(db, m_customers, QStringLiteral("Customer"),
                 QStringLiteral("CUSTOMERID, name, HOMETEL1, HOMEMOB, IDNUMBER, HOMECARLICENSE, HOMELICENSEEXPIRY"),
                 QStringLiteral("%1 + i, %2, CASE WHEN i % 3 = 0 THEN '' ELSE '2' || (4000000 + i) END, "
                                "'05' || (50000000 + i), 280000000000 + i, 'L' || i, e.d")
                     .arg(customer0)
                     .arg(customerName(QStringLiteral("i"))),
                 QStringLiteral("JOIN bigday e ON e.k = i % 2000 - 100"));

    // Contracts: car (i - 1) % Cars + 1, its k-th with k = (i - 1) / Cars,
    // two days each; the last of a car not a multiple of three still out.
    const qint64 rent0 = base("RENT", "RENTID");
    const qint64 journal0 = base("JOURNAL", "JOURNALID");
    const QString k = QStringLiteral("((i - 1) / %1)").arg(Cars);
    const QString open = QStringLiteral("(%1 = %2 AND ((i - 1) % %3 + 1) % 3 <> 0)").arg(k).arg(perCar() - 1).arg(Cars);
    const QString exitDay = QStringLiteral("(2 * (%1 - %2) + 1)").arg(k).arg(perCar());
    const QString customerOf = QStringLiteral("((i * 7919) % %1 + 1)").arg(std::max<qint64>(1, m_customers));
    insertSeries(db, m_contracts, QStringLiteral("RENT"),
                 QStringLiteral("RENTID, NAME, CUSTOMERID, CUSTOMERNAME, CARNO, METER, DAILYRENT, EXITDATE, RENTPERIOD, "
                                "RETURNDATE, RETURNED, JOURNALID, TOTAL, PAID, REMAINDER"),
                 QStringLiteral("%1 + i, 'عقد ' || i, %2 + %3, %4, (i - 1) % %5 + 1, 1000 + i, 20, x.d, 2, r.d, "
                                "CASE WHEN %6 THEN 0 ELSE 1 END, %7 + i, 40, CASE WHEN i % 10 = 0 THEN 20 ELSE 40 END, "
                                "CASE WHEN i % 10 = 0 THEN 20 ELSE 0 END")
                     .arg(rent0)
                     .arg(customer0)
                     .arg(customerOf, customerName(customerOf))
                     .arg(Cars)
                     .arg(open)
                     .arg(journal0),
                 QStringLiteral("JOIN bigday x ON x.k = %1 JOIN bigday r ON r.k = CASE WHEN %2 THEN (i - 1) % 5 - 1 "
                                "ELSE %1 + 1 END")
                     .arg(exitDay, open));

    // Reservations: done with long ago (picked up, cancelled, no-show), and
    // three ahead of each car still booked.
    const qint64 perCarBooked = reservations() / Cars;
    const QString r = QStringLiteral("((i - 1) / %1)").arg(Cars);
    const QString ahead = QStringLiteral("(%1 >= %2)").arg(r).arg(perCarBooked - 3);
    insertSeries(db, reservations(), QStringLiteral("RESERVATION"),
                 QStringLiteral("NAME, CARNO, CUSTOMERID, CUSTOMERNAME, PICKUPDATE, RETURNDATE, STATE"),
                 QStringLiteral("'حجز ' || i, (i - 1) % %1 + 1, %2 + %3, %4, p.d, q.d, CASE WHEN %5 THEN 0 ELSE 1 + %6 % 3 END")
                     .arg(Cars)
                     .arg(customer0)
                     .arg(customerOf, customerName(customerOf), ahead, r),
                 QStringLiteral("JOIN bigday p ON p.k = CASE WHEN %1 THEN 4 + 9 * (%2 - %3) ELSE 10 * (%2 - %4) END "
                                "JOIN bigday q ON q.k = p.k + 4")
                     .arg(ahead, r)
                     .arg(perCarBooked - 3)
                     .arg(perCarBooked));

    TableRows::rebuild(db);

    // A journal per contract, dated its return.
    insertSeries(db, m_contracts, QStringLiteral("JOURNAL"),
                 QStringLiteral("JOURNALID, NAME, TRANSACTIONDATE, AMOUNT, WINDOWNAME"),
                 QStringLiteral("%1 + i, 'عقد ' || i, r.d, 40, 'frmRentCar'").arg(journal0),
                 QStringLiteral("JOIN bigday r ON r.k = %1 + 1").arg(exitDay));

    // Ten lines each: the rent (customer to income), the payment (cash to
    // customer; a tenth still owe half), the deposit taken and given back
    // (card clearing and deposits held), the VAT (customer to VAT payable).
    // Loaded without the months' triggers, then summed once.
    AccountMonths::dropTriggers(db);
    const QString contract = QStringLiteral("((i - 1) / 10 + 1)");
    const QString slot = QStringLiteral("((i - 1) % 10)");
    insertSeries(db, ledgerLines(), QStringLiteral("JOURNALDETAIL"),
                 QStringLiteral("JOURNALID, TRANSACTIONDATE, ACCOUNTNUMBER, AMOUNT, RELATEDDETAIL, DEBITORCREDIT"),
                 QStringLiteral("%1 + %2, r.d, CASE %3 WHEN 0 THEN %4 WHEN 1 THEN %5 WHEN 2 THEN %6 WHEN 3 THEN %4 "
                                "WHEN 4 THEN 1150 WHEN 5 THEN 2100 WHEN 6 THEN 2100 WHEN 7 THEN 1150 WHEN 8 THEN %4 "
                                "ELSE 2200 END, CASE WHEN %3 < 2 THEN 40 WHEN %3 < 4 THEN CASE WHEN %2 % 10 = 0 THEN 20 "
                                "ELSE 40 END WHEN %3 < 8 THEN 100 ELSE 6 END, 'عقد ' || %2, 1 - %3 % 2")
                     .arg(journal0)
                     .arg(contract, slot)
                     .arg(QString::number(CustomersAccount), QString::number(RentIncome), QString::number(Cash)),
                 QStringLiteral("JOIN bigday r ON r.k = 2 * ((%1 - 1) / %2 - %3) + 2")
                     .arg(contract)
                     .arg(Cars)
                     .arg(perCar()));

    QElapsedTimer summing;
    summing.start();
    AccountMonths::rebuild(db);
    QTextStream(stderr) << "ACCOUNTMONTH: summed in " << summing.elapsed() / 1000.0 << " s\n";

    // The change journal: its entries spread evenly over the office's days,
    // ten lines each.
    const qint64 entries = m_changeLines / 10;
    const qint64 days = 2 * perCar();
    const qint64 entry0 = base("_JOURNAL", "JOURNALID");
    insertSeries(db, entries, QStringLiteral("_JOURNAL"),
                 QStringLiteral("JOURNALID, %1, JOURNALDATE, JOURNALTIME, JOURNALDESCRIPTION, FORM, FORMNAME, "
                                "MODIFICATIONDESCRIPTION")
                     .arg(server ? QStringLiteral("\"user\"") : QStringLiteral("USER")),
                 QStringLiteral("%1 + i, CASE WHEN i % 3 = 0 THEN 'CLERK' ELSE 'ADMIN' END, j.d, "
                                "80000 + (i % 10) * 10000 + (i % 60) * 100 + i % 60, 'حفظ عقد ' || i, 'frmRentCar', "
                                "'العقود', 'تعديل'")
                     .arg(entry0),
                 QStringLiteral("JOIN bigday j ON j.k = (i - 1) * %1 / %2 - %1").arg(days).arg(std::max<qint64>(1, entries)));
    insertSeries(db, m_changeLines, QStringLiteral("_JOURNALDETAILS"),
                 QStringLiteral("JOURNALID, OLDVALUE, NEWVALUE, CONTROLTYPE, CONTROLNAME, MODIFIED"),
                 QStringLiteral("%1 + (i - 1) / 10 + 1, '' || i, '' || (i + 1), 1, 'dfn' || ((i - 1) % 10), 1").arg(entry0));
    db.executeNative(QStringLiteral("DROP TABLE bigday"));
    if (server) {
        // The keys were given: the next row of each table takes the one after.
        for (const auto& [table, key] : {std::pair{"car", "carid"}, {"Customer", "CUSTOMERID"}, {"RENT", "RENTID"},
                                         {"JOURNAL", "JOURNALID"}, {"_JOURNAL", "JOURNALID"}})
            db.executeNative(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), (SELECT max(%2) FROM %1))")
                                 .arg(QString::fromLatin1(table).toLower(), QString::fromLatin1(key).toLower()));
    }
}

QSqlDatabase BigOffice::rawConnection(const QString& path, const QString& name)
{
    QSqlDatabase raw;
    if (ServerAddress::isServer(path)) {
        const ServerAddress address = ServerAddress::parse(path);
        raw = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        raw.setHostName(address.host);
        if (address.port > 0)
            raw.setPort(address.port);
        raw.setUserName(address.user);
        raw.setDatabaseName(address.database);
    } else {
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        raw.setDatabaseName(path);
    }
    raw.open();
    return raw;
}
