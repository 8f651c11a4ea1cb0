// Receipts and refunds at the counter: each method posted to its account
// against the customer's, a second save replacing the lines, a delete taking
// the journal with it, the tax invoice with VAT on; the customer's balance
// and statement for a period; an older office's upgrade. The receipt and the
// statement as PDF documents are golden ones (tests/reports).
#include "accounting/PostingScreen.h"
#include "core/Configuration.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "core/StoredDate.h"
#include "engine/EngineSetup.h"
#include "office/NewDatabase.h"
#include "reports/OdtDocument.h"
#include "reports/ShippedTemplates.h"
#include "reports/cPrint.h"
#include "reports/frmPrint.h"
#include "rental/CustomerBalance.h"
#include "rental/RentalScreens.h"
#include "rental/RentalShipped.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QDate day(int fromToday) { return QDate::currentDate().addDays(fromToday); }

struct Counter : TestOffice {
    explicit Counter(bool demo = false) : TestOffice(true, demo)
    {
        installEngine(state());
        registerRentalScreens(state().screens());
    }
    qint64 customer(const QString& name)
    {
        return db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, name}, {u"IDNUMBER"_s, 2850101}});
    }
    // The account's lines of a journal: "account debit|credit amount", in order.
    QStringList lines(qint64 journal)
    {
        const RowSet rows = db().execute(u"select ACCOUNTNUMBER, DEBITORCREDIT, AMOUNT, TRANSACTIONDATE from JOURNALDETAIL "
                                         "where JOURNALID = "_s + QString::number(journal) + u" order by DEBITORCREDIT desc, ACCOUNTNUMBER"_s);
        QStringList found;
        for (int i = 0; i < rows.count(); ++i)
            found << u"%1 %2 %3 %4"_s.arg(rows.text(i, u"ACCOUNTNUMBER"_s),
                                          rows.value(i, u"DEBITORCREDIT"_s).toInt() ? u"debit"_s : u"credit"_s)
                         .arg(rows.value(i, u"AMOUNT"_s).toDouble())
                         .arg(rows.text(i, u"TRANSACTIONDATE"_s));
        return found;
    }
    qint64 count(const QString& sql) { return db().execute(sql).value(0, 0).toLongLong(); }
};

struct PostingRow {
    const char* name;
    int method;  // steps Down from cash in the list
    bool refund;
    const char* money;  // the money account
    const char* amount, *changed;
    // With VAT on, the tax invoice after the change: number, net, VAT, gross.
    // Taken at the first save and kept; a refund has none, and an invoiced
    // receipt is not deleted, the clerk told its number.
    const char* invoiced = nullptr;
    // The VAT within the amount and within the changed one, owed to the tax
    // office (2200) for a payment on account, taken back for a refund.
    double tax = 0, changedTax = 0;
};

void PrintTo(const PostingRow& row, std::ostream* out) { *out << row.name; }

class Posting : public testing::TestWithParam<PostingRow> {};

// F8, a name, the customer's number, the amount, the method and the refund
// tick as the cursor goes, F12: the money account and the customer's meet in
// one journal dated the receipt's day; F12 again after a change replaces the
// lines; F11 takes the receipt and its journal away.
// A new receipt typed as the clerk goes: F8 and its name, then the customer's
// number where the cursor starts, the amount, the method and the refund tick.
void keyIn(Counter& office, QWidget* screen, qint64 customer, const char* amount, int method, bool refund)
{
    office.ui().onDialog(u"frmGeneralN"_s, [](QDialog* dialog) {
        Clerk::type(u"دفعة"_s);
        ScreenChecks::click(dialog, u"cmdOk"_s);
    });
    ASSERT_TRUE(Clerk::showActive(screen));
    Clerk::press(Qt::Key_F8);
    ASSERT_TRUE(Clerk::showActive(screen));
    EXPECT_EQ(Clerk::focused(), "dfnCustomerid");
    Clerk::type(QString::number(customer));
    ASSERT_TRUE(Clerk::tabTo("dfnAmount"));
    Clerk::type(QLatin1String(amount));
    ASSERT_TRUE(Clerk::tabTo("cboMethod"));
    for (int i = 0; i < method; ++i)
        Clerk::press(Qt::Key_Down);
    ASSERT_TRUE(Clerk::tabTo("dffRefund"));
    if (refund)
        Clerk::press(Qt::Key_Space);
}

TEST_P(Posting, EachMethodToItsAccount)
{
    const PostingRow& r = GetParam();
    Counter office;
    if (r.invoiced) {
        Configuration(office.db()).SetConfig(u"VATON"_s, u"1"_s);
        Configuration(office.db()).SetConfig(u"VATRATE"_s, u"15"_s);
    }
    const qint64 customer = office.customer(u"سالم"_s);
    std::unique_ptr<QWidget> screen(office.state().screens().instance(u"frmReceipt"_s, nullptr));
    keyIn(office, screen.get(), customer, r.amount, r.method, r.refund);
    // Back a day: the ledger takes the receipt's day, not the day it was keyed in.
    ScreenChecks::control<QDateEdit>(screen.get(), u"dfdReceiptDate"_s)->setDate(day(-1));
    Clerk::press(Qt::Key_F12);
    ASSERT_EQ(office.ui().messages.size(), 0) << office.ui().lastMessage().toStdString();

    const RowSet stored = office.db().execute(u"select RECEIPTID, JOURNALID, METHOD, REFUND, CUSTOMERNAME from RECEIPT"_s);
    ASSERT_EQ(stored.count(), 1);
    const qint64 journal = stored.value(0, u"JOURNALID"_s).toLongLong();
    EXPECT_EQ(stored.value(0, u"METHOD"_s).toInt(), r.method);
    EXPECT_EQ(stored.value(0, u"REFUND"_s).toInt(), r.refund ? 1 : 0);
    EXPECT_EQ(stored.text(0, u"CUSTOMERNAME"_s), u"سالم"_s);
    const QString date = QString::number(StoredDate::number(day(-1)));
    const QString money = QLatin1String(r.money);
    const auto expected = [&](const char* amount, double tax) {
        const QString a = QString::number(QString::fromLatin1(amount).toDouble()) + ' ' + date, t = QString::number(tax) + ' ' + date;
        const QStringList lines = r.refund ? QStringList{u"1300 debit "_s + a, u"2200 debit "_s + t, money + u" credit "_s + a, u"1300 credit "_s + t}
                                           : QStringList{money + u" debit "_s + a, u"1300 debit "_s + t, u"1300 credit "_s + a, u"2200 credit "_s + t};
        return tax ? lines : QStringList{lines[0], lines[2]};
    };
    EXPECT_EQ(office.lines(journal), expected(r.amount, r.tax));
    const double sign = r.refund ? 1 : -1, net = QString::fromLatin1(r.amount).toDouble() - r.tax;
    EXPECT_DOUBLE_EQ(CustomerBalance::of(office.db(), customer), sign * net);
    EXPECT_DOUBLE_EQ(CustomerBalance::of(office.db(), customer, day(-2)), 0);
    // The card shows it owed, red, or owed to him.
    const auto* balance = ScreenChecks::control<QLabel>(screen.get(), u"lblBalance"_s);
    EXPECT_TRUE(balance->text().startsWith(QString::number(net, 'f', 2))) << balance->text().toStdString();
    EXPECT_EQ(balance->styleSheet().contains(u"#b00000"_s), r.refund);

    auto* amount = ScreenChecks::control<QLineEdit>(screen.get(), u"dfnAmount"_s);
    amount->setFocus();
    amount->selectAll();
    Clerk::type(QLatin1String(r.changed));
    Clerk::press(Qt::Key_F12);
    EXPECT_EQ(office.count(u"select JOURNALID from RECEIPT"_s), journal);
    EXPECT_EQ(office.lines(journal), expected(r.changed, r.changedTax));
    EXPECT_EQ(office.count(u"select count(*) from JOURNAL"_s), 1);
    const RowSet invoice = office.db().execute(u"select INVOICENO, NETAMOUNT, VATAMOUNT, GROSSAMOUNT from TAXINVOICE"_s);
    QStringList found;
    for (int c = 0; c < invoice.count() * 4; ++c)
        found << QString::number(invoice.value(c / 4, c % 4).toDouble());
    EXPECT_EQ(found.join(' '), QLatin1String(r.invoiced));

    office.ui().answers = {true};
    Clerk::press(Qt::Key_F11);
    const int kept = invoice.isEmpty() ? 0 : 1;
    EXPECT_EQ(office.count(u"select count(*) from RECEIPT"_s), kept);
    EXPECT_EQ(office.count(u"select count(*) from JOURNAL"_s), kept);
    EXPECT_EQ(office.count(u"select count(*) from JOURNALDETAIL"_s), kept * expected(r.changed, r.changedTax).size());
    EXPECT_EQ(office.ui().messages.size(), kept);
    EXPECT_TRUE(!kept || office.ui().lastMessage().contains(u"1"_s)) << office.ui().lastMessage().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Receipts, Posting,
    testing::Values(PostingRow{"cash", 0, false, "1100", "25.50", "30"},
                    PostingRow{"card", 1, false, "1150", "120", "119.75"},
                    PostingRow{"bank transfer", 2, false, "1200", "300", "299"},
                    PostingRow{"cheque", 3, false, "1200", "1250.15", "1000"},
                    PostingRow{"refund in cash", 0, true, "1100", "15", "12.25"},
                    PostingRow{"refund to the card", 1, true, "1150", "40", "41"},
                    PostingRow{"refund by cheque", 3, true, "1200", "75", "70"},
                    PostingRow{"card with VAT", 1, false, "1150", "115", "230", "1 200 30 230", 15, 30},
                    PostingRow{"refund with VAT", 0, true, "1100", "50", "40", "", 6.522, 5.217}),
    [](const auto& info) { return std::string(QByteArray(info.param.name).replace(' ', '_').constData()); });


// One journal of a customer's history: lines "account side amount", on a day
// from today; into `journal` when given, else a new one.
qint64 post(Database& db, int daysFromToday, const QList<std::tuple<int, int, double>>& lines, qint64 journal = 0)
{
    const qint64 date = StoredDate::number(day(daysFromToday));
    if (!journal)
        journal = db.insert(u"JOURNAL"_s, u"JOURNALID"_s, {{u"NAME"_s, u"قيد"_s}, {u"TRANSACTIONDATE"_s, date}});
    for (const auto& [account, side, amount] : lines)
        db.insert(u"JOURNALDETAIL"_s, u"JOURNALDETAILID"_s,
                  {{u"JOURNALID"_s, journal}, {u"TRANSACTIONDATE"_s, date}, {u"AMOUNT"_s, amount},
                   {u"ACCOUNTNUMBER"_s, account}, {u"DEBITORCREDIT"_s, side}});
    return journal;
}

qint64 receipt(Database& db, qint64 customer, int daysFromToday, bool refund, int method, double amount, qint64 journal)
{
    return db.insert(u"RECEIPT"_s, u"RECEIPTID"_s,
                     {{u"NAME"_s, u"دفعة"_s}, {u"RECEIPTDATE"_s, StoredDate::number(day(daysFromToday))},
                      {u"REFUND"_s, refund ? 1 : 0}, {u"CUSTOMERID"_s, customer}, {u"CUSTOMERNAME"_s, u"سالم"_s},
                      {u"AMOUNT"_s, amount}, {u"METHOD"_s, method}, {u"REFERENCE"_s, u"CHQ-77"_s}, {u"JOURNALID"_s, journal}});
}

// A customer's history: a deposit of 50 taken with the car 24 days ago, 20
// of it kept at its return 20 days ago; the contract's 100 charged, 30 paid
// then; 30 received by cheque 10 days ago, 5 paid back 5 days ago. Another
// customer's receipt of the same day stays out.
struct History : Counter {
    History()
    {
        salim = customer(u"سالم"_s);
        const qint64 other = customer(u"غيره"_s);
        const qint64 deposit = post(db(), -24, {{1100, 1, 50}, {2100, 0, 50}});
        post(db(), -20, {{2100, 1, 20}, {1300, 0, 20}}, deposit);
        const qint64 closeOut = post(db(), -20, {{1300, 1, 100}, {4100, 0, 100}, {1100, 1, 30}, {1300, 0, 30}});
        contract = db().insert(u"RENT"_s, u"RENTID"_s,
                               {{u"NAME"_s, u"عقد"_s}, {u"CUSTOMERID"_s, salim}, {u"PLATNO"_s, u"12/345"_s},
                                {u"EXITDATE"_s, StoredDate::number(day(-24))}, {u"RETURNED"_s, 1}, {u"TOTAL"_s, 100},
                                {u"PAID"_s, 30}, {u"REMAINDER"_s, 70}, {u"DEPOSIT"_s, 50}, {u"DEPOSITMETHOD"_s, 3},
                                {u"DEPOSITREFERENCE"_s, u"CHQ-12"_s}, {u"JOURNALID"_s, closeOut},
                                {u"DEPOSITJOURNALID"_s, deposit}});
        received = receipt(db(), salim, -10, false, 3, 30, post(db(), -10, {{1200, 1, 30}, {1300, 0, 30}}));
        paidBack = receipt(db(), salim, -5, true, 0, 5, post(db(), -5, {{1300, 1, 5}, {1100, 0, 5}}));
        receipt(db(), other, -10, false, 0, 999, post(db(), -10, {{1100, 1, 999}, {1300, 0, 999}}));
    }
    qint64 salim = 0, contract = 0, received = 0, paidBack = 0;
};

struct Entry {
    int day;
    const char* kind;  // its Arabic name
    const char* debit, *credit, *deposit, *balance;
};

struct PeriodRow {
    const char* name;
    int from, to;
    const char* opening, *closing;
    QList<Entry> entries;
};

// The statement's lines between the table's heading and the closing balance,
// nine cells a line: date, kind, number, details, contract total, debit,
// credit, deposit, balance.
QStringList entries(const QString& text)
{
    QStringList lines = text.split('\n');
    const qsizetype first = lines.indexOf(u"Balance"_s) + 1;
    const qsizetype end = lines.indexOf(u"الرصيد الختامي Closing balance"_s);
    QStringList found;
    for (qsizetype at = first; first > 0 && at + 9 <= end; at += 9)
        found << u"%1 %2 d%3 c%4 t%5 = %6"_s.arg(lines[at], lines[at + 1].section(u" — "_s, 0, 0), lines[at + 5],
                                                 lines[at + 6], lines[at + 7], lines[at + 8]);
    return found;
}

void PrintTo(const PeriodRow& row, std::ostream* out) { *out << row.name; }

class Statement : public testing::TestWithParam<PeriodRow> {};

// The balance on any day is the ledger's; the statement for a period opens
// with the balance of the day before, lists what moved his account (and the
// deposits taken, which move nothing he owes) with the balance after each,
// and closes with the ledger's balance of its last day.
TEST_P(Statement, OpensAndClosesWithTheLedgersBalance)
{
    const PeriodRow& r = GetParam();
    History office;
    for (const auto& [upTo, balance] : {std::pair{-25, 0.0}, {-20, 50.0}, {-10, 20.0}, {-1, 25.0}})
        EXPECT_DOUBLE_EQ(CustomerBalance::of(office.db(), office.salim, day(upTo)), balance) << upTo;

    PostingScreen card(u"frmCustomers"_s, {{u"txtID"_s, QString::number(office.salim)}});
    office.state().screens().adopt(u"frmCustomers"_s, &card);
    frmPrint dialog(office.state(), nullptr);
    office.state().screens().adopt(u"frmPrint"_s, &dialog);
    ScreenChecks::control<QDateEdit>(&dialog, u"dtFrom"_s)->setDate(day(r.from));
    ScreenChecks::control<QDateEdit>(&dialog, u"dtTo"_s)->setDate(day(r.to));
    ShippedTemplates::installMissing(office.file(u"templates"_s));
    const QString filled = cPrint(office.state()).PrintReport(11);
    ASSERT_FALSE(filled.isEmpty()) << office.ui().lastMessage().toStdString();
    QString error;
    const auto document = OdtDocument::open(filled, &error);
    ASSERT_TRUE(document.has_value()) << error.toStdString();
    const QString text = document->text();
    QStringList expected;
    for (const Entry& e : r.entries)
        expected << u"%1 %2 d%3 c%4 t%5 = %6"_s.arg(day(e.day).toString(u"dd/MM/yyyy"_s), QString::fromUtf8(e.kind),
                                                    QLatin1String(e.debit), QLatin1String(e.credit),
                                                    QLatin1String(e.deposit), QString::fromUtf8(e.balance));
    EXPECT_EQ(entries(text), expected) << text.toStdString();
    const QStringList lines = text.split('\n');
    EXPECT_EQ(lines.value(lines.indexOf(u"الرصيد الافتتاحي Opening balance"_s) + 1), QString::fromUtf8(r.opening));
    EXPECT_EQ(lines.value(lines.indexOf(u"الرصيد الختامي Closing balance"_s) + 1), QString::fromUtf8(r.closing));
    EXPECT_FALSE(text.contains(u"999"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, Statement,
    testing::Values(
        PeriodRow{"everything", -30, 0, "0.00", "25.00 عليه — owed by the customer",
                  {{-24, "تأمين مستلم", "", "", "50.00", "0.00"},
                   {-20, "خصم من التأمين", "", "20.00", "", "20.00 له"},
                   {-20, "عقد إيجار", "100.00", "30.00", "", "50.00 عليه"},
                   {-10, "سند قبض", "", "30.00", "", "20.00 عليه"},
                   {-5, "رد مبلغ", "5.00", "", "", "25.00 عليه"}}},
        PeriodRow{"between the contract and the refund", -19, -6, "50.00 عليه — owed by the customer",
                  "20.00 عليه — owed by the customer", {{-10, "سند قبض", "", "30.00", "", "20.00 عليه"}}},
        PeriodRow{"the refund day alone", -5, -5, "20.00 عليه — owed by the customer",
                  "25.00 عليه — owed by the customer", {{-5, "رد مبلغ", "5.00", "", "", "25.00 عليه"}}},
        PeriodRow{"before it all", -60, -25, "0.00", "0.00", {}}),
    [](const auto& info) { return std::string(QByteArray(info.param.name).replace(' ', '_').constData()); });


// The customer card shows what the ledger holds of him, red while he owes;
// F6 brings the print dialog with his statement chosen for this month.
TEST(CustomerCard, ShowsHisBalanceAndF6AsksForHisStatement)
{
    History office;
    office.state().screens().add(u"frmPrint"_s, [](RunState& state, QWidget* parent) { return new frmPrint(state, parent); });
    std::unique_ptr<QWidget> card(office.state().screens().instance(u"frmCustomers"_s, nullptr));
    ASSERT_TRUE(Clerk::showActive(card.get()));
    const auto* balance = ScreenChecks::control<QLabel>(card.get(), u"lblLedgerBalance"_s);
    EXPECT_TRUE(balance->text().startsWith(u"25.00 "_s)) << balance->text().toStdString();
    EXPECT_TRUE(balance->styleSheet().contains(u"#b00000"_s));
    QStringList asked;
    office.ui().onDialog(u"frmPrint"_s, [&asked](QDialog* dialog) {
        const auto* list = dialog->findChild<QListWidget*>(u"List1"_s);
        asked << list->currentItem()->data(Qt::UserRole).toString()
              << ScreenChecks::control<QDateEdit>(dialog, u"dtFrom"_s)->date().toString(Qt::ISODate)
              << ScreenChecks::control<QDateEdit>(dialog, u"dtTo"_s)->date().toString(Qt::ISODate);
    });
    Clerk::press(Qt::Key_F6);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(asked, (QStringList{u"11"_s, QDate(today.year(), today.month(), 1).toString(Qt::ISODate),
                                  QDate(today.year(), today.month(), today.daysInMonth()).toString(Qt::ISODate)}));
}


// An office made before receipts gets what a new one has of them: the
// screen's rows, its ledger rules, the two documents (a number it gave a
// report of its own stays that report's) and the right of whoever may rent;
// its tax invoices get the rows of the advances they deduct.
TEST(OlderOffice, GetsTheReceiptScreenItsRulesDocumentsAndRight)
{
    Counter office;
    Database& db = office.db();
    const auto shipped = [&db] {
        QStringList rows;
        for (const QString& sql :
             {u"select d.WINDOWCONTROL, d.COLUMN from _WINDOWTABLE t, _WINDOWTABLEDETAILS d where d.WINDOWTABLEID = "
              "t.WINDOWTABLEID and t.WINDOWNAME = 'frmReceipt' order by d.WINDOWCONTROL"_s,
              u"select r.AMOUNTFIELD, d.DEBITACCOUNTFIELD, d.CREDITACCOUNTFIELD from _GLRULE r, _GLRULEDETAIL d "
              "where d.GLRULEID = r.GLRULEID and r.WINDOWNAME = 'frmReceipt' order by r.AMOUNTFIELD"_s,
              u"select VLDTNNAME1 from _WINDOWVALIDATION where WINDOWNAME = 'frmReceipt' order by VLDTNNAME1"_s,
              u"select RPTNAME, WINDOWNAME from _RPT where Rptfilename in ('receipt.odt', 'statement.odt') order by RPTNAME"_s,
              u"select RPTID, TABLENBR, SQLStatement from _RPTDETAIL where TABLENBR = 2 and RPTID >= 40 order by RPTID"_s}) {
            const RowSet set = db.execute(sql);
            for (int i = 0; i < set.count(); ++i)
                rows << set.value(i, 0).toString() + '|' + set.value(i, 1).toString() + '|' + set.value(i, 2).toString();
        }
        return rows;
    };
    const QStringList fresh = shipped();
    ASSERT_EQ(fresh.size(), 11 + 8 + 3 + 2 + 2);  // fields and key, rules, checks, documents, tax invoices' advance rows
    for (const QString& sql :
         {u"delete from _WINDOWTABLEDETAILS where WINDOWTABLEID in (select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmReceipt')"_s,
          u"delete from _WINDOWTABLE where WINDOWNAME = 'frmReceipt'"_s,
          u"delete from _WINDOWVALIDATION where WINDOWNAME = 'frmReceipt'"_s,
          u"delete from _GLRULEDETAIL where GLRULEID in (select GLRULEID from _GLRULE where WINDOWNAME = 'frmReceipt')"_s,
          u"delete from _GLRULE where WINDOWNAME = 'frmReceipt'"_s, u"delete from _RPTDETAIL where RPTID in (10, 11)"_s,
          u"delete from _RPT where RPTID in (10, 11)"_s, u"delete from _RPTDETAIL where TABLENBR = 2 and RPTID >= 40"_s,
          u"insert into _RPT (RPTID, RPTNAME, WINDOWNAME, ONOFF, Rptfilename) values (10, 'Own', 'frmCars', 1, 'own.odt')"_s,
          u"update group_func set command9 = 0, command1 = 1 where menu_name = 'F5M'"_s})
        db.command(sql);
    ASSERT_EQ(shipped(), QStringList());
    NewDatabase::shippedRows().advances(db);
    EXPECT_EQ(shipped(), fresh);
    EXPECT_EQ(db.execute(u"select RPTNAME from _RPT where RPTID = 10"_s).value(0, 0).toString(), u"Own"_s);
    EXPECT_EQ(db.execute(u"select count(*) from group_func where menu_name = 'F5M' and command9 = 1"_s).value(0, 0).toInt(),
              db.execute(u"select count(*) from group_func where menu_name = 'F5M'"_s).value(0, 0).toInt());
}

}
