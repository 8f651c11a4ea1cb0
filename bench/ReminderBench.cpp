// What a reminder build costs: BuildReminders with five rules whose queries
// give 10,000 hits (rules read, queries run, the queue checked for each hit,
// the rows inserted in batches) against the same 10,000 rows inserted raw
// through one prepared statement in one transaction.
#include "BenchUI.h"

#include "core/RunState.h"
#include "office/NewDatabase.h"
#include "reminders/cReminder.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int Cars = 2000;
constexpr int Rules = 5;
using Clock = std::chrono::steady_clock;

struct Office {
    QTemporaryDir dir;
    RunState state{dir.path(), std::make_unique<BenchUI>()};
    QSqlDatabase raw;

    Office()
    {
        const QString path = dir.filePath(QStringLiteral("fdk.db"));
        NewDatabase::create(path, false);
        Database& db = state.db();
        db.open(path);
        db.command(QStringLiteral("delete from _Reminder"));
        QList<QVariantList> cars;
        for (int i = 0; i < Cars; ++i)
            cars.append({QStringLiteral("%1/%2").arg(i % 30).arg(10000 + i), QStringLiteral("سيارة %1").arg(i)});
        db.insertRows(QStringLiteral("car"), {QStringLiteral("PLATENO"), QStringLiteral("name")}, cars);
        for (int r = 0; r < Rules; ++r)
            db.insert(QStringLiteral("_Reminder"), QStringLiteral("REMINDERID"),
                      {{QStringLiteral("REMINDERRULENAME"), QStringLiteral("قاعدة %1: ").arg(r)},
                       {QStringLiteral("ONOFF"), 1},
                       {QStringLiteral("Message"), QStringLiteral("نص التذكير")},
                       {QStringLiteral("SQLREMINDERLIST"),
                        QStringLiteral("select PLATENO & ' ' & name from car order by carid")}});
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        raw.setDatabaseName(path);
        raw.open();
    }

    void emptyQueue() { QSqlQuery(raw).exec(QStringLiteral("delete from reminderqueue")); }
};

void rawInserts(QSqlDatabase& db)
{
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("insert into reminderqueue (ERRORMESSAGE, reminderid, message, RELEASEDATE, "
                             "DATEACTIONED) values (?, ?, ?, ?, ?)"));
    for (int r = 0; r < Rules; ++r)
        for (int i = 0; i < Cars; ++i) {
            q.addBindValue(QStringLiteral("نص التذكير"));
            q.addBindValue(r + 1);
            q.addBindValue(QStringLiteral("قاعدة %1: %2/%3 سيارة %4").arg(r).arg(i % 30).arg(10000 + i).arg(i));
            q.addBindValue(20261207);
            q.addBindValue(20030101);
            q.exec();
        }
    db.commit();
}

void BM_BuildRemindersAgainstRawInserts(benchmark::State& s)
{
    static Office o;
    cReminder& reminders = o.state.service<cReminder>();
    Clock::duration build{}, raw{};
    for (auto _ : s) {
        o.emptyQueue();
        const auto t0 = Clock::now();
        reminders.BuildReminders();
        const auto t1 = Clock::now();
        o.emptyQueue();
        const auto t2 = Clock::now();
        rawInserts(o.raw);
        raw += Clock::now() - t2;
        build += t1 - t0;
    }
    s.counters["build/raw"] = double(build.count()) / double(std::max<Clock::rep>(1, raw.count()));
    s.counters["build ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(build).count(),
                                                benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_BuildRemindersAgainstRawInserts)->Unit(benchmark::kMillisecond);

}
