// The money of a contract at the counter, one row a contract: the deposit
// taken as the car goes out, posted by its way of payment; at return what is
// kept of it and what goes back, the VAT on the close-out and its tax
// invoice, the customer's balance; the close-out document that shows them.
// The clerk reaches every field by Tab and types where the cursor is.
#include "accounting/TaxInvoice.h"
#include "core/Configuration.h"
#include "core/ScreenTag.h"
#include "core/StoredDate.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "reports/OdtDocument.h"
#include "reports/ShippedTemplates.h"
#include "reports/cPrint.h"
#include "rental/CarDamage.h"
#include "rental/DamageDiagram.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QKeySequence>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <tuple>

using namespace Qt::StringLiterals;
using CarDamage::Kind;

namespace {

using Sums = std::map<qint64, double>;  // account: debits less credits
using Steps = QList<std::pair<const char*, QString>>;

// A key alone is pressed; a field is reached by Tab, on or round or back, and
// typed over, a list moved down so many rows, a tick box ticked.
void run(const Steps& steps)
{
    for (const auto& [name, text] : steps) {
        if (const QKeySequence key{QLatin1String(name)}; text.isNull() && key.count() == 1) {
            Clerk::press(key[0].key(), key[0].keyboardModifiers());
            continue;
        }
        ASSERT_TRUE(Clerk::tabTo(name) || Clerk::tabTo(name) || Clerk::tabTo(name, Qt::ShiftModifier))
            << name << " is never reached; the cursor is in " << Clerk::focused();
        for (int down = name[2] == 'g' ? text.toInt() : 0; down > 0; --down)
            Clerk::press(Qt::Key_Down);
        if (name[2] == 'f')
            Clerk::press(Qt::Key_Space);
        else if (name[2] != 'g') {
            Clerk::press(Qt::Key_A, Qt::ControlModifier);
            Clerk::type(text);
        }
    }
}

// An office with its car (out or not) and a contract of it from 30 November,
// and the contract's screen in the mode of the car.
struct Counter : TestOffice {
    qint64 car, rent;
    Counter(bool out, const QList<Database::Field>& more = {})
    {
        installEngine(state());
        registerRentalScreens(state().screens());
        car = db().insert(u"car"_s, u"carid"_s, {{u"METER"_s, 1000}, {u"rented"_s, int(out)}, {u"CARTYPE"_s, u"صالون"_s}});
        db().insert(u"FUELRATE"_s, u"FUELRATEID"_s, {{u"CARTYPE"_s, u"صالون"_s}, {u"EIGHTHCHARGE"_s, 10}});
        const qint64 customer = db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"عميل"_s}, {u"IDNUMBER"_s, 2850101}});
        rent = db().insert(u"RENT"_s, u"RENTID"_s, QList<Database::Field>{{u"NAME"_s, u"عقد"_s}, {u"CUSTOMERID"_s, customer},
            {u"CARNO"_s, car}, {u"RETURNED"_s, 0}, {u"EXITDATE"_s, 20261130}, {u"METER"_s, 1000}, {u"DAILYRENT"_s, 20.0},
            {u"RENTPERIOD"_s, 2}, {u"RETURNDATE"_s, 20261202}} + more);
    }
    std::unique_ptr<QWidget> open(bool back)
    {
        std::unique_ptr<QWidget> screen(state().screens().instance(u"frmRentCar"_s, nullptr));
        ScreenTag::set(screen.get(), back ? u"SURRENDMODE"_s : u"RENTMODE"_s);
        EXPECT_TRUE(Clerk::showActive(screen.get()));
        return screen;
    }
};

}

TEST(ContractMoney, DepositVatAndInvoiceFromRentOutToCloseOut)
{
    // Back after 2 days at 20 with 5 of other amounts: 45, of which 30 is paid.
    const Steps back{{"Ctrl+Tab", {}}, {"dfnActualPeriod", u"2"_s}, {"dfnOtherAmounts", u"5"_s}, {"dfnPaid", u"30"_s}};
    const Steps closed{{"dffReturned", u"1"_s}, {"F12", {}}, {"F12", {}}};
    // The car looked over first: 3 eighths of fuel missing at 10, and a damage.
    const Steps fuelAndDamage{{"Ctrl+Tab", {}}, {"dfnFuelIn", u"5"_s}, {"dfnDamageCharge", u"60"_s}};
    const struct {
        const char* what;
        bool out;  // the contract's car is out: surrender, else rent out
        bool vat;
        double deposit;  // taken before, and its way
        int method;
        Steps steps;
        Sums expected;  // of the ledger
        double owed = 0;  // after the deposit kept
        int messages = 0;  // one for each save refused
        int invoices = 0;
        bool printed = false;  // the close-out document is read
        bool deleted = false;
        double advance = 0;  // paid on account before, billed on its own invoice
    } rows[] = {
        {"out with cash", false, false, 0, 0, {{"dfnDeposit", u"150"_s}, {"F12", {}}}, {{1100, 150}, {2100, -150}}},
        {"out with a card and its slip", false, false, 0, 0,
         {{"dfnDeposit", u"200"_s}, {"dfgDepositMethod", u"1"_s}, {"dfsDepositReference", u"VISA-4417"_s}, {"F12", {}}},
         {{1150, 200}, {2100, -200}}},
        {"out with a transfer", false, false, 0, 0, {{"dfnDeposit", u"75.5"_s}, {"dfgDepositMethod", u"2"_s}, {"F12", {}}},
         {{1200, 75.5}, {2100, -75.5}}},
        {"out with a cheque", false, false, 0, 0, {{"dfnDeposit", u"300"_s}, {"dfgDepositMethod", u"3"_s}, {"F12", {}}},
         {{1200, 300}, {2100, -300}}},
        {"out with no deposit", false, false, 0, 0, {{"F12", {}}}, {}},
        {"out with a deposit below 0", false, false, 0, 0, {{"dfnDeposit", u"-5"_s}, {"F12", {}}}, {}, 0, 1},
        {"saved again by card for less: the lines are replaced", false, false, 0, 0,
         {{"dfnDeposit", u"150"_s}, {"F12", {}}, {"dfnDeposit", u"120"_s}, {"dfgDepositMethod", u"1"_s}, {"F12", {}}},
         {{1150, 120}, {2100, -120}}},
        {"out with cash, then deleted: the deposit's lines go too", false, false, 0, 0,
         {{"dfnDeposit", u"150"_s}, {"F12", {}}, {"F11", {}}}, {}, 0, 0, 0, false, true},
        {"back, refunded whole in cash", true, false, 100, 0, back + closed,
         {{1100, -70}, {1300, 15}, {2100, 100}, {4100, -40}, {4300, -5}}, 15},
        {"back, partly kept, the rest to the card", true, false, 100, 1, back + Steps{{"dfnDepositKept", u"10"_s}} + closed,
         {{1100, 30}, {1150, -90}, {1300, 5}, {2100, 100}, {4100, -40}, {4300, -5}}, 5},
        {"back with VAT of 15% on the net", true, true, 0, 0, back + closed,
         {{1100, 30}, {1300, 21.75}, {2200, -6.75}, {4100, -40}, {4300, -5}}, 21.75, 0, 1},
        {"back with VAT, an advance paid before deducted with its VAT", true, true, 0, 0, back + closed,
         {{1100, 30}, {1300, 20.25}, {2200, -5.25}, {4100, -40}, {4300, -5}}, 10.25, 0, 1, true, false, 11.5},
        {"back with VAT, the transfer deposit pays the rest", true, true, 50, 2,
         back + Steps{{"dfnDepositKept", u"21.75"_s}} + closed,
         {{1100, 30}, {1200, -28.25}, {1300, 0}, {2100, 50}, {2200, -6.75}, {4100, -40}, {4300, -5}}, 0, 0, 1, true},
        {"back, kept and refunded more than the deposit", true, false, 100, 0,
         back + Steps{{"dfnDepositKept", u"10"_s}, {"dfnDepositRefunded", u"95"_s}} + closed, {}, 5, 2},
        {"back short of fuel and damaged: the deposit keeps the damage", true, false, 100, 0,
         fuelAndDamage + back.mid(1) + closed,
         {{1100, -10}, {1300, 45}, {2100, 100}, {4100, -40}, {4300, -5}, {4400, -30}, {4500, -60}}, 45},
        {"a damage above the deposit keeps all of it", true, false, 50, 0,
         Steps{{"Ctrl+Tab", {}}, {"dfnDamageCharge", u"80"_s}} + back.mid(1) + closed,
         {{1100, 30}, {1300, 45}, {2100, 50}, {4100, -40}, {4300, -5}, {4500, -80}}, 45},
        {"back, kept more than the deposit", true, false, 100, 0, back + Steps{{"dfnDepositKept", u"120"_s}} + closed,
         {}, -105, 2},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(r.out, {{u"DEPOSIT"_s, r.deposit}, {u"DEPOSITMETHOD"_s, r.method},
                               {u"DEPOSITREFERENCE"_s, u"TRF-88"_s}, {u"FUELOUT"_s, 8}});
        Database& db = office.db();
        Configuration(db).SetConfig(u"VATON"_s, r.vat ? u"1"_s : u"0"_s);
        Configuration(db).SetConfig(u"VATRATE"_s, u"15"_s);
        if (r.advance > 0)
            TaxInvoice::issue(db, TaxInvoice::Receipt,
                              db.insert(u"RECEIPT"_s, u"RECEIPTID"_s, {{u"CUSTOMERID"_s, db.execute(u"select CUSTOMERID from RENT"_s).value(0, 0)}}),
                              u"عميل"_s, {r.advance / 1.15, 15, r.advance - r.advance / 1.15, r.advance});
        const std::unique_ptr<QWidget> screen = office.open(r.out);
        EXPECT_EQ(screen->findChild<QWidget*>(u"dfnVatAmount"_s)->isHidden(), !r.vat);
        run(r.steps);

        EXPECT_EQ(office.ui().messages.size(), r.messages) << office.ui().lastMessage().toStdString();
        const RowSet lines = db.execute(u"select ACCOUNTNUMBER, sum(AMOUNT * (2 * DEBITORCREDIT - 1)) from JOURNALDETAIL "
                                        "group by ACCOUNTNUMBER"_s);
        Sums posted;
        for (int i = 0; i < lines.count(); ++i)
            posted[lines.value(i, 0).toLongLong()] = std::round(lines.value(i, 1).toDouble() * 100) / 100;
        EXPECT_EQ(posted, r.expected);
        // Refused, nothing is written: the car stays where it was.
        EXPECT_EQ(db.execute(u"select rented from car"_s).value(0, 0).toBool(), r.out == bool(r.messages) && !r.deleted);
        // No journal is left without its contract.
        EXPECT_EQ(db.execute(u"select count(*) from JOURNAL where JOURNALID not in (select JOURNALID from RENT "
                             "union select DEPOSITJOURNALID from RENT)"_s).value(0, 0).toInt(), 0);
        // One invoice of the gross, numbered once however often it is saved.
        EXPECT_EQ(db.execute(u"select count(*) from TAXINVOICE where SOURCE = 'RENT'"_s).value(0, 0).toInt(), r.invoices);
        EXPECT_EQ(db.execute(u"select count(*) from TAXINVOICE where SOURCE = 'RENT' and GROSSAMOUNT = 51.75 and "
                             "INVOICENO = (select max(INVOICENO) from TAXINVOICE)"_s).value(0, 0).toInt(),
                  r.invoices);
        const auto shown = [&](const char* name) {
            return ControlAccess::value(ControlAccess::require(screen.get(), QLatin1String(name))).toDouble();
        };
        EXPECT_DOUBLE_EQ(shown("txtnOwedAfterDeposit"), r.owed);
        // The balance shown is the ledger's, as the save left it.
        EXPECT_DOUBLE_EQ(shown("txtnCustomerBalance"), r.expected.contains(1300) ? r.expected.at(1300) : 0);
        if (!r.printed)
            continue;
        ShippedTemplates::installMissing(office.state().homeFile(u"templates"_s));
        QString error;
        const auto document = OdtDocument::open(cPrint(office.state()).PrintReport(1), &error);
        ASSERT_TRUE(document.has_value()) << error.toStdString();
        const QStringList words = document->text().simplified().split(' ');
        const QList<const char*> deposit{"التأمين", "المستلم", "المخصوم", "المردود", "Deposit", "taken", "kept", "refunded",
                                         "50.00", "21.75", "28.25", "Bank", "transfer", "(TRF-88)", "VAT", "51.75", "invoice"};
        const QList<const char*> advance{"المقدمة", "Advances", "deducted", "11.50", "10.25", "VAT", "51.75", "invoice"};
        for (const char* expected : r.advance > 0 ? advance : deposit)
            EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
    }
}

// The car's marks go out with the contract and come back to it: what it had
// and what was noted at check-out stand plain at return, what is found at
// return is new, before the save and after it.
TEST(ContractCondition, MarksGoFromTheCarToTheContractAndBack)
{
    const QDate exit(2026, 11, 30), earlier(2026, 11, 1), today = QDate::currentDate();
    const struct {
        const char* what;
        bool out;
        QList<std::pair<int, QDate>> before;  // the marks the car has: on this contract (1) or none (0); found
        Steps steps;
        Kind added;  // the kind of the mark the steps store, found on `found`
        QDate found;
        QList<bool> freshAtReturn;
        QDate exitOn = {};  // when the car went out, if not on `exit`
    } rows[] = {
        {"noted at check-out: the contract's, plain at return", false, {{0, earlier}},
         {{"dgmDamageOut", u"2"_s}, {"Return", {}}, {"F12", {}}}, Kind::Dent, exit, {false, false}},
        {"found at return: new, and still after the save", true, {{0, earlier}, {1, exit}},
         {{"Ctrl+Tab", {}}, {"dgmDamageIn", u"3"_s}, {"Return", {}}, {"F12", {}}}, Kind::Crack, today, {false, false, true}},
        {"found at return on the day it went out: new all the same", true, {{0, earlier}},
         {{"Ctrl+Tab", {}}, {"dgmDamageIn", u"3"_s}, {"Return", {}}, {"F12", {}}}, Kind::Crack, today, {false, true}, today},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(r.out);
        if (r.exitOn.isValid())
            office.db().executeBound(u"update RENT set EXITDATE = ?, RETURNDATE = ?"_s,
                                     {StoredDate::number(r.exitOn), StoredDate::number(r.exitOn.addDays(2))});
        for (const auto& [contract, found] : r.before)
            CarDamage::add(office.db(), office.car, {0, {}, {0.5, 0.5}, {}, 0, {}, contract * office.rent, found, 0});
        // Marked and saved, then opened again as the car comes back.
        for (const bool marking : {true, false}) {
            const std::unique_ptr<QWidget> screen = office.open(r.out || !marking);
            if (marking)
                run(r.steps);
            QList<bool> fresh;
            for (const auto* d = screen->findChild<DamageDiagram*>(u"dgmDamageIn"_s); fresh.size() < d->count();)
                fresh << d->isFresh(int(fresh.size()));
            EXPECT_EQ(fresh, r.freshAtReturn);
        }
        const QList<CarDamage::Mark> stood = CarDamage::standing(office.db(), office.car);
        ASSERT_EQ(stood.size(), r.before.size() + (r.found.isValid() ? 1 : 0)) << office.ui().lastMessage().toStdString();
        if (r.found.isValid()) {
            EXPECT_EQ(std::tuple(stood.last().kind, stood.last().rentId, stood.last().found),
                      std::tuple(r.added, office.rent, r.found));
        }
    }
}
