// The same screen work on both engines, side by side: Read of one contract,
// Save of a changed contract (its journal included) and the open dialog, on
// 100,000 contracts, on a SQLite file and on a PostgreSQL database of a
// cluster of its own (a Unix socket, started for the run). Argument 0 is
// SQLite, 1 PostgreSQL.
#include "BenchUI.h"

#include "core/RunState.h"
#include "engine/MetadataWriter.h"
#include "engine/cWindow.h"
#include "office/NewDatabase.h"
#include "support/PgCluster.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Contracts = 100000;
const QString Where = QStringLiteral("where RENTID = 50000");

// The benchmark's own cluster, stopped as the application ends.
PgCluster& cluster()
{
    static PgCluster* own = [] {
        auto* c = new PgCluster(PgCluster::start(QDir::tempPath()));
        qAddPostRoutine([] { cluster().stop(); });
        return c;
    }();
    return *own;
}

struct Office {
    QTemporaryDir dir;
    RunState state{dir.path(), std::make_unique<BenchUI>()};
    QDialog screen;

    explicit Office(bool server)
    {
        const QString path = server ? cluster().createDatabase() : dir.filePath(QStringLiteral("fdk.db"));
        NewDatabase::create(path, false);
        state.DatabasePath = path;
        state.db().open(path);
        state.CurrentLoginId = QStringLiteral("ADMIN");
        state.db().executeNative(
            server ? QStringLiteral("INSERT INTO rent (name, customername, meter, dailyrent) SELECT 'contract ' || i, "
                                    "'customer ' || i, i, 10 FROM generate_series(1, %1) AS i")
                         .arg(Contracts)
                   : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                    "INSERT INTO RENT (NAME, CUSTOMERNAME, METER, DAILYRENT) "
                                    "SELECT 'contract ' || i, 'customer ' || i, i, 10 FROM n")
                         .arg(Contracts));
        if (server)
            state.db().executeNative(QStringLiteral("ANALYZE rent"));

        // One table: its saves are journalled.
        screen.setObjectName(QStringLiteral("frmBenchRent"));
        MetadataWriter m(state.db(), QStringLiteral("frmBenchRent"));
        const qint64 table = m.table(QStringLiteral("RENT"), 1, QStringLiteral("contracts"));
        m.identifier(table, QStringLiteral("RENTID"), QStringLiteral("رقم العقد"));
        (new QLineEdit(&screen))->setObjectName(QStringLiteral("txtID"));
        const struct { const char* control; const char* column; MetadataWriter::Type type; } fields[] = {
            {"txtNAME", "NAME", MetadataWriter::Text},
            {"dfsCUSTOMERNAME", "CUSTOMERNAME", MetadataWriter::Text},
            {"dfnMETER", "METER", MetadataWriter::Number},
            {"dfnDAILYRENT", "DAILYRENT", MetadataWriter::Number},
        };
        int order = 2;
        for (const auto& f : fields) {
            (new QLineEdit(&screen))->setObjectName(QLatin1String(f.control));
            m.field(table, QLatin1String(f.control), QLatin1String(f.column), f.type, QLatin1String(f.column), order++);
        }
    }
};

Office& office(bool server)
{
    static std::unique_ptr<Office> offices[2];
    if (!offices[server])
        offices[server] = std::make_unique<Office>(server);
    return *offices[server];
}

const char* engineName(int64_t arg) { return arg ? "PostgreSQL" : "SQLite"; }

void BM_Read(benchmark::State& s)
{
    Office& o = office(s.range(0) != 0);
    cWindow& window = o.state.service<cWindow>();
    for (auto _ : s)
        window.Read(Where, &o.screen);
    s.SetLabel(engineName(s.range(0)));
}

// Two fields changed and saved: the check against another workstation, the
// journal's entry and lines, the update and the read of the row as saved.
void BM_Save(benchmark::State& s)
{
    Office& o = office(s.range(0) != 0);
    cWindow& window = o.state.service<cWindow>();
    window.Read(Where, &o.screen);
    int round = 0;
    for (auto _ : s) {
        ++round;
        o.screen.findChild<QLineEdit*>(QStringLiteral("dfsCUSTOMERNAME"))->setText(QStringLiteral("typed %1").arg(round));
        o.screen.findChild<QLineEdit*>(QStringLiteral("dfnMETER"))->setText(QString::number(round));
        if (!window.Save(Where, &o.screen))
            s.SkipWithError("the save was refused");
    }
    s.SetLabel(engineName(s.range(0)));
}

void BM_ShowOpen(benchmark::State& s)
{
    Office& o = office(s.range(0) != 0);
    cWindow& window = o.state.service<cWindow>();
    for (auto _ : s)
        window.ShowOpen(&o.screen, QStringLiteral("Contracts"), QStringLiteral("WHERE 1 = 1 "));
    s.SetLabel(engineName(s.range(0)));
}

BENCHMARK(BM_Read)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}
