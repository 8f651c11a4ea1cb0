#include "engine/BindVariables.h"

#include "shell/base/AppError.h"
#include "support/TestOffice.h"

#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Two open screens to take values from, as a contract and the report dialog would be.
QWidget* makeContract(RunState&, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(QStringLiteral("frmRentCar"));
    auto* layout = new QVBoxLayout(screen);
    const std::pair<const char*, const char*> fields[] = {
        {"txtID", "15"}, {"txtNAME", "O'Brien"}, {"txtNOTE", "x:2 y"}, {"txtBAD", "5 or 1=1"},
        {"txtEMPTY", ""}, {"txtNEGATIVE", "-2.5"},
    };
    for (const auto& [name, text] : fields) {
        auto* line = new QLineEdit(QString::fromUtf8(text), screen);
        line->setObjectName(QString::fromLatin1(name));
        layout->addWidget(line);
    }
    auto* time = new QTimeEdit(QTime(14, 30, 45), screen);
    time->setObjectName(QStringLiteral("dftExitTime"));
    layout->addWidget(time);
    return screen;
}

QWidget* makeReportDialog(RunState&, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(QStringLiteral("frmPrint"));
    auto* layout = new QVBoxLayout(screen);
    for (const auto& [name, date] : {std::pair{"dtFrom", QDate(2024, 1, 5)}, std::pair{"dtTo", QDate(2024, 2, 29)}}) {
        auto* edit = new QDateEdit(date, screen);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        edit->setObjectName(QString::fromLatin1(name));
        layout->addWidget(edit);
    }
    return screen;
}

class BindVariables : public ::testing::Test {
protected:
    BindVariables()
    {
        state().screens().add(QStringLiteral("frmRentCar"), makeContract);
        state().screens().add(QStringLiteral("frmPrint"), makeReportDialog);
        state().screens().add(QStringLiteral("frmClosed"), makeContract);
        contract.reset(state().screens().instance(QStringLiteral("frmRentCar"), nullptr));
        reportDialog.reset(state().screens().instance(QStringLiteral("frmPrint"), nullptr));
    }

    RunState& state() { return office.state(); }

    TestOffice office;
    std::unique_ptr<QWidget> contract;
    std::unique_ptr<QWidget> reportDialog;
};

TEST_F(BindVariables, placeholdersTakeTheFieldValues)
{
    const struct {
        const char* sql;
        const char* list;
        const char* expected;
    } cases[] = {
        {"where RENTID = :1 order by RENTID", "0", "where RENTID = :1 order by RENTID"},
        {"where RENTID = :1 order by RENTID", ":1frmRentCar.txtID", "where RENTID = 15order by RENTID"},
        {"where RENTID = :1  order by RENTID", ":1frmRentCar.txtID", "where RENTID = 15 order by RENTID"},
        {"where RENTID = :1 or OLDID = :1 ", ":1frmRentCar.txtID", "where RENTID = 15or OLDID = 15"},
        {"where RENTID = :1 and EXITDATE >= :2 and EXITDATE <= :3 ",
         ":1frmRentCar.txtID,:2frmPrint.dtFrom,:3frmPrint.dtTo",
         "where RENTID = 15and EXITDATE >= 20240105and EXITDATE <= 20240229"},
        {"where EXITDATE between :1 and :2 ", ":1frmPrint.dtFrom,:2frmPrint.dtTo",
         "where EXITDATE between 20240105and 20240229"},
        {"where RENTID = :1 ", ":1frmRentCar. txtID ", "where RENTID = 15"},
        {"where AMOUNT > :1 ", ":1frmRentCar.txtNEGATIVE", "where AMOUNT > -2.5"},
        {"where EXITTIME = ':1 '", ":1frmRentCar.dftExitTime", "where EXITTIME = '143000'"},
        {"where NAME = ':1 '", ":1frmRentCar.txtNAME", "where NAME = 'O''Brien'"},
        {"where NAME = ':1 '", ":1frmRentCar.txtID", "where NAME = '15'"},
        {"where NAME = ':1 '", ":1frmRentCar.txtEMPTY", "where NAME = ''"},
        {"where NOTE = 'it''s :1 '", ":1frmRentCar.txtNAME", "where NOTE = 'it''s O''Brien'"},
        {"where NOTE = \"it's\" and RENTID = :1 ", ":1frmRentCar.txtID", "where NOTE = \"it's\" and RENTID = 15"},
        {"select [it's] from RENT where RENTID = :1 ", ":1frmRentCar.txtID", "select [it's] from RENT where RENTID = 15"},
        {"where NOTE = ':1 ' and RENTID = :2 ", ":1frmRentCar.txtNOTE,:2frmRentCar.txtID",
         "where NOTE = 'x:2 y' and RENTID = 15"},
        {"where RENTID = :1 and OLDID = :3 ", ":1frmRentCar.txtID,:3frmRentCar.txtID",
         "where RENTID = 15and OLDID = :3 "},
        {"where RENTID = :2 ", ":1frmRentCar.txtID", "where RENTID = :2 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sql) + " / " + c.list);
        try {
            EXPECT_EQ(PrepareSQLStatement(state(), QString::fromUtf8(c.sql), QString::fromUtf8(c.list)),
                      QString::fromUtf8(c.expected));
        } catch (const AppError& e) {
            ADD_FAILURE() << qPrintable(e.description());
        }
    }
}

TEST_F(BindVariables, whatCouldChangeTheStatementIsRefused)
{
    const struct {
        const char* sql;
        const char* list;
        int number;  // 0: any
        const char* named;
    } cases[] = {
        {"where RENTID = :1 ", ":1frmRentCar.txtBAD", ErrorNumber::RefusedStatement, "frmRentCar.txtBAD"},
        {"where RENTID = :1 ", ":1frmRentCar.txtNAME", ErrorNumber::RefusedStatement, "frmRentCar.txtNAME"},
        {"where RENTID = :1 ", ":1frmRentCar.txtEMPTY", ErrorNumber::RefusedStatement, "frmRentCar.txtEMPTY"},
        {"where NAME = 'a' and RENTID = :1 ", ":1frmRentCar.txtBAD", ErrorNumber::RefusedStatement, "frmRentCar.txtBAD"},
        {"where [NAME :1 ] = 1", ":1frmRentCar.txtBAD", ErrorNumber::RefusedStatement, "frmRentCar.txtBAD"},
        {"where NAME = \":1 \"", ":1frmRentCar.txtNAME", ErrorNumber::RefusedStatement, "frmRentCar.txtNAME"},
        {"where RENTID = :1 ", ":1frmClosed.txtID", ErrorNumber::UnknownScreen, "frmClosed"},
        {"where RENTID = :1 ", ":1frmNeverHeardOf.txtID", ErrorNumber::UnknownScreen, "frmNeverHeardOf"},
        {"where RENTID = :1 ", ":1frmRentCar.txtNOSUCHFIELD", 0, "txtNOSUCHFIELD"},
        {"where RENTID = :1 ", ":1frmRentCar", ErrorNumber::RefusedStatement, ":1frmRentCar"},
        {"where RENTID = :1 and OLDID = :2 ", ":1frmRentCar,:2frmPrint.dtFrom", ErrorNumber::RefusedStatement, ":1frmRentCar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sql) + " / " + c.list);
        try {
            const QString sql = PrepareSQLStatement(state(), QString::fromUtf8(c.sql), QString::fromUtf8(c.list));
            ADD_FAILURE() << "not refused: " << qPrintable(sql);
        } catch (const AppError& e) {
            if (c.number != 0) {
                EXPECT_EQ(e.number(), c.number);
            }
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(c.named))) << qPrintable(e.description());
        }
    }
}

}
