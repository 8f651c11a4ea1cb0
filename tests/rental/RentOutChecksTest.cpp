// Warnings before a car goes out: each at its boundary day or figure; then the
// counter's save and pick-up, asked, refused or journaled by the operator's
// rights; last the car picker's list, coloured by what it would warn.
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "core/StoredDate.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "rental/RentOutChecks.h"
#include "rental/RentalShipped.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QHelpEvent>
#include <QToolTip>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// ADMIN holds every right; CLERK all but the options.
struct Counter : TestOffice {
    Counter()
    {
        installEngine(state());
        registerRentalScreens(state().screens());
        const qint64 clerk = db().insert(u"OPERATOR"_s, u"OPERATORID"_s, {{u"LOGINID"_s, u"CLERK"_s}});
        db().insert(u"group_func"_s, u"GROUPFUNCID"_s, {{u"operatorid"_s, clerk}, {u"menu_name"_s, u"F3M"_s}, {u"command1"_s, 1}});
    }
    // A customer, or a car whose meter reads 14999, then `set` on it.
    qint64 add(bool car, const char* set)
    {
        const auto [table, key] = car ? std::pair{u"car"_s, u"carid"_s} : std::pair{u"Customer"_s, u"CUSTOMERID"_s};
        const qint64 id = db().insert(table, key, {{car ? u"METER"_s : u"name"_s, 14999}});
        if (*set)
            db().command(u"update %1 set %2 where %3 = %4"_s.arg(table, QLatin1String(set), key).arg(id));
        return id;
    }
    std::unique_ptr<QWidget> open(const QString& name, const QString& mode)
    {
        std::unique_ptr<QWidget> screen(state().screens().instance(name, nullptr));
        ScreenTag::set(screen.get(), mode);
        EXPECT_TRUE(Clerk::showActive(screen.get()));
        return screen;
    }
    int count(const QString& sql) { return db().execute(sql).value(0, 0).toInt(); }
};

qint64 day(int fromToday) { return StoredDate::number(QDate::currentDate().addDays(fromToday)); }

}

// Out from 10 to 15 December: a paper is good through its expiry day; a
// service falling due on the return day waits for it.
TEST(RentOutChecks, FindsEachWarningAtItsBoundary)
{
    const struct {
        bool onCar;
        const char* set;
        qint64 meter;  // typed on the contract
        QList<std::pair<bool, const char*>> found;  // blocking, and what it names
    } rows[] = {
        {false, "BLACKLIST = 1", 0, {{true, "black list"}}},
        {false, "STOPTRANSACTION = 1", 0, {{false, "stopped"}}},
        {false, "HOMELICENSEEXPIRY = 20261209", 0, {{true, "driving licence expired on 09/12/2026"}}},
        {false, "HOMELICENSEEXPIRY = 20261210", 0, {{false, "expires on 10/12/2026, before the car is due back on 15/12/2026"}}},
        {false, "HOMELICENSEEXPIRY = 20261215", 0, {}},
        {false, "IDEXPIRYDATE = 20261209", 0, {{false, "ID expired on 09/12/2026"}}},
        {false, "IDEXPIRYDATE = 20261214", 0, {{false, "ID expires on 14/12/2026, before the car is due back on 15/12/2026"}}},
        {false, "IDEXPIRYDATE = 20261215", 0, {}},
        {true, "LICENSEEXPIRY = 20261209", 0, {{true, "car's licence expired on 09/12/2026"}}},
        {true, "INSURANEDC1DATETTO = 20261209, INSURANCE2DATETO = 20261215", 0, {{true, "first insurance expired on 09/12/2026"}}},
        {true, "INSURANCE2DATETO = 20261214", 0, {{false, "second insurance expires on 14/12/2026"}}},
        {true, "MAINTYPE1 = 'oil', EVERYDAYS1 = 10, MAINTSTART1 = 20261130", 0, {{false, "\"oil\" is due on 10/12/2026"}}},
        {true, "EVERYDAYS2 = 10, MAINTSTART2 = 20261204", 0, {{false, "\"schedule 2\" is due on 14/12/2026"}}},
        {true, "EVERYDAYS3 = 10, MAINTSTART3 = 20261205", 0, {}},
        {true, "MAINTMILES1 = 5000, MAINTMILESSTART1 = 10000", 0, {}},
        {true, "MAINTMILES1 = 5000, MAINTMILESSTART1 = 10000", 15000, {{false, "due at 15000 km; the meter reads 15000 km"}}},
        {true, "MAINTMILES3 = 5000, MAINTMILESSTART3 = 9999", 0, {{false, "due at 14999 km"}}},
    };
    Counter office;
    const RentOutChecks::Period period{QDate(2026, 12, 10), QDate(2026, 12, 15)};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.set);
        const qint64 id = office.add(r.onCar, r.set);
        const RentOutChecks::Findings found = r.onCar ? RentOutChecks::car(office.db(), id, period, r.meter)
                                                      : RentOutChecks::customer(office.db(), id, period);
        ASSERT_EQ(found.size(), r.found.size());
        for (qsizetype i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].blocking, r.found[i].first);
            EXPECT_TRUE(found[i].text.contains(QLatin1String(r.found[i].second))) << found[i].text.toStdString();
        }
    }
}

// A blocking warning stops the clerk with the right it takes named; one who
// goes on past it is journaled. A contract saved again with its own customer
// and car is not asked about them again.
TEST(RentOutChecks, TheCounterAsksAndOnlyTheOptionsRightGoesPastABlock)
{
    const struct {
        const char *what, *customer, *car, *login;
        bool answer, pickUp, already;  // already: the contract holds this customer and car
        int out, asked, told, journaled;
    } rows[] = {
        {"nothing found", "", "", "CLERK", true, false, false, 1, 0, 0, 0},
        {"stopped, clerk goes on", "STOPTRANSACTION = 1", "", "CLERK", true, false, false, 1, 1, 0, 0},
        {"service due, clerk stops", "", "MAINTMILES1 = 100", "CLERK", false, false, false, 0, 1, 0, 0},
        {"black-listed, clerk", "BLACKLIST = 1", "", "CLERK", true, false, false, 0, 0, 1, 0},
        {"insurance expired, clerk", "", "INSURANEDC1DATETTO = 20200101", "CLERK", true, false, false, 0, 0, 1, 0},
        {"licence expired, admin goes on", "HOMELICENSEEXPIRY = 20200101", "", "ADMIN", true, false, false, 1, 1, 0, 1},
        {"black-listed, admin stops", "BLACKLIST = 1", "", "ADMIN", false, false, false, 0, 1, 0, 0},
        {"black-listed, saved again", "BLACKLIST = 1", "", "CLERK", true, false, true, 1, 0, 0, 0},
        {"black-listed, clerk's pick-up", "BLACKLIST = 1", "", "CLERK", true, true, false, 0, 0, 1, 0},
        {"black-listed, admin's pick-up", "BLACKLIST = 1", "", "ADMIN", true, true, false, 1, 1, 0, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office;
        office.loginAs(QLatin1String(r.login));
        office.ui().answers = {r.answer};
        const qint64 customer = office.add(false, r.customer), car = office.add(true, r.car);
        const QList<Database::Field> days{{u"CUSTOMERID"_s, customer}, {u"CARNO"_s, car}, {u"RETURNDATE"_s, day(3)},
                                          {u"DAILYRENT"_s, 10}};
        if (r.pickUp)
            office.db().insert(u"RESERVATION"_s, u"RESERVATIONID"_s,
                               QList<Database::Field>{{u"STATE"_s, 0}, {u"PICKUPDATE"_s, day(0)}} + days);
        else
            office.db().insert(u"RENT"_s, u"RENTID"_s, QList<Database::Field>{{u"RETURNED"_s, 0}, {u"EXITDATE"_s, day(0)},
                                                           {u"METER"_s, 14999}} + (r.already ? days : days.mid(2)));
        const std::unique_ptr<QWidget> screen =
            r.pickUp ? office.open(u"frmReservation"_s, {}) : office.open(u"frmRentCar"_s, u"RENTMODE"_s);
        for (const auto& [field, value] : {std::pair{"dfnCustomerid", customer}, {"dfnCarNo", car}})
            ControlAccess::setValue(ControlAccess::require(screen.get(), QLatin1String(field)), QString::number(value));
        Clerk::press(r.pickUp ? Qt::Key_F4 : Qt::Key_F12);
        EXPECT_EQ(office.count(u"select rented from car"_s), r.out);
        EXPECT_EQ(office.ui().questions.size(), r.asked);
        EXPECT_EQ(office.ui().messages.size() == 1 && office.ui().lastMessage().contains(u"right to open the options"_s),
                  bool(r.told));
        EXPECT_EQ(office.count(u"select count(*) from _JOURNAL where USER = '%1' and JOURNALDESCRIPTION like "
                               "'Contract %2%went out despite: The customer%'"_s.arg(QLatin1String(r.login))
                                   .arg(office.count(u"select max(RENTID) from RENT"_s))),
                  r.journaled);
    }
}

// F6 on a contract: the car picker's list shows an insured car plain and one
// whose insurance ran out in red, the reason in its tool tip.
TEST(RentOutChecks, TheCarPickerColoursTheUninsuredCar)
{
    Counter office;
    const qint64 insured = office.add(true, "INSURANEDC1DATETTO = 20991231");
    const qint64 uninsured = office.add(true, "INSURANEDC1DATETTO = 20200101");
    office.db().insert(u"RENT"_s, u"RENTID"_s, {{u"RETURNED"_s, 0}, {u"EXITDATE"_s, day(0)}, {u"RETURNDATE"_s, day(2)}});
    QMap<qint64, QRgb> shown;  // car: the colour beside the text of its row
    QString tip;
    office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* list) {
        auto* grid = list->findChild<QTableView*>();
        for (int step = 0; step < 2; ++step) {
            const int row = 1 - grid->currentIndex().row();  // the row not highlighted
            const QRect cells = grid->visualRect(grid->model()->index(row, 0)).united(grid->visualRect(grid->model()->index(row, 1)));
            const qint64 car = grid->model()->index(row, 0).data().toLongLong();
            shown[car] = grid->viewport()->grab().toImage().pixel(cells.topLeft() + QPoint(2, 2));
            QHelpEvent hover(QEvent::ToolTip, cells.center(), grid->viewport()->mapToGlobal(cells.center()));
            QApplication::sendEvent(grid->viewport(), &hover);
            tip = car == uninsured ? QToolTip::text() : tip;
            Clerk::press(row ? Qt::Key_Down : Qt::Key_Up);
        }
    });
    office.ui().onDialog(u"frmCars"_s, [](QDialog* picker) {
        ASSERT_TRUE(Clerk::showActive(picker));
        Clerk::press(Qt::Key_F9);
    });
    const std::unique_ptr<QWidget> contract = office.open(u"frmRentCar"_s, u"RENTMODE"_s);
    Clerk::press(Qt::Key_F6);
    EXPECT_EQ(shown.value(insured), QApplication::palette().color(QPalette::Base).rgb());
    EXPECT_EQ(QColor(shown.value(uninsured)).hue(), 0);
    EXPECT_TRUE(tip.contains(u"first insurance expired on 01/01/2020"_s)) << tip.toStdString();
}

// An office made before gets the customer's ID expiry field and the steps of
// the car's condition on its contract, once however often asked.
TEST(OlderOffice, GetsTheIdExpiryFieldAndTheContractsConditionSteps)
{
    Counter office;
    const QString rows = u"select (select count(*) from _WINDOWTABLEDETAILS where WINDOWCONTROL = 'dfdIDExpiryDate') * 100 + (select count(*) from _RPTDETAIL where RPTID = 1)"_s;
    const int fresh = office.count(rows);
    office.db().command(u"delete from _WINDOWTABLEDETAILS where WINDOWCONTROL = 'dfdIDExpiryDate'"_s);
    office.db().command(u"delete from _RPTDETAIL where RPTID = 1 and SQLStatement like '%CARDAMAGE%'"_s);
    ASSERT_EQ(office.count(rows), fresh - 102);
    for (int twice = 0; twice < 2; ++twice) {
        ScreenMetadata::customerIdExpiry(office.db());
        ReportSetup::addContractCondition(office.db());
    }
    EXPECT_EQ(office.count(rows), fresh);
}
