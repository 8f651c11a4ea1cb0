// Receipts and refunds at the counter: each method posted to its account
// against the customer's, a second save replacing the lines, a delete taking
// the journal with it; the customer's balance and statement for a period;
// the receipt and the statement as PDF documents.
#include "accounting/PostingScreen.h"
#include "core/Configuration.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "core/StoredDate.h"
#include "engine/EngineSetup.h"
#include "reports/LibreOffice.h"
#include "reports/OdtDocument.h"
#include "reports/cPrint.h"
#include "reports/frmPrint.h"
#include "rental/CustomerBalance.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
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
                                         "where JOURNALID = "_s + QString::number(journal) + u" order by DEBITORCREDIT desc"_s);
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
};

void PrintTo(const PostingRow& row, std::ostream* out) { *out << row.name; }

class Posting : public testing::TestWithParam<PostingRow> {};

// F8, a name, the customer's number, the amount, the method and the refund
// tick as the cursor goes, F12: the money account and the customer's meet in
// one journal dated the receipt's day; F12 again after a change replaces the
// lines; F11 takes the receipt and its journal away.
TEST_P(Posting, EachMethodToItsAccount)
{
    const PostingRow& r = GetParam();
    Counter office;
    const qint64 customer = office.customer(u"سالم"_s);
    office.ui().onDialog(u"frmGeneralN"_s, [](QDialog* dialog) {
        Clerk::type(u"دفعة"_s);
        ScreenChecks::click(dialog, u"cmdOk"_s);
    });
    std::unique_ptr<QWidget> screen(office.state().screens().instance(u"frmReceipt"_s, nullptr));
    ASSERT_TRUE(Clerk::showActive(screen.get()));
    Clerk::press(Qt::Key_F8);
    ASSERT_TRUE(Clerk::showActive(screen.get()));
    EXPECT_EQ(Clerk::focused(), "dfnCustomerid");
    Clerk::type(QString::number(customer));
    ASSERT_TRUE(Clerk::tabTo("dfnAmount"));
    Clerk::type(QLatin1String(r.amount));
    ASSERT_TRUE(Clerk::tabTo("cboMethod"));
    for (int i = 0; i < r.method; ++i)
        Clerk::press(Qt::Key_Down);
    ASSERT_TRUE(Clerk::tabTo("dffRefund"));
    if (r.refund)
        Clerk::press(Qt::Key_Space);
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
    const auto expected = [&](const char* amount) {
        const QString a = QString::number(QString::fromLatin1(amount).toDouble());
        return r.refund ? QStringList{u"1300 debit "_s + a + ' ' + date, money + u" credit "_s + a + ' ' + date}
                        : QStringList{money + u" debit "_s + a + ' ' + date, u"1300 credit "_s + a + ' ' + date};
    };
    EXPECT_EQ(office.lines(journal), expected(r.amount));
    const double sign = r.refund ? 1 : -1;
    EXPECT_DOUBLE_EQ(CustomerBalance::of(office.db(), customer), sign * QString::fromLatin1(r.amount).toDouble());
    EXPECT_DOUBLE_EQ(CustomerBalance::of(office.db(), customer, day(-2)), 0);
    // The card shows it owed, red, or owed to him.
    const auto* balance = ScreenChecks::control<QLabel>(screen.get(), u"lblBalance"_s);
    EXPECT_TRUE(balance->text().contains(QString::number(QString::fromLatin1(r.amount).toDouble(), 'f', 3)))
        << balance->text().toStdString();
    EXPECT_EQ(balance->styleSheet().contains(u"#b00000"_s), r.refund);

    auto* amount = ScreenChecks::control<QLineEdit>(screen.get(), u"dfnAmount"_s);
    amount->setFocus();
    amount->selectAll();
    Clerk::type(QLatin1String(r.changed));
    Clerk::press(Qt::Key_F12);
    EXPECT_EQ(office.count(u"select JOURNALID from RECEIPT"_s), journal);
    EXPECT_EQ(office.lines(journal), expected(r.changed));
    EXPECT_EQ(office.count(u"select count(*) from JOURNAL"_s), 1);

    office.ui().answers = {true};
    Clerk::press(Qt::Key_F11);
    EXPECT_EQ(office.count(u"select count(*) from RECEIPT"_s), 0);
    EXPECT_EQ(office.count(u"select count(*) from JOURNAL"_s), 0);
    EXPECT_EQ(office.count(u"select count(*) from JOURNALDETAIL"_s), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Receipts, Posting,
    testing::Values(PostingRow{"cash", 0, false, "1100", "25.50", "30"},
                    PostingRow{"card", 1, false, "1150", "120", "119.75"},
                    PostingRow{"bank transfer", 2, false, "1200", "300", "299"},
                    PostingRow{"cheque", 3, false, "1200", "1250.15", "1000"},
                    PostingRow{"refund in cash", 0, true, "1100", "15", "12.25"},
                    PostingRow{"refund to the card", 1, true, "1150", "40", "41"},
                    PostingRow{"refund by cheque", 3, true, "1200", "75", "70"}),
    [](const auto& info) { return std::string(QByteArray(info.param.name).replace(' ', '_').constData()); });

}
