#include "core/Configuration.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "rental/RentalScreens.h"
#include "rental/frmRentCar.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QKeySequence>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Steps = QList<std::pair<const char*, QString>>;  // a control and its value, or a key and nothing

// A counter's office: the engine, the rental screens and the charges for
// kilometres beyond the allowance.
struct Counter : TestOffice {
    explicit Counter(const QString& flat = u"0"_s, const QString& percent = u"0"_s)
    {
        installEngine(state());
        registerRentalScreens(state().screens());
        Configuration store(db());
        store.SetConfig(u"EXTRAMILESFLAT"_s, flat);
        store.SetConfig(u"EXTRAMILESPERCENT"_s, percent);
    }
    qint64 car(const QString& plate, int meter, double fare, int rented = 0)
    {
        return db().insert(u"car"_s, u"carid"_s, {{u"name"_s, u"سيارة "_s + plate}, {u"PLATENO"_s, plate}, {u"METER"_s, meter},
                                                  {u"FARE"_s, fare}, {u"rented"_s, rented}, {u"CARTYPE"_s, u"صالون"_s}});
    }
    // A contract that is out, as a clerk left it.
    qint64 contract(qint64 car, const QList<Database::Field>& more = {})
    {
        const qint64 customer = db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"عميل"_s}, {u"IDNUMBER"_s, 2850101}});
        return db().insert(u"RENT"_s, u"RENTID"_s, QList<Database::Field>{{u"NAME"_s, u"عقد"_s}, {u"CUSTOMERID"_s, customer},
                                                                          {u"CARNO"_s, car}, {u"RETURNED"_s, 0}} + more);
    }
    int count(const QString& sql)
    {
        const RowSet rows = db().execute(sql);
        return rows.isEmpty() ? 0 : rows.value(0, 0).toInt();
    }
    // Every journal's debits equal its credits.
    bool balanced()
    {
        return count(u"select count(*) from (select JOURNALID from JOURNALDETAIL group by JOURNALID having "
                     "abs(sum(case when DEBITORCREDIT = 1 then AMOUNT else -AMOUNT end)) > 0.000001) unbalanced"_s) == 0;
    }
};

// The contract screen as a menu opens it, in `mode`.
struct Contract : frmRentCar {
    Contract(RunState& state, const QString& mode) : frmRentCar(state, nullptr)
    {
        // The rules name the screen's fields through the live screen.
        state.screens().adopt(u"frmRentCar"_s, this);
        ScreenTag::set(this, mode);
        show();
    }
    QString value(const char* name) { return ControlAccess::value(ControlAccess::require(this, QLatin1String(name))); }
    double number(const char* name) { return value(name).toDouble(); }
    // Each value into its control; a key name alone is pressed.
    void run(const Steps& steps)
    {
        for (const auto& [name, value] : steps)
            if (const QKeySequence key{QLatin1String(name)}; value.isNull() && key.count() == 1)
                QTest::keyClick(this, key[0].key());
            else
                ControlAccess::setValue(ControlAccess::require(this, QLatin1String(name)), value);
    }
};

}

// Each change a clerk makes ripples through the form: dates and periods,
// meters and kilometres, charges, the total and the remainder.
TEST(ContractScreen, FieldRulesRipple)
{
    const Steps surrenderedDay{{"dfnActualPeriod", u"1"_s}, {"dfnReturnMeter", u"1300"_s}};
    const struct {
        const char* what;
        const char* mode;
        QString flat, percent;
        Steps typed;
        Steps expected;  // numbers compared as numbers
    } rows[] = {
        {"three days from 30 December end in the next year; the return side waits for the car", "RENTMODE", u"0"_s, u"0"_s,
         {{"dfdExitDate", u"30/12/2026"_s}, {"dfnMETER", u"1000"_s}, {"dfnRentPeriod", u"3"_s}},
         {{"dfnReturnMeter", u"0"_s}, {"dfnMeterDifference", u"0"_s}, {"dfnTotal", u"0"_s}, {"dfdReturnDate", u"02/01/2027"_s},
          {"dfdActualReturnDate", u""_s}}},
        {"an agreed return date in surrender is the proposed return, 300 km on", "SURRENDMODE", u"0"_s, u"0"_s,
         {{"dfdReturnDate", u"03/12/2026"_s}},
         {{"dfnRentPeriod", u"3"_s}, {"dfnReturnMeter", u"1300"_s}, {"dfnActualPeriod", u"3"_s},
          {"dfdActualReturnDate", u"03/12/2026"_s}}},
        {"an agreed return date gives the period back", "RENTMODE", u"0"_s, u"0"_s,
         {{"dfdExitDate", u"27/02/2028"_s}, {"dfdReturnDate", u"01/03/2028"_s}}, {{"dfnRentPeriod", u"3"_s}}},
        {"a meter under the allowance is charged by its distance too", "SURRENDMODE", u"0.5"_s, u"0"_s,
         {{"dfnActualPeriod", u"2"_s}, {"dfnReturnMeter", u"1100"_s}},
         {{"dfnPermitted", u"200"_s}, {"dfnMeterDifference", u"100"_s}, {"dfnRequiredKilometersDiff", u"50"_s},
          {"dfnRequiredAmount", u"40"_s}, {"dfnTotal", u"90"_s}}},
        {"a flat charge whatever the daily rent", "SURRENDMODE", u"0.5"_s, u"0.1"_s, surrenderedDay,
         {{"dfnMeterDifference", u"200"_s}, {"dfnRequiredKilometersDiff", u"100"_s}}},
        {"no flat charge: 10% of a daily rent of 20 per km", "SURRENDMODE", u"0"_s, u"0.1"_s, surrenderedDay,
         {{"dfnMeterDifference", u"200"_s}, {"dfnRequiredKilometersDiff", u"400"_s}, {"dfnTotal", u"420"_s}}},
        {"open meter: no kilometre charge, the total drops", "SURRENDMODE", u"0.5"_s, u"0"_s,
         surrenderedDay + Steps{{"dffOpenMeter", u"1"_s}}, {{"dfnRequiredKilometersDiff", u"0"_s}, {"dfnTotal", u"20"_s}}},
        {"unticking the open meter restores nothing until the next change", "SURRENDMODE", u"0.5"_s, u"0"_s,
         surrenderedDay + Steps{{"dffOpenMeter", u"1"_s}, {"dffOpenMeter", u"0"_s}},
         {{"dfnRequiredKilometersDiff", u"0"_s}, {"dfnTotal", u"20"_s}}},
        {"the remainder follows the paid amount only", "SURRENDMODE", u"0"_s, u"0"_s,
         {{"dfnActualPeriod", u"2"_s}, {"dfnPaid", u"15"_s}, {"dfnOtherAmounts", u"5"_s}},
         {{"dfnTotal", u"45"_s}, {"dfnRemainder", u"25"_s}}},
        {"a return before the exit runs negative", "SURRENDMODE", u"0"_s, u"0"_s, {{"dfdActualReturnDate", u"28/11/2026"_s}},
         {{"dfnActualPeriod", u"-2"_s}, {"dfnRequiredAmount", u"-40"_s}, {"dfnPermitted", u"-200"_s}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(r.flat, r.percent);
        office.contract(office.car(u"1/1"_s, 1000, 20), {{u"EXITDATE"_s, 20261130}, {u"METER"_s, 1000}, {u"DAILYRENT"_s, 20.0},
                                                           {u"RENTPERIOD"_s, 1}, {u"RETURNDATE"_s, 20261201}});
        Contract contract(office.state(), QLatin1String(r.mode));
        contract.run(r.typed);
        for (const auto& [name, expected] : r.expected) {
            bool isNumber = false;
            const double number = expected.toDouble(&isNumber);
            if (isNumber)
                EXPECT_DOUBLE_EQ(contract.number(name), number) << name;
            else
                EXPECT_EQ(contract.value(name), expected) << name;
        }
    }
}

// Save, Print and Delete do by mode what the counter needs: the car goes out
// with its exit meter, comes back with its return meter, and a surrendered
// contract is posted once, into its own journal, however often it is saved.
// Print saves first and goes on only with a valid contract; Delete frees the
// car once the clerk confirms.
TEST(ContractScreen, KeysDoByMode)
{
    enum Car { None, Free, Out };  // the contract's car
    struct Stored {
        int contracts, returned, rented, meter, journals;
        bool operator==(const Stored&) const = default;
    };
    const auto back = [](const QString& day, const QString& meter) {
        return Steps{{"dfnMETER", u"1500"_s}, {"dfdActualReturnDate", day}, {"dfnReturnMeter", meter}, {"dfnPaid", u"30"_s}};
    };
    const Steps save{{"F12", {}}}, surrendered{{"dffReturned", u"1"_s}, {"F12", {}}};
    const Steps surrender = back(u"05/12/2026"_s, u"1730"_s) + surrendered;
    const struct {
        const char* what;
        const char* mode;
        Car car;
        Steps steps;
        Stored expected;
        int messages = 0;
        bool refused = false;
        bool open = true;
    } rows[] = {
        {"out", "RENTMODE", Out, back(u"05/12/2026"_s, u"1730"_s) + save, {1, 0, 1, 1500, 0}},
        {"back, not surrendered", "SURRENDMODE", Out, back(u"05/12/2026"_s, u"1730"_s) + save, {1, 0, 0, 1730, 0}},
        {"surrendered", "SURRENDMODE", Out, surrender, {1, 1, 0, 1730, 1}},
        {"surrendered, saved twice", "SURRENDMODE", Out, surrender + Steps{{"dfnOtherAmounts", u"7"_s}, {"F12", {}}},
         {1, 1, 0, 1730, 1}},
        {"a return meter below the exit's", "SURRENDMODE", Out, back(u"05/12/2026"_s, u"1499"_s) + surrendered,
         {1, 0, 1, 1000, 0}, 1},
        // A period below 0, which the rules refuse first.
        {"a return before the exit", "SURRENDMODE", Out, back(u"30/11/2026"_s, u"1730"_s) + surrendered,
         {1, 0, 1, 1000, 0}, 0, true},
        {"no mode", "", Out, surrender, {1, 0, 1, 1000, 0}},
        {"print a valid contract", "RENTMODE", Free, {{"dfnMETER", u"333"_s}, {"F7", {}}}, {1, 0, 1, 333, 0}, 1},
        {"print with no car", "RENTMODE", None, {{"dfnMETER", u"333"_s}, {"F7", {}}}, {1, 0, 0, 1000, 0}, 0, true},
        {"delete confirmed", "RENTMODE", Out, {{"F11", {}}}, {0, 0, 0, 1000, 0}, 0, false, false},
        {"delete declined", "RENTMODE", Out, {{"F11", {}}}, {1, 0, 1, 1000, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office;
        const qint64 car = office.car(u"2/22"_s, 1000, 20, r.car == Out);
        const qint64 rent = office.contract(r.car == None ? 0 : car, {{u"EXITDATE"_s, 20261201}, {u"METER"_s, 1000},
                                                                      {u"DAILYRENT"_s, 20.0}, {u"RENTPERIOD"_s, 2},
                                                                      {u"RETURNDATE"_s, 20261203}});
        office.ui().answers = {QByteArray(r.what) != "delete declined"};
        Contract contract(office.state(), QLatin1String(r.mode));
        ASSERT_EQ(contract.value("txtID").toLongLong(), rent);
        contract.run(r.steps);
        const QString ofCar = u" from car where carid = "_s + QString::number(car);
        const Stored s{office.count(u"select count(*) from RENT"_s),
                       office.count(u"select RETURNED from RENT"_s), office.count(u"select rented"_s + ofCar),
                       office.count(u"select METER"_s + ofCar), office.count(u"select count(*) from JOURNAL"_s)};
        EXPECT_TRUE(s == r.expected) << s.contracts << s.returned << s.rented << " " << s.meter << " " << s.journals;
        EXPECT_TRUE(office.balanced());
        EXPECT_EQ(office.ui().messages.size(), r.messages) << office.ui().lastMessage().toStdString();
        EXPECT_EQ(office.ui().dialogsShown.contains(u"dlgValidationError"_s), r.refused);
        EXPECT_EQ(contract.isVisible(), r.open);
        if (r.expected.journals) {
            EXPECT_GT(office.count(u"select count(*) from JOURNALDETAIL"_s), 0);
            EXPECT_EQ(office.count(u"select JOURNALID from RENT"_s), office.count(u"select JOURNALID from JOURNAL"_s));
        }
    }
}

// A save stores what the screen shows and the posting agrees with the row: a
// contract going out keeps no close-out figures, a return date kept on a
// contract is not replaced by today, and a return with nothing to post still
// brings the car back.
TEST(ContractScreen, TheRowHoldsWhatTheScreenShows)
{
    const QDate today = QDate::currentDate();
    const auto ymd = [](const QDate& d) { return d.toString(u"yyyyMMdd"_s).toLongLong(); };
    const QList<Database::Field> keptReturn{{u"RENTPERIOD"_s, 5}, {u"RETURNDATE"_s, ymd(today.addDays(5))},
                                            {u"ACTUALRETURNDATE"_s, ymd(today.addDays(5))}, {u"ACTUALPERIOD"_s, 5},
                                            {u"RETURNMETER"_s, 1500}, {u"PERMITTED"_s, 500}};
    const struct {
        const char* what;
        const char* mode;
        QString flat;
        QList<Database::Field> contract;
        Steps typed;
        QDate actualReturn;  // null: empty
    } rows[] = {
        {"out for 5 days at 10", "RENTMODE", u"0.05"_s, {}, {{"dfnRentPeriod", u"5"_s}}, QDate()},
        {"back on the return date kept", "SURRENDMODE", u"0.5"_s, keptReturn, {}, today.addDays(5)},
        {"back on the return date kept, the meter typed", "SURRENDMODE", u"0.5"_s, keptReturn,
         {{"dfnReturnMeter", u"1700"_s}}, today.addDays(5)},
        {"back the same day with nothing to post", "SURRENDMODE", u"0"_s, {}, {}, today},
    };
    const std::pair<const char*, const char*> figures[] = {
        {"dfnActualPeriod", "ACTUALPERIOD"}, {"dfnReturnMeter", "RETURNMETER"}, {"dfnPermitted", "PERMITTED"},
        {"dfnMeterDifference", "METERDIFFERENCE"}, {"dfnRequiredKilometersDiff", "REQUIREDKILOMETERSDIFF"},
        {"dfnRequiredAmount", "REQUIREDAMOUNT"}, {"dfnTotal", "TOTAL"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const bool surrender = QByteArray(r.mode) == "SURRENDMODE";
        Counter office(r.flat);
        const qint64 car = office.car(u"3/33"_s, 1000, 10, surrender);
        const qint64 rent = office.contract(car, QList<Database::Field>{{u"EXITDATE"_s, ymd(today)}, {u"METER"_s, 1000},
                                                                        {u"DAILYRENT"_s, 10.0}} + r.contract);
        office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* open) {
            office.state().CurrentRecordId = rent;
            open->accept();
        });
        Contract contract(office.state(), QLatin1String(r.mode));
        QTest::keyClick(&contract, Qt::Key_F9);
        contract.run(r.typed + (surrender ? Steps{{"dffReturned", u"1"_s}} : Steps{}) + Steps{{"F12", {}}});

        const RowSet row = office.db().execute(u"select * from RENT where RENTID = "_s + QString::number(rent));
        EXPECT_EQ(contract.value("dfdActualReturnDate"), r.actualReturn.toString(u"dd/MM/yyyy"_s));
        EXPECT_EQ(row.value(0, u"ACTUALRETURNDATE"_s).toLongLong(), r.actualReturn.isValid() ? ymd(r.actualReturn) : 0);
        for (const auto& [field, column] : figures) {
            EXPECT_DOUBLE_EQ(row.value(0, QLatin1String(column)).toDouble(), contract.number(field)) << column;
            EXPECT_TRUE(surrender || contract.number(field) == 0) << field;
        }
        const auto posted = [&](int account) {
            return office.db().execute(u"select sum(AMOUNT) from JOURNALDETAIL where DEBITORCREDIT = 0 and ACCOUNTNUMBER = "_s
                                       + QString::number(account)).value(0, 0).toDouble();
        };
        EXPECT_DOUBLE_EQ(posted(4200), row.value(0, u"REQUIREDKILOMETERSDIFF"_s).toDouble());
        EXPECT_DOUBLE_EQ(posted(4100), row.value(0, u"REQUIREDAMOUNT"_s).toDouble());
        EXPECT_EQ(row.value(0, u"RETURNED"_s).toInt(), surrender ? 1 : 0);
        EXPECT_EQ(office.count(u"select rented from car"_s), surrender ? 0 : 1);
        EXPECT_TRUE(office.balanced());
        EXPECT_TRUE(office.ui().messages.isEmpty()) << office.ui().lastMessage().toStdString();
        EXPECT_FALSE(office.ui().dialogsShown.contains(u"dlgError"_s));
    }
}

// A contract read by Open shows as stored: a period and total that disagree
// with the other fields stay as stored. Once read, the rules ripple again.
TEST(ContractScreen, OpenReadsTheContractAsStored)
{
    Counter office;
    office.contract(0);
    const qint64 first = office.contract(0, {{u"EXITDATE"_s, 20261201}, {u"RENTPERIOD"_s, 2}, {u"RETURNDATE"_s, 20261210},
                                             {u"ACTUALRETURNDATE"_s, 20261205}, {u"ACTUALPERIOD"_s, 4}, {u"TOTAL"_s, 999.0}});
    Contract contract(office.state(), u"SURRENDMODE"_s);
    office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* open) {
        office.state().CurrentRecordId = first;
        open->accept();
    });
    contract.run({{"F9", {}}});
    ASSERT_EQ(contract.value("txtID").toLongLong(), first);
    EXPECT_EQ(contract.value("dfnRentPeriod"), u"2"_s);
    EXPECT_EQ(contract.number("dfnTotal"), 999);
    EXPECT_EQ(contract.value("dfdActualReturnDate"), u"05/12/2026"_s);
    contract.run({{"dfnRentPeriod", u"4"_s}});
    EXPECT_EQ(contract.value("dfdReturnDate"), u"05/12/2026"_s);
}
