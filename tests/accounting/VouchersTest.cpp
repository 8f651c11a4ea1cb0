#include "accounting/AccountingScreens.h"
#include "core/SqlValue.h"
#include "engine/GridCombo.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QDebug>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

namespace {

using ScreenChecks::control;

// The screen as the accounting menu opens it: from the registry, shown, with the keyboard.
std::unique_ptr<QWidget> openScreen(TestOffice& office, const char* name)
{
    registerAccountingScreens(office.state().screens());
    std::unique_ptr<QWidget> screen(office.state().screens().instance(QLatin1String(name), nullptr));
    screen->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    return screen;
}

// A key where the clerk's cursor is, once the screen has the keyboard again.
void press(QWidget* screen, Qt::Key key)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key);
}

// The field the cursor is in; a part Qt builds inside a field counts as the field.
QString focusedField()
{
    const QWidget* w = QApplication::focusWidget();
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith("qt_")))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

qint64 number(Database& db, const QString& sql)
{
    return db.execute(sql).value(0, 0).toLongLong();
}

qint64 dateNumber(const QDate& date)
{
    return date.toString("yyyyMMdd").toLongLong();
}

// The voucher as stored: "amount date".
QString voucher(Database& db, qint64 journal)
{
    const RowSet row = db.execute("select AMOUNT , TRANSACTIONDATE from JOURNAL where JOURNALID = "
                                  + SqlValue::number(journal));
    return row.isEmpty() ? QString()
                         : QStringLiteral("%1 %2").arg(row.value(0, "AMOUNT").toDouble()).arg(row.text(0, "TRANSACTIONDATE"));
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

// Journals whose debits and credits differ.
qint64 unbalancedJournals(Database& db)
{
    return number(db, "select count(*) from (select JOURNALID from JOURNALDETAIL group by JOURNALID having "
                      "abs(sum(case when DEBITORCREDIT = 1 then AMOUNT else -AMOUNT end)) > 0.001)");
}

// F8, the name typed where the cursor stands, OK; gives the dialog's title.
QString newVoucher(TestOffice& office, QWidget* screen, const QString& name)
{
    QString title;
    office.ui().onDialog("frmGeneralN", [&](QDialog* dialog) {
        title = dialog->windowTitle();
        ScreenChecks::type(QApplication::focusWidget(), name);
        ScreenChecks::click(dialog, "cmdOk");
    });
    press(screen, Qt::Key_F8);
    return title;
}

void fill(QWidget* screen, const QString& amount, const QDate& date, qint64 car)
{
    control<QLineEdit>(screen, "dfnAmount")->setText(amount);
    control<QDateEdit>(screen, "dfdTransactionDate")->setDate(date);
    control<GridCombo>(screen, "dfgCarID")->setValue(car ? QString::number(car) : QString());
}

const QString Name = QStringLiteral("سند 1");

}

// A voucher's life on each of the four screens: New names it and dates the
// income; every save posts the rule's lines afresh, as one set, through cash
// or the bank as it was paid; a posting the
// database refuses leaves the voucher and its lines as they were; Delete takes
// the lines with it.
TEST(frmVoucher, NewSavePostsAndDeletes)
{
    const struct {
        const char* screen;
        const char* caption;
        const char* newCaption;
        bool dated;
        bool carNeeded;
        // lines of 50 paid in cash, with %1 for the car as the list shows it
        QStringList lines;
    } rows[] = {
        {"frmIncomeRent", "Car Income", "New Car Income ", true, true, {"D1100 50 سند 1", "C4100 50 %1"}},
        {"frmIncomeGeneral", "Gen. Income", " New Income", true, false, {"D1100 50 سند 1", "C4300 50 سند 1"}},
        {"frmExpenseRent", "Car Expense", "New Car Expense ", false, true, {"D5100 50 %1", "C1100 50 سند 1"}},
        {"frmExpenseGeneral", "Gen. Expense", " New Expense", false, false, {"D5600 50 سند 1", "C1100 50 سند 1"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.screen);
        TestOffice office;
        Database& db = office.db();
        const qint64 car = db.insert("car", "carid", {{"name", "تويوتا كامري"}, {"PLATENO", "12/34567"}});
        auto screen = openScreen(office, r.screen);
        EXPECT_EQ(screen->windowTitle(), r.caption);

        EXPECT_EQ(newVoucher(office, screen.get(), Name), r.newCaption);
        const qint64 journal = control<QLineEdit>(screen.get(), "txtID")->text().toLongLong();
        ASSERT_GT(journal, 0);
        EXPECT_EQ(number(db, "select TRANSACTIONDATE from JOURNAL where JOURNALID = " + SqlValue::number(journal)),
                  r.dated ? dateNumber(QDate::currentDate()) : 0);
        // A new voucher is its screen's, so its screen lists it.
        EXPECT_EQ(db.execute("select WINDOWNAME from JOURNAL where JOURNALID = " + SqlValue::number(journal)).text(0, "WINDOWNAME"),
                  QString::fromLatin1(r.screen));

        // Without a car, a car voucher is stopped by its rules.
        fill(screen.get(), "50", QDate(2026, 3, 1), 0);
        press(screen.get(), Qt::Key_F12);
        EXPECT_EQ(office.ui().dialogsShown.contains("dlgValidationError"), r.carNeeded);
        EXPECT_EQ(lines(db, journal).isEmpty(), r.carNeeded);

        fill(screen.get(), "50", QDate(2026, 3, 1), car);
        press(screen.get(), Qt::Key_F12);
        QStringList posted = r.lines;
        posted.replaceInStrings("%1", "تويوتا كامري");
        EXPECT_EQ(lines(db, journal), posted);

        fill(screen.get(), "70", QDate(2026, 3, 2), car);
        control<QRadioButton>(screen.get(), "Option2")->setChecked(true);
        press(screen.get(), Qt::Key_F12);
        EXPECT_EQ(voucher(db, journal), "70 20260302");
        EXPECT_EQ(number(db, "select PAIDBYCHEQUE from JOURNAL where JOURNALID = " + SqlValue::number(journal)), 1);
        // Paid by cheque: through the bank instead of the cash box.
        EXPECT_EQ(lines(db, journal), posted.replaceInStrings(" 50 ", " 70 ").replaceInStrings("1100", "1200"));
        EXPECT_EQ(number(db, "select count(*) from JOURNALDETAIL where TRANSACTIONDATE <> "
                                 + SqlValue::number(dateNumber(QDate::currentDate()))),
                  0);
        EXPECT_EQ(unbalancedJournals(db), 0);

        TestOffice::refuseInserts(db, "refuse", "JOURNALDETAIL");
        fill(screen.get(), "90", QDate(2026, 3, 3), car);
        press(screen.get(), Qt::Key_F12);
        EXPECT_TRUE(office.ui().dialogsShown.contains("dlgError"));
        EXPECT_EQ(voucher(db, journal), "70 20260302");
        EXPECT_EQ(lines(db, journal), posted);
        TestOffice::allowInserts(db, "refuse", "JOURNALDETAIL");

        office.ui().answers = {true};
        press(screen.get(), Qt::Key_F11);
        EXPECT_FALSE(screen->isVisible());
        EXPECT_EQ(voucher(db, journal), "");
        EXPECT_EQ(lines(db, journal), QStringList{});
    }
}

// The car list offers every car as a grid; a car picked brings its plate.
// F9 shows the chosen voucher with its car and how it was paid.
TEST(frmVoucher, CarListAndOpen)
{
    for (const char* screenName : {"frmIncomeRent", "frmIncomeGeneral", "frmExpenseRent", "frmExpenseGeneral"}) {
        SCOPED_TRACE(screenName);
        TestOffice office;
        Database& db = office.db();
        db.insert("car", "carid", {{"name", "نيسان صني"}, {"PLATENO", "7/81234"}});
        const qint64 car = db.insert("car", "carid", {{"name", "كيا بيكانتو"}, {"PLATENO", "22/10459"}});
        // A journal of another screen comes first and is neither opened nor listed.
        const qint64 other = db.insert("JOURNAL", "JOURNALID", {{"NAME", "قيد"}, {"WINDOWNAME", "frmGLEntry"}});
        const qint64 first = db.insert("JOURNAL", "JOURNALID", {{"NAME", "أول"}, {"AMOUNT", 5.0}, {"WINDOWNAME", screenName}});
        const qint64 chosen = db.insert(
            "JOURNAL", "JOURNALID",
            {{"NAME", "صيانة"}, {"AMOUNT", 12.5}, {"CARID", car}, {"PAIDBYCHEQUE", 1}, {"TRANSACTIONDATE", 20260305},
             {"WINDOWNAME", screenName}});
        auto screen = openScreen(office, screenName);
        EXPECT_EQ(control<QLineEdit>(screen.get(), "txtID")->text().toLongLong(), first);

        auto* cars = control<GridCombo>(screen.get(), "dfgCarID");
        ASSERT_EQ(cars->count(), 2);
        EXPECT_TRUE(qobject_cast<QTableView*>(cars->view()));
        cars->setCurrentIndex(1);
        emit cars->activated(1);
        EXPECT_EQ(control<QLineEdit>(screen.get(), "dfsLICENSENO")->text(), "22/10459");

        QList<qint64> listed;
        office.ui().onDialog("frmGeneralOpen", [&](QDialog* open) {
            auto* grid = control<QTableView>(open, "DataGrid1");
            for (int row = 0; row < grid->model()->rowCount(); ++row) {
                listed << grid->model()->index(row, 0).data().toLongLong();
                if (listed.last() == chosen)
                    grid->setCurrentIndex(grid->model()->index(row, 0));
            }
            ScreenChecks::click(open, "cmdOk");
        });
        press(screen.get(), Qt::Key_F9);
        EXPECT_EQ(listed, (QList<qint64>{first, chosen}));
        EXPECT_FALSE(listed.contains(other));
        EXPECT_EQ(control<QLineEdit>(screen.get(), "txtID")->text().toLongLong(), chosen);
        EXPECT_EQ(cars->currentText(), "كيا بيكانتو");
        EXPECT_EQ(cars->value().toLongLong(), car);
        EXPECT_EQ(control<QDateEdit>(screen.get(), "dfdTransactionDate")->date(), QDate(2026, 3, 5));
        EXPECT_TRUE(control<QRadioButton>(screen.get(), "Option2")->isChecked());
    }
}

// The lists of a voucher and of a ledger entry keep their order, by the key,
// after a row was changed: the same keys pick the same car or account on
// every engine.
TEST(frmVoucher, ListsKeepTheirOrderAfterAnEdit)
{
    const struct {
        const char* screen;
        const char* list;
        const char* change;
    } rows[] = {
        {"frmIncomeRent", "dfgCarID", "update car set name = 'أ' where carid = (select min(carid) from car)"},
        {"frmGLEntry", "dfgFromAccount",
         "update chartofaccount set NAME = 'أ' where ACCOUNTNUMBER = (select min(ACCOUNTNUMBER) from chartofaccount)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.screen);
        TestOffice office;
        for (const char* name : {"ب", "ت", "ث"})
            office.db().insert("car", "carid", {{"name", name}});
        office.db().command(row.change);
        auto screen = openScreen(office, row.screen);
        auto* list = control<GridCombo>(screen.get(), row.list);
        QList<qint64> keys;
        for (int r = 0; r < list->count(); ++r) {
            list->setCurrentIndex(r);
            keys << list->value().toLongLong();
        }
        ASSERT_GE(keys.size(), 3);
        EXPECT_TRUE(std::is_sorted(keys.cbegin(), keys.cend())) << QDebug::toString(keys).toStdString();
    }
}

// The cursor starts in the car list and Tab walks the voucher's fields; F8
// and F9 put it where the clerk types in their dialogs.
TEST(frmVoucher, KeysGoWhereTheClerkTypes)
{
    const struct {
        Qt::Key key;
        const char* dialog;
        const char* field;
    } keys[] = {{Qt::Key_F8, "frmGeneralN", "dfName"}, {Qt::Key_F9, "frmGeneralOpen", "DataGrid1"}};
    // The date takes a Tab for each of its day, month and year.
    const QStringList walk{"dfgCarID",           "dfsLICENSENO",       "dfdTransactionDate",
                           "dfdTransactionDate", "dfdTransactionDate", "dfnAmount"};
    for (const char* screenName : {"frmIncomeRent", "frmIncomeGeneral", "frmExpenseRent", "frmExpenseGeneral"}) {
        SCOPED_TRACE(screenName);
        TestOffice office;
        office.db().insert("JOURNAL", "JOURNALID",
                           {{"NAME", "أول"}, {"WINDOWNAME", screenName}, {"TRANSACTIONDATE", 20261201}});
        auto screen = openScreen(office, screenName);
        QStringList walked;
        for (int i = 0; i < walk.size(); ++i) {
            walked << focusedField();
            press(screen.get(), Qt::Key_Tab);
        }
        EXPECT_EQ(walked.join(' ').toStdString(), walk.join(' ').toStdString());
        for (const auto& k : keys) {
            QString inDialog;
            office.ui().onDialog(k.dialog, [&inDialog](QDialog* d) {
                EXPECT_TRUE(QTest::qWaitForWindowActive(d));
                inDialog = focusedField();
            });
            press(screen.get(), k.key);
            EXPECT_EQ(inDialog.toStdString(), k.field);
        }
    }
}

// A contract's journal or a ledger entry opened on a voucher screen keeps
// the lines its own screen posted, and is not deleted from there.
TEST(frmVoucher, LeavesOtherScreensJournalsAlone)
{
    const struct {
        const char* what;
        bool contract;
        qint64 fromAccount;
        bool refused;
    } rows[] = {
        {"a contract's journal", true, 0, true},
        {"a ledger entry", false, 1200, true},
        {"a voucher", false, 0, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        Database& db = office.db();
        // Even marked as this screen's, another screen's journal keeps its lines.
        const qint64 journal = db.insert("JOURNAL", "JOURNALID",
                                         {{"NAME", "قيد"}, {"AMOUNT", 8.0}, {"FROMACCOUNT", r.fromAccount},
                                          {"WINDOWNAME", "frmIncomeGeneral"}});
        db.insert("JOURNALDETAIL", "JOURNALDETAILID",
                  {{"JOURNALID", journal}, {"AMOUNT", 8.0}, {"ACCOUNTNUMBER", 1200}, {"DEBITORCREDIT", 1}});
        if (r.contract)
            db.insert("RENT", "RENTID", {{"NAME", "عقد"}, {"JOURNALID", journal}});
        auto screen = openScreen(office, "frmIncomeGeneral");
        press(screen.get(), Qt::Key_F12);
        EXPECT_EQ(office.ui().messages.size(), r.refused ? 1 : 0);
        EXPECT_EQ(lines(db, journal).join(',').toStdString(), r.refused ? "D1200 8 " : "D1100 8 قيد,C4300 8 قيد");
        office.ui().answers = {true};
        press(screen.get(), Qt::Key_F11);
        EXPECT_EQ(voucher(db, journal).isEmpty(), !r.refused);
        EXPECT_EQ(office.ui().messages.size(), r.refused ? 2 : 0);
    }
}

// The demo office's vouchers are posted: every journal has lines that
// balance, and a car voucher's line names its car.
TEST(frmVoucher, TheDemoOfficeHasPostedVouchers)
{
    TestOffice office(true, true);
    Database& db = office.db();
    EXPECT_EQ(number(db, "select count(*) from JOURNAL where JOURNALID not in (select JOURNALID from JOURNALDETAIL)"), 0);
    EXPECT_EQ(unbalancedJournals(db), 0);
    EXPECT_GT(number(db, "select count(*) from JOURNAL where CARID > 0"), 0);
    EXPECT_EQ(number(db, "select count(*) from JOURNAL J where CARID > 0 and not exists (select * from JOURNALDETAIL "
                         "D where D.JOURNALID = J.JOURNALID and D.RELATEDDETAIL = (select name from car C where "
                         "C.carid = J.CARID))"),
              0);
    // Cheques went through the bank, cash through the cash box.
    const QString voucherLines = "select count(*) from JOURNALDETAIL D, JOURNAL J where D.JOURNALID = J.JOURNALID and "
                                 "J.WINDOWNAME in ('frmIncomeRent', 'frmIncomeGeneral', 'frmExpenseRent', "
                                 "'frmExpenseGeneral') and D.ACCOUNTNUMBER = ";
    EXPECT_EQ(number(db, voucherLines + "case when J.PAIDBYCHEQUE = 1 then 1100 else 1200 end"), 0);
    EXPECT_GT(number(db, voucherLines + "1200"), 0);
    // The accounts of the four voucher rules.
    for (const qint64 account : {4100, 4300, 5100, 5600})
        EXPECT_GT(number(db, "select count(*) from JOURNALDETAIL where ACCOUNTNUMBER = " + SqlValue::number(account)),
                  0)
            << account;
}
