// What one keystroke costs in the customers' open dialog on 100,000
// customers: the list narrowed to the rows holding the typed text in their
// name, telephone or mobile, identity or licence number, and its first page
// drawn, for a text many rows hold and for one a few rows hold; the count
// that follows once the clerk pauses; and the same list sorted by a column.
#include "BenchUI.h"

#include "core/Configuration.h"
#include "core/RunState.h"
#include "engine/EngineSetup.h"
#include "engine/RecordListModel.h"
#include "office/NewDatabase.h"
#include "rental/frmCustomers.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Customers = 100000;

struct Office {
    QTemporaryDir dir;
    BenchUI* ui = new BenchUI;
    RunState state{dir.path(), std::unique_ptr<cUI>(ui)};

    Office()
    {
        const QString path = dir.filePath(QStringLiteral("fdk.db"));
        NewDatabase::create(path, false);
        state.db().open(path);
        Configuration::LoadConfiguration(state);
        installEngine(state);
        // Four first names, a third without a telephone (the mobile shows instead).
        state.db().executeNative(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO Customer (name, HOMETEL1, HOMEMOB, IDNUMBER, HOMECARLICENSE) SELECT "
            "CASE i % 4 WHEN 0 THEN 'سالم' WHEN 1 THEN 'محمد' WHEN 2 THEN 'أحمد' ELSE 'خالد' END || ' ' || i, "
            "CASE WHEN i % 3 = 0 THEN '' ELSE '2' || (4000000 + i) END, '05' || (50000000 + i), "
            "280000000000 + i, 'L' || i FROM n").arg(Customers));
    }
};

Office& office()
{
    static Office o;
    return o;
}

// Typed key by key: a name, then a mobile number; each held by many rows.
const QStringList Typed{QStringLiteral("س"), QStringLiteral("سا"), QStringLiteral("سال"), QStringLiteral("سالم"),
                        QStringLiteral("0"), QStringLiteral("05"), QStringLiteral("055"), QStringLiteral("0550")};
// A licence number typed on: each held by a few rows, so the whole table is read.
const QStringList TypedRare{QStringLiteral("L9999"), QStringLiteral("L99999"), QStringLiteral("L99998"),
                            QStringLiteral("L9998")};

void inCustomersOpenDialog(const std::function<void(QDialog*)>& work)
{
    Office& o = office();
    frmCustomers screen(o.state, nullptr);
    o.ui->inDialog = work;
    screen.Open();
    o.ui->inDialog = {};
}

// With `pause`, the clerk stops after each text and the list is counted.
void typing(benchmark::State& s, const QStringList& texts, bool pause)
{
    inCustomersOpenDialog([&](QDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtNAME"));
        auto* list = qobject_cast<RecordListModel*>(dialog->findChild<QTableView*>(QStringLiteral("DataGrid1"))->model());
        qsizetype i = 0;
        for (auto _ : s) {
            name->setText(texts.at(i++ % texts.size()));
            if (pause)
                list->countAll();
            dialog->repaint();
        }
    });
}

void BM_OpenDialogKeystroke(benchmark::State& s)
{
    typing(s, Typed, false);
}

void BM_OpenDialogKeystrokeFewFound(benchmark::State& s)
{
    typing(s, TypedRare, false);
}

void BM_OpenDialogKeystrokeAndPause(benchmark::State& s)
{
    typing(s, Typed, true);
}

void BM_OpenDialogSort(benchmark::State& s)
{
    inCustomersOpenDialog([&s](QDialog* dialog) {
        auto* grid = dialog->findChild<QTableView*>(QStringLiteral("DataGrid1"));
        int i = 0;
        for (auto _ : s) {
            grid->sortByColumn(1, i++ % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
            dialog->repaint();
        }
    });
}

BENCHMARK(BM_OpenDialogKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDialogKeystrokeFewFound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDialogKeystrokeAndPause)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDialogSort)->Unit(benchmark::kMillisecond);

}
