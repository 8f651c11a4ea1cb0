#include "GoldenReport.h"
#include "core/Database.h"
#include "core/ScreenRegistry.h"
#include "reports/ShippedTemplates.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A screen showing one record, as the report's bind variables read it.
struct OpenScreen {
    QString name;
    QString recordQuery;  // the record's key, from the demo office
    QString carQuery = {};  // the contract screen's car, for its pictures
};

// Pictures a row adds to the demo office, which has only the cars' main ones.
enum class Added { Nothing, ContractPictures, EmployeePhoto };

struct Row {
    const char* name;
    qint64 report;
    OpenScreen screen;
    // The demo office dates its records from today: these pin the record's
    // dates (and set what the row needs) so that the document is the same any
    // day. %1 is the record's key.
    QStringList setup;
    QString golden;
    QStringList pictures;  // the frames that hold a picture
    Added added = Added::Nothing;
    bool closeOut = false;  // the contract's settlement on return shows
};

const QString OpenContract = "select min(RENTID) from RENT where RETURNED = 0";
const QString ClosedContract = "select min(RENTID) from RENT where RETURNED = 1";
const QString CarOf = "select CARNO from RENT where RENTID = %1";
const QString PinContract = "update RENT set EXITDATE = 20261128, RETURNDATE = 20261203, "
                            "LICENSEEXPIRYDATE = 20281207, ISSUEDATE = 20190310 where RENTID = %1";
const QString PinReturn = "update RENT set ACTUALRETURNDATE = 20261203, SURRENDERCOMMENTS = 'خدش صغير على الصدام الخلفي' "
                          "where RENTID = %1";
// Pictures 2 and 3 of the contract's car, both marked for the contract.
const QString MarkPictures = "update car set PRINTINCONTRACT1 = 1, PRINTINCONTRACT2 = 1 "
                             "where carid = (select CARNO from RENT where RENTID = %1)";

const Row rows[] = {
    {"open contract: no close-out, no car pictures", 1, {"frmRentCar", OpenContract, CarOf}, {PinContract},
     "contract", {}},
    {"surrendered contract: the close-out", 1, {"frmRentCar", ClosedContract, CarOf}, {PinContract, PinReturn},
     "contract-surrendered", {}, Added::Nothing, true},
    {"contract with two pictures marked", 1, {"frmRentCar", OpenContract, CarOf}, {PinContract, MarkPictures},
     "contract-pictures", {"P2", "P3"}, Added::ContractPictures},
    {"customer card of a customer with an open contract who owes, stopped and black-listed",
     2,
     {"frmCustomers", "select min(CUSTOMERID) from RENT where RETURNED = 0"},
     {"update Customer set CREATIONDATE = 20250115, HOMELICENSEEXPIRY = 20281207, LASTTRANSACTION = 20261203, "
      "BIRTHDATE = 19790611, BALANCE = 125.5, BLACKLIST = 1, STOPTRANSACTION = 1, HOMETEL1 = '22445566', "
      "HOMEADDRESS = 'قطعة 3، شارع 5، منزل 12' where CUSTOMERID = %1",
      "update RENT set EXITDATE = 20261128, RETURNDATE = 20261203 where CUSTOMERID = %1"},
     "customer",
     {}},
    {"car card with its main picture",
     3,
     {"frmCars", "select min(carid) from car"},
     {"update car set CREATEDT = 20251023, LICENSEEXPIRY = 20270725, LASTTRAN = 20261130, "
      "INSURANCE1FROM = 20261023, INSURANEDC1DATETTO = 20271022, INSURANCE2DATEFROM = 20260723, "
      "INSURANCE2DATETO = 20270722, MAINTSTART1 = 20261130, MAINTSTART2 = 20251023, MAINTSTART3 = 20261024 "
      "where carid = %1"},
     "car",
     {"CARPHOTO"}},
    {"employee card with a picture and a direct manager",
     4,
     {"frmEmployee", "select min(EMPID) from EMPLOYEE where MANAGERID > 0"},
     {"update EMPLOYEE set DATEJOINED = 20171207, HIREJOINED = 20180307 where EMPID = %1"},
     "employee",
     {"EMPPHOTO"},
     Added::EmployeePhoto},
    {"fleet list: free, rented and stopped cars", 5, {}, {}, "fleet", {}},
};

QByteArray bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList besideTheCopy(const QString& copy)
{
    const QFileInfo info(copy);
    return QDir(info.absolutePath()).entryList({info.completeBaseName() + "-*"});
}

}

// Each shipped rental report filled from the demo office, as the operator gets
// it from the screen showing the record; the template stays as it was.
TEST(RentalReports, FillTheShippedTemplatesFromTheDemoOffice)
{
    for (const Row& row : rows) {
        TestOffice office(true, true);
        Database& db = office.db();
        std::vector<std::unique_ptr<QWidget>> screens;
        QString key;
        if (!row.screen.name.isEmpty()) {
            key = db.execute(row.screen.recordQuery).value(0, 0).toString();
            ASSERT_FALSE(key.isEmpty()) << row.name;
            auto screen = std::make_unique<QWidget>();
            screen->setObjectName(row.screen.name);
            (new QLineEdit(key, screen.get()))->setObjectName("txtID");
            if (!row.screen.carQuery.isEmpty())
                (new QLineEdit(db.execute(row.screen.carQuery.arg(key)).value(0, 0).toString(), screen.get()))
                    ->setObjectName("dfnCarNo");
            office.state().screens().adopt(row.screen.name, screen.get());
            screens.push_back(std::move(screen));
        }
        for (const QString& statement : row.setup)
            db.command(statement.arg(key));
        if (row.added == Added::ContractPictures) {
            const qint64 car = db.execute(CarOf.arg(key)).value(0, 0).toLongLong();
            db.insertRows("CARPICTURE", {"CARID", "PICTURESEQUENCE", "CARPICTURE"},
                          {{car, 2, TestPictures::png(Qt::blue)}, {car, 3, TestPictures::png(Qt::green)}});
        }
        if (row.added == Added::EmployeePhoto)
            db.insertRows("EMPPICTURE", {"EMPID", "OLEMODULE"}, {{key.toLongLong(), TestPictures::png(Qt::gray)}});

        ShippedTemplates::installMissing(office.file("templates"));
        const QString file = db.execute(QString("select Rptfilename from _RPT where RPTID = %1").arg(row.report))
                                 .value(0, 0)
                                 .toString();
        const QByteArray before = bytes(QDir(office.file("templates")).filePath(file));
        ASSERT_FALSE(before.isEmpty()) << row.name;

        const FilledReport filled = runShippedReport(office, row.report);
        ASSERT_FALSE(filled.copy.isEmpty()) << row.name << ": " << filled.message.toStdString();
        expectGolden(filled.text, row.golden);
        EXPECT_EQ(filled.pictures, row.pictures) << row.name;
        EXPECT_EQ(bytes(QDir(office.file("templates")).filePath(file)), before) << row.name;
        // The files take the query column's spelling, lower case on PostgreSQL.
        QStringList files;
        for (const QString& frame : row.pictures)
            files.append(QFileInfo(filled.copy).completeBaseName() + '-' + frame + ".png");
        EXPECT_EQ(besideTheCopy(filled.copy).join(' ').toLower().toStdString(), files.join(' ').toLower().toStdString())
            << row.name;
        if (row.report == 1) {
            EXPECT_EQ(filled.text.contains("Settlement on return\nالمدة الفعلية (أيام)"), row.closeOut) << row.name;
        }
    }
}

// Every report of a new office names a template the program ships.
TEST(RentalReports, EveryReportHasItsShippedTemplate)
{
    TestOffice office;
    const RowSet reports = office.db().execute("select RPTID, Rptfilename from _RPT where RPTID < 20 order by RPTID");
    ASSERT_EQ(reports.count(), 5);
    for (int i = 0; i < reports.count(); ++i)
        EXPECT_TRUE(ShippedTemplates::names().contains(reports.text(i, "Rptfilename")))
            << reports.text(i, "Rptfilename").toStdString();
}
