#include "OdtTemplate.h"
#include "core/Database.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "reports/OdtDocument.h"
#include "reports/cPrint.h"
#include "reports/frmPrint.h"
#include "support/ScreenChecks.h"
#include "support/ScriptedUI.h"
#include "support/TestOffice.h"

#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QListWidget* listOf(frmPrint& dialog) { return ScreenChecks::control<QListWidget>(&dialog, "List1"); }

QStringList entries(frmPrint& dialog)
{
    QStringList out;
    for (int i = 0; i < listOf(dialog)->count(); ++i)
        out.append(listOf(dialog)->item(i)->text());
    return out;
}

}

// The reports offered by one screen, numbered in display order, hidden ones
// and other screens' left out; digits pick an entry that exists.
TEST(frmPrint, ListsTheScreensReportsAndPicksByDigit)
{
    TestOffice office;
    defineReports(office.db(), {{1, "Card", "frmCustomers", 1, 2, "card.odt"},
                                {2, "Hidden", "frmCustomers", 0, 0, "h.odt"},
                                {3, "List", "frmCustomers", 1, 1, "list.odt"},
                                {4, "Fleet", "frmCars", 1, 1, "fleet.odt"}});
    const struct {
        QString screen;
        QStringList expected;
        bool okEnabled;
    } rows[] = {{"frmCustomers", {"1. List", "2. Card"}, true}, {"frmNothing", {}, false}};
    for (const auto& row : rows) {
        frmPrint dialog(office.state(), nullptr);
        dialog.ShowReportList(row.screen);
        EXPECT_EQ(entries(dialog), row.expected) << row.screen.toStdString();
        EXPECT_EQ(ScreenChecks::control<QPushButton>(&dialog, "cmdOk")->isEnabled(), row.okEnabled);
    }
    frmPrint dialog(office.state(), nullptr);
    dialog.ShowReportList("frmCustomers");
    const struct {
        Qt::Key key;
        int row;
        QString file;
    } keys[] = {{Qt::Key_2, 1, "card.odt"}, {Qt::Key_3, 1, "card.odt"}, {Qt::Key_1, 0, "list.odt"}};
    for (const auto& key : keys) {
        QTest::keyClick(listOf(dialog), key.key);
        EXPECT_EQ(listOf(dialog)->currentRow(), key.row) << key.key;
        EXPECT_EQ(ScreenChecks::control<QLabel>(&dialog, "lblReportFileName")->text(), key.file) << key.key;
    }
}

// The dialog's date range reaches a report's query; Enter runs the report and
// a missing template is named.
TEST(frmPrint, DateRangeReachesQueriesAndEnterRuns)
{
    TestOffice office;
    QDir().mkpath(office.file("templates"));
    writeTemplate(office.file("templates/from.odt"),
                  "<text:p><text:user-field-get text:name=\"DAY\">x</text:user-field-get></text:p>");
    defineReports(office.db(), {{1, "From", "frmCustomers", 1, 1, "from.odt"}, {2, "Gone", "frmOther", 1, 1, "gone.odt"}},
                  {{1, 1, 0, 1, 0, "select ':1 ' as DAY", ":1frmPrint.dtFrom"}});
    frmPrint dialog(office.state(), nullptr);
    office.state().screens().adopt("frmPrint", &dialog);
    ScreenChecks::control<QDateEdit>(&dialog, "dtFrom")->setDate(QDate(2024, 2, 29));
    const QString copy = cPrint(office.state()).PrintReport(1);
    ASSERT_FALSE(copy.isEmpty()) << office.ui().lastMessage().toStdString();
    QString error;
    EXPECT_EQ(OdtDocument::open(copy, &error)->text(), "20240229\n");

    dialog.ShowReportList("frmOther");
    QTest::keyClick(listOf(dialog), Qt::Key_Return);
    EXPECT_TRUE(office.ui().lastMessage().contains("gone.odt")) << office.ui().lastMessage().toStdString();
}
