#include "core/Configuration.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "rental/RentalScreens.h"
#include "rental/frmRentCar.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

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
// meters and kilometres, charges, the total and the remainder. A car coming
// back with no return kept is proposed back today; a contract is read with the
// rules at rest, as stored.
TEST(ContractScreen, FieldRulesRipple)
{
    const Steps surrenderedDay{{"dfnActualPeriod", u"1"_s}, {"dfnReturnMeter", u"1300"_s}};
    const struct {
        const char* what;
        const char* mode;
        QString flat, percent;
        Steps typed;
        Steps expected;  // numbers compared as numbers
        QList<Database::Field> stored = {};  // on the contract besides its exit and rent
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
        {"with no return stored, surrender proposes today", "SURRENDMODE", u"0"_s, u"0"_s, {},
         {{"dfdActualReturnDate", QDate::currentDate().toString(u"dd/MM/yyyy"_s)}}},
        {"read with the rules at rest: a period and total that disagree show as stored", "SURRENDMODE", u"0"_s, u"0"_s, {},
         {{"dfnActualPeriod", u"4"_s}, {"dfnTotal", u"999"_s}, {"dfdActualReturnDate", u"05/12/2026"_s}},
         {{u"ACTUALRETURNDATE"_s, 20261205}, {u"ACTUALPERIOD"_s, 4}, {u"TOTAL"_s, 999.0}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(r.flat, r.percent);
        office.contract(office.car(u"1/1"_s, 1000, 20, QByteArray(r.mode) == "SURRENDMODE"), QList<Database::Field>{{u"EXITDATE"_s, 20261130}, {u"METER"_s, 1000},
                                                                               {u"DAILYRENT"_s, 20.0}, {u"RENTPERIOD"_s, 1},
                                                                               {u"RETURNDATE"_s, 20261201}} + r.stored);
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
// contract is posted once, into its own journal, however often it is saved;
// one with nothing to post still brings the car back. Print saves first and
// goes on only with a valid contract; Delete frees the car once the clerk
// confirms. What is saved is what the screen shows, the posting agrees with
// the row, and a contract going out keeps no close-out figures.
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
        {"out", "RENTMODE", Free, Steps{{"dfnMETER", u"1500"_s}, {"dfnRentPeriod", u"5"_s}} + save, {1, 0, 1, 1500, 0}},
        {"back, not surrendered", "SURRENDMODE", Out, back(u"05/12/2026"_s, u"1730"_s) + save, {1, 0, 0, 1730, 0}},
        {"surrendered", "SURRENDMODE", Out, surrender, {1, 1, 0, 1730, 1}},
        {"surrendered, saved twice", "SURRENDMODE", Out, surrender + Steps{{"dfnOtherAmounts", u"7"_s}, {"F12", {}}},
         {1, 1, 0, 1730, 1}},
        {"surrendered with nothing to post", "SURRENDMODE", Out,
         Steps{{"dfdActualReturnDate", u"01/12/2026"_s}, {"dfnReturnMeter", u"1000"_s}} + surrendered, {1, 1, 0, 1000, 0}},
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
    const std::pair<const char*, const char*> figures[] = {
        {"dfnActualPeriod", "ACTUALPERIOD"}, {"dfnReturnMeter", "RETURNMETER"}, {"dfnPermitted", "PERMITTED"},
        {"dfnMeterDifference", "METERDIFFERENCE"}, {"dfnRequiredKilometersDiff", "REQUIREDKILOMETERSDIFF"},
        {"dfnRequiredAmount", "REQUIREDAMOUNT"}, {"dfnTotal", "TOTAL"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(u"0.25"_s);
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
        if (!r.expected.contracts || r.refused || r.messages || !*r.mode)
            continue;
        const RowSet row = office.db().execute(u"select * from RENT"_s);
        for (const auto& [field, column] : figures) {
            EXPECT_DOUBLE_EQ(row.value(0, QLatin1String(column)).toDouble(), contract.number(field)) << column;
            EXPECT_TRUE(QByteArray(r.mode) == "SURRENDMODE" || contract.number(field) == 0) << field;
        }
        const auto posted = [&](int account) {
            return office.db().execute(u"select sum(AMOUNT) from JOURNALDETAIL where DEBITORCREDIT = 0 and ACCOUNTNUMBER = "_s
                                       + QString::number(account)).value(0, 0).toDouble();
        };
        EXPECT_DOUBLE_EQ(posted(4200), s.returned ? row.value(0, u"REQUIREDKILOMETERSDIFF"_s).toDouble() : 0);
        EXPECT_DOUBLE_EQ(posted(4100), s.returned ? row.value(0, u"REQUIREDAMOUNT"_s).toDouble() : 0);
    }
}

// F5 and F6 open the customer and car pickers on the contract's own records.
// A picker only chooses (whoever may rent need not have the right to change
// customers or cars): its name is read-only, New, Save and Delete are hidden
// and their keys change nothing. OK hands the record to the contract as the
// picker shows it, the customer's home contact data only, and saves nothing.
TEST(ContractScreen, APickerOnlyChooses)
{
    Counter office;
    const qint64 car = office.car(u"7/77"_s, 5000, 12.5);
    office.contract(0);
    const qint64 customer = office.count(u"select CUSTOMERID from RENT"_s);
    office.db().command(u"update Customer set name = 'O''Hara, Kim', HOMETEL1 = 'H1', WORKTEL1 = 'W1', HOMECITY = 'حولي', "
                        "WORKCITY = 'الشويخ'"_s);
    for (const QString& name : {u"frmCars"_s, u"frmCustomers"_s})
        office.ui().onDialog(name, [](QDialog* picker) {
            EXPECT_TRUE(control<QLineEdit>(picker, u"txtNAME"_s)->isReadOnly());
            for (const char* command : {"cmdNew", "cmdSave", "cmdDel"})
                EXPECT_FALSE(control(picker, QLatin1String(command))->isVisible()) << command;
            // The customers' picker comes last: its keys go to it.
            if (auto* tel = control<QLineEdit>(picker, u"dfsHomeTel2"_s)) {
                tel->setText(u"H2 typed here"_s);
                ASSERT_TRUE(Clerk::showActive(picker));
                for (const Qt::Key key : {Qt::Key_F8, Qt::Key_F11, Qt::Key_F12})
                    Clerk::press(key);
            }
            ScreenChecks::click(picker, u"cmdOk"_s);
        });
    Contract out(office.state(), u"RENTMODE"_s);
    for (const Qt::Key key : {Qt::Key_F6, Qt::Key_F5}) {
        ASSERT_TRUE(Clerk::showActive(&out));
        Clerk::press(key);
    }
    EXPECT_EQ(office.ui().dialogsShown, (QStringList{u"frmCars"_s, u"frmCustomers"_s}));
    EXPECT_TRUE(office.ui().questions.isEmpty());
    EXPECT_EQ(ScreenChecks::stored(office.db(), u"Customer"_s, u"CUSTOMERID"_s, customer, {u"name"_s, u"HOMETEL2"_s}),
              (QStringList{u"O'Hara, Kim"_s, QString()}));
    EXPECT_EQ(office.count(u"select count(*) from car"_s) + office.count(u"select count(*) from Customer"_s), 2);
    const std::pair<const char*, QString> handed[] = {
        {"dfnCustomerid", QString::number(customer)}, {"dfsCustomerNAME", u"O'Hara, Kim"_s}, {"dfnIDNumber", u"2850101"_s},
        {"dfsTel1", u"H1"_s}, {"dfsTel2", u"H2 typed here"_s}, {"dfsCity", u"حولي"_s}, {"dfnCarNo", QString::number(car)},
        {"dfsPlatNo", u"7/77"_s}, {"dfnDailyRent", u"12.50"_s}};
    for (const auto& [name, shown] : handed)
        EXPECT_EQ(out.value(name), shown) << name;
}
