#include "MissingWords.h"
#include "accounting/PostingScreen.h"
#include "core/Database.h"
#include "core/OwnerOnly.h"
#include "core/ScreenRegistry.h"
#include "rental/DamageSheet.h"
#include "reports/LibreOffice.h"
#include "reports/OdtDocument.h"
#include "reports/ShippedTemplates.h"
#include "reports/XmlNode.h"
#include "reports/cPrint.h"
#include "reports/frmPrint.h"
#include "support/ProgramRun.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The user fields the report's queries left unfilled.
int userFields(const XmlNode& node)
{
    int left = node.isElement("text:user-field-get") ? 1 : 0;
    for (const XmlNode& child : node.children)
        left += userFields(child);
    return left;
}

// The text against tests/reports/golden/<name>.txt. With IJAR_UPDATE_GOLDEN=1
// in the environment the file is written instead (review the diff).
void expectGolden(const QString& text, const QString& name)
{
    const QString path = QDir(QStringLiteral(IJAR_GOLDEN_DIR)).filePath(name + ".txt");
    QFile file(path);
    if (qEnvironmentVariableIntValue("IJAR_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(text.toUtf8());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no golden file " << path.toStdString();
    EXPECT_EQ(text, QString::fromUtf8(file.readAll())) << name.toStdString();
}

// The text of a PDF as pdftotext reads it, as a customer's reader would, blanks
// simplified. A right-to-left line may come out turned, so look for its words one by one.
QString pdfText(const QString& path)
{
    const ProgramRun read = runProgram(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                                                                     QStringLiteral("-")},
                                       60000);
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    return read.out.simplified();
}

QDate today() { return QDate::currentDate(); }

qint64 dateNumber(int daysFromToday) { return today().addDays(daysFromToday).toString("yyyyMMdd").toLongLong(); }

// The demo office is dated from today: a document showing its days has them
// written as {today-n}, so that its golden file holds on any day.
QString relativeDays(QString text)
{
    for (int n = -60; n <= 60; ++n) {
        const QString name =
            n == 0 ? QStringLiteral("{today}") : QStringLiteral("{today%1%2}").arg(n > 0 ? "+" : "").arg(n);
        text.replace(today().addDays(n).toString(QStringLiteral("dd/MM/yyyy")), name);
    }
    return text;
}

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

// Pictures a row adds to the demo office, which has only the cars' main ones.
enum class Added { Nothing, ContractPictures, EmployeePhoto, DamagePhoto };

const QString OpenContract = "select min(RENTID) from RENT where RETURNED = 0";
const QString ClosedContract = "select min(RENTID) from RENT where RETURNED = 1";
const QString PinContract = "update RENT set EXITDATE = 20261128, RETURNDATE = 20261203, "
                            "LICENSEEXPIRYDATE = 20281207, ISSUEDATE = 20190310 where RENTID = %1";
const QString PinReturn = "update RENT set ACTUALRETURNDATE = 20261203, SURRENDERCOMMENTS = 'خدش صغير على الصدام الخلفي' "
                          "where RENTID = %1";
// Pictures 2 and 3 of the contract's car, both marked for the contract.
const QString MarkPictures = "update car set PRINTINCONTRACT1 = 1, PRINTINCONTRACT2 = 1 "
                             "where carid = (select CARNO from RENT where RENTID = %1)";
// Marks on the contract's car: view, spot, kind, size, note, its contract (%1) or none, found, repaired and when.
const QString Marks = "insert into CARDAMAGE (CARID, ZONE, POSX, POSY, KIND, SIZE, NOTE, RENTID, FOUNDDATE, REPAIRED, "
                      "REPAIREDDATE) select CARNO, v.* from RENT, (%2) v where RENTID = %1";
// Standing as the car went out (one repaired since); one repaired before, never on its paper.
const QString OldMarks = Marks.arg("%1", "select 1, 0.3, 0.5, 2, 4, 'باب السائق', 0, 20261101, 0, 0 union all select 3, 0.5, "
                                         "0.4, 3, 10, 'الزجاج الأمامي', 0, 20261010, 1, 20261130 union all select 0, 0.5, "
                                         "0.5, 1, 0, 'أصلح قبل الخروج', 0, 20261001, 1, 20261120");
const QStringList NewMarks{Marks.arg("%1", "select 2, 0.6, 0.4, 2, 15, 'الباب الخلفي', %1, 20261203, 0, 0"),
                           "update RENT set FUELOUT = 8, FUELIN = 5, FUELCHARGE = 7.5, DAMAGECHARGE = 40 where RENTID = %1"};

struct Golden {
    const char* name;  // the golden file
    qint64 report;
    bool pdf;             // also turned into a PDF by LibreOffice
    bool relative;        // its days are written from today
    QString screen = {};  // the data screen whose record it prints, if any
    QString record = {};  // that record's key in the demo office
    // Run first, %1 the key: these pin the days the demo takes from today
    // and set what the row needs.
    QStringList setup = {};
    QStringList pictures = {};  // the frames given a picture (a PNG unless named with its suffix)
    Added added = Added::Nothing;
};

const Golden Documents[] = {
    {"contract", 1, true, false, "frmRentCar", OpenContract, {PinContract}, {"DAMAGEDIAGRAM"}},
    {"contract-surrendered", 1, true, false, "frmRentCar", ClosedContract, {PinContract, PinReturn}, {"DAMAGEDIAGRAM"}},
    // The close-out of a contract whose deposit was partly kept.
    {"contract-deposit", 1, true, false, "frmRentCar", "select min(RENTID) from RENT where DEPOSITKEPT > 0",
     {PinContract, PinReturn}, {"DAMAGEDIAGRAM"}},
    {"contract-pictures", 1, false, false, "frmRentCar", OpenContract, {PinContract, MarkPictures},
     {"DAMAGEDIAGRAM", "P2", "P3"}, Added::ContractPictures},
    // The car's damage on the contract as it went out, and at its close-out with a new mark and its photo.
    {"contract-damage", 1, true, false, "frmRentCar", OpenContract, {PinContract, OldMarks}, {"DAMAGEDIAGRAM"}},
    {"contract-damage-returned", 1, true, false, "frmRentCar", ClosedContract,
     QStringList{PinContract, PinReturn, OldMarks} + NewMarks, {"DAMAGEDIAGRAM", "DAMAGEPHOTOS.jpg"}, Added::DamagePhoto},
    // A customer with an open contract who owes, stopped and black-listed.
    {"customer", 2, true, false, "frmCustomers", "select min(CUSTOMERID) from RENT where RETURNED = 0",
     {"update Customer set CREATIONDATE = 20250115, HOMELICENSEEXPIRY = 20281207, LASTTRANSACTION = 20261203, "
      "BIRTHDATE = 19790611, BALANCE = 125.5, BLACKLIST = 1, STOPTRANSACTION = 1, HOMETEL1 = '22445566', "
      "HOMEADDRESS = 'قطعة 3، شارع 5، منزل 12' where CUSTOMERID = %1",
      "update RENT set EXITDATE = 20261128, RETURNDATE = 20261203 where CUSTOMERID = %1"}},
    {"car", 3, true, false, "frmCars", "select min(carid) from car",
     {"update car set CREATEDT = 20251023, LICENSEEXPIRY = 20270725, LASTTRAN = 20261130, "
      "INSURANCE1FROM = 20261023, INSURANEDC1DATETTO = 20271022, INSURANCE2DATEFROM = 20260723, "
      "INSURANCE2DATETO = 20270722, MAINTSTART1 = 20261130, MAINTSTART2 = 20251023, MAINTSTART3 = 20261024 "
      "where carid = %1"},
     {"CARPHOTO"}},
    // An employee with a picture and a direct manager.
    {"employee", 4, true, false, "frmEmployee", "select min(EMPID) from EMPLOYEE where MANAGERID > 0",
     {"update EMPLOYEE set DATEJOINED = 20171207, HIREJOINED = 20180307 where EMPID = %1"}, {"EMPPHOTO"},
     Added::EmployeePhoto},
    // Free, rented and stopped cars.
    {"fleet", 5, true, false},
    {"voucher-income", 20, true, true, "frmIncomeRent",
     "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmIncomeRent'"},
    {"voucher-income-general", 21, false, true, "frmIncomeGeneral",
     "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmIncomeGeneral' and PAIDBYCHEQUE = 1"},
    {"voucher-expense-cheque", 22, false, true, "frmExpenseRent",
     "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmExpenseRent' and PAIDBYCHEQUE = 1"},
    {"voucher-expense-general", 23, false, true, "frmExpenseGeneral",
     "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmExpenseGeneral'"},
    {"ledgerentry", 24, true, true, "frmGLEntry", "select min(JOURNALID) from JOURNAL where FROMACCOUNT > 0"},
    {"journal", 25, true, true},
    {"trialbalance", 26, true, true},
    {"journal", 27, false, true},
    {"trialbalance", 28, false, true},
    {"licenceletters", 29, true, true},
    {"reservation", 6, true, true, "frmReservation", "select min(RESERVATIONID) from RESERVATION where STATE = 0"},
    // A receipt against a contract's remainder; the statement of the customer
    // whose advance was partly paid back, both moved into the dialog's period.
    {"receipt", 10, true, true, "frmReceipt", "select min(RECEIPTID) from RECEIPT where RENTID > 0"},
    {"statement", 11, true, true, "frmCustomers", "select min(CUSTOMERID) from RECEIPT where REFUND = 1",
     {"update JOURNALDETAIL set TRANSACTIONDATE = " + QString::number(dateNumber(-6))
          + " where JOURNALID = (select min(JOURNALID) from RECEIPT where CUSTOMERID = %1)",
      "update JOURNALDETAIL set TRANSACTIONDATE = " + QString::number(dateNumber(-4))
          + " where JOURNALID = (select max(JOURNALID) from RECEIPT where CUSTOMERID = %1)"}},
};

}

// Each shipped document filled from the demo office as the clerk gets it:
// from the screen showing its record, for the print dialog's period (which
// takes some of the demo's entries and leaves the others out), or as a letter
// to each customer whose licence ends within 30 days. Its text is the golden
// one with every place filled, its pictures lie beside the copy, the screen
// offering it exists, the templates stay as shipped; turned into a PDF by
// LibreOffice, every word of it is there.
TEST(GoldenReports, EveryShippedDocumentFromTheDemoOffice)
{
    QSet<qint64> tested;
    for (const Golden& row : Documents) {
        SCOPED_TRACE(row.name);
        TestOffice office(true, true);
        DamageSheet::install(office.state());
        Database& db = office.db();
        // Letters go to licences ending from today to 30 days on, the ends included.
        for (const auto& [name, licence, days] : {std::tuple{"وليد سامي العمر", "L-990010", 0},
                                                  std::tuple{"سامر نبيل الحسن", "L-990030", 30},
                                                  std::tuple{"ريم فؤاد الخطيب", "L-990001", -1},
                                                  std::tuple{"هدى كريم الصباغ", "L-990040", 31}})
            db.insert("Customer", "CUSTOMERID",
                      {{"name", QString::fromUtf8(name)}, {"TITLE", "السيد"}, {"SEX", "ذكر"},
                       {"HOMECARLICENSE", QString::fromLatin1(licence)}, {"HOMELICENSEEXPIRY", dateNumber(days)}});
        frmPrint dialog(office.state(), nullptr);
        office.state().screens().adopt("frmPrint", &dialog);
        ScreenChecks::control<QDateEdit>(&dialog, "dtFrom")->setDate(today().addDays(-15));
        ScreenChecks::control<QDateEdit>(&dialog, "dtTo")->setDate(today().addDays(-3));
        const QString key = row.record.isEmpty() ? QString() : db.execute(row.record).value(0, 0).toString();
        ASSERT_EQ(key.isEmpty(), row.screen.isEmpty());
        const QString car = row.screen != "frmRentCar"
                                ? QString()
                                : db.execute("select CARNO from RENT where RENTID = " + key).value(0, 0).toString();
        PostingScreen screen(row.screen, {{"txtID", key}, {"dfnCarNo", car}});
        if (!row.screen.isEmpty())
            office.state().screens().adopt(row.screen, &screen);
        for (const QString& statement : row.setup)
            db.command(statement.arg(key));
        if (row.added == Added::ContractPictures)
            db.insertRows("CARPICTURE", {"CARID", "PICTURESEQUENCE", "CARPICTURE"},
                          {{car.toLongLong(), 2, TestPictures::png(Qt::blue)},
                           {car.toLongLong(), 3, TestPictures::png(Qt::green)}});
        if (row.added == Added::DamagePhoto)
            db.insertRows("CARDAMAGEPHOTO", {"CARDAMAGEID", "NAME", "PHOTO"},
                          {{db.execute("select max(CARDAMAGEID) from CARDAMAGE").value(0, 0), "door", TestPictures::png(Qt::red)}});
        if (row.added == Added::EmployeePhoto)
            db.insertRows("EMPPICTURE", {"EMPID", "OLEMODULE"}, {{key.toLongLong(), TestPictures::png(Qt::gray)}});
        const QString templates = office.file("templates");
        ShippedTemplates::installMissing(templates);
        const auto shipped = filesOf(templates);

        const QString filled = cPrint(office.state()).PrintReport(row.report);
        ASSERT_FALSE(filled.isEmpty()) << office.ui().lastMessage().toStdString();
        QString error;
        const auto document = OdtDocument::open(filled, &error);
        ASSERT_TRUE(document.has_value()) << error.toStdString();
        const QString text = document->text();
        expectGolden(row.relative ? relativeDays(text) : text, QString::fromLatin1(row.name));
        // An open contract has no close-out to fill in: its total in Arabic and English words stays open.
        EXPECT_EQ(userFields(document->content()), row.record == OpenContract ? 2 : 0);
        EXPECT_EQ(filesOf(templates), shipped);
        // The files take the query column's spelling, lower case on PostgreSQL.
        const QFileInfo copy(filled);
        QStringList pictures;
        for (const QString& frame : row.pictures)
            pictures.append(copy.completeBaseName() + '-' + frame + (frame.contains('.') ? "" : ".png"));
        EXPECT_EQ(QDir(copy.absolutePath()).entryList({copy.completeBaseName() + "-*"}).join(' ').toLower(),
                  pictures.join(' ').toLower());
        const QString offering =
            "select count(*) from _WINDOWTABLE w, _RPT r where w.WINDOWNAME = r.WINDOWNAME and r.RPTID = ";
        EXPECT_EQ(db.execute(offering + QString::number(row.report)).value(0, 0).toInt(), 1);
        tested.insert(row.report);
        if (row.pdf && !LibreOffice::program().isEmpty()) {
            const QString pdf = LibreOffice(office.state()).toPdf(filled, &error);
            ASSERT_FALSE(pdf.isEmpty()) << error.toStdString();
            EXPECT_EQ(OwnerOnly::mode(pdf), OwnerOnly::ReadOnlyCopy);
            EXPECT_EQ(missingWords(text, pdfText(pdf)), QStringList());
            const ProgramRun images = runProgram("pdfimages", {"-list", pdf}, 60000);
            EXPECT_EQ(images.out.count(QRegularExpression("^ *\\d+ +\\d+ +image ", QRegularExpression::MultilineOption)),
                      row.pictures.size()) << images.out.toStdString();
        }
    }
    // Every report ran, so those tested are shipped ones: as many as shipped means all. The tax
    // invoices print from an office with VAT on (TaxInvoiceDocumentTest).
    EXPECT_EQ(tested.size(), TestOffice()
                                 .db()
                                 .execute("select count(*) from _RPT where Rptfilename <> 'taxinvoice.odt'")
                                 .value(0, 0)
                                 .toLongLong());
}
