// What the window engine costs a screen: Read and Save of a screen with 100
// bound fields, Read against one raw select of the same row, Save (changed
// fields only, the check against another workstation and the journal
// included) against the same statements sent raw in one transaction; and the
// open dialog on growing tables.
#include "BenchUI.h"

#include "core/RunState.h"
#include "engine/MetadataWriter.h"
#include "engine/cWindow.h"
#include "office/NewDatabase.h"

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

// The statements a save of `changed` fields sends, sent raw in one transaction: the check
// that the row is as read, the journal's read of it, its entry and a line for every field,
// the update, and the read of the row as saved.
void rawSave(QSqlDatabase& db, int changed, int round)
{
    db.transaction();
    QSqlQuery q(db);
    for (int read = 0; read < 2; ++read) {
        q.exec(QStringLiteral("select * from bench where BENCHID = 1"));
        while (q.next())
            benchmark::DoNotOptimize(q.value(0));
    }
    q.exec(QStringLiteral("insert into _JOURNAL (USER, JOURNALDATE, JOURNALTIME, JOURNALDESCRIPTION, FORM, FORMNAME, "
                          "MODIFICATIONDESCRIPTION) values ('ADMIN', 20261207, '120000', 'bench', 'frmBench', 'bench', 'x')"));
    const qint64 entry = q.lastInsertId().toLongLong();
    for (int i = 0; i <= FieldCount; ++i)
        q.exec(QStringLiteral("insert into _JOURNALDETAILS (JOURNALID, OLDVALUE, NEWVALUE, CONTROLTYPE, CONTROLNAME, "
                              "MODIFIED) values (%1, 'old', 'new', 1, 'dfsF%2', %3)")
                   .arg(entry).arg(i).arg(i < changed ? 1 : 0));
    QStringList sets;
    for (int i = 0; i < changed; ++i)
        sets << QStringLiteral("F%1 = 'raw %2'").arg(i).arg(round);
    q.exec(QStringLiteral("update bench set %1 where BENCHID = 1").arg(sets.join(QLatin1Char(','))));
    q.exec(QStringLiteral("select * from bench where BENCHID = 1"));
    while (q.next())
        benchmark::DoNotOptimize(q.value(0));
    db.commit();
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

// A clerk changes some of the 100 fields and saves.
void BM_SaveAgainstRawStatements(benchmark::State& s)
{
    Office& o = office();
    const int changed = int(s.range(0));
    cWindow& window = o.state.service<cWindow>();
    const QString where = QStringLiteral("where BENCHID = 1");
    window.Read(where, &o.screen);
    Clock::duration engine{}, raw{};
    int round = 0;
    for (auto _ : s) {
        ++round;
        for (int i = 0; i < changed; ++i)
            o.screen.findChild<QLineEdit*>(QStringLiteral("dfsF%1").arg(i))->setText(QStringLiteral("typed %1").arg(round));
        const auto t0 = Clock::now();
        window.Save(where, &o.screen);
        const auto t1 = Clock::now();
        rawSave(o.raw, changed, round);
        engine += t1 - t0;
        raw += Clock::now() - t1;
        // The raw round changed the row too: the screen reads it again, untimed.
        window.Read(where, &o.screen);
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
BENCHMARK(BM_SaveAgainstRawStatements)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowOpen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}
