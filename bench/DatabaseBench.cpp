// The window engine re-reads screen metadata on every call, so the cost that
// Database adds to one metadata select (translation, row set, hook) is paid many
// times per screen. This measures it against a bare QSqlQuery on the same file.
#include "core/Database.h"
#include "office/NewDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

const QString MetadataSelect = QStringLiteral(
    "select * from _WINDOWTABLEDETAILS where WINDOWTABLEID =  %1 and ONOFF = 1  ");

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bench.db"));
    Database db;
    qint64 tableId = 0;
    QSqlDatabase raw;

    Fixture()
    {
        NewDatabase::create(path, false);
        db.open(path);
        tableId = db.insert(QStringLiteral("_WINDOWTABLE"), QStringLiteral("WINDOWTABLEID"),
                            {{QStringLiteral("WINDOWNAME"), QStringLiteral("frmBench")},
                             {QStringLiteral("TABLENAME"), QStringLiteral("car")},
                             {QStringLiteral("ONOFF"), 1}, {QStringLiteral("TABLEORDER"), 1}});
        Transaction tx(db);
        for (int i = 0; i < 40; ++i)
            db.insert(QStringLiteral("_WINDOWTABLEDETAILS"), QStringLiteral("WINDOWTABLEDETAILSID"),
                      {{QStringLiteral("WINDOWTABLEID"), tableId},
                       {QStringLiteral("WINDOWCONTROL"), QStringLiteral("dfsField%1").arg(i)},
                       {QStringLiteral("COLUMN"), QStringLiteral("FIELD%1").arg(i)},
                       {QStringLiteral("TYPE"), 1}, {QStringLiteral("ONOFF"), 1}, {QStringLiteral("IDENTIFIER"), 0}});
        tx.commit();
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        raw.setDatabaseName(path);
        raw.open();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

int rawSelect(QSqlDatabase& raw, const QString& sql)
{
    QSqlQuery q(raw);
    q.setForwardOnly(true);
    q.exec(sql);
    int n = 0;
    const int columns = q.record().count();
    while (q.next()) {
        for (int c = 0; c < columns; ++c)
            benchmark::DoNotOptimize(q.value(c));
        ++n;
    }
    return n;
}

void BM_MetadataSelect_Database(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString sql = MetadataSelect.arg(f.tableId);
    for (auto _ : state)
        benchmark::DoNotOptimize(f.db.execute(sql).count());
}

void BM_MetadataSelect_RawQuery(benchmark::State& state)
{
    Fixture& f = fixture();
    QSqlDatabase raw = f.raw;
    const QString sql = MetadataSelect.arg(f.tableId);
    for (auto _ : state)
        benchmark::DoNotOptimize(rawSelect(raw, sql));
}

// Both paths in turn within one run, so the ratio is not skewed by drift.
void BM_MetadataSelect_Ratio(benchmark::State& state)
{
    Fixture& f = fixture();
    QSqlDatabase raw = f.raw;
    const QString sql = MetadataSelect.arg(f.tableId);
    using Clock = std::chrono::steady_clock;
    Clock::duration viaDatabase{}, viaRaw{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(f.db.execute(sql).count());
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(rawSelect(raw, sql));
        viaDatabase += t1 - t0;
        viaRaw += Clock::now() - t1;
    }
    state.counters["database/raw"] = double(viaDatabase.count()) / double(std::max<Clock::rep>(1, viaRaw.count()));
}

BENCHMARK(BM_MetadataSelect_Database);
BENCHMARK(BM_MetadataSelect_RawQuery);
BENCHMARK(BM_MetadataSelect_Ratio);

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
