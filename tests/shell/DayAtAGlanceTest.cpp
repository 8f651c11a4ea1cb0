#include "core/StoredDate.h"
#include "engine/RecordListModel.h"
#include "engine/cWindow.h"
#include "rental/DayPanel.h"
#include "shell/MAINT.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Item = DayAtAGlance::Item;
const QDate Today = QDate::currentDate();

qint64 day(int fromToday)
{
    return StoredDate::number(Today.addDays(fromToday));
}

QDate dateOf(const RowSet& rows, int r, const char* column)
{
    return StoredDate::parse(rows.text(r, QLatin1String(column)).trimmed());
}

void add(Database& db, const char* table, const char* key, const QList<Database::Field>& fields)
{
    db.insert(QLatin1String(table), QLatin1String(key), fields);
}

// Rows that give every number something to count, and some that it must not.
void addTheDay(Database& db)
{
    // Of the cars free so far, the first is booked from today, the last due for its service today.
    const RowSet free = db.execute(QStringLiteral("select carid from car where STOP = 0 and rented = 0 order by carid"));
    const qint64 booked = free.isEmpty() ? 0 : free.value(0, 0).toLongLong();
    add(db, "RENT", "RENTID", {{"CARNO", 0}, {"EXITDATE", day(-2)}, {"RETURNDATE", day(0)}, {"RETURNED", 0}});
    for (const auto& [state, pickUp] : {std::pair{0, 0}, {1, 0}, {0, 1}, {3, 0}})
        add(db, "RESERVATION", "RESERVATIONID",
            {{"STATE", state}, {"CARNO", booked}, {"PICKUPDATE", day(pickUp)}, {"RETURNDATE", day(pickUp + 3)}});
    if (free.count() > 1)
        db.command(QStringLiteral("update car set EVERYDAYS2 = 10, MAINTSTART2 = %1 where carid = %2")
                       .arg(day(-10))
                       .arg(free.value(free.count() - 1, 0).toLongLong()));
    add(db, "Customer", "CUSTOMERID", {{"name", "expiring"}, {"HOMELICENSEEXPIRY", day(30)}});
    add(db, "Customer", "CUSTOMERID", {{"name", "not yet"}, {"HOMELICENSEEXPIRY", day(31)}});
    for (const auto& [account, amount, side, date] : {std::tuple{1300, 80.5, 1, day(0)}, {4100, 80.5, 0, day(0)},
                                                     {4100, 12.0, 1, day(0)}, {4100, 500.0, 0, day(-40)}})
        add(db, "JOURNALDETAIL", "JOURNALDETAILID",
            {{"ACCOUNTNUMBER", account}, {"AMOUNT", amount}, {"DEBITORCREDIT", side}, {"TRANSACTIONDATE", date},
             {"RELATEDDETAIL", "expiring"}});
}

// The main window of a logged-in administrator; the record screens are stand-ins.
struct Desk {
    Desk()
    {
        office.loginAs("ADMIN");
        for (const QString name : {"frmRentCar", "frmReservation", "frmCustomers"})
            office.state().screens().add(name, [name](RunState&, QWidget* parent) {
                auto* screen = new QDialog(parent);
                screen->setObjectName(name);
                return screen;
            });
    }
    ScriptedUI& ui() { return office.ui(); }

    TestOffice office;
    MAINT window{office.state()};
};

// The nine numbers worked out here from the rows themselves.
DayAtAGlance::Figures expected(Database& db)
{
    DayAtAGlance::Figures f{};
    const RowSet rents = db.execute(QStringLiteral("select * from RENT where RETURNED = 0"));
    const RowSet bookings = db.execute(QStringLiteral("select * from RESERVATION where STATE = 0"));
    const auto held = [&](qint64 car) {
        for (int r = 0; r < rents.count(); ++r)
            if (rents.value(r, "CARNO").toLongLong() == car && dateOf(rents, r, "EXITDATE") <= Today)
                return true;
        for (int r = 0; r < bookings.count(); ++r)
            if (bookings.value(r, "CARNO").toLongLong() == car && dateOf(bookings, r, "PICKUPDATE") <= Today
                && dateOf(bookings, r, "RETURNDATE") >= Today)
                return true;
        return false;
    };
    for (int r = 0; r < rents.count(); ++r) {
        const QDate back = dateOf(rents, r, "RETURNDATE");
        f[Item::CarsOut] += dateOf(rents, r, "EXITDATE") <= Today;
        f[Item::DueBack] += back == Today;
        f[Item::Overdue] += back.isValid() && back < Today;
    }
    for (int r = 0; r < bookings.count(); ++r)
        f[Item::PickUps] += dateOf(bookings, r, "PICKUPDATE") == Today;
    const auto runsOut = [](const QDate& last) { return last.isValid() && last <= Today.addDays(30); };
    const RowSet cars = db.execute(QStringLiteral("select * from car"));
    for (int r = 0; r < cars.count(); ++r) {
        bool serviced = false;
        for (int n = 1; n <= 3; ++n) {
            const QByteArray start = "MAINTSTART" + QByteArray::number(n);
            const int every = cars.value(r, "EVERYDAYS" + QString::number(n)).toInt();
            serviced = serviced || (every > 0 && dateOf(cars, r, start.constData()).addDays(every) == Today);
        }
        const bool stopped = cars.value(r, "STOP").toInt() != 0;
        f[Item::Stopped] += stopped;
        f[Item::FreeCars] += !stopped && !serviced && !held(cars.value(r, "carid").toLongLong());
        for (const char* paper : {"INSURANEDC1DATETTO", "INSURANCE2DATETO", "LICENSEEXPIRY"})
            f[Item::Documents] += runsOut(dateOf(cars, r, paper));
    }
    const RowSet customers = db.execute(QStringLiteral("select HOMELICENSEEXPIRY from Customer"));
    for (int r = 0; r < customers.count(); ++r)
        f[Item::Documents] += runsOut(dateOf(customers, r, "HOMELICENSEEXPIRY"));
    // The shipped chart: customers 1300, rent income 4100.
    const RowSet lines = db.execute(QStringLiteral("select * from JOURNALDETAIL"));
    for (int r = 0; r < lines.count(); ++r) {
        const double debit = lines.value(r, "AMOUNT").toDouble() * (lines.value(r, "DEBITORCREDIT").toInt() ? 1 : -1);
        const QDate date = dateOf(lines, r, "TRANSACTIONDATE");
        const qint64 account = lines.value(r, "ACCOUNTNUMBER").toLongLong();
        if (account == 4100 && date.year() == Today.year() && date.month() == Today.month())
            f[Item::MonthIncome] -= debit;
        if (account == 1300)
            f[Item::CustomersOwe] += debit;
    }
    return f;
}

}

// Each number against the rows of the demo office and a few more, counted
// here; and its list holds the rows it counts (the money lists add up to it).
TEST(DayAtAGlance, EachNumberIsWhatTheRowsSayAndItsListHoldsThem)
{
    TestOffice office(true, true);
    Database& db = office.db();
    addTheDay(db);
    const DayAtAGlance::Figures want = expected(db);
    DayAtAGlance glance(db, Today);
    const DayAtAGlance::Figures got = glance.figures();
    for (int i = 0; i < DayAtAGlance::ItemCount; ++i) {
        const auto item = Item(i);
        SCOPED_TRACE(DayAtAGlance::caption(item).toStdString());
        EXPECT_GT(want[i], 0);
        EXPECT_NEAR(got[i], want[i], 0.005);
        RecordListModel list(db);
        list.setStatement(glance.list(item).sql);
        double listed = 0;
        for (int r = 0; r < list.rowCount(); ++r)
            listed += DayAtAGlance::isMoney(item)
                ? list.data(list.index(r, list.columnCount() - 1), Qt::EditRole).toDouble()
                : 1;
        EXPECT_NEAR(listed, want[i], 0.005);
    }
}

// Tab reaches a number and Enter opens its rows; Enter on a row opens the
// record's screen. A record saved through the engine shows at once.
TEST(DayAtAGlance, EnterOpensTheRowsOfANumberAndASaveCountsAtOnce)
{
    const struct { Item item; const char* control; QString screen; } rows[] = {
        {Item::DueBack, "cmdDay2", "frmRentCar"},
        {Item::PickUps, "cmdDay4", "frmReservation"},
        {Item::Documents, "cmdDay7", "frmCustomers"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        Desk o;
        addTheDay(o.office.db());
        auto* panel = new DayPanel(o.office.state());
        o.window.setDayPanel(panel);
        panel->start();
        int listed = -1;
        o.ui().onDialog("frmDayList", [&](QDialog* list) {
            listed = list->findChild<QTableView*>()->model()->rowCount();
            Clerk::press(Qt::Key_Return);
        });
        ASSERT_TRUE(Clerk::showActive(&o.window));
        ASSERT_TRUE(Clerk::tabTo(r.control));
        Clerk::press(Qt::Key_Return);
        EXPECT_EQ(QString::number(listed), panel->figure(r.item));
        EXPECT_EQ(o.ui().dialogsShown, (QStringList{"frmDayList", r.screen}));

        const int before = panel->figure(Item::DueBack).toInt();
        o.office.state().service<cWindow>().Insert(
            "RENT", "RENTID", {{"RETURNED", 0}, {"EXITDATE", day(-1)}, {"RETURNDATE", day(0)}});
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel->figure(Item::DueBack).toInt() == before + 1; }));
    }
}
