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

void add(Database& db, const char* table, const char* key, const QList<Database::Field>& fields)
{
    db.insert(QLatin1String(table), QLatin1String(key), fields);
}

// Rows that give every number something to count, and some that it must not.
void addTheDay(Database& db)
{
    // New cars: one free, one booked from today, one out, one due for its service today, one stopped.
    QList<qint64> car;
    for (const auto& [stop, every] : {std::pair{0, 0}, {0, 0}, {0, 0}, {0, 10}, {1, 0}})
        car << db.insert("car", "carid", {{"STOP", stop}, {"EVERYDAYS2", every}, {"MAINTSTART2", day(-10)}});
    for (const auto& [out, back, returned] : {std::tuple{-2, 0, 0}, {-3, -1, 0}, {1, 3, 0}, {-5, -1, 1}})
        add(db, "RENT", "RENTID",
            {{"CARNO", car[2]}, {"EXITDATE", day(out)}, {"RETURNDATE", day(back)}, {"RETURNED", returned}});
    for (const auto& [state, pickUp] : {std::pair{0, 0}, {1, 0}, {0, 1}, {3, 0}})
        add(db, "RESERVATION", "RESERVATIONID",
            {{"STATE", state}, {"CARNO", car[1]}, {"PICKUPDATE", day(pickUp)}, {"RETURNDATE", day(pickUp + 3)}});
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

}

// Each number against the office before and after the day's rows, which
// say by how much it must move; and its list holds the rows it counts (the
// money lists add up to it).
TEST(DayAtAGlance, EachNumberCountsTheDaysRowsAndItsListHoldsThem)
{
    TestOffice office(true, true);
    Database& db = office.db();
    const DayAtAGlance::Figures before = DayAtAGlance(db, Today).figures();
    addTheDay(db);
    // Out: two, one due back and one late; one pick-up; one car free; one stopped; a customer's
    // licence; the month's rent less a refund; what the customer owes.
    const DayAtAGlance::Figures added{2, 1, 1, 1, 1, 1, 1, 68.5, 80.5};
    DayAtAGlance glance(db, Today);
    const DayAtAGlance::Figures got = glance.figures();
    for (int i = 0; i < DayAtAGlance::ItemCount; ++i) {
        const auto item = Item(i);
        SCOPED_TRACE(DayAtAGlance::caption(item).toStdString());
        EXPECT_GT(got[i], 0);
        EXPECT_NEAR(got[i] - before[i], added[i], 0.005);
        RecordListModel list(db);
        list.setStatement(glance.list(item).sql);
        double listed = 0;
        for (int r = 0; r < list.rowCount(); ++r)
            listed += DayAtAGlance::isMoney(item)
                ? list.data(list.index(r, list.columnCount() - 1), Qt::EditRole).toDouble()
                : 1;
        EXPECT_NEAR(listed, got[i], 0.005);
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
