// The money of a contract at the counter: the deposit taken as the car goes
// out, posted by its way of payment; at return what is kept of it and what
// goes back, the VAT on the close-out and its tax invoice; the close-out
// document that shows them. The clerk types into whatever has the cursor.
#include "core/Configuration.h"
#include "core/ScreenTag.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "reports/LibreOffice.h"
#include "reports/ShippedTemplates.h"
#include "reports/cPrint.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QPdfDocument>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Sums = std::map<qint64, double>;  // account: debits less credits

struct Counter : TestOffice {
    explicit Counter(bool vat)
    {
        installEngine(state());
        registerRentalScreens(state().screens());
        Configuration store(db());
        store.SetConfig(u"VATON"_s, vat ? u"1"_s : u"0"_s);
        store.SetConfig(u"VATRATE"_s, u"15"_s);
    }
    // A contract of 20 a day from 30/11/2026 at meter 1000, its car out when it is.
    void contract(bool out, const QList<Database::Field>& more = {})
    {
        const qint64 car = db().insert(u"car"_s, u"carid"_s, {{u"name"_s, u"كامري"_s}, {u"METER"_s, 1000}, {u"rented"_s, out ? 1 : 0}});
        const qint64 customer = db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"عميل"_s}, {u"IDNUMBER"_s, 2850101}});
        db().insert(u"RENT"_s, u"RENTID"_s,
                    QList<Database::Field>{{u"NAME"_s, u"عقد"_s}, {u"CUSTOMERID"_s, customer}, {u"CUSTOMERNAME"_s, u"عميل"_s},
                                           {u"CARNO"_s, car}, {u"RETURNED"_s, 0}, {u"EXITDATE"_s, 20261130}, {u"METER"_s, 1000},
                                           {u"DAILYRENT"_s, 20.0}, {u"RENTPERIOD"_s, 2}, {u"RETURNDATE"_s, 20261202}} + more);
    }
    std::unique_ptr<QWidget> open(const char* mode)
    {
        std::unique_ptr<QWidget> screen(state().screens().instance(u"frmRentCar"_s, nullptr));
        ScreenTag::set(screen.get(), QLatin1String(mode));
        EXPECT_TRUE(Clerk::showActive(screen.get()));
        return screen;
    }
    double number(const QString& sql) { return db().execute(sql).value(0, 0).toDouble(); }
    // The lines of the contract's journal kept in `column`, by account.
    Sums posted(const char* column)
    {
        const RowSet rows = db().execute(u"select ACCOUNTNUMBER, sum(AMOUNT * (2 * DEBITORCREDIT - 1)) from JOURNALDETAIL "
                                          "where JOURNALID = (select "_s + QLatin1String(column) + u" from RENT) group by ACCOUNTNUMBER"_s);
        Sums sums;
        for (int r = 0; r < rows.count(); ++r)
            sums[rows.value(r, 0).toLongLong()] = std::round(rows.value(r, 1).toDouble() * 100) / 100;
        return sums;
    }
};

// By Tab, on or back, as the clerk gets there.
void reach(const char* field)
{
    // Far from the cursor, a field is still reached: Tab goes round.
    ASSERT_TRUE(Clerk::tabTo(field) || Clerk::tabTo(field) || Clerk::tabTo(field, Qt::ShiftModifier))
        << field << " is never reached by Tab; the cursor is in " << Clerk::focused();
}

void typeInto(const char* field, const QString& text)
{
    reach(field);
    Clerk::type(text);
}

// The way of payment, chosen by Down from cash.
void choose(int method)
{
    reach("dfgDepositMethod");
    for (int i = 0; i < method; ++i)
        Clerk::press(Qt::Key_Down);
}

// The close-out is on the second page.
void toReturnPage()
{
    Clerk::press(Qt::Key_Tab, Qt::ControlModifier);
}

QString shown(QWidget* screen, const char* name)
{
    return ControlAccess::value(ControlAccess::require(screen, QLatin1String(name)));
}

}

// The deposit goes out with the car into the account of its way of payment,
// held for the customer, in a journal of its own that a second save rewrites.
TEST(ContractMoney, TheDepositTakenIsPostedByItsWayOfPayment)
{
    const struct {
        const char* what;
        QString deposit;
        int method;
        QString reference;
        Sums expected;
        int messages = 0;
        QString again = {};  // a second save: this amount by card
    } rows[] = {
        {"cash", u"150"_s, 0, {}, {{1100, 150}, {2100, -150}}},
        {"card with its slip", u"200"_s, 1, u"VISA-4417"_s, {{1150, 200}, {2100, -200}}},
        {"bank transfer", u"75.5"_s, 2, u"TRF-88"_s, {{1200, 75.5}, {2100, -75.5}}},
        {"cheque", u"300"_s, 3, u"CHQ 1001"_s, {{1200, 300}, {2100, -300}}},
        {"none taken", {}, 0, {}, {}},
        {"below 0", u"-5"_s, 0, {}, {}, 1},
        {"saved again by card for less", u"150"_s, 0, {}, {{1150, 120}, {2100, -120}}, 0, u"120"_s},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(false);
        office.contract(false);
        const std::unique_ptr<QWidget> screen = office.open("RENTMODE");
        typeInto("dfnDeposit", r.deposit);
        choose(r.method);
        typeInto("dfsDepositReference", r.reference);
        Clerk::press(Qt::Key_F12);
        if (!r.again.isEmpty()) {
            typeInto("dfnDeposit", r.again);
            choose(1);
            Clerk::press(Qt::Key_F12);
        }
        EXPECT_EQ(office.ui().messages.size(), r.messages) << office.ui().lastMessage().toStdString();
        EXPECT_EQ(office.posted("DEPOSITJOURNALID"), r.expected);
        EXPECT_EQ(office.number(u"select count(*) from JOURNAL"_s), r.expected.empty() ? 0 : 1);
        // Refused, nothing is written: the car stays in.
        EXPECT_EQ(office.number(u"select rented from car"_s), r.messages ? 0 : 1);
        EXPECT_EQ(office.db().execute(u"select DEPOSITREFERENCE from RENT"_s).value(0, 0).toString(), r.reference);
    }
}

// At return what is kept of the deposit pays part of what the customer owes
// and the rest goes back the way it came; kept and refunded make the deposit
// or nothing is written. With VAT the total is the net: the tax is owed to
// the tax office, the remainder is of the gross, and the closed contract gets
// one tax invoice however often it is saved. Without VAT none of it shows.
TEST(ContractMoney, TheReturnSettlesTheDepositAndTheVat)
{
    // 2 days at 20 and 5 of other amounts make 45; 30 is paid.
    const struct {
        const char* what;
        bool vat;
        double deposit;
        int method;
        QString kept;
        QString refunded;  // typed over the refund proposed
        Sums expected;     // of the close-out journal
        double owed;       // after the deposit kept
        int invoices = 0;
        int messages = 0;  // one for each save refused
    } rows[] = {
        {"refunded whole in cash", false, 100, 0, {}, {},
         {{1100, -70}, {1300, 15}, {2100, 100}, {4100, -40}, {4300, -5}}, 15},
        {"partly kept, the rest back to the card", false, 100, 1, u"10"_s, {},
         {{1100, 30}, {1150, -90}, {1300, 5}, {2100, 100}, {4100, -40}, {4300, -5}}, 5},
        {"kept whole", false, 15, 0, u"15"_s, {}, {{1100, 30}, {1300, 0}, {2100, 15}, {4100, -40}, {4300, -5}}, 0},
        {"VAT of 15% on the net, no deposit", true, 0, 0, {}, {},
         {{1100, 30}, {1300, 21.75}, {2200, -6.75}, {4100, -40}, {4300, -5}}, 21.75, 1},
        {"VAT, and the deposit by transfer pays the rest", true, 50, 2, u"21.75"_s, {},
         {{1100, 30}, {1200, -28.25}, {1300, 0}, {2100, 50}, {2200, -6.75}, {4100, -40}, {4300, -5}}, 0, 1},
        {"kept and refunded more than the deposit", false, 100, 0, u"10"_s, u"95"_s, {}, 5, 0, 2},
        {"kept more than the deposit", false, 100, 0, u"120"_s, {}, {}, -105, 0, 2},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(r.vat);
        office.contract(true, {{u"DEPOSIT"_s, r.deposit}, {u"DEPOSITMETHOD"_s, r.method}});
        const std::unique_ptr<QWidget> screen = office.open("SURRENDMODE");
        toReturnPage();
        EXPECT_EQ(screen->findChild<QWidget*>(u"dfnVatAmount"_s)->isVisible(), r.vat);
        typeInto("dfnActualPeriod", u"2"_s);
        typeInto("dfnOtherAmounts", u"5"_s);
        typeInto("dfnPaid", u"30"_s);
        if (!r.kept.isEmpty())
            typeInto("dfnDepositKept", r.kept);
        if (!r.refunded.isEmpty())
            typeInto("dfnDepositRefunded", r.refunded);
        EXPECT_DOUBLE_EQ(shown(screen.get(), "txtnOwedAfterDeposit").toDouble(), r.owed);
        reach("dffReturned");
        Clerk::press(Qt::Key_Space);
        Clerk::press(Qt::Key_F12);
        // A second save keeps the invoice's number.
        Clerk::press(Qt::Key_F12);
        EXPECT_EQ(office.ui().messages.size(), r.messages) << office.ui().lastMessage().toStdString();
        EXPECT_EQ(office.posted("JOURNALID"), r.expected);
        EXPECT_EQ(office.number(u"select RETURNED from RENT"_s), r.messages ? 0 : 1);
        EXPECT_EQ(office.number(u"select count(*) from TAXINVOICE where INVOICENO = 1 and GROSSAMOUNT = 51.75"_s), r.invoices);
        EXPECT_EQ(office.number(u"select count(*) from TAXINVOICE"_s), r.invoices);
        // The customer's balance is the ledger's, as the save left it.
        const auto owes = r.expected.find(1300);
        EXPECT_DOUBLE_EQ(shown(screen.get(), "txtnCustomerBalance").toDouble(), owes == r.expected.end() ? 0 : owes->second);
    }
}

// The close-out document, turned into a PDF, holds the deposit taken, kept
// and refunded, its way of payment, and the net, VAT and gross.
TEST(ContractMoney, TheCloseOutDocumentShowsTheDepositAndTheVat)
{
    if (LibreOffice::program().isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    Counter office(true);
    office.contract(true, {{u"DEPOSIT"_s, 50.0}, {u"DEPOSITMETHOD"_s, 2}, {u"DEPOSITREFERENCE"_s, u"TRF-88"_s}});
    const std::unique_ptr<QWidget> screen = office.open("SURRENDMODE");
    toReturnPage();
    typeInto("dfnActualPeriod", u"2"_s);
    typeInto("dfnOtherAmounts", u"5"_s);
    typeInto("dfnPaid", u"30"_s);
    typeInto("dfnDepositKept", u"21.75"_s);
    reach("dffReturned");
    Clerk::press(Qt::Key_Space);
    Clerk::press(Qt::Key_F12);
    ShippedTemplates::installMissing(office.state().homeFile(u"templates"_s));
    QString error;
    const QString pdf = LibreOffice(office.state()).toPdf(cPrint(office.state()).PrintReport(1), &error);
    ASSERT_FALSE(pdf.isEmpty()) << error.toStdString();
    QPdfDocument document;
    document.load(pdf);
    QString text;
    for (int page = 0; page < document.pageCount(); ++page)
        text += document.getAllText(page).text() + u' ';
    // Word by word: a PDF's text runs an Arabic line's words backwards.
    const QStringList words = text.split(QRegularExpression(u"\\s+"_s));
    for (const char* expected : {"التأمين", "المستلم", "المخصوم", "المردود", "Deposit", "taken", "kept", "refunded",
                                 "50.00", "21.75", "28.25", "Bank", "transfer", "(TRF-88)", "VAT", "51.75", "invoice"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
}
