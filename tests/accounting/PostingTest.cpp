#include "PostingScreen.h"
#include "Ledger.h"
#include "accounting/cAccounting.h"
#include "support/PanelFrame.h"

using namespace Ledger;

namespace {

// A pair of a rule: debit and credit account, debit and credit text.
using RulePair = QStringList;

void addRule(Database& db, const QString& amount, const QList<RulePair>& pairs)
{
    const qint64 rule = db.insert("_GLRULE", "GLRULEID",
                                  {{"WINDOWNAME", "frmTestVoucher"}, {"NAME", "تسليم, عقد"}, {"AMOUNTFIELD", amount}});
    for (const RulePair& p : pairs)
        db.insert("_GLRULEDETAIL", "GLRULEDETAILID",
                  {{"GLRULEID", rule},
                   {"DEBITACCOUNTFIELD", p.at(0)},
                   {"CREDITACCOUNTFIELD", p.at(1)},
                   {"RELATEDDETAILDEBITFIELD", p.at(2)},
                   {"RELATEDDETAILCREDITFIELD", p.at(3)}});
}

const QStringList OldLines{"D1200 99 قديم", "C1100 99 قديم"};
const QList<RulePair> Plain{{"1100", "4100", "a", "b"}};

}

// Each case posts a rule twice: onto a journal that holds two old lines, and
// with journal 0, which makes a journal named by the rule. The rule's lines,
// dated today, replace the old ones (amounts of 0 post none and make no
// journal); or the posting is refused and reported, the old lines stay and
// no journal is made.
TEST(cAccounting, DoGLRulePostsOrLeavesTheOldLines)
{
    enum Outcome { Posted, Nothing, Refused };
    const struct {
        const char* what;
        const char* amountField; // nullptr: the screen has no rule
        QList<RulePair> pairs;
        QString amount; // typed into dfnAmount
        Outcome outcome;
        QStringList lines = {};
        const char* refuse = nullptr; // the lines the database refuses
    } rows[] = {
        {"two detail rows post four lines", ":dfnAmount",
         {{"1100", "4100", ":txtNAME", "نقدا, شيك"}, {"5100", "1100", "", ":dfgCarID"}}, "12.5", Posted,
         {"D1100 12.5 إيجار، يومي, أسبوع", "C4100 12.5 نقدا, شيك", "D5100 12.5 0", "C1100 12.5 7"}},
        {"a literal amount and accounts from fields", "40", {{":dfsLICENSENO", "4300", ":dfsLICENSENO", "x"}}, "",
         Posted, {"D1300 40 1300", "C4300 40 x"}},
        {"a half account number goes to the even one", "3", {{"1100.5", "4100", "a", "b"}}, "", Posted,
         {"D1100 3 a", "C4100 3 b"}},
        {"an empty amount field", ":dfnAmount", Plain, "", Nothing},
        {"an amount of 0", ":dfnAmount", Plain, "0", Nothing},
        {"a screen without a rule", nullptr, Plain, "5", Nothing, OldLines},
        {"a literal amount that is no number", "abc", Plain, "", Refused},
        {"a negative amount", ":dfnAmount", Plain, "-5", Refused},
        {"an amount field the screen lacks", ":dfnMissing", Plain, "5", Refused},
        {"an account field holding no number", ":dfnAmount", {{":dfgCarID", "4100", "a", "b"}}, "5", Refused},
        {"an account outside the chart", ":dfnAmount", {{"1100", "9999", "a", "b"}}, "5", Refused},
        {"an empty amount column", "", Plain, "5", Refused},
        {"an empty account column", ":dfnAmount", {{"1100", "", "a", "b"}}, "5", Refused},
        {"the database refuses the fourth line", ":dfnAmount", {{"1100", "4300", "a", "b"}, {"1100", "4100", "c", "d"}},
         "20", Refused, {}, "NEW.ACCOUNTNUMBER = 4100"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        PanelFrame frame;
        office.ui().setFrame(&frame);
        Database& db = office.db();
        if (r.amountField)
            addRule(db, r.amountField, r.pairs);
        if (r.refuse)
            TestOffice::refuseInserts(db, "refuse", "JOURNALDETAIL", r.refuse);
        PostingScreen voucher("frmTestVoucher", {{"txtNAME", "إيجار، يومي, أسبوع"}, {"dfsLICENSENO", "1300"},
                                               {"dfgCarID", r.pairs.first().first().startsWith(':') ? "" : "7"},
                                               {"dfnAmount", r.amount}});
        const qint64 old = db.insert("JOURNAL", "JOURNALID", {{"NAME", "سند"}});
        db.insertRows("JOURNALDETAIL",
                      {"JOURNALID", "ACCOUNTNUMBER", "DEBITORCREDIT", "AMOUNT", "RELATEDDETAIL", "TRANSACTIONDATE"},
                      {{old, 1200, 1, 99.0, "قديم", 20200101}, {old, 1100, 0, 99.0, "قديم", 20200101}});
        cAccounting& accounting = office.state().service<cAccounting>();

        qint64 journal = old;
        EXPECT_EQ(accounting.DoGLRule(journal, &voucher), r.outcome != Refused);
        EXPECT_EQ(journal, old);
        EXPECT_EQ(lines(db, journal), r.outcome == Refused ? OldLines : r.lines);
        qint64 fresh = 0;
        EXPECT_EQ(accounting.DoGLRule(fresh, &voucher), r.outcome != Refused);
        EXPECT_EQ(fresh != 0, r.outcome == Posted);
        EXPECT_EQ(number(db, "select count(*) from JOURNAL"), r.outcome == Posted ? 2 : 1);
        EXPECT_EQ(office.ui().dialogsShown.count("dlgError"), r.outcome == Refused ? 2 : 0);
        EXPECT_EQ(frame.panels.value(6).contains("ledger"), r.outcome == Posted);
        if (r.outcome == Posted) {
            EXPECT_EQ(lines(db, fresh), r.lines);
            EXPECT_EQ(db.execute("select NAME from JOURNAL where JOURNALID = " + SqlValue::number(fresh)).text(0, "NAME"),
                      "تسليم, عقد");
            EXPECT_EQ(number(db, "select min(TRANSACTIONDATE) from JOURNALDETAIL"), today());
        }
        EXPECT_EQ(unbalancedJournals(db), 0);
    }
}
