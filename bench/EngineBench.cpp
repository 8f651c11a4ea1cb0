// What the window engine costs a screen: Read and Save (journal included) of a
// screen with 100 bound fields, each against one raw select or update of the
// same row, and the open dialog on growing tables.
#include "BenchUI.h"

#include "engine/cWindow.h"
#include "schema/MetadataWriter.h"
#include "schema/NewDatabase.h"
#include "shell/base/RunState.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int FieldCount = 100;
using Clock = std::chrono::steady_clock;

struct Office {
    QTemporaryDir dir;
    RunState state{dir.path(), std::make_unique<BenchUI>()};
    QDialog screen;
    QSqlDatabase raw;

    Office()
    {
        const QString path = dir.filePath(QStringLiteral("fdk.db"));
        NewDatabase::create(path, false);
        state.db().open(path);
        QStringList columns;
        for (int i = 0; i < FieldCount; ++i)
            columns << QStringLiteral("F%1 TEXT COLLATE NOCASE").arg(i);
        state.db().executeNative(QStringLiteral("CREATE TABLE bench (BENCHID INTEGER PRIMARY KEY AUTOINCREMENT, %1)")
                                     .arg(columns.join(QLatin1Char(','))));
        state.db().executeNative(QStringLiteral("INSERT INTO bench (F0) VALUES ('first')"));

        screen.setObjectName(QStringLiteral("frmBench"));
        (new QLineEdit(&screen))->setObjectName(QStringLiteral("txtID"));
        MetadataWriter m(state.db(), QStringLiteral("frmBench"));
        const qint64 table = m.table(QStringLiteral("bench"), 1, QStringLiteral("bench"));
        m.identifier(table, QStringLiteral("BENCHID"), QStringLiteral("No."));
        for (int i = 0; i < FieldCount; ++i) {
            auto* edit = new QLineEdit(&screen);
            edit->setObjectName(QStringLiteral("dfsF%1").arg(i));
            m.field(table, edit->objectName(), QStringLiteral("F%1").arg(i), MetadataWriter::Text);
        }
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        raw.setDatabaseName(path);
        raw.open();
    }

    void fillRent(int rows)
    {
        state.db().executeNative(QStringLiteral("DELETE FROM RENT"));
        state.db().executeNative(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO RENT (NAME) SELECT 'contract ' || i FROM n").arg(rows));
    }
};

Office& office()
{
    static Office o;
    return o;
}

void rawSelect(QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("select * from bench where BENCHID = 1"));
    while (q.next())
        for (int c = 0; c <= FieldCount; ++c)
            benchmark::DoNotOptimize(q.value(c));
}

void rawUpdate(QSqlDatabase& db)
{
    QStringList sets;
    for (int i = 0; i < FieldCount; ++i)
        sets << QStringLiteral("F%1 = 'value %1'").arg(i);
    QSqlQuery q(db);
    q.exec(QStringLiteral("update bench set %1 where BENCHID = 1").arg(sets.join(QLatin1Char(','))));
}

void BM_ReadAgainstRawSelect(benchmark::State& s)
{
    Office& o = office();
    cWindow& window = o.state.service<cWindow>();
    Clock::duration engine{}, raw{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        window.Read(QStringLiteral("where BENCHID = 1"), &o.screen);
        const auto t1 = Clock::now();
        rawSelect(o.raw);
        engine += t1 - t0;
        raw += Clock::now() - t1;
    }
    s.counters["read/raw"] = double(engine.count()) / double(std::max<Clock::rep>(1, raw.count()));
}

void BM_SaveAgainstRawUpdate(benchmark::State& s)
{
    Office& o = office();
    cWindow& window = o.state.service<cWindow>();
    window.Read(QStringLiteral("where BENCHID = 1"), &o.screen);
    Clock::duration engine{}, raw{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        window.Save(QStringLiteral("where BENCHID = 1"), &o.screen);
        const auto t1 = Clock::now();
        rawUpdate(o.raw);
        engine += t1 - t0;
        raw += Clock::now() - t1;
    }
    s.counters["save/raw"] = double(engine.count()) / double(std::max<Clock::rep>(1, raw.count()));
}

void BM_ShowOpen(benchmark::State& s)
{
    Office& o = office();
    o.fillRent(int(s.range(0)));
    QDialog contracts;
    contracts.setObjectName(QStringLiteral("frmBenchRent"));
    MetadataWriter m(o.state.db(), QStringLiteral("frmBenchRent"));
    o.state.db().executeNative(QStringLiteral("DELETE FROM _WINDOWTABLE WHERE WINDOWNAME = 'frmBenchRent'"));
    const qint64 table = m.table(QStringLiteral("RENT"), 1, QStringLiteral("contracts"));
    m.identifier(table, QStringLiteral("RENTID"), QStringLiteral("رقم العقد"));
    m.field(table, QStringLiteral("txtNAME"), QStringLiteral("NAME"), MetadataWriter::Text, QStringLiteral("العقد"), 2);
    cWindow& window = o.state.service<cWindow>();
    for (auto _ : s)
        window.ShowOpen(&contracts, QStringLiteral("Contracts"), QStringLiteral("WHERE 1 = 1 "));
    s.SetComplexityN(s.range(0));
}

BENCHMARK(BM_ReadAgainstRawSelect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveAgainstRawUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowOpen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ijar"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
