#include "engine/EngineSetup.h"
#include "rental/RentalScreens.h"
#include "rental/frmRentCar.h"
#include "shell/base/Configuration.h"
#include "shell/base/ScreenTag.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using ScreenChecks::control;

qint64 addCar(Database& db, const QString& plate, int meter, double fare, const QList<Database::Field>& more = {})
{
    return db.insert("car", "carid",
                     QList<Database::Field>{{"name", "سيارة " + plate}, {"PLATENO", plate}, {"METER", meter},
                                            {"FARE", fare}, {"rented", 0}, {"STOP", 0}, {"CARTYPE", "صالون"}}
                         + more);
}

qint64 addCustomer(Database& db, const QString& name)
{
    return db.insert("Customer", "CUSTOMERID", {{"name", name}, {"IDNUMBER", 2850101}, {"HOMETEL1", "99887766"}});
}

// A contract that is out: customer, car, dates and meters as a clerk left them.
qint64 addContract(Database& db, qint64 customer, qint64 car, const QList<Database::Field>& more = {})
{
    return db.insert("RENT", "RENTID",
                     QList<Database::Field>{{"NAME", "عقد"}, {"CUSTOMERID", customer}, {"CUSTOMERNAME", "عميل"},
                                            {"CARNO", car}, {"RETURNED", 0}}
                         + more);
}

// The contract screen as a menu opens it, with `mode` as its tag.
struct Contract : frmRentCar {
    Contract(TestOffice& office, const char* mode) : frmRentCar(office.state(), nullptr)
    {
        ScreenTag::set(this, QString::fromLatin1(mode));
        show();
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(this, name); }
    QDateEdit* date(const char* name) { return control<QDateEdit>(this, name); }
    QString text(const char* name) { return edit(name)->text(); }
    double number(const char* name) { return text(name).toDouble(); }
    void set(const char* name, const QString& value) { edit(name)->setText(value); }
};

void setCharges(TestOffice& office, const char* flat, const char* percent)
{
    Configuration store(office.db());
    store.SetConfig("EXTRAMILESFLAT", flat);
    store.SetConfig("EXTRAMILESPERCENT", percent);
}

}

// Each change a clerk makes ripples through the form: dates and periods,
// meters and kilometres, charges, the total and the remainder.
TEST(frmRentCar, FieldRulesRipple)
{
    using Step = std::function<void(Contract&)>;
    const struct {
        const char* what;
        const char* mode;
        const char* flat;
        const char* percent;
        Step step;
        QList<std::pair<const char*, double>> numbers;
        QList<std::pair<const char*, QDate>> dates;
    } rows[] = {
        {"three days from 30 December end in the next year, 300 km on", "RENTMODE", "0", "0",
         [](Contract& c) {
             c.date("dfdExitDate")->setDate(QDate(2026, 12, 30));
             c.set("dfnMETER", "1000");
             c.set("dfnRentPeriod", "3");
         },
         {{"dfnReturnMeter", 1300}},
         {{"dfdReturnDate", QDate(2027, 1, 2)}, {"dfdActualReturnDate", QDate(2027, 1, 2)}}},
        {"an agreed return date gives the period back", "RENTMODE", "0", "0",
         [](Contract& c) {
             c.date("dfdExitDate")->setDate(QDate(2028, 2, 27));
             c.date("dfdReturnDate")->setDate(QDate(2028, 3, 1));
         },
         {{"dfnRentPeriod", 3}}, {}},
        {"a meter under the allowance is charged by its distance too", "SURRENDMODE", "0.5", "0",
         [](Contract& c) {
             c.set("dfnActualPeriod", "2");
             c.set("dfnReturnMeter", "1100");
         },
         {{"dfnPermitted", 200}, {"dfnMeterDifference", 100}, {"dfnRequiredKilometersDiff", 50},
          {"dfnRequiredAmount", 40}, {"dfnTotal", 90}}, {}},
        {"a flat charge whatever the daily rent", "SURRENDMODE", "0.5", "0.1",
         [](Contract& c) {
             c.set("dfnActualPeriod", "1");
             c.set("dfnReturnMeter", "1300");
         },
         {{"dfnMeterDifference", 200}, {"dfnRequiredKilometersDiff", 100}}, {}},
        {"no flat charge: 10% of a daily rent of 20 per km", "SURRENDMODE", "0", "0.1",
         [](Contract& c) {
             c.set("dfnActualPeriod", "1");
             c.set("dfnReturnMeter", "1300");
         },
         {{"dfnMeterDifference", 200}, {"dfnRequiredKilometersDiff", 400}, {"dfnTotal", 420}}, {}},
        {"open meter: no kilometre charge, the total drops", "SURRENDMODE", "0.5", "0",
         [](Contract& c) {
             c.set("dfnActualPeriod", "1");
             c.set("dfnReturnMeter", "1300");
             control<QCheckBox>(&c, "dffOpenMeter")->setChecked(true);
         },
         {{"dfnRequiredKilometersDiff", 0}, {"dfnTotal", 20}}, {}},
        {"unticking the open meter restores nothing until the next change", "SURRENDMODE", "0.5", "0",
         [](Contract& c) {
             c.set("dfnActualPeriod", "1");
             c.set("dfnReturnMeter", "1300");
             control<QCheckBox>(&c, "dffOpenMeter")->setChecked(true);
             control<QCheckBox>(&c, "dffOpenMeter")->setChecked(false);
         },
         {{"dfnRequiredKilometersDiff", 0}, {"dfnTotal", 20}}, {}},
        {"the remainder follows the paid amount only", "SURRENDMODE", "0", "0",
         [](Contract& c) {
             c.set("dfnActualPeriod", "2");
             c.set("dfnPaid", "15");
             c.set("dfnOtherAmounts", "5");
         },
         {{"dfnTotal", 45}, {"dfnRemainder", 25}}, {}},
        {"a return before the exit runs negative", "SURRENDMODE", "0", "0",
         [](Contract& c) { c.date("dfdActualReturnDate")->setDate(QDate(2026, 11, 28)); },
         {{"dfnActualPeriod", -2}, {"dfnRequiredAmount", -40}, {"dfnPermitted", -200}}, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        setCharges(office, r.flat, r.percent);
        const qint64 car = addCar(office.db(), "1/1", 1000, 20);
        addContract(office.db(), addCustomer(office.db(), "عميل"), car,
                    {{"EXITDATE", 20261130}, {"METER", 1000}, {"DAILYRENT", 20.0}, {"RENTPERIOD", 1},
                     {"RETURNDATE", 20261201}});
        Contract contract(office, r.mode);
        r.step(contract);
        for (const auto& [name, value] : r.numbers)
            EXPECT_DOUBLE_EQ(contract.number(name), value) << name;
        for (const auto& [name, value] : r.dates)
            EXPECT_EQ(contract.date(name)->date(), value) << name;
    }
}

namespace {

struct Stored {
    int returned;
    int rented;
    int meter;
    int journals;
};

Stored stored(Database& db, qint64 rent, qint64 car)
{
    const RowSet r = db.execute("select RETURNED from RENT where RENTID = " + QString::number(rent));
    const RowSet c = db.execute("select rented, METER from car where carid = " + QString::number(car));
    return {r.value(0, 0).toInt(), c.value(0, "rented").toInt(), c.value(0, "METER").toInt(),
            db.execute("select count(*) from JOURNAL").value(0, 0).toInt()};
}

// Every journal's debits equal its credits.
bool balanced(Database& db)
{
    const RowSet r = db.execute("select JOURNALID, sum(case when DEBITORCREDIT = 1 then AMOUNT else -AMOUNT end) as D "
                                "from JOURNALDETAIL group by JOURNALID");
    for (int i = 0; i < r.count(); ++i)
        if (std::abs(r.value(i, "D").toDouble()) > 1e-9)
            return false;
    return true;
}

}

// Save does by mode what the counter needs: the car goes out with its exit
// meter, comes back with its return meter, and a surrendered contract is
// posted once, into its own journal, however often it is saved.
TEST(frmRentCar, SaveByMode)
{
    const struct {
        const char* mode;
        bool surrendered;
        int saves;
        Stored expected;
    } rows[] = {
        {"RENTMODE", false, 1, {0, 1, 1500, 0}},
        {"SURRENDMODE", false, 1, {0, 0, 1730, 0}},
        {"SURRENDMODE", true, 1, {1, 0, 1730, 1}},
        {"SURRENDMODE", true, 2, {1, 0, 1730, 1}},
        {"", true, 1, {0, 1, 1000, 0}},
        {"SOMETHINGELSE", true, 1, {0, 1, 1000, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.mode) + (r.surrendered ? " surrendered" : "") + " x" + std::to_string(r.saves));
        TestOffice office;
        installEngine(office.state());
        const qint64 car = addCar(office.db(), "2/22", 1000, 20);
        office.db().command("update car set rented = 1");
        const qint64 rent = addContract(office.db(), addCustomer(office.db(), "عميل"), car,
                                        {{"EXITDATE", 20261201}, {"METER", 1000}, {"DAILYRENT", 20.0}, {"RENTPERIOD", 2},
                                         {"RETURNDATE", 20261203}});
        Contract contract(office, r.mode);
        ASSERT_EQ(contract.text("txtID").toLongLong(), rent);
        contract.set("dfnMETER", "1500");
        contract.set("dfnReturnMeter", "1730");
        contract.set("dfnPaid", "30");
        control<QCheckBox>(&contract, "dffReturned")->setChecked(r.surrendered);
        for (int i = 0; i < r.saves; ++i) {
            if (i > 0)
                contract.set("dfnOtherAmounts", "7");
            QTest::keyClick(&contract, Qt::Key_F12);
        }
        const Stored s = stored(office.db(), rent, car);
        EXPECT_EQ(s.returned, r.expected.returned);
        EXPECT_EQ(s.rented, r.expected.rented);
        EXPECT_EQ(s.meter, r.expected.meter);
        EXPECT_EQ(s.journals, r.expected.journals);
        EXPECT_TRUE(balanced(office.db()));
        EXPECT_TRUE(office.ui().messages.isEmpty()) << office.ui().lastMessage().toStdString();
        if (r.expected.journals) {
            EXPECT_GT(office.db().execute("select count(*) from JOURNALDETAIL").value(0, 0).toInt(), 0);
            EXPECT_EQ(office.db().execute("select JOURNALID from RENT where RENTID = " + QString::number(rent)).value(0, 0),
                      office.db().execute("select JOURNALID from JOURNAL").value(0, 0));
        }
    }
}
