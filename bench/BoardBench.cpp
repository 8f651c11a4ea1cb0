// What the counter waits for when the planning board opens: 200 cars over
// 31 days, read from an office of 100,000 contracts and 20,000 reservations
// (one statement for the cars, one for what holds them) and laid out cell by
// cell; against the same two statements sent raw.
#include "BenchUI.h"

#include "core/Configuration.h"
#include "core/RunState.h"
#include "core/StoredDate.h"
#include "office/NewDatabase.h"
#include "rental/PlanningBoardModel.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Cars = 200;
constexpr int ContractsPerCar = 500;      // 100,000 in all
constexpr int ReservationsPerCar = 100;   // 20,000 in all
constexpr int Days = 31;

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
        QList<QVariantList> cars, contracts, reservations;
        for (int c = 1; c <= Cars; ++c)
            cars.append({c, QStringLiteral("سيارة %1").arg(c), QStringLiteral("%1/%2").arg(c % 50).arg(c), c % 7 == 0 ? 1 : 0,
                         c % 2 ? QStringLiteral("صالون") : QStringLiteral("جيب"), 20.0});
        db.insertRows(QStringLiteral("car"), {QStringLiteral("carid"), QStringLiteral("name"), QStringLiteral("PLATENO"),
                                              QStringLiteral("STOP"), QStringLiteral("CARTYPE"), QStringLiteral("FARE")},
                      cars);
        for (int c = 1; c <= Cars; ++c) {
            // Three days each, back to back; the last one of most cars still out, some overdue.
            for (int k = 0; k < ContractsPerCar; ++k) {
                const bool last = k == ContractsPerCar - 1;
                const QDate exit = today.addDays(3 * (k - ContractsPerCar) + 1);
                const QDate back = last ? today.addDays(c % 5 - 2) : exit.addDays(2);
                contracts.append({QStringLiteral("عقد"), c, QStringLiteral("عميل %1").arg(k), StoredDate::number(exit),
                                  StoredDate::number(back), last && c % 3 != 0 ? 0 : 1});
            }
            // Done with long ago (picked up, cancelled, no-show), and three ahead still booked.
            for (int r = 0; r < ReservationsPerCar; ++r) {
                const bool ahead = r >= ReservationsPerCar - 3;
                const QDate pickUp = ahead ? today.addDays(4 + 9 * (r - ReservationsPerCar + 3)) : today.addDays(10 * (r - 120));
                reservations.append({QStringLiteral("حجز"), c, QStringLiteral("عميل %1").arg(r), StoredDate::number(pickUp),
                                     StoredDate::number(pickUp.addDays(4)), ahead ? 0 : 1 + r % 3});
            }
        }
        db.insertRows(QStringLiteral("RENT"), {QStringLiteral("NAME"), QStringLiteral("CARNO"), QStringLiteral("CUSTOMERNAME"),
                                               QStringLiteral("EXITDATE"), QStringLiteral("RETURNDATE"),
                                               QStringLiteral("RETURNED")},
                      contracts);
        db.insertRows(QStringLiteral("RESERVATION"),
                      {QStringLiteral("NAME"), QStringLiteral("CARNO"), QStringLiteral("CUSTOMERNAME"),
                       QStringLiteral("PICKUPDATE"), QStringLiteral("RETURNDATE"), QStringLiteral("STATE")},
                      reservations);
        db.commit();
        db.execute(QStringLiteral("analyze"));
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        raw.setDatabaseName(path);
        raw.open();
    }
};

// The board's two statements, as a hand-written program would send them.
int rawBoard(QSqlDatabase& db, qint64 from, qint64 to, qint64 today)
{
    int rows = 0;
    QSqlQuery q(db);
    q.exec(QStringLiteral("select carid, PLATENO, name, STOP, MAINTSTART1, EVERYDAYS1, MAINTSTART2, EVERYDAYS2, "
                          "MAINTSTART3, EVERYDAYS3 from car order by PLATENO, carid"));
    while (q.next())
        ++rows;
    q.exec(QStringLiteral("select 1, RENTID, CARNO, CUSTOMERNAME, EXITDATE, RETURNDATE from RENT where RETURNED = 0 "
                          "and EXITDATE <= %1 and (RETURNDATE >= %2 or RETURNDATE < %3 or RETURNDATE is "
                          "null) union all select 2, RESERVATIONID, CARNO, CUSTOMERNAME, PICKUPDATE, RETURNDATE from "
                          "RESERVATION where STATE = 0 and PICKUPDATE <= %1 and (RETURNDATE >= %2 or "
                          "RETURNDATE is null)")
               .arg(to)
               .arg(from)
               .arg(today));
    while (q.next())
        ++rows;
    return rows;
}

void BM_PlanningBoardOf200CarsBy31Days(benchmark::State& s)
{
    static Office o;
    PlanningBoardModel board(o.state.db());
    const qint64 from = StoredDate::number(o.today);
    const qint64 to = StoredDate::number(o.today.addDays(Days - 1));
    Clock::duration loading{}, raw{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        board.load(o.today, Days, o.today, {});
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(rawBoard(o.raw, from, to, from));
        loading += t1 - t0;
        raw += Clock::now() - t1;
    }
    if (board.rowCount() != Cars)
        s.SkipWithError("the board lost cars");
    s.counters["board/raw"] = double(loading.count()) / double(std::max<Clock::rep>(1, raw.count()));
    s.counters["board ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(loading).count(),
                                                benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_PlanningBoardOf200CarsBy31Days)->Unit(benchmark::kMillisecond);

}
