// What a posting costs: DoGLRule of a rule with 20 detail rows (40 lines, the
// rule read, every field resolved, the accounts checked, the old lines
// deleted) against the same delete and 40 inserts sent raw in one transaction.
#include "BenchUI.h"
#include "BenchVoucher.h"

#include "accounting/cAccounting.h"
#include "core/RunState.h"
#include "office/NewDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int DetailRows = 20;
using Clock = std::chrono::steady_clock;

struct Office {
    QTemporaryDir dir;
    RunState state{dir.path(), std::make_unique<BenchUI>()};
    QWidget voucher;
    QSqlDatabase raw;
    qint64 journal = 0;

    Office()
    {
        const QString path = dir.filePath(QStringLiteral("fdk.db"));
        NewDatabase::create(path, false);
        state.db().open(path);
        voucher.setObjectName(QStringLiteral("frmBenchVoucher"));
        BenchVoucher::fill(voucher);
        Database& db = state.db();
        BenchVoucher::addRule(db, voucher.objectName(), DetailRows);
        journal = db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                            {{QStringLiteral("NAME"), QStringLiteral("bench")}});
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        raw.setDatabaseName(path);
        raw.open();
    }
};

void rawPosting(QSqlDatabase& db, qint64 journal)
{
    db.transaction();
    QSqlQuery q(db);
    q.exec(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = %1").arg(journal));
    for (int i = 0; i < DetailRows; ++i)
        for (int side = 1; side >= 0; --side)
            q.exec(QStringLiteral("insert into JOURNALDETAIL (TRANSACTIONDATE, AMOUNT, JOURNALID, ACCOUNTNUMBER, "
                                  "RELATEDDETAIL, DEBITORCREDIT) values (20261207, 125.5, %1, %2, 'line %3', %4)")
                       .arg(journal)
                       .arg(side ? 1100 : 4100)
                       .arg(i)
                       .arg(side));
    db.commit();
}

void BM_PostRuleAgainstRawInserts(benchmark::State& s)
{
    static Office o;
    cAccounting& accounting = o.state.service<cAccounting>();
    Clock::duration posting{}, raw{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        accounting.DoGLRule(o.journal, &o.voucher);
        const auto t1 = Clock::now();
        rawPosting(o.raw, o.journal);
        posting += t1 - t0;
        raw += Clock::now() - t1;
    }
    s.counters["post/raw"] = double(posting.count()) / double(std::max<Clock::rep>(1, raw.count()));
    s.counters["post ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(posting).count(),
                                               benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_PostRuleAgainstRawInserts)->Unit(benchmark::kMicrosecond);

}
