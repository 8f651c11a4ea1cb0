#include "PostingScreen.h"
#include "accounting/AccountBalance.h"
#include "accounting/AccountingScreens.h"
#include "accounting/cAccounting.h"
#include "core/Database.h"
#include "core/ScreenRegistry.h"
#include "core/SqlValue.h"
#include "engine/ControlAccess.h"
#include "engine/GridCombo.h"
#include "support/Clerk.h"
#include "support/PanelFrame.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using ScreenChecks::control;

// The journal as stored and the ledger screens as the clerk uses them.
namespace {

qint64 number(Database& db, const QString& sql)
{
    return db.execute(sql).value(0, 0).toLongLong();
}

qint64 today()
{
    return QDate::currentDate().toString("yyyyMMdd").toLongLong();
}

// A journal's lines in order, as "D1100 25.5 text" for a debit and "C..." for a credit.
QStringList lines(Database& db, qint64 journal)
{
    const RowSet rows = db.execute("select * from JOURNALDETAIL where JOURNALID = " + SqlValue::number(journal)
                                   + " order by JOURNALDETAILID");
    QStringList out;
    for (int r = 0; r < rows.count(); ++r)
        out << QStringLiteral("%1%2 %3 %4")
                   .arg(rows.value(r, "DEBITORCREDIT").toInt() ? "D" : "C")
                   .arg(rows.value(r, "ACCOUNTNUMBER").toLongLong())
                   .arg(rows.value(r, "AMOUNT").toDouble())
                   .arg(rows.text(r, "RELATEDDETAIL"));
    return out;
}

// Journals whose debits and credits differ; none should.
qint64 unbalancedJournals(Database& db)
{
    return number(db, "select count(*) from (select JOURNALID from JOURNALDETAIL group by JOURNALID having "
                      "abs(sum(case when DEBITORCREDIT = 1 then AMOUNT else -AMOUNT end)) > 0.001) t");
}

// Each account's months as the engine keeps them, against its lines summed
// afresh; months whose lines are all gone may stay, at zero.
QStringList monthsAgainstLines(Database& db)
{
    const auto sums = [&](const QString& sql) {
        QStringList out;
        const RowSet rows = db.execute(sql + " order by 1, 2");
        for (int r = 0; r < rows.count(); ++r)
            if (rows.value(r, 2).toDouble() != 0 || rows.value(r, 3).toDouble() != 0)
                out << QStringList{rows.value(r, 0).toString(), rows.value(r, 1).toString(), AccountBalance::amountText(rows.value(r, 2).toDouble()),
                                   AccountBalance::amountText(rows.value(r, 3).toDouble())}.join(' ');
        return out;
    };
    const QStringList kept = sums("select ACCOUNTNUMBER, YEARMONTH, DEBIT, CREDIT from ACCOUNTMONTH");
    const QStringList lines = sums("select ACCOUNTNUMBER, TRANSACTIONDATE / 100, sum(case when DEBITORCREDIT = 1 then AMOUNT "
                                   "else 0 end), sum(case when DEBITORCREDIT = 0 then AMOUNT else 0 end) from JOURNALDETAIL "
                                   "group by ACCOUNTNUMBER, TRANSACTIONDATE / 100");
    return kept == lines ? QStringList{} : kept + QStringList{"<>"} + lines;
}

// The screen as the accounting menu opens it: from the registry, shown, with the keyboard.
std::unique_ptr<QWidget> openScreen(TestOffice& office, const QString& name)
{
    registerAccountingScreens(office.state().screens());
    std::unique_ptr<QWidget> screen(office.state().screens().instance(name, nullptr));
    EXPECT_TRUE(Clerk::showActive(screen.get()));
    return screen;
}

// A key where the cursor is, once the screen has the keyboard again.
void press(QWidget* screen, Qt::Key key)
{
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
    Clerk::press(key);
}

// F8, the name typed where the cursor then is, OK.
void newRecord(TestOffice& office, QWidget* screen, const QString& name)
{
    office.ui().onDialog("frmGeneralN", [name](QDialog* dialog) {
        Clerk::type(name);
        ScreenChecks::click(dialog, "cmdOk");
    });
    press(screen, Qt::Key_F8);
}

// F9, the cursor in the list, the row of that key picked; gives the keys listed.
// The script reads statics: a script stays registered for later showings.
QList<qint64> openRecord(TestOffice& office, QWidget* screen, qint64 key)
{
    static qint64 wanted = 0;
    static QList<qint64> listed;
    wanted = key;
    listed.clear();
    office.ui().onDialog("frmGeneralOpen", [](QDialog* open) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(open));
        EXPECT_EQ(Clerk::focused(), "DataGrid1");
        auto* grid = control<QTableView>(open, "DataGrid1");
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            listed << grid->model()->index(row, 0).data().toLongLong();
            if (listed.last() == wanted)
                grid->setCurrentIndex(grid->model()->index(row, 0));
        }
        ScreenChecks::click(open, "cmdOk");
    });
    press(screen, Qt::Key_F9);
    return listed;
}

QString text(const QWidget* screen, const char* name)
{
    return control<QLineEdit>(screen, name)->text();
}

// A value put into a field as the clerk would choose it; an option is picked.
void set(const QWidget* screen, const QString& field, const QString& value)
{
    QWidget* widget = ControlAccess::require(screen, field);
    if (auto* option = qobject_cast<QRadioButton*>(widget))
        option->setChecked(true);
    else
        ControlAccess::setValue(widget, value);
}

// The journal's head as stored, amount and date; nothing when it is gone.
QStringList head(Database& db, qint64 journal)
{
    return ScreenChecks::stored(db, "JOURNAL", "JOURNALID", journal, {"AMOUNT", "TRANSACTIONDATE"});
}



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

// A ledger entry's and each voucher's life. New names it, marks it as its
// screen's and dates an entry or an income today; Save posts the lines
// afresh, as one set, through cash or the bank as it was paid; an entry the
// office should not have is stopped by its rules, also when the clerk asks to
// save anyway. A posting the database refuses keeps the saved record and its
// lines, and once allowed the same screen saves without a conflict. Delete
// takes the lines with it.
TEST(LedgerScreens, NewSavePostsAndDeletes)
{
    using Fields = QList<std::pair<QString, QString>>;
    const Fields entry{{"dfgFromAccount", "1100"}, {"dfgToAccount", "1200"}};
    const Fields voucher{{"dfnAmount", "50"}, {"dfdTransactionDate", "01/03/2026"}, {"dfgCarID", "car"}};
    const Fields cheque = voucher + Fields{{"Option2", ""}};
    const struct {
        const char* what;
        const char* screen;
        Fields fields; // "car" stands for the car's key
        QStringList lines; // %1 the car as its list shows it; empty: stopped by the rules
        bool dated = false;
        bool saveAnyway = false; // the answer to the validation dialog
    } rows[] = {
        {"an entry", "frmGLEntry", entry + Fields{{"dfnAmount", "25.5"}, {"dfsRelatedDetailDebit", "إيداع, نقدي"}},
         {"D1100 25.5 إيداع, نقدي", "C1200 25.5 0"}, true},
        {"one account on both sides", "frmGLEntry", {{"dfnAmount", "10"}, {"dfgFromAccount", "1100"}, {"dfgToAccount", "1100"}}, {}, true},
        {"an entry without an amount saved anyway", "frmGLEntry", entry, {}, true, true},
        {"a negative amount", "frmGLEntry", entry + Fields{{"dfnAmount", "-3"}}, {}, true},
        {"no account to credit", "frmGLEntry", {{"dfnAmount", "4"}, {"dfgFromAccount", "1100"}}, {}, true},
        {"car income", "frmIncomeRent", voucher, {"D1100 50 سند 1", "C4100 50 %1"}, true},
        {"car income by cheque", "frmIncomeRent", cheque, {"D1200 50 سند 1", "C4100 50 %1"}, true},
        {"car income without a car", "frmIncomeRent", {{"dfnAmount", "50"}}, {}, true},
        {"general income", "frmIncomeGeneral", voucher, {"D1100 50 سند 1", "C4300 50 سند 1"}, true},
        {"car expense", "frmExpenseRent", voucher, {"D5100 50 %1", "C1100 50 سند 1"}},
        {"car expense by cheque", "frmExpenseRent", cheque, {"D5100 50 %1", "C1200 50 سند 1"}},
        {"car expense without a car", "frmExpenseRent", {{"dfnAmount", "50"}}, {}},
        {"general expense", "frmExpenseGeneral", voucher, {"D5600 50 سند 1", "C1100 50 سند 1"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        Database& db = office.db();
        const qint64 car = db.insert("car", "carid", {{"name", "تويوتا كامري"}, {"PLATENO", "12/34567"}});
        auto screen = openScreen(office, r.screen);
        newRecord(office, screen.get(), "سند 1");
        const qint64 journal = text(screen.get(), "txtID").toLongLong();
        ASSERT_GT(journal, 0);
        const QString where = " from JOURNAL where JOURNALID = " + SqlValue::number(journal);
        EXPECT_EQ(number(db, "select TRANSACTIONDATE" + where), r.dated ? today() : 0);
        // A voucher is its screen's, so that its screen lists it.
        if (QLatin1String(r.screen) != "frmGLEntry") {
            EXPECT_EQ(db.execute("select WINDOWNAME" + where).text(0, "WINDOWNAME"), QLatin1String(r.screen));
        }
        for (const auto& [field, value] : r.fields)
            set(screen.get(), field, value == "car" ? QString::number(car) : value);
        for (int save = 0; save < (r.saveAnyway ? 1 : 2); ++save) {
            if (r.saveAnyway)
                office.ui().onDialog("dlgValidationError", [](QDialog* d) { ScreenChecks::click(d, "command0"); });
            press(screen.get(), Qt::Key_F12);
        }
        const QStringList posted = QStringList(r.lines).replaceInStrings("%1", "تويوتا كامري");
        EXPECT_EQ(lines(db, journal), posted);
        EXPECT_EQ(office.ui().dialogsShown.contains("dlgValidationError"), posted.isEmpty());
        EXPECT_FALSE(office.ui().dialogsShown.contains("dlgError"));
        if (!posted.isEmpty()) {
            EXPECT_EQ(number(db, "select PAIDBYCHEQUE" + where), r.fields.contains({"Option2", ""}) ? 1 : 0);
            const QStringList saved = head(db, journal);
            TestOffice::refuseInserts(db, "refuse", "JOURNALDETAIL");
            set(screen.get(), "dfnAmount", "70");
            press(screen.get(), Qt::Key_F12);
            EXPECT_TRUE(office.ui().dialogsShown.contains("dlgError"));
            EXPECT_EQ(head(db, journal), saved);
            EXPECT_EQ(lines(db, journal), posted);
            TestOffice::allowInserts(db, "refuse", "JOURNALDETAIL");
            press(screen.get(), Qt::Key_F12);
            EXPECT_TRUE(office.ui().questions.isEmpty());
            const QRegularExpression amount("^(\\S+) \\S+");
            EXPECT_EQ(lines(db, journal), QStringList(posted).replaceInStrings(amount, "\\1 70"));
            EXPECT_EQ(unbalancedJournals(db), 0);
        }
        office.ui().answers = {true};
        ASSERT_TRUE(Clerk::showActive(screen.get()));
        press(screen.get(), Qt::Key_F11);
        EXPECT_FALSE(screen->isVisible());
        EXPECT_TRUE(head(db, journal).isEmpty());
        EXPECT_EQ(lines(db, journal), QStringList{});
    }
}

// A voucher screen opens on its own first voucher and F9 lists its own only;
// a voucher shows its car and how it was paid. The car list is a grid in the
// order of the keys, also after a car was changed, and a car picked brings
// its plate. The cursor starts in the car list and Tab walks the fields.
TEST(frmVoucher, OpenShowsItsOwnVouchers)
{
    // The date takes a Tab for each of its day, month and year.
    const char* const walk[] = {"dfgCarID",           "dfsLICENSENO",       "dfdTransactionDate",
                                "dfdTransactionDate", "dfdTransactionDate", "dfnAmount"};
    for (const char* name : {"frmIncomeRent", "frmIncomeGeneral", "frmExpenseRent", "frmExpenseGeneral"}) {
        SCOPED_TRACE(name);
        TestOffice office;
        Database& db = office.db();
        const qint64 nissan = db.insert("car", "carid", {{"name", "نيسان صني"}, {"PLATENO", "7/81234"}});
        const qint64 kia = db.insert("car", "carid", {{"name", "كيا بيكانتو"}, {"PLATENO", "22/10459"}});
        db.command("update car set PLATENO = '7/81234' where carid = " + SqlValue::number(nissan));
        // A journal of another screen comes first and is neither opened nor listed.
        db.insert("JOURNAL", "JOURNALID", {{"NAME", "قيد"}, {"WINDOWNAME", "frmGLEntry"}});
        const qint64 first = db.insert("JOURNAL", "JOURNALID", {{"NAME", "أول"}, {"AMOUNT", 5.0}, {"WINDOWNAME", name}, {"TRANSACTIONDATE", 20261201}});
        const qint64 chosen = db.insert(
            "JOURNAL", "JOURNALID",
            {{"NAME", "صيانة"}, {"AMOUNT", 12.5}, {"CARID", kia}, {"PAIDBYCHEQUE", 1}, {"TRANSACTIONDATE", 20260305},
             {"WINDOWNAME", name}});
        auto screen = openScreen(office, name);
        EXPECT_EQ(text(screen.get(), "txtID").toLongLong(), first);
        for (const char* field : walk) {
            EXPECT_EQ(Clerk::focused(), field);
            press(screen.get(), Qt::Key_Tab);
        }

        auto* cars = control<GridCombo>(screen.get(), "dfgCarID");
        EXPECT_TRUE(qobject_cast<QTableView*>(cars->view()));
        QList<qint64> keys;
        for (int i = 0; i < cars->count(); ++i) {
            cars->setCurrentIndex(i);
            keys << cars->value().toLongLong();
        }
        EXPECT_EQ(keys, (QList<qint64>{nissan, kia}));
        emit cars->activated(1);
        EXPECT_EQ(text(screen.get(), "dfsLICENSENO"), "22/10459");

        EXPECT_EQ(openRecord(office, screen.get(), chosen), (QList<qint64>{first, chosen}));
        EXPECT_EQ(text(screen.get(), "txtID").toLongLong(), chosen);
        EXPECT_EQ(cars->currentText(), "كيا بيكانتو");
        EXPECT_EQ(cars->value().toLongLong(), kia);
        EXPECT_EQ(control<QDateEdit>(screen.get(), "dfdTransactionDate")->date(), QDate(2026, 3, 5));
        EXPECT_TRUE(control<QRadioButton>(screen.get(), "Option2")->isChecked());

        // A contract's journal or a ledger entry, even marked as this screen's,
        // keeps the lines its own screen posted and is not deleted from here.
        const bool contract = QString(name).startsWith("frmIncome");
        const qint64 other = db.insert("JOURNAL", "JOURNALID", {{"NAME", "قيد"}, {"AMOUNT", 8.0},
                                                                {"FROMACCOUNT", contract ? 0 : 1200}, {"WINDOWNAME", name}});
        db.insert("JOURNALDETAIL", "JOURNALDETAILID",
                  {{"JOURNALID", other}, {"AMOUNT", 8.0}, {"ACCOUNTNUMBER", 1200}, {"DEBITORCREDIT", 1}});
        if (contract)
            db.insert("RENT", "RENTID", {{"NAME", "عقد"}, {"JOURNALID", other}});
        openRecord(office, screen.get(), other);
        press(screen.get(), Qt::Key_F12);
        office.ui().answers = {true};
        press(screen.get(), Qt::Key_F11);
        EXPECT_EQ(lines(db, other), QStringList{"D1200 8 "});
        EXPECT_FALSE(head(db, other).isEmpty());
        EXPECT_EQ(office.ui().messages.size(), 2);
    }
}

// Opening a journal of several pairs, as ledger rules post them, shows its
// last debit and its last credit line; a save may replace one pair, never
// several.
TEST(frmGLEntry, OpenShowsTheLastDebitAndCredit)
{
    TestOffice office;
    const qint64 journal = office.db().insert("JOURNAL", "JOURNALID", {{"NAME", "عقد 7"}, {"AMOUNT", 5.0}});
    QList<QVariantList> posted;
    for (const qint64 account : {1100, 4100, 1300, 4300, 5100, 1200})
        posted.append({journal, account, posted.size() % 2 ? 0 : 1, 5.0, QString("نص %1").arg(account)});
    office.db().insertRows("JOURNALDETAIL", {"JOURNALID", "ACCOUNTNUMBER", "DEBITORCREDIT", "AMOUNT", "RELATEDDETAIL"},
                           posted);
    auto entry = openScreen(office, "frmGLEntry");
    openRecord(office, entry.get(), journal);
    for (const auto& [list, detail, account] :
         {std::tuple{"dfgFromAccount", "dfsRelatedDetailDebit", 5100}, {"dfgToAccount", "dfsRelatedDetailCredit", 1200}}) {
        EXPECT_EQ(control<GridCombo>(entry.get(), list)->value().toLongLong(), account);
        EXPECT_EQ(text(entry.get(), detail), QString("نص %1").arg(account));
    }
    press(entry.get(), Qt::Key_F12);
    EXPECT_EQ(number(office.db(), "select count(*) from JOURNALDETAIL"), 6);
    EXPECT_EQ(office.ui().messages.size(), 1);
}

// New proposes the number after the highest, of category 1. An account shows
// what its lines add up to; the trial balance lists every account with
// totals that agree; Delete keeps an account with lines and takes one
// without.
TEST(frmChartOfAccount, NewBalancesTrialBalanceAndDelete)
{
    // The shipped accounts kept, and the number then proposed.
    for (const auto& [keep, proposed] : {std::pair{"1 = 1", 5601}, {"ACCOUNTNUMBER <= 4100", 4101}, {"1 = 0", 1}}) {
        SCOPED_TRACE(keep);
        TestOffice office;
        office.db().command(QStringLiteral("delete from chartofaccount where not (%1)").arg(keep));
        auto screen = openScreen(office, "frmChartOfAccount");
        newRecord(office, screen.get(), "حساب التوفير");
        EXPECT_EQ(text(screen.get(), "dfnACCOUNTNUMBER").toLongLong(), proposed);
        EXPECT_EQ(control<GridCombo>(screen.get(), "dfgACCOUNTCATEGORYID")->value(), "1");
        EXPECT_EQ(text(screen.get(), "txtNAME"), "حساب التوفير");
    }
    TestOffice office;
    Database& db = office.db();
    for (const auto& [amount, from, to] : {std::tuple{100.0, 1100, 4100}, {40.5, 5400, 1100}, {250.0, 1200, 1100}})
        office.state().service<cAccounting>().LogFinancialTran(
            amount, db.insert("JOURNAL", "JOURNALID", {{"NAME", "قيد"}}), from, to, "", "");
    auto screen = openScreen(office, "frmChartOfAccount");
    QStringList total;
    office.ui().onDialog("frmTrialBalance", [&](QDialog* dialog) {
        const QAbstractItemModel* model = control<QTableView>(dialog, "DataGrid1")->model();
        EXPECT_EQ(model->rowCount(), number(db, "select count(*) from chartofaccount") + 1);
        for (int c = 2; c < 5; ++c)
            total << model->index(model->rowCount() - 1, c).data().toString();
    });
    ScreenChecks::click(screen.get(), "cmdTrialBalance");
    EXPECT_EQ(total, (QStringList{"390.50", "390.50", "0.00"}));
    for (const auto& [account, debit, credit, balance] :
         {std::tuple{1100, "100.00", "290.50", "-190.50"}, {5300, "0.00", "0.00", "0.00"}}) {
        const QString where = " from chartofaccount where ACCOUNTNUMBER = " + SqlValue::number(account);
        openRecord(office, screen.get(), number(db, "select CHARTOFACCOUNTID" + where));
        EXPECT_EQ(control<QLabel>(screen.get(), "lblDebitAmount")->text(), debit);
        EXPECT_EQ(control<QLabel>(screen.get(), "lblCreditAmount")->text(), credit);
        EXPECT_EQ(control<QLabel>(screen.get(), "lblBalanceAmount")->text(), balance);
        office.ui().answers = {true};
        press(screen.get(), Qt::Key_F11);
        EXPECT_EQ(number(db, "select count(*)" + where), account == 1100 ? 1 : 0) << account;
    }
    EXPECT_EQ(office.ui().messages.size(), 1);
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
        // The months follow every line posted, replaced, refused or changed.
        EXPECT_EQ(monthsAgainstLines(db), QStringList{});
        db.command("update JOURNALDETAIL set AMOUNT = AMOUNT * 2, TRANSACTIONDATE = 20191231 where DEBITORCREDIT = 0");
        db.command("update JOURNALDETAIL set ACCOUNTNUMBER = 4300 where ACCOUNTNUMBER = 1100 and DEBITORCREDIT = 1");
        EXPECT_EQ(monthsAgainstLines(db), QStringList{});
    }
}
