#include "PostingScreen.h"
#include "accounting/AccountingScreens.h"
#include "accounting/cAccounting.h"
#include "core/SqlValue.h"
#include "engine/GridCombo.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QDialog>
#include <QDate>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using ScreenChecks::control;

// The screen as the accounting menu opens it: from the registry, shown, with the keyboard.
std::unique_ptr<QWidget> openScreen(TestOffice& office, const QString& name)
{
    registerAccountingScreens(office.state().screens());
    std::unique_ptr<QWidget> screen(office.state().screens().instance(name, nullptr));
    screen->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    return screen;
}

// Where the clerk's next key goes, once the screen has the keyboard again.
QWidget* focus(QWidget* screen)
{
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
    if (QWidget* f = QApplication::focusWidget())
        return f;
    ADD_FAILURE() << "no field of " << qPrintable(screen->objectName()) << " has the cursor";
    return screen;
}

QString text(const QWidget* screen, const char* name)
{
    return control<QLineEdit>(screen, name)->text();
}

void setAccount(const QWidget* screen, const char* list, qint64 account)
{
    control<GridCombo>(screen, list)->setValue(account ? QString::number(account) : QString());
}

qint64 number(Database& db, const QString& sql)
{
    return db.execute(sql).value(0, 0).toLongLong();
}

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

// F8 with the name typed where the cursor stands, then OK.
void newRecord(TestOffice& office, QWidget* screen, const QString& name)
{
    office.ui().onDialog("frmGeneralN", [name](QDialog* dialog) {
        ScreenChecks::type(QApplication::focusWidget(), name);
        ScreenChecks::click(dialog, "cmdOk");
    });
    QTest::keyClick(focus(screen), Qt::Key_F8);
}

// F9 and the row of that key picked in the open dialog.
void openRecord(TestOffice& office, QWidget* screen, qint64 key)
{
    office.ui().onDialog("frmGeneralOpen", [key](QDialog* open) {
        auto* grid = control<QTableView>(open, "DataGrid1");
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            if (grid->model()->index(row, 0).data().toLongLong() == key)
                grid->setCurrentIndex(grid->model()->index(row, 0));
        ScreenChecks::click(open, "cmdOk");
    });
    QTest::keyClick(focus(screen), Qt::Key_F9);
}

}

// A new entry is dated today; F12 posts its pair, and a second F12 replaces
// it. An entry the office should not have is stopped by its rules, also when
// the operator asks to save anyway.
TEST(frmGLEntry, NewThenF12PostsThePair)
{
    const struct {
        const char* what;
        const char* amount;
        qint64 from;
        qint64 to;
        const char* debitText;
        const char* creditText;
        QStringList lines; // empty: nothing posted
        bool saveAnyway = false; // the answer to the validation dialog
    } rows[] = {
        {"an entry", "25.5", 1100, 1200, "إيداع, نقدي", "", {"D1100 25.5 إيداع, نقدي", "C1200 25.5 0"}},
        {"references empty", "7", 5400, 1100, "", "", {"D5400 7 0", "C1100 7 0"}},
        {"one account on both sides", "10", 1100, 1100, "", "", {}},
        {"no amount", "", 1100, 1200, "", "", {}},
        {"a negative amount", "-3", 1100, 1200, "", "", {}},
        {"no account to credit", "4", 1100, 0, "", "", {}},
        {"no amount, save anyway refused", "", 1100, 1200, "", "", {}, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        auto entry = openScreen(office, "frmGLEntry");
        newRecord(office, entry.get(), "قيد يدوي");
        const qint64 journal = text(entry.get(), "txtID").toLongLong();
        ASSERT_GT(journal, 0);
        EXPECT_EQ(
            number(office.db(), "select TRANSACTIONDATE from JOURNAL where JOURNALID = " + SqlValue::number(journal)),
            QDate::currentDate().toString("yyyyMMdd").toLongLong());

        control<QLineEdit>(entry.get(), "dfnAmount")->setText(r.amount);
        setAccount(entry.get(), "dfgFromAccount", r.from);
        setAccount(entry.get(), "dfgToAccount", r.to);
        control<QLineEdit>(entry.get(), "dfsRelatedDetailDebit")->setText(QString::fromUtf8(r.debitText));
        control<QLineEdit>(entry.get(), "dfsRelatedDetailCredit")->setText(QString::fromUtf8(r.creditText));
        for (int save = 0; save < (r.saveAnyway ? 1 : 2); ++save) {
            if (r.saveAnyway)
                office.ui().onDialog("dlgValidationError", [](QDialog* d) { ScreenChecks::click(d, "command0"); });
            QTest::keyClick(focus(entry.get()), Qt::Key_F12);
        }

        EXPECT_EQ(lines(office.db(), journal), r.lines);
        EXPECT_EQ(office.ui().dialogsShown.contains("dlgValidationError"), r.lines.isEmpty());
        EXPECT_FALSE(office.ui().dialogsShown.contains("dlgError"));
    }
}

// Opening a journal posted by ledger rules shows its last debit and its last
// credit line; a save may replace one pair, never several.
TEST(frmGLEntry, OpenShowsTheLastDebitAndCredit)
{
    const struct {
        const char* screen;
        QList<std::pair<QString, QString>> fields;
        qint64 from;
        const char* debitText;
        qint64 to;
        const char* creditText;
        int pairs;
    } rows[] = {
        {"frmIncomeRent",
         {{"txtNAME", "إيصال 12"}, {"dfnAmount", "50"}, {"txtnPaidInCash", "50"}, {"txtnPaidByCheque", "0"},
          {"dfgCarID", "3"}},
         1100, "إيصال 12", 4100, "3", 1},
        {"frmRentCar", {{"txtNAME", "عقد 7"}, {"dfsCustomerNAME", "سالم"}, {"dfnRequiredAmount", "120"},
                        {"dfnRequiredKilometersDiff", ""}, {"dfnOtherAmounts", "5"}, {"dfnPaid", "100"}},
         1100, "عقد 7", 1300, "سالم", 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.screen);
        TestOffice office;
        PostingScreen posting(r.screen, r.fields);
        qint64 journal = 0;
        ASSERT_TRUE(office.state().service<cAccounting>().DoGLRule(journal, &posting));
        auto entry = openScreen(office, "frmGLEntry");
        openRecord(office, entry.get(), journal);
        EXPECT_EQ(text(entry.get(), "txtID").toLongLong(), journal);
        EXPECT_EQ(control<GridCombo>(entry.get(), "dfgFromAccount")->value().toLongLong(), r.from);
        EXPECT_EQ(text(entry.get(), "dfsRelatedDetailDebit"), QString::fromUtf8(r.debitText));
        EXPECT_EQ(control<GridCombo>(entry.get(), "dfgToAccount")->value().toLongLong(), r.to);
        EXPECT_EQ(text(entry.get(), "dfsRelatedDetailCredit"), QString::fromUtf8(r.creditText));

        QTest::keyClick(focus(entry.get()), Qt::Key_F12);
        EXPECT_EQ(number(office.db(), "select count(*) from JOURNALDETAIL"), 2 * r.pairs);
        EXPECT_EQ(office.ui().messages.size(), r.pairs > 1 ? 1 : 0);
    }
}

// The database refuses a line: the entry keeps its saved amount and its old
// lines, and once the fault is gone the same screen saves without a conflict.
TEST(frmGLEntry, AFailedPostingUndoesTheSave)
{
    TestOffice office;
    Database& db = office.db();
    const qint64 journal = db.insert("JOURNAL", "JOURNALID",
                                     {{"NAME", "قيد"}, {"AMOUNT", 9.0}, {"FROMACCOUNT", 1100}, {"TOACCOUNT", 1200}});
    office.state().service<cAccounting>().LogFinancialTran(9, journal, 1100, 1200, "a", "b");
    auto entry = openScreen(office, "frmGLEntry");
    ASSERT_EQ(text(entry.get(), "txtID").toLongLong(), journal);
    TestOffice::refuseInserts(db, "refuse_rent", "JOURNALDETAIL", "NEW.ACCOUNTNUMBER = 4100");
    control<QLineEdit>(entry.get(), "dfnAmount")->setText("70");
    setAccount(entry.get(), "dfgToAccount", 4100);
    QTest::keyClick(focus(entry.get()), Qt::Key_F12);
    EXPECT_TRUE(office.ui().dialogsShown.contains("dlgError"));
    EXPECT_EQ(number(db, "select AMOUNT from JOURNAL where JOURNALID = " + SqlValue::number(journal)), 9);
    EXPECT_EQ(lines(db, journal), (QStringList{"D1100 9 a", "C1200 9 b"}));

    TestOffice::allowInserts(db, "refuse_rent", "JOURNALDETAIL");
    QTest::keyClick(focus(entry.get()), Qt::Key_F12);
    EXPECT_TRUE(office.ui().questions.isEmpty());
    EXPECT_EQ(number(db, "select AMOUNT from JOURNAL where JOURNALID = " + SqlValue::number(journal)), 70);
    EXPECT_EQ(lines(db, journal), (QStringList{"D1100 70 a", "C4100 70 b"}));
}

// Deleting an entry takes its lines with it.
TEST(frmGLEntry, DeleteTakesTheLines)
{
    TestOffice office;
    Database& db = office.db();
    const qint64 journal = db.insert("JOURNAL", "JOURNALID", {{"NAME", "قيد"}});
    office.state().service<cAccounting>().LogFinancialTran(5, journal, 1100, 1200, "a", "b");
    auto entry = openScreen(office, "frmGLEntry");
    office.ui().answers = {true};
    QTest::keyClick(focus(entry.get()), Qt::Key_F11);
    EXPECT_FALSE(entry->isVisible());
    EXPECT_EQ(number(db, "select count(*) from JOURNAL"), 0);
    EXPECT_EQ(number(db, "select count(*) from JOURNALDETAIL"), 0);
}

// New proposes the number after the highest; the new account is of category 1.
TEST(frmChartOfAccount, NewProposesTheNextNumber)
{
    const struct {
        const char* what;
        const char* keep; // condition of the shipped accounts kept
        qint64 proposed;
    } rows[] = {
        {"the shipped chart", "1 = 1", 5601},
        {"highest 4100", "ACCOUNTNUMBER <= 4100", 4101},
        {"an empty chart", "1 = 0", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        office.db().command(QStringLiteral("delete from chartofaccount where not (%1)").arg(r.keep));
        auto chart = openScreen(office, "frmChartOfAccount");
        newRecord(office, chart.get(), "حساب التوفير");
        EXPECT_EQ(text(chart.get(), "dfnACCOUNTNUMBER").toLongLong(), r.proposed);
        EXPECT_EQ(control<GridCombo>(chart.get(), "dfgACCOUNTCATEGORYID")->value(), "1");
        EXPECT_EQ(text(chart.get(), "txtNAME"), "حساب التوفير");
    }
}

// An account with journal lines stays; one without goes.
TEST(frmChartOfAccount, DeleteRefusesAnAccountWithLines)
{
    const struct {
        qint64 account;
        bool withLines;
    } rows[] = {{1100, true}, {5300, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.account);
        TestOffice office;
        Database& db = office.db();
        if (r.withLines)
            office.state().service<cAccounting>().LogFinancialTran(
                5, db.insert("JOURNAL", "JOURNALID", {{"NAME", "قيد"}}), r.account, 1200, "a", "b");
        auto chart = openScreen(office, "frmChartOfAccount");
        openRecord(
            office, chart.get(),
            number(db,
                   "select CHARTOFACCOUNTID from chartofaccount where ACCOUNTNUMBER = " + SqlValue::number(r.account)));
        office.ui().answers = {true};
        QTest::keyClick(focus(chart.get()), Qt::Key_F11);
        EXPECT_EQ(
            number(db, "select count(*) from chartofaccount where ACCOUNTNUMBER = " + SqlValue::number(r.account)),
            r.withLines ? 1 : 0);
        EXPECT_EQ(office.ui().messages.size(), r.withLines ? 1 : 0);
    }
}

// Each account shows what its lines add up to, and the trial balance lists
// every account with totals that agree, the demo office's too.
TEST(frmChartOfAccount, BalancesAndTheTrialBalance)
{
    const auto trialBalanceTotal = [](TestOffice& office, QWidget* chart) {
        QStringList total;
        office.ui().onDialog("frmTrialBalance", [&](QDialog* dialog) {
            const QAbstractItemModel* model = control<QTableView>(dialog, "DataGrid1")->model();
            EXPECT_EQ(model->rowCount(), number(office.db(), "select count(*) from chartofaccount") + 1);
            for (int c = 2; c < 5; ++c)
                total << model->index(model->rowCount() - 1, c).data().toString();
        });
        ScreenChecks::click(chart, "cmdTrialBalance");
        return total;
    };

    TestOffice office;
    Database& db = office.db();
    cAccounting& accounting = office.state().service<cAccounting>();
    const struct {
        double amount;
        qint64 from;
        qint64 to;
    } entries[] = {{100, 1100, 4100}, {40.5, 5400, 1100}, {250, 1200, 1100}};
    for (const auto& e : entries)
        accounting.LogFinancialTran(e.amount, db.insert("JOURNAL", "JOURNALID", {{"NAME", "قيد"}}), e.from, e.to, "", "");
    auto chart = openScreen(office, "frmChartOfAccount");
    openRecord(office, chart.get(), number(db, "select CHARTOFACCOUNTID from chartofaccount where ACCOUNTNUMBER = 1100"));
    EXPECT_EQ(control<QLabel>(chart.get(), "lblDebitAmount")->text(), "100.00");
    EXPECT_EQ(control<QLabel>(chart.get(), "lblCreditAmount")->text(), "290.50");
    EXPECT_EQ(control<QLabel>(chart.get(), "lblBalanceAmount")->text(), "-190.50");
    EXPECT_EQ(trialBalanceTotal(office, chart.get()), (QStringList{"390.50", "390.50", "0.00"}));

    TestOffice demo(true, true);
    auto demoChart = openScreen(demo, "frmChartOfAccount");
    const QStringList total = trialBalanceTotal(demo, demoChart.get());
    ASSERT_EQ(total.size(), 3);
    EXPECT_EQ(total[0], total[1]);
    EXPECT_NE(total[0], "0.00");
}
