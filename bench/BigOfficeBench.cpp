// The daily paths over an office after years of work (BigOffice), on both
// engines side by side: argument 0 is a SQLite file, 1 a PostgreSQL database
// of a cluster of the benchmark's own. Where a hand-written program would send
// the same work as plain statements, they are sent raw over a connection of
// their own and the ratio is a counter.
//
// IJAR_BIG_OFFICE names the folder of the offices (the system's temporary
// folder when unset), IJAR_BIG_SCALE the scale (0.01 when unset; 1 is ten
// years). The SQLite office is kept there between runs, made once per scale;
// the server's is made afresh in the cluster each run.
#include "BenchUI.h"
#include "BenchVoucher.h"
#include "BigOffice.h"

#include "accounting/AccountBalance.h"
#include "accounting/cAccounting.h"
#include "core/Configuration.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "core/JetTranslator.h"
#include "core/StoredDate.h"
#include "engine/EngineSetup.h"
#include "engine/RecordListModel.h"
#include "engine/cWindow.h"
#include "journal/F1M0.h"
#include "rental/DayAtAGlance.h"
#include "rental/PlanningBoardModel.h"
#include "rental/frmCustomers.h"
#include "rental/frmRentCar.h"
#include "support/PgCluster.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// The processor time this thread has had: the program's own work, without
// the engine's on a server or the waits for it.
std::chrono::nanoseconds threadTime()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

QString folder()
{
    const QString named = qEnvironmentVariable("IJAR_BIG_OFFICE");
    return named.isEmpty() ? QDir::tempPath() : named;
}

double scale()
{
    bool ok = false;
    const double s = qEnvironmentVariable("IJAR_BIG_SCALE").toDouble(&ok);
    return ok && s > 0 ? s : 0.01;
}

PgCluster& cluster()
{
    static PgCluster* own = [] {
        auto* c = new PgCluster(PgCluster::start(folder()));
        qAddPostRoutine([] { cluster().stop(); });
        return c;
    }();
    return *own;
}

struct Office {
    const BigOffice size{scale()};
    const QDate today = QDate::currentDate();
    QString path;
    BenchUI* ui = new BenchUI;
    std::unique_ptr<RunState> state;
    QSqlDatabase raw;

    explicit Office(bool server)
    {
        QDir().mkpath(folder());
        const QString file = QDir(folder()).filePath(QStringLiteral("office-%1-%2.db").arg(scale()).arg(today.toString(Qt::ISODate)));
        path = server ? cluster().createDatabase() : file;
        if (server || !QFileInfo::exists(file))
            size.make(path, today);
        state = std::make_unique<RunState>(folder(), std::unique_ptr<cUI>(ui));
        state->DatabasePath = path;
        state->db().open(path);
        state->CurrentLoginId = QStringLiteral("ADMIN");
        Configuration::LoadConfiguration(*state);
        installEngine(*state);
        raw = BigOffice::rawConnection(path, server ? QStringLiteral("raw-server") : QStringLiteral("raw-file"));
    }
    bool server() const { return state->db().dialect() == SqlDialect::PostgreSQL; }
};

Office& office(const benchmark::State& s)
{
    static std::unique_ptr<Office> offices[2];
    const bool server = s.range(0) != 0;
    if (!offices[server]) {
        offices[server] = std::make_unique<Office>(server);
        // Closed while the application still stands, before its cluster stops.
        qAddPostRoutine([] { offices[1].reset(); offices[0].reset(); });
    }
    return *offices[server];
}

// The figures as counters: the path's own time, and its ratio to the raw statements.
void report(benchmark::State& s, const char* what, Clock::duration own, Clock::duration raw)
{
    s.SetLabel(s.range(0) ? "PostgreSQL" : "SQLite");
    s.counters[std::string(what) + " ms"] =
        benchmark::Counter(std::chrono::duration<double, std::milli>(own).count(), benchmark::Counter::kAvgIterations);
    if (raw.count() > 0)
        s.counters[std::string(what) + "/raw"] = double(own.count()) / double(raw.count());
}

double rawScalar(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    q.exec(sql);
    return q.next() ? q.value(0).toDouble() : 0;
}

// The statements a screen sent, as a program of plain statements would send
// them: its own transaction and savepoints left to the one round they go in,
// the rows of one list in one statement. Rows come traced in the engine's own
// form (the names quoted), the rest as the screen wrote them.
QStringList asSentRaw(const QStringList& sent, SqlDialect dialect)
{
    static const QRegularExpression framing(QStringLiteral("^(BEGIN|COMMIT|SAVEPOINT|RELEASE|ROLLBACK)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList raw;
    QString head;
    for (const QString& statement : sent) {
        if (framing.match(statement).hasMatch())
            continue;
        const QString sql = statement.startsWith(QLatin1String("INSERT INTO \""))
            ? statement
            : JetTranslator::translate(statement, dialect);
        const qsizetype values = sql.startsWith(QLatin1String("INSERT INTO "), Qt::CaseInsensitive)
            ? sql.indexOf(QLatin1String(" VALUES ("))
            : -1;
        if (values > 0 && !raw.isEmpty() && sql.left(values) == head) {
            raw.last() += QLatin1Char(',') + sql.mid(values + 8);
            continue;
        }
        head = values > 0 ? sql.left(values) : QString();
        raw << sql;
    }
    return raw;
}

// One scan of the ledger lines, the floor of every balance.
const QString LedgerScan = QStringLiteral("select sum(AMOUNT) from JOURNALDETAIL");

void BM_OpenDialogOfContracts(benchmark::State& s)
{
    Office& o = office(s);
    QWidget screen;
    screen.setObjectName(QStringLiteral("frmRentCar"));
    int rows = 0;
    o.ui->inDialog = [&](QDialog* dialog) {
        dialog->repaint();
        rows = dialog->findChild<QTableView*>(QStringLiteral("DataGrid1"))->model()->rowCount();
    };
    Clock::duration opening{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        o.state->service<cWindow>().ShowOpen(&screen, QStringLiteral("Contracts"), QStringLiteral("WHERE 1 = 1 "));
        opening += Clock::now() - t0;
    }
    o.ui->inDialog = {};
    if (rows != o.size.contracts())
        s.SkipWithError("the open dialog lost contracts");
    report(s, "open", opening, {});
}

// Typed key by key in the customers' open dialog: a name, then a mobile number.
void BM_CustomerSearchKeystroke(benchmark::State& s)
{
    Office& o = office(s);
    const QStringList typed{QStringLiteral("س"), QStringLiteral("سا"), QStringLiteral("سال"), QStringLiteral("سالم"),
                            QStringLiteral("0"), QStringLiteral("05"), QStringLiteral("055"), QStringLiteral("0550")};
    frmCustomers screen(*o.state, nullptr);
    Clock::duration typing{};
    o.ui->inDialog = [&](QDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtNAME"));
        qsizetype i = 0;
        for (auto _ : s) {
            const auto t0 = Clock::now();
            name->setText(typed.at(i++ % typed.size()));
            dialog->repaint();
            typing += Clock::now() - t0;
        }
    };
    screen.Open();
    o.ui->inDialog = {};
    report(s, "key", typing, {});
}

void BM_TrialBalance(benchmark::State& s)
{
    Office& o = office(s);
    Clock::duration summing{}, raw{};
    double total = 0, scanned = 0;
    for (auto _ : s) {
        const auto t0 = Clock::now();
        const QList<AccountBalance> balances = AccountBalance::all(o.state->db());
        const auto t1 = Clock::now();
        scanned = rawScalar(o.raw, LedgerScan);
        raw += Clock::now() - t1;
        summing += t1 - t0;
        total = 0;
        for (const AccountBalance& b : balances)
            total += b.debit + b.credit;
    }
    if (qAbs(total - scanned) > 0.005)
        s.SkipWithError("the trial balance does not add up to the ledger");
    report(s, "trial", summing, raw);
}

// The chart screen's balance of the busiest account, the customers' (three
// lines in ten), against one scan of all the ledger lines.
void BM_ChartBalanceOfTheCustomers(benchmark::State& s)
{
    Office& o = office(s);
    Clock::duration summing{}, raw{};
    AccountBalance b;
    for (auto _ : s) {
        const auto t0 = Clock::now();
        b = AccountBalance::of(o.state->db(), BigOffice::CustomersAccount);
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(rawScalar(o.raw, LedgerScan));
        raw += Clock::now() - t1;
        summing += t1 - t0;
    }
    const double owed = rawScalar(o.raw, QStringLiteral("select sum(AMOUNT * (2 * DEBITORCREDIT - 1)) from JOURNALDETAIL "
                                                        "where ACCOUNTNUMBER = %1").arg(BigOffice::CustomersAccount));
    if (qAbs(b.balance() - owed) > 0.005)
        s.SkipWithError("the balance differs from the raw statement's");
    report(s, "chart", summing, raw);
}

// The change journal's archive searched for yesterday: the grid filled.
void BM_ArchiveOfADay(benchmark::State& s)
{
    Office& o = office(s);
    F1M0 screen(*o.state, nullptr);
    screen.show();
    for (const char* name : {"dfdFrom", "dfdTo"})
        screen.findChild<QDateEdit*>(QLatin1String(name))->setDate(o.today.addDays(-1));
    const auto* grid = screen.findChild<QTableView*>(QStringLiteral("DataGrid1"));
    Clock::duration searching{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        screen.search();
        searching += Clock::now() - t0;
    }
    if (!grid->model() || grid->model()->rowCount() == 0)
        s.SkipWithError("the archive found nothing");
    report(s, "archive", searching, {});
}

// The board's two statements, as a hand-written program would send them.
int rawBoard(QSqlDatabase& db, qint64 from, qint64 to)
{
    int rows = 0;
    QSqlQuery q(db);
    q.exec(QStringLiteral("select carid, PLATENO, name, STOP, MAINTSTART1, EVERYDAYS1, MAINTSTART2, EVERYDAYS2, "
                          "MAINTSTART3, EVERYDAYS3 from car order by PLATENO, carid"));
    while (q.next())
        ++rows;
    q.exec(QStringLiteral("select 1, RENTID, CARNO, CUSTOMERNAME, EXITDATE, RETURNDATE from RENT where RETURNED = 0 "
                          "and EXITDATE <= %1 and (RETURNDATE >= %2 or RETURNDATE < %2 or RETURNDATE is "
                          "null) union all select 2, RESERVATIONID, CARNO, CUSTOMERNAME, PICKUPDATE, RETURNDATE from "
                          "RESERVATION where STATE = 0 and PICKUPDATE <= %1 and (RETURNDATE >= %2 or "
                          "RETURNDATE is null)")
               .arg(to)
               .arg(from));
    while (q.next())
        ++rows;
    return rows;
}

void BM_PlanningBoard31Days(benchmark::State& s)
{
    Office& o = office(s);
    PlanningBoardModel board(o.state->db());
    const qint64 from = StoredDate::number(o.today);
    const qint64 to = StoredDate::number(o.today.addDays(30));
    Clock::duration loading{}, raw{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        board.load(o.today, 31, o.today, {});
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(rawBoard(o.raw, from, to));
        loading += t1 - t0;
        raw += Clock::now() - t1;
    }
    if (board.rowCount() != BigOffice::Cars)
        s.SkipWithError("the board lost cars");
    report(s, "board", loading, raw);
}

// The day panel's nine numbers as a hand-written program would ask for them,
// the day a schedule falls due worked out by the engine's own date functions.
double rawDay(QSqlDatabase& db, const QDate& today, bool server)
{
    const QString t = StoredDate::text(today);
    const QString in30 = StoredDate::text(today.addDays(30));
    const QString first = StoredDate::text(QDate(today.year(), today.month(), 1));
    const QString last = StoredDate::text(QDate(today.year(), today.month(), today.daysInMonth()));
    QStringList maintenance;
    for (int n = 1; n <= 3; ++n) {
        const QString due =
            server ? QStringLiteral("cast(to_char(to_date(c.MAINTSTART%1::text, 'YYYYMMDD') + c.EVERYDAYS%1::integer, "
                                    "'YYYYMMDD') as integer)")
                   : QStringLiteral("cast(strftime('%Y%m%d', date(substr(c.MAINTSTART%1, 1, 4) || '-' || "
                                    "substr(c.MAINTSTART%1, 5, 2) || '-' || substr(c.MAINTSTART%1, 7, 2), '+' || "
                                    "c.EVERYDAYS%1 || ' days')) as integer)");
        maintenance << QStringLiteral("(c.EVERYDAYS%1 > 0 and c.MAINTSTART%1 > 0 and %2 = %3)").arg(n).arg(due.arg(n), t);
    }
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

void BM_DayPanel(benchmark::State& s)
{
    Office& o = office(s);
    Clock::duration reading{}, raw{};
    double rawSum = 0;
    DayAtAGlance::Figures figures{};
    for (auto _ : s) {
        const auto t0 = Clock::now();
        figures = DayAtAGlance(o.state->db(), o.today).figures();
        const auto t1 = Clock::now();
        rawSum = rawDay(o.raw, o.today, o.server());
        reading += t1 - t0;
        raw += Clock::now() - t1;
    }
    double sum = 0;
    for (const double figure : figures)
        sum += figure;
    if (qAbs(sum - rawSum) > 0.005)
        s.SkipWithError("the numbers differ from the raw statement's");
    report(s, "day", reading, raw);
}

// A rule of 20 detail rows (40 lines) posted again and again into one journal,
// against the same delete and 40 inserts sent raw in one transaction.
void BM_PostTwentyPairRule(benchmark::State& s)
{
    constexpr int Pairs = 20;
    Office& o = office(s);
    Database& db = o.state->db();
    QWidget voucher;
    voucher.setObjectName(QStringLiteral("frmBenchVoucher%1").arg(s.range(0)));
    BenchVoucher::fill(voucher);
    if (db.execute(QStringLiteral("select GLRULEID from _GLRULE where WINDOWNAME = '%1'").arg(voucher.objectName())).isEmpty())
        BenchVoucher::addRule(db, voucher.objectName(), Pairs);
    qint64 journal = db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"), {{QStringLiteral("NAME"), QStringLiteral("bench")}});
    const qint64 rawJournal = journal + 1000000000;
    cAccounting& accounting = o.state->service<cAccounting>();
    Clock::duration posting{}, raw{};
    const QString day = StoredDate::text(o.today);
    for (auto _ : s) {
        const auto t0 = Clock::now();
        accounting.DoGLRule(journal, &voucher);
        const auto t1 = Clock::now();
        o.raw.transaction();
        QSqlQuery q(o.raw);
        q.exec(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = %1").arg(rawJournal));
        for (int i = 0; i < Pairs; ++i)
            for (int side = 1; side >= 0; --side)
                q.exec(QStringLiteral("insert into JOURNALDETAIL (TRANSACTIONDATE, AMOUNT, JOURNALID, ACCOUNTNUMBER, "
                                      "RELATEDDETAIL, DEBITORCREDIT) values (%1, 125.5, %2, %3, 'line %4', %5)")
                           .arg(day)
                           .arg(rawJournal)
                           .arg(side ? BigOffice::Cash : BigOffice::RentIncome)
                           .arg(i)
                           .arg(side));
        o.raw.commit();
        posting += t1 - t0;
        raw += Clock::now() - t1;
    }
    for (const qint64 id : {journal, rawJournal})
        db.command(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = %1").arg(id));
    report(s, "post", posting, raw);
}

struct Contract : frmRentCar {
    explicit Contract(RunState& state) : frmRentCar(state, nullptr)
    {
        // The contract's rules name its fields through the live screen.
        state.screens().adopt(QStringLiteral("frmRentCar"), this);
        ScreenTag::set(this, QStringLiteral("SURRENDMODE"));
        show();
    }
};

// One car's contract still out surrendered again and again (its rules
// checked, its save with the journal, the car back, the posting replaced),
// against the same writes sent raw in one transaction.
void BM_SurrenderSave(benchmark::State& s)
{
    Office& o = office(s);
    Contract screen(*o.state);
    const RowSet out = o.state->db().execute(QStringLiteral("select RENTID, CARNO, METER from RENT where RETURNED = 0 order by RENTID"));
    if (out.isEmpty()) {
        s.SkipWithError("no contract is out");
        return;
    }
    const qint64 rent = out.value(0, QStringLiteral("RENTID")).toLongLong();
    const qint64 car = out.value(0, QStringLiteral("CARNO")).toLongLong();
    const qint64 meter = out.value(0, QStringLiteral("METER")).toLongLong() + 100;
    const auto saves = [&] {
        return o.state->db()
            .execute(QStringLiteral("select count(*) as N from _JOURNAL where JOURNALDESCRIPTION <> 'raw'"))
            .value(0, QStringLiteral("N"))
            .toLongLong();
    };
    const QString where = QStringLiteral("where RENTID = ") + QString::number(rent);
    o.state->service<cWindow>().Read(where, &screen);
    auto* paid = screen.findChild<QLineEdit*>(QStringLiteral("dfnPaid"));
    // One save first, untimed: as many raw lines as it journalled.
    screen.findChild<QCheckBox*>(QStringLiteral("dffReturned"))->setChecked(true);
    screen.Save();
    const qint64 fields = o.state->db()
                              .execute(QStringLiteral("select count(*) as N from _JOURNALDETAILS where JOURNALID = "
                                                      "(select max(JOURNALID) from _JOURNAL)"))
                              .value(0, QStringLiteral("N"))
                              .toLongLong();
    o.state->service<cWindow>().Read(where, &screen);
    // A second, its statements taken down as it sends them: they go raw too.
    screen.findChild<QLineEdit*>(QStringLiteral("dfnReturnMeter"))->setText(QString::number(meter - 1));
    screen.findChild<QCheckBox*>(QStringLiteral("dffReturned"))->setChecked(true);
    paid->setText(QStringLiteral("9"));
    QStringList sent;
    o.state->db().setStatementHook([&sent](const QString& sql) { sent << sql; });
    screen.Save();
    o.state->db().setStatementHook({});
    const QStringList own = asSentRaw(sent, o.state->db().dialect());
    o.state->service<cWindow>().Read(where, &screen);
    QStringList lines;
    for (int field = 0; field < fields; ++field)
        lines << QStringLiteral("(1999999999, '0', '%1', 0, 'field%1', 0)").arg(field);
    const QString journalLines = lines.join(QLatin1Char(','));
    const qint64 before = saves();
    Clock::duration saving{}, raw{}, ownRaw{};
    std::chrono::nanoseconds savingCpu{}, ownRawCpu{};
    int refused = 0;
    int i = 0;
    for (auto _ : s) {
        screen.findChild<QLineEdit*>(QStringLiteral("dfnReturnMeter"))->setText(QString::number(meter + i));
        screen.findChild<QCheckBox*>(QStringLiteral("dffReturned"))->setChecked(true);
        paid->setText(QString::number(10 + (++i % 50)));
        const auto c0 = threadTime();
        const auto t0 = Clock::now();
        screen.Save();
        const auto t1 = Clock::now();
        savingCpu += threadTime() - c0;
        o.raw.transaction();
        QSqlQuery q(o.raw);
        q.exec(QStringLiteral("select * from RENT where RENTID = %1").arg(rent));
        // The change journal's entry and a line for each of the contract's fields.
        q.exec(QStringLiteral("insert into _JOURNAL (JOURNALDATE, JOURNALTIME, JOURNALDESCRIPTION, FORM) values (%1, "
                              "120000, 'raw', 'frmRentCar')").arg(StoredDate::text(o.today)));
        q.exec(QStringLiteral("insert into _JOURNALDETAILS (JOURNALID, OLDVALUE, NEWVALUE, CONTROLTYPE, CONTROLNAME, "
                              "MODIFIED) values ") + journalLines);
        q.exec(QStringLiteral("update RENT set PAID = %1, REMAINDER = %2 where RENTID = %3").arg(10 + i % 50).arg(90 - i % 50).arg(rent));
        q.exec(QStringLiteral("update RENT set RETURNED = 1 where RENTID = %1").arg(rent));
        q.exec(QStringLiteral("update car set rented = 0, METER = %1 where carid = %2").arg(meter + i).arg(car));
        q.exec(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = 1999999999"));
        for (int line = 0; line < 8; ++line)
            q.exec(QStringLiteral("insert into JOURNALDETAIL (TRANSACTIONDATE, AMOUNT, JOURNALID, ACCOUNTNUMBER, "
                                  "RELATEDDETAIL, DEBITORCREDIT) values (%1, 60, 1999999999, 1100, 'line', %2)")
                       .arg(StoredDate::text(o.today))
                       .arg(line % 2));
        o.raw.commit();
        const auto t2 = Clock::now();
        const auto c2 = threadTime();
        o.raw.transaction();
        for (const QString& statement : own)
            refused += q.exec(statement) ? 0 : 1;
        o.raw.commit();
        ownRawCpu += threadTime() - c2;
        saving += t1 - t0;
        raw += t2 - t1;
        ownRaw += Clock::now() - t2;
        // The raw rounds changed the contract too: the screen reads it again, untimed.
        s.PauseTiming();
        o.state->service<cWindow>().Read(where, &screen);
        s.ResumeTiming();
    }
    o.state->db().command(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = 1999999999"));
    o.state->db().command(QStringLiteral("delete from _JOURNALDETAILS where JOURNALID = 1999999999"));
    // Every save journals its change: a refused one would be timed for nothing.
    if (saves() - before < qint64(s.iterations()))
        s.SkipWithError("a save was refused");
    if (refused > 0)
        s.SkipWithError("a statement of the save, sent raw, was refused");
    report(s, "save", saving, raw);
    s.counters["save/own"] = double(saving.count()) / double(std::max<Clock::rep>(1, ownRaw.count()));
    // Where the time went: the program's processor time in the save and in sending its statements raw.
    const auto perSave = [&s](std::chrono::nanoseconds cpu) {
        return benchmark::Counter(std::chrono::duration<double, std::milli>(cpu).count(), benchmark::Counter::kAvgIterations);
    };
    s.counters["save cpu ms"] = perSave(savingCpu);
    s.counters["own cpu ms"] = perSave(ownRawCpu);
}

#define BOTH(name, unit) BENCHMARK(name)->Arg(0)->Arg(1)->Unit(benchmark::unit)
BOTH(BM_OpenDialogOfContracts, kMillisecond);
BOTH(BM_CustomerSearchKeystroke, kMillisecond);
BOTH(BM_TrialBalance, kMillisecond);
BOTH(BM_ChartBalanceOfTheCustomers, kMillisecond);
BOTH(BM_ArchiveOfADay, kMillisecond);
BOTH(BM_PlanningBoard31Days, kMillisecond);
BOTH(BM_DayPanel, kMillisecond);
BOTH(BM_PostTwentyPairRule, kMillisecond);
BOTH(BM_SurrenderSave, kMillisecond);

}
