#include "GoldenReport.h"
#include "core/Database.h"
#include "core/ScreenRegistry.h"
#include "reports/OdtDocument.h"
#include "reports/ShippedTemplates.h"
#include "reports/XmlNode.h"
#include "reports/frmPrint.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

QDate today() { return QDate::currentDate(); }

// The demo office is dated from today: its days are written as {today-n} so
// that the golden files hold on any day.
QString relativeDays(QString text)
{
    for (int n = -60; n <= 60; ++n) {
        const QString name =
            n == 0 ? QStringLiteral("{today}") : QStringLiteral("{today%1%2}").arg(n > 0 ? "+" : "").arg(n);
        text.replace(today().addDays(n).toString(QStringLiteral("dd/MM/yyyy")), name);
    }
    return text;
}

qint64 dateNumber(const QDate& date) { return date.toString(QStringLiteral("yyyyMMdd")).toLongLong(); }

QHash<QString, QByteArray> filesOf(const QString& folder)
{
    QHash<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

// User fields the report's queries left unfilled.
int placesLeft(const XmlNode& node)
{
    int left = node.isElement("text:user-field-get") ? 1 : 0;
    for (const XmlNode& child : node.children)
        left += placesLeft(child);
    return left;
}

// A data screen showing one record, as its reports' queries find it.
std::unique_ptr<QWidget> screenShowing(TestOffice& office, const QString& screen, qint64 id)
{
    auto widget = std::make_unique<QWidget>();
    widget->setObjectName(screen);
    auto* field = new QLineEdit(QString::number(id), widget.get());
    field->setObjectName(QStringLiteral("txtID"));
    office.state().screens().adopt(screen, widget.get());
    return widget;
}

}

// Each ledger document filled from the demo office: the screen's record, or
// the print dialog's period (which takes some of the demo's entries and
// leaves the others out), or a letter to each customer whose licence ends
// within 30 days. The shipped templates stay as they were.
TEST(LedgerReports, FillTheirDocumentsOnTheDemoOffice)
{
    TestOffice office(true, true);
    Database& db = office.db();
    for (const auto& [name, licence, days] : {std::tuple{"وليد سامي العمر", "L-990010", 10},
                                              std::tuple{"هدى كريم الصباغ", "L-990040", 40}})
        db.insert(QStringLiteral("Customer"), QStringLiteral("CUSTOMERID"),
                  {{QStringLiteral("name"), QString::fromUtf8(name)},
                   {QStringLiteral("TITLE"), QStringLiteral("السيد")},
                   {QStringLiteral("SEX"), QStringLiteral("ذكر")},
                   {QStringLiteral("HOMECARLICENSE"), QString::fromLatin1(licence)},
                   {QStringLiteral("HOMELICENSEEXPIRY"), dateNumber(today().addDays(days))}});

    frmPrint dialog(office.state(), nullptr);
    office.state().screens().adopt(QStringLiteral("frmPrint"), &dialog);
    ScreenChecks::control<QDateEdit>(&dialog, "dtFrom")->setDate(today().addDays(-15));
    ScreenChecks::control<QDateEdit>(&dialog, "dtTo")->setDate(today().addDays(-3));

    const QString templates = office.file(QStringLiteral("templates"));
    ShippedTemplates::installMissing(templates);
    const auto shipped = filesOf(templates);

    const struct {
        const char* golden;
        qint64 report;
        QString screen;  // the data screen whose record the report prints, if any
        QString record;
    } rows[] = {
        {"voucher-income", 20, "frmIncomeRent",
         "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmIncomeRent'"},
        {"voucher-income-general", 21, "frmIncomeGeneral",
         "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmIncomeGeneral' and PAIDBYCHEQUE = 1"},
        {"voucher-expense-cheque", 22, "frmExpenseRent",
         "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmExpenseRent' and PAIDBYCHEQUE = 1"},
        {"voucher-expense-general", 23, "frmExpenseGeneral",
         "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmExpenseGeneral'"},
        {"ledgerentry", 24, "frmGLEntry", "select min(JOURNALID) from JOURNAL where FROMACCOUNT > 0"},
        {"journal", 25, {}, {}},
        {"trialbalance", 26, {}, {}},
        {"journal", 27, {}, {}},
        {"trialbalance", 28, {}, {}},
        {"licenceletters", 29, {}, {}},
    };
    QList<qint64> tested;
    for (const auto& row : rows) {
        std::unique_ptr<QWidget> screen;
        if (!row.screen.isEmpty())
            screen = screenShowing(office, row.screen, db.execute(row.record).value(0, 0).toLongLong());
        const FilledReport filled = runShippedReport(office, row.report);
        ASSERT_FALSE(filled.copy.isEmpty()) << row.golden << " " << filled.message.toStdString();
        expectGolden(relativeDays(filled.text), QString::fromLatin1(row.golden));
        QString error;
        EXPECT_EQ(placesLeft(OdtDocument::open(filled.copy, &error)->content()), 0) << row.golden;
        // Offered on a screen that exists.
        EXPECT_EQ(db.execute(QStringLiteral("select count(*) from _WINDOWTABLE w, _RPT r where w.WINDOWNAME = "
                                            "r.WINDOWNAME and r.RPTID = %1")
                                 .arg(row.report))
                      .value(0, 0)
                      .toInt(),
                  1)
            << row.golden;
        tested.append(row.report);
    }
    const RowSet shippedReports =
        db.execute(QStringLiteral("select RPTID from _RPT where RPTID between 20 and 39 order by RPTID"));
    QList<qint64> ledger;
    for (int r = 0; r < shippedReports.count(); ++r)
        ledger.append(shippedReports.value(r, 0).toLongLong());
    EXPECT_EQ(tested, ledger);
    EXPECT_EQ(filesOf(templates), shipped);
}

// Letters go to licences ending from today to 30 days on, the ends
// included. The work table is made afresh on every run: a second run writes
// the same letters, one per customer.
TEST(LedgerReports, LettersTakeTheNextThirtyDaysAndRebuildTheirWorkTable)
{
    TestOffice office;
    const struct {
        const char* name;
        int days;
    } customers[] = {{"Expired", -1}, {"Today", 0}, {"Thirty", 30}, {"ThirtyOne", 31}};
    for (const auto& customer : customers)
        office.db().insert(QStringLiteral("Customer"), QStringLiteral("CUSTOMERID"),
                           {{QStringLiteral("name"), QString::fromLatin1(customer.name)},
                            {QStringLiteral("HOMELICENSEEXPIRY"), dateNumber(today().addDays(customer.days))}});
    const FilledReport first = runShippedReport(office, 29);
    const FilledReport second = runShippedReport(office, 29);
    ASSERT_FALSE(second.copy.isEmpty()) << second.message.toStdString();
    EXPECT_EQ(second.text, first.text);
    for (const auto& customer : customers)
        EXPECT_EQ(second.text.count(QString::fromLatin1(customer.name)),
                  customer.days >= 0 && customer.days <= 30 ? 1 : 0)
            << customer.name;
}

// The print dialog of each ledger screen offers its documents in their order.
TEST(LedgerReports, ScreensOfferTheirDocuments)
{
    TestOffice office;
    const struct {
        const char* screen;
        QStringList entries;
    } rows[] = {
        {"frmIncomeRent", {"1. سند قبض"}},
        {"frmIncomeGeneral", {"1. سند قبض"}},
        {"frmExpenseRent", {"1. سند صرف"}},
        {"frmExpenseGeneral", {"1. سند صرف"}},
        {"frmGLEntry", {"1. قيد اليومية", "2. دفتر اليومية للفترة", "3. ميزان المراجعة للفترة"}},
        {"frmChartOfAccount", {"1. دفتر اليومية للفترة", "2. ميزان المراجعة للفترة"}},
    };
    for (const auto& row : rows) {
        frmPrint dialog(office.state(), nullptr);
        dialog.ShowReportList(QString::fromLatin1(row.screen));
        const auto* list = ScreenChecks::control<QListWidget>(&dialog, "List1");
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries.append(list->item(i)->text());
        EXPECT_EQ(entries, row.entries) << row.screen;
    }
}
