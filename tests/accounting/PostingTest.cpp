#include "PostingScreen.h"
#include "accounting/cAccounting.h"
#include "core/SqlValue.h"
#include "support/PanelFrame.h"
#include "support/TestOffice.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

using Voucher = PostingScreen;

struct Line {
    qint64 account;
    int side; // 1 debit, 0 credit
    double amount;
    QString text;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& l, std::ostream* os)
{
    *os << (l.side ? "D" : "C") << l.account << " " << l.amount << " '" << l.text.toStdString() << "'";
}

struct RulePair {
    const char* debit;
    const char* credit;
    const char* debitText;
    const char* creditText;
};

Voucher voucherScreen(const QString& name)
{
    return Voucher(name, {{"txtNAME", ""}, {"dfsLICENSENO", ""}, {"dfgCarID", ""}, {"dfnAmount", ""}});
}

void addRule(Database& db, const QString& window, const QString& amount, const QList<RulePair>& pairs,
             const QString& name = QStringLiteral("قيد"))
{
    const qint64 rule =
        db.insert("_GLRULE", "GLRULEID", {{"WINDOWNAME", window}, {"NAME", name}, {"AMOUNTFIELD", amount}});
    for (const RulePair& p : pairs)
        db.insert("_GLRULEDETAIL", "GLRULEDETAILID",
                  {{"GLRULEID", rule},
                   {"DEBITACCOUNTFIELD", QString::fromUtf8(p.debit)},
                   {"CREDITACCOUNTFIELD", QString::fromUtf8(p.credit)},
                   {"RELATEDDETAILDEBITFIELD", QString::fromUtf8(p.debitText)},
                   {"RELATEDDETAILCREDITFIELD", QString::fromUtf8(p.creditText)}});
}

QList<Line> linesOf(Database& db, qint64 journal)
{
    const RowSet rows = db.execute("select * from JOURNALDETAIL where JOURNALID = " + SqlValue::number(journal)
                                   + " order by JOURNALDETAILID");
    QList<Line> lines;
    for (int r = 0; r < rows.count(); ++r)
        lines.append({rows.value(r, "ACCOUNTNUMBER").toLongLong(), rows.value(r, "DEBITORCREDIT").toInt(),
                      rows.value(r, "AMOUNT").toDouble(), rows.text(r, "RELATEDDETAIL")});
    return lines;
}

qint64 count(Database& db, const QString& sql)
{
    return db.execute(sql).value(0, 0).toLongLong();
}

// A journal whose debits and credits differ; none should.
qint64 unbalancedJournals(Database& db)
{
    return count(db,
                 "select count(*) from (select JOURNALID from JOURNALDETAIL group by JOURNALID "
                 "having round(sum(AMOUNT * DEBITORCREDIT), 3) <> round(sum(AMOUNT * (1 - DEBITORCREDIT)), 3)) t");
}

const QList<Line> OldLines{{1200, 1, 99, "قديم"}, {1100, 0, 99, "قديم"}};

}

// Each case posts a rule onto a journal that holds two old lines: either the
// rule's lines replace them (an amount of 0 has none), or the posting is
// refused, reported, and the old lines stay.
TEST(cAccounting, DoGLRulePostsOrLeavesTheOldLines)
{
    const struct {
        const char* what;
        QString amountField;
        QList<RulePair> pairs;
        QString amount; // typed into dfnAmount
        QList<Line> lines; // empty: refused, unless nothing is to be posted
        bool nothingToPost = false;
    } rows[] = {
        {"two detail rows post four lines",
         ":dfnAmount",
         {{"1100", "4100", ":txtNAME", "نقدا, شيك"}, {"5100", "1100", "", ":dfgCarID"}},
         "12.5",
         {{1100, 1, 12.5, "إيجار، يومي, أسبوع"},
          {4100, 0, 12.5, "نقدا, شيك"},
          {5100, 1, 12.5, "0"},
          {1100, 0, 12.5, "7"}}},
        {"a literal amount and accounts from fields",
         "40",
         {{":dfsLICENSENO", "4300", ":dfsLICENSENO", "x"}},
         "",
         {{1300, 1, 40, "1300"}, {4300, 0, 40, "x"}}},
        {"a half account number goes to the even one",
         "3",
         {{"1100.5", "4100", "a", "b"}},
         "",
         {{1100, 1, 3, "a"}, {4100, 0, 3, "b"}}},
        {"a literal amount that is no number", "abc", {{"1100", "4100", "a", "b"}}, "", {}},
        {"an empty amount field", ":dfnAmount", {{"1100", "4100", "a", "b"}}, "", {}, true},
        {"an amount of 0", ":dfnAmount", {{"1100", "4100", "a", "b"}}, "0", {}, true},
        {"a negative amount", ":dfnAmount", {{"1100", "4100", "a", "b"}}, "-5", {}},
        {"an amount field the screen lacks", ":dfnMissing", {{"1100", "4100", "a", "b"}}, "5", {}},
        {"an account field holding no number", ":dfnAmount", {{":dfgCarID", "4100", "a", "b"}}, "5", {}},
        {"an account outside the chart", ":dfnAmount", {{"1100", "9999", "a", "b"}}, "5", {}},
        {"an empty amount column", "", {{"1100", "4100", "a", "b"}}, "5", {}},
        {"an empty account column", ":dfnAmount", {{"1100", "", "a", "b"}}, "5", {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        PanelFrame frame;
        office.ui().setFrame(&frame);
        Database& db = office.db();
        addRule(db, "frmTestVoucher", r.amountField, r.pairs);
        Voucher voucher = voucherScreen("frmTestVoucher");
        voucher.set("txtNAME", "إيجار، يومي, أسبوع");
        voucher.set("dfsLICENSENO", "1300");
        voucher.set("dfgCarID", r.pairs.first().debit[0] == ':' ? "" : "7");
        voucher.set("dfnAmount", r.amount);
        qint64 journal = db.insert("JOURNAL", "JOURNALID", {{"NAME", "سند"}});
        for (const Line& l : OldLines)
            db.insert("JOURNALDETAIL", "JOURNALDETAILID",
                      {{"JOURNALID", journal},
                       {"ACCOUNTNUMBER", l.account},
                       {"DEBITORCREDIT", l.side},
                       {"AMOUNT", l.amount},
                       {"RELATEDDETAIL", l.text},
                       {"TRANSACTIONDATE", 20200101}});
        const qint64 before = journal;

        const bool posted = office.state().service<cAccounting>().DoGLRule(journal, &voucher);

        const bool refused = r.lines.isEmpty() && !r.nothingToPost;
        EXPECT_EQ(posted, !refused);
        EXPECT_EQ(journal, before);
        EXPECT_EQ(linesOf(db, journal), refused ? OldLines : r.lines);
        EXPECT_EQ(office.ui().dialogsShown.contains("dlgError"), refused);
        EXPECT_EQ(frame.panels.value(6).contains("ledger"), !r.lines.isEmpty());
        EXPECT_EQ(count(db, "select count(*) from JOURNAL"), 1);
        if (!r.lines.isEmpty()) {
            EXPECT_EQ(count(db, "select min(TRANSACTIONDATE) from JOURNALDETAIL"),
                      QDate::currentDate().toString("yyyyMMdd").toLongLong());
        }
    }
}

// Journal 0 makes a journal per posting, named by the rule; an amount of 0
// posts no pair, amounts that are all 0 make no journal, and a screen without
// a rule posts nothing at all.
TEST(cAccounting, DoGLRuleMakesAJournalForEachPosting)
{
    TestOffice office;
    Database& db = office.db();
    Voucher contract = voucherScreen("frmTestContract");
    addRule(db, "frmTestContract", ":dfnAmount", {{"1300", "4100", ":txtNAME", ":txtNAME"}}, "تسليم, عقد");
    addRule(db, "frmTestContract", "0", {{"1300", "4200", "a", "b"}});
    contract.set("txtNAME", "عقد 1");
    contract.set("dfnAmount", "30");
    cAccounting& accounting = office.state().service<cAccounting>();
    QList<qint64> journals;
    for (int save = 0; save < 2; ++save) {
        qint64 journal = 0;
        ASSERT_TRUE(accounting.DoGLRule(journal, &contract));
        journals << journal;
        EXPECT_EQ(linesOf(db, journal), (QList<Line>{{1300, 1, 30, "عقد 1"}, {4100, 0, 30, "عقد 1"}}));
        EXPECT_EQ(db.execute("select NAME from JOURNAL where JOURNALID = " + SqlValue::number(journal)).text(0, "NAME"),
                  "تسليم, عقد");
    }
    EXPECT_NE(journals[0], journals[1]);

    contract.set("dfnAmount", "0");
    qint64 zero = 0;
    EXPECT_TRUE(accounting.DoGLRule(zero, &contract));
    EXPECT_EQ(zero, 0);
    Voucher other = voucherScreen("frmWithoutRule");
    qint64 none = 0;
    EXPECT_TRUE(accounting.DoGLRule(none, &other));
    EXPECT_EQ(none, 0);
    EXPECT_EQ(count(db, "select count(*) from JOURNAL"), 2);
    EXPECT_EQ(unbalancedJournals(db), 0);
}

// A second save of the same voucher replaces its lines: one set, dated by the
// second save.
TEST(cAccounting, PostingTwiceLeavesOneSetWithTheSecondDate)
{
    TestOffice office;
    Database& db = office.db();
    addRule(db, "frmTestVoucher", ":dfnAmount", {{"1100", "4100", "a", "b"}, {"1200", "4300", "c", "d"}});
    Voucher voucher = voucherScreen("frmTestVoucher");
    voucher.set("dfnAmount", "15");
    qint64 journal = db.insert("JOURNAL", "JOURNALID", {{"NAME", "سند"}});
    cAccounting& accounting = office.state().service<cAccounting>();
    ASSERT_TRUE(accounting.DoGLRule(journal, &voucher));
    db.command("update JOURNALDETAIL set TRANSACTIONDATE = 20250101");
    voucher.set("dfnAmount", "16");
    ASSERT_TRUE(accounting.DoGLRule(journal, &voucher));
    EXPECT_EQ(count(db, "select count(*) from JOURNALDETAIL"), 4);
    EXPECT_EQ(count(db,
                    "select count(*) from JOURNALDETAIL where AMOUNT = 16 and TRANSACTIONDATE = "
                        + QDate::currentDate().toString("yyyyMMdd")),
              4);
    EXPECT_EQ(unbalancedJournals(db), 0);
}

// The database refuses the fourth line: neither the new journal nor any of
// the lines written before it stay, and the journal of the voucher keeps its old lines.
TEST(cAccounting, AFailureInTheMiddleLeavesTheOldLines)
{
    TestOffice office;
    Database& db = office.db();
    addRule(db, "frmTestVoucher", ":dfnAmount", {{"1100", "4300", "a", "b"}, {"1100", "4100", "c", "d"}});
    TestOffice::refuseInserts(db, "refuse_rent", "JOURNALDETAIL", "NEW.ACCOUNTNUMBER = 4100");
    Voucher voucher = voucherScreen("frmTestVoucher");
    voucher.set("dfnAmount", "20");
    qint64 journal = db.insert("JOURNAL", "JOURNALID", {{"NAME", "سند"}});
    for (const Line& l : OldLines)
        db.insert("JOURNALDETAIL", "JOURNALDETAILID",
                  {{"JOURNALID", journal},
                   {"ACCOUNTNUMBER", l.account},
                   {"DEBITORCREDIT", l.side},
                   {"AMOUNT", l.amount},
                   {"RELATEDDETAIL", l.text}});
    cAccounting& accounting = office.state().service<cAccounting>();

    const qint64 voucherJournal = journal;
    EXPECT_FALSE(accounting.DoGLRule(journal, &voucher));
    EXPECT_EQ(journal, voucherJournal);
    EXPECT_EQ(linesOf(db, journal), OldLines);

    qint64 fresh = 0;
    EXPECT_FALSE(accounting.DoGLRule(fresh, &voucher));
    EXPECT_EQ(fresh, 0);
    EXPECT_EQ(count(db, "select count(*) from JOURNAL"), 1);
    EXPECT_EQ(office.ui().dialogsShown.count("dlgError"), 2);
}
