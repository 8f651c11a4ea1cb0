#pragma once

#include "accounting/AccountingScreens.h"
#include "core/Database.h"
#include "core/ScreenRegistry.h"
#include "core/SqlValue.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDialog>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The journal as stored and the ledger screens as the clerk uses them.
namespace Ledger {

inline qint64 number(Database& db, const QString& sql)
{
    return db.execute(sql).value(0, 0).toLongLong();
}

inline qint64 today()
{
    return QDate::currentDate().toString("yyyyMMdd").toLongLong();
}

// A journal's lines in order, as "D1100 25.5 text" for a debit and "C..." for a credit.
inline QStringList lines(Database& db, qint64 journal)
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
inline qint64 unbalancedJournals(Database& db)
{
    return number(db, "select count(*) from (select JOURNALID from JOURNALDETAIL group by JOURNALID having "
                      "abs(sum(case when DEBITORCREDIT = 1 then AMOUNT else -AMOUNT end)) > 0.001) t");
}

// The screen as the accounting menu opens it: from the registry, shown, with the keyboard.
inline std::unique_ptr<QWidget> openScreen(TestOffice& office, const QString& name)
{
    registerAccountingScreens(office.state().screens());
    std::unique_ptr<QWidget> screen(office.state().screens().instance(name, nullptr));
    EXPECT_TRUE(Clerk::showActive(screen.get()));
    return screen;
}

// A key where the cursor is, once the screen has the keyboard again.
inline void press(QWidget* screen, Qt::Key key)
{
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
    Clerk::press(key);
}

// F8, the name typed where the cursor then is, OK.
inline void newRecord(TestOffice& office, QWidget* screen, const QString& name)
{
    office.ui().onDialog("frmGeneralN", [name](QDialog* dialog) {
        Clerk::type(name);
        ScreenChecks::click(dialog, "cmdOk");
    });
    press(screen, Qt::Key_F8);
}

// F9, the cursor in the list, the row of that key picked; gives the keys listed.
// The script reads statics: a script stays registered for later showings.
inline QList<qint64> openRecord(TestOffice& office, QWidget* screen, qint64 key)
{
    static qint64 wanted = 0;
    static QList<qint64> listed;
    wanted = key;
    listed.clear();
    office.ui().onDialog("frmGeneralOpen", [](QDialog* open) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(open));
        EXPECT_EQ(Clerk::focused(), "DataGrid1");
        auto* grid = ScreenChecks::control<QTableView>(open, "DataGrid1");
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

}
