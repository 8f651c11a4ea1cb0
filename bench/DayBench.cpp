// What the main window waits for on every save and every minute: the nine
// numbers of the day read from an office of 100,000 contracts (each posted to
// the ledger), 20,000 reservations, 200 cars and 5,000 customers; against
// the same counts and sums sent raw to SQLite.
#include "BenchUI.h"

#include "core/Configuration.h"
#include "core/RunState.h"
#include "core/StoredDate.h"
#include "office/NewDatabase.h"
#include "rental/DayAtAGlance.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Cars = 200;
constexpr int ContractsPerCar = 500;     // 100,000 in all
constexpr int ReservationsPerCar = 100;  // 20,000 in all
constexpr int Customers = 5000;
// The shipped chart's accounts a surrender posts to.
constexpr qint64 Cash = 1100;
constexpr qint64 CustomersAccount = 1300;
constexpr qint64 RentIncome = 4100;

struct Office {
    QTemporaryDir dir;
    RunState state{dir.path(), std::make_unique<BenchUI>()};
    QSqlDatabase raw;
    const QDate today = QDate::currentDate();

    Office()
    {
        const QString path = dir.filePath(QStringLiteral("fdk.db"));
        NewDatabase::create(path, false);
        Database& db = state.db();
        db.open(path);
        Configuration::LoadConfiguration(state);
        db.begin();
        const auto day = [&](int fromToday) { return StoredDate::number(today.addDays(fromToday)); };
        QList<QVariantList> cars, customers, contracts, reservations, lines;
        for (int c = 1; c <= Cars; ++c)
            cars.append({c, QStringLiteral("%1/%2").arg(c % 50).arg(c), c % 7 == 0 ? 1 : 0, 20.0, day(c % 400 - 30),
                         day(c % 300), day(c % 500 + 5), c % 11 == 0 ? day(-60 + c % 60) : 0, c % 11 == 0 ? 60 : 0});
        db.insertRows(QStringLiteral("car"),
                      {QStringLiteral("carid"), QStringLiteral("PLATENO"), QStringLiteral("STOP"), QStringLiteral("FARE"),
                       QStringLiteral("LICENSEEXPIRY"), QStringLiteral("INSURANEDC1DATETTO"),
                       QStringLiteral("INSURANCE2DATETO"), QStringLiteral("MAINTSTART1"), QStringLiteral("EVERYDAYS1")},
                      cars);
        for (int k = 1; k <= Customers; ++k)
            customers.append({k, QStringLiteral("عميل %1").arg(k), day(k % 2000 - 100)});
        db.insertRows(QStringLiteral("Customer"),
                      {QStringLiteral("CUSTOMERID"), QStringLiteral("name"), QStringLiteral("HOMELICENSEEXPIRY")},
                      customers);
        qint64 journal = 0;
        for (int c = 1; c <= Cars; ++c) {
            // Three days each, back to back; the last one of most cars still out, some overdue.
            for (int k = 0; k < ContractsPerCar; ++k) {
                const bool open = k == ContractsPerCar - 1 && c % 3 != 0;
                const int exit = 3 * (k - ContractsPerCar) + 1;
                const QString customer = QStringLiteral("عميل %1").arg((c * ContractsPerCar + k) % Customers + 1);
                contracts.append({c, customer, day(exit), open ? day(c % 5 - 2) : day(exit + 2), open ? 0 : 1,
                                  open ? 0 : ++journal});
                if (open)
                    continue;
                // Charged 60, paid 60 less what some still owe.
                const double paid = k % 10 == 0 ? 40.0 : 60.0;
                for (const auto& [account, amount, text, debit] :
                     {std::tuple{CustomersAccount, 60.0, customer, 1}, std::tuple{RentIncome, 60.0, customer, 0},
                      std::tuple{Cash, paid, customer, 1}, std::tuple{CustomersAccount, paid, customer, 0}})
                    lines.append({journal, day(exit + 2), account, amount, text, debit});
            }
            // Done with long ago (picked up, cancelled, no-show), and three ahead still booked.
            for (int r = 0; r < ReservationsPerCar; ++r) {
                const bool ahead = r >= ReservationsPerCar - 3;
                const int pickUp = ahead ? 9 * (r - ReservationsPerCar + 3) : 10 * (r - 120);
                reservations.append({c, QStringLiteral("عميل %1").arg(r), day(pickUp), day(pickUp + 4),
                                     ahead ? 0 : 1 + r % 3});
            }
        }
        db.insertRows(QStringLiteral("RENT"),
                      {QStringLiteral("CARNO"), QStringLiteral("CUSTOMERNAME"), QStringLiteral("EXITDATE"),
                       QStringLiteral("RETURNDATE"), QStringLiteral("RETURNED"), QStringLiteral("JOURNALID")},
                      contracts);
        db.insertRows(QStringLiteral("RESERVATION"),
                      {QStringLiteral("CARNO"), QStringLiteral("CUSTOMERNAME"), QStringLiteral("PICKUPDATE"),
                       QStringLiteral("RETURNDATE"), QStringLiteral("STATE")},
                      reservations);
        db.insertRows(QStringLiteral("JOURNALDETAIL"),
                      {QStringLiteral("JOURNALID"), QStringLiteral("TRANSACTIONDATE"), QStringLiteral("ACCOUNTNUMBER"),
                       QStringLiteral("AMOUNT"), QStringLiteral("RELATEDDETAIL"), QStringLiteral("DEBITORCREDIT")},
                      lines);
        db.commit();
        db.execute(QStringLiteral("analyze"));
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        raw.setDatabaseName(path);
        raw.open();
    }
};

// The same numbers as a hand-written program would ask for them, the day a
// schedule falls due worked out by SQLite's own date functions.
double rawDay(QSqlDatabase& db, const QDate& today)
{
    const QString t = StoredDate::text(today);
    const QString in30 = StoredDate::text(today.addDays(30));
    const QString first = StoredDate::text(QDate(today.year(), today.month(), 1));
    const QString last = StoredDate::text(QDate(today.year(), today.month(), today.daysInMonth()));
    QStringList maintenance;
    for (int n = 1; n <= 3; ++n)
        maintenance << QStringLiteral("(c.EVERYDAYS%1 > 0 and c.MAINTSTART%1 > 0 and cast(strftime('%Y%m%d', "
                                      "date(substr(c.MAINTSTART%1, 1, 4) || '-' || substr(c.MAINTSTART%1, 5, 2) || '-' "
                                      "|| substr(c.MAINTSTART%1, 7, 2), '+' || c.EVERYDAYS%1 || ' days')) as integer) "
                                      "= %2)")
                           .arg(n)
                           .arg(t);
    QString paper;
    for (const char* column : {"INSURANEDC1DATETTO", "INSURANCE2DATETO", "LICENSEEXPIRY"})
        paper += QStringLiteral("(select count(*) from car where %1 > 0 and %1 <= %2) + ").arg(QLatin1String(column), in30);
    paper += QStringLiteral("(select count(*) from Customer where HOMELICENSEEXPIRY > 0 and HOMELICENSEEXPIRY <= %1)").arg(in30);
    QSqlQuery q(db);
    q.exec(QStringLiteral("select (select count(*) from RENT where RETURNED = 0 and EXITDATE <= %1), "
                          "(select count(*) from RENT where RETURNED = 0 and RETURNDATE = %1), "
                          "(select count(*) from RENT where RETURNED = 0 and RETURNDATE > 0 and RETURNDATE < %1), "
                          "(select count(*) from RESERVATION where STATE = 0 and PICKUPDATE = %1), "
                          "(select count(*) from car c where c.STOP = 0 and c.carid not in (select CARNO from RENT "
                          "where RETURNED = 0 and EXITDATE <= %1 and CARNO is not null) and c.carid not in (select "
                          "CARNO from RESERVATION where STATE = 0 and PICKUPDATE <= %1 and RETURNDATE >= %1 and CARNO "
                          "is not null) and not (%2)), (select count(*) from car where STOP <> 0), %3, "
                          "(select sum(AMOUNT * (1 - 2 * DEBITORCREDIT)) from JOURNALDETAIL where ACCOUNTNUMBER = "
                          "4100 and TRANSACTIONDATE between %4 and %5), (select sum(AMOUNT * (2 * DEBITORCREDIT - 1)) "
                          "from JOURNALDETAIL where ACCOUNTNUMBER = 1300)")
               .arg(t, maintenance.join(QStringLiteral(" or ")), paper, first, last));
    double sum = 0;
    if (q.next())
        for (int i = 0; i < DayAtAGlance::ItemCount; ++i)
            sum += q.value(i).toDouble();
    return sum;
}

void BM_DayAtAGlanceOf100000Contracts(benchmark::State& s)
{
    static Office o;
    Clock::duration reading{}, raw{};
    double rawSum = 0;
    DayAtAGlance::Figures figures{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        figures = DayAtAGlance(o.state.db(), o.today).figures();
        const auto t1 = Clock::now();
        rawSum = rawDay(o.raw, o.today);
        reading += t1 - t0;
        raw += Clock::now() - t1;
    }
    double sum = 0;
    for (const double figure : figures)
        sum += figure;
    if (qAbs(sum - rawSum) > 0.005)
        s.SkipWithError("the numbers differ from the raw statement's");
    s.counters["day/raw"] = double(reading.count()) / double(std::max<Clock::rep>(1, raw.count()));
    s.counters["day ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(reading).count(),
                                              benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_DayAtAGlanceOf100000Contracts)->Unit(benchmark::kMillisecond);

}
