// What a posting costs: DoGLRule of a rule with 20 detail rows (40 lines, the
// rule read, every field resolved, the accounts checked, the old lines
// deleted) against the same delete and 40 inserts sent raw in one transaction.
#include "BenchUI.h"

#include "accounting/cAccounting.h"
#include "core/RunState.h"
#include "engine/NumberEdit.h"
#include "office/NewDatabase.h"

#include <QLineEdit>
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
        auto* amount = new NumberEdit(&voucher);
        amount->setObjectName(QStringLiteral("dfnAmount"));
        amount->setText(QStringLiteral("125.5"));
        auto* name = new QLineEdit(&voucher);
        name->setObjectName(QStringLiteral("txtNAME"));
        name->setText(QStringLiteral("سند قبض"));
        Database& db = state.db();
        const qint64 rule = db.insert(QStringLiteral("_GLRULE"), QStringLiteral("GLRULEID"),
                                      {{QStringLiteral("WINDOWNAME"), voucher.objectName()},
                                       {QStringLiteral("NAME"), QStringLiteral("bench")},
                                       {QStringLiteral("AMOUNTFIELD"), QStringLiteral(":dfnAmount")}});
        for (int i = 0; i < DetailRows; ++i)
            db.insert(QStringLiteral("_GLRULEDETAIL"), QStringLiteral("GLRULEDETAILID"),
                      {{QStringLiteral("GLRULEID"), rule},
                       {QStringLiteral("DEBITACCOUNTFIELD"), QStringLiteral("1100")},
                       {QStringLiteral("CREDITACCOUNTFIELD"), QStringLiteral("4100")},
                       {QStringLiteral("RELATEDDETAILDEBITFIELD"), QStringLiteral(":txtNAME")},
                       {QStringLiteral("RELATEDDETAILCREDITFIELD"), QStringLiteral("line %1").arg(i)}});
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
