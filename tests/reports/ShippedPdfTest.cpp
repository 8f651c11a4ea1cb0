#include "GoldenReport.h"
#include "core/Database.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/tafqeet.h"
#include "reports/LibreOffice.h"
#include "reports/frmPrint.h"
#include "support/ScriptedUI.h"
#include "support/TestOffice.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

// The shipped documents of the demo office turned into PDF by LibreOffice:
// each holds the name it is about (the customer, the car, the employee, the
// entry, an account) and, where it has one, the amount in words.
TEST(ShippedPdf, EachDocumentReadsItsNameAndAmountInWords)
{
    if (LibreOffice::program().isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const QString soon = QDate::currentDate().addDays(10).toString("yyyyMMdd");
    const struct {
        qint64 report;
        QString screen;
        QString key;         // the record the screen shows
        QString setup;       // %1 the key
        QString name;        // the text that must be there, %1 the key
        QString amount = {}; // a number that must be there in words
    } rows[] = {
        {1, "frmRentCar", "select min(RENTID) from RENT", {}, "select CUSTOMERNAME from RENT where RENTID = %1",
         "select DAILYRENT from RENT where RENTID = %1"},
        {2, "frmCustomers", "select min(CUSTOMERID) from Customer",
         "update Customer set BALANCE = 320 where CUSTOMERID = %1", "select name from Customer where CUSTOMERID = %1",
         "select BALANCE from Customer where CUSTOMERID = %1"},
        {3, "frmCars", "select min(carid) from car", {}, "select name from car where carid = %1"},
        {4, "frmEmployee", "select min(EMPID) from EMPLOYEE", {}, "select NAME from EMPLOYEE where EMPID = %1"},
        {20, "frmIncomeRent", "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmIncomeRent'", {},
         "select NAME from JOURNAL where JOURNALID = %1", "select AMOUNT from JOURNAL where JOURNALID = %1"},
        {5, "frmCars", "select min(carid) from car", {}, "select name from car where carid = %1"},
        {24, "frmGLEntry", "select max(JOURNALID) from JOURNAL", {}, "select NAME from JOURNAL where JOURNALID = %1"},
        {25, "frmGLEntry", "select max(JOURNALID) from JOURNAL", {}, "select NAME from JOURNAL where JOURNALID = %1"},
        {26, "frmGLEntry", "select max(JOURNALID) from JOURNAL", {},
         "select c.NAME from chartofaccount c where c.ACCOUNTNUMBER = (select min(d.ACCOUNTNUMBER) from "
         "JOURNALDETAIL d where d.JOURNALID = %1)"},
        {29, "frmCustomers", "select min(CUSTOMERID) from Customer",
         "update Customer set HOMELICENSEEXPIRY = " + soon + " where CUSTOMERID = %1",
         "select name from Customer where CUSTOMERID = %1"},
    };
    TestOffice office(true, true);
    Database& db = office.db();
    // The journal listing and the trial balance take the dialog's period: the last year.
    frmPrint dialog(office.state(), nullptr);
    office.state().screens().adopt("frmPrint", &dialog);
    for (const auto& row : rows) {
        const QString key = db.execute(row.key).value(0, 0).toString();
        ASSERT_FALSE(key.isEmpty()) << row.key.toStdString();
        if (!row.setup.isEmpty())
            db.command(row.setup.arg(key));
        QWidget screen;
        screen.setObjectName(row.screen);
        (new QLineEdit(key, &screen))->setObjectName("txtID");
        office.state().screens().adopt(row.screen, &screen);

        const FilledReport filled = runShippedReport(office, row.report);
        ASSERT_FALSE(filled.copy.isEmpty()) << row.report << ": " << filled.message.toStdString();
        QString error;
        const QString pdf = LibreOffice(office.state()).toPdf(filled.copy, &error);
        ASSERT_FALSE(pdf.isEmpty()) << error.toStdString();
        const QString text = pdfText(pdf);
        const QString name = db.execute(row.name.arg(key)).value(0, 0).toString();
        EXPECT_EQ(missingWords(name, text), QStringList()) << row.report << ": " << text.toStdString();
        if (!row.amount.isEmpty()) {
            const double amount = db.execute(row.amount.arg(key)).value(0, 0).toDouble();
            const QString words = numberWords(tafqeet::AmountInWords(amount, 1, office.state().config));
            ASSERT_FALSE(words.isEmpty()) << row.report;
            EXPECT_EQ(missingWords(words, text), QStringList()) << row.report << ": " << text.toStdString();
        }
    }
}
