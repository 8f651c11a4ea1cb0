#include "OdtTemplate.h"
#include "core/Database.h"
#include "core/OwnerOnly.h"
#include "core/ScreenRegistry.h"
#include "reports/OdtDocument.h"
#include "reports/cPrint.h"
#include "reports/frmPrint.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A place for the customer and the plate, and a table of plates and states
// whose row of values starts as a number cell.
const QString Body =
    "      <text:p text:style-name=\"P1\">Dear <text:user-field-get text:name=\"CUSTNAME\">x</text:user-field-get>,"
    " car <text:user-field-get text:name=\"PLATE\">y</text:user-field-get></text:p>\n"
    "      <table:table table:name=\"Table1\">\n"
    "        <table:table-column table:number-columns-repeated=\"2\"/>\n"
    "        <table:table-row><table:table-cell><text:p>Plate</text:p></table:table-cell>"
    "<table:table-cell><text:p>State</text:p></table:table-cell></table:table-row>\n"
    "        <table:table-row><table:table-cell office:value-type=\"float\" office:value=\"0\">"
    "<text:p text:style-name=\"Cell\">0</text:p></table:table-cell>"
    "<table:table-cell><text:p/></table:table-cell></table:table-row>\n"
    "      </table:table>";
const QString Untouched = "Dear x, car y\nPlate\nState\n0\n\n";

}

// The steps of a report against the text of the filled copy, or the message
// the operator gets instead of one. Whatever its steps, a report leaves the
// database as it found it, work table included, and the template as it was;
// the copy is the owner's only, read-only, in the reports folder.
TEST(PrintReport, RunsTheStepsOfAReport)
{
    const struct {
        const char* name;
        QList<Step> steps;
        QString expected;
        QString message = {};
        bool templateThere = true;
    } rows[] = {
        {"places by column name in any case, unknown columns ignored; a table in any step order",
         {{0, 1, "select '11-111' as PLATE, 'Free' as STATE union all select '22-222', 'Rented\tsince May' "
                 "union all select '33', ''"},
          {0, 0, "select 'Salem  Ali' as custname, '12-345' as PLATE, 'z' as UNUSED"}},
         "Dear Salem  Ali, car 12-345\nPlate\nState\n11-111\nFree\n22-222\nRented\tsince May\n33\n\n"},
        {"no result row leaves the places empty", {{0, 0, "select 'x' as CUSTNAME, 'y' as PLATE where 1 = 0"}},
         "Dear , car \nPlate\nState\n0\n\n"},
        {"a table with no result rows keeps its heading", {{0, 1, "select 'x' as PLATE where 1 = 0"}},
         "Dear x, car y\nPlate\nState\n"},
        {"a place and a table the template lacks are skipped",
         {{0, 2, "select 'x' as PLATE"}, {0, 0, "select 'Salem' as CUSTNAME, 'y' as NOPLACE"}},
         "Dear Salem, car y\nPlate\nState\n0\n\n"},
        {"the print dialog's dates reach the queries", {{0, 0, "select ':1 ' as CUSTNAME", 1, ":1frmPrint.dtFrom"}},
         "Dear 20240229, car y\nPlate\nState\n0\n\n"},
        {"a step switched off is skipped", {{0, 0, "select 'Salem' as CUSTNAME", 0}}, Untouched},
        {"no data steps: the template's text", {}, Untouched},
        {"mail merge over a work table dropped first (absent: no failure) then built: a copy per row",
         {{1, 0, {}},
          {-2, 0, "create table tempmessages as select 'Huda' as CUSTNAME, '1' as PLATE union all select 'Omar', '2'"},
          {-3, 0, {}}},
         "Dear Huda, car 1\nPlate\nState\n0\n\n\nDear Omar, car 2\nPlate\nState\n0\n\n"},
        {"a mail merge with nobody to write to says so",
         {{1, 0, {}}, {-2, 0, "create table tempmessages as select 'Huda' as CUSTNAME where 1 = 0"}}, {},
         "nobody to write to"},
        {"a query the database rejects ends the run", {{0, 0, "select nothing from nowhere"}}, {},
         "The report stopped"},
        {"a missing file is named", {}, {}, "letter.odt", false},
        {"a data step runs nothing but a select", {{0, 0, "delete from car"}}, {}, "single select"},
        {"a preparation step touches no other table", {{-2, 0, "delete from car"}}, {}, "work table"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestOffice office;
        office.db().insert("car", "carid", {{"name", "Kept"}});
        defineLetter(office, Body, row.steps);
        if (!row.templateThere)
            QFile::remove(office.file("templates/letter.odt"));
        frmPrint dialog(office.state(), nullptr);
        office.state().screens().adopt("frmPrint", &dialog);
        ScreenChecks::control<QDateEdit>(&dialog, "dtFrom")->setDate(QDate(2024, 2, 29));
        QList<int> percents;
        const QString copy = cPrint(office.state()).PrintReport(1, [&](int percent, const QString&) {
            percents.append(percent);
        });
        EXPECT_EQ(office.db().execute("select name from car").text(0, "name"), "Kept");
        EXPECT_FALSE(office.db().tableExists("tempmessages"));
        if (!row.message.isEmpty()) {
            EXPECT_TRUE(copy.isEmpty());
            EXPECT_TRUE(office.ui().lastMessage().contains(row.message)) << office.ui().lastMessage().toStdString();
            continue;
        }
        ASSERT_FALSE(copy.isEmpty()) << office.ui().lastMessage().toStdString();
        EXPECT_EQ(QFileInfo(copy).absolutePath(), QFileInfo(office.file("reports")).absoluteFilePath());
        EXPECT_EQ(OwnerOnly::mode(copy), OwnerOnly::ReadOnlyCopy);
        EXPECT_EQ(OwnerOnly::mode(office.file("reports")), OwnerOnly::Folder);
        EXPECT_EQ(percents, (QList<int>{30, 70, 100}));
        QString error;
        EXPECT_EQ(OdtDocument::open(copy, &error)->text(), row.expected);
        EXPECT_EQ(OdtDocument::open(office.file("templates/letter.odt"), &error)->text(), Untouched);
    }
}

// Copies of one second are told apart; copies older than the kept days go.
TEST(PrintReport, WorkingCopiesAreNamedByTheMomentAndExpire)
{
    TestOffice office;
    const QString folder = office.home();
    const QDateTime moment(QDate(2003, 3, 5), QTime(14, 7, 9));
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        const QString path = cPrint::workingCopyPath(folder, moment);
        names.append(QFileInfo(path).fileName());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(names, (QStringList{"20030305_140709.odt", "20030305_140709-2.odt", "20030305_140709-3.odt"}));

    const QDateTime now = QDateTime::currentDateTime();
    const std::pair<const char*, int> ages[] = {{"old.odt", cPrint::KeepDays + 1}, {"recent.odt", cPrint::KeepDays - 1}};
    for (const auto& [name, days] : ages) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.setFileTime(now.addDays(-days), QFileDevice::FileModificationTime));
    }
    cPrint::RemoveOldCopies(folder, now);
    for (const auto& [name, days] : ages)
        EXPECT_EQ(QFileInfo::exists(QDir(folder).filePath(name)), days < cPrint::KeepDays) << name;
}

// The contract's car pictures marked for printing and a picture column of a
// data step land in the frames named for them, and as files beside the copy;
// frames left without a picture are taken out.
TEST(PrintReport, PicturesGoIntoTheirFramesAndBesideTheCopy)
{
    const QString frame = "<text:p><draw:frame draw:name=\"%1\"><draw:image xlink:href=\"\"/></draw:frame></text:p>";
    QString body;
    for (const QString name : {"P2", "P3", "P4", "P5", "P6", "P7", "Photo"})
        body += frame.arg(name);
    const struct {
        const char* name;
        QList<int> marked;  // PRINTINCONTRACT1..6 set to 1
        bool photo;
        QStringList expected;
    } rows[] = {
        {"nothing marked, no photo", {}, false, {}},
        {"marked 1 and 3, one without a picture", {1, 3, 6}, false, {"P2", "P4"}},
        {"a picture column of a data step", {}, true, {"Photo"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestOffice office;
        QList<Step> steps{{-1, 0, {}}};
        if (row.photo)
            steps.append({0, 0, "select CARPICTURE as Photo from CARPICTURE where CARPICTUREID = 1"});
        defineLetter(office, body, steps);
        QVariantList car{7};
        for (int n = 1; n <= cPrint::CarPicturesInContract; ++n)
            car.append(row.marked.contains(n) ? 1 : 0);
        office.db().insertRows("CAR", {"CARID", "PRINTINCONTRACT1", "PRINTINCONTRACT2", "PRINTINCONTRACT3",
                                       "PRINTINCONTRACT4", "PRINTINCONTRACT5", "PRINTINCONTRACT6"}, {car});
        // Pictures 1 to 6 of the car; the sixth marked one (sequence 7) is missing.
        QList<QVariantList> pictures;
        for (int sequence = 1; sequence <= 6; ++sequence)
            pictures.append({sequence, 7, sequence, TestPictures::png(Qt::red)});
        office.db().insertRows("CARPICTURE", {"CARPICTUREID", "CARID", "PICTURESEQUENCE", "CARPICTURE"}, pictures);
        QWidget contract;
        contract.setObjectName("frmRentCar");
        (new QLineEdit("7", &contract))->setObjectName("dfnCarNo");
        office.state().screens().adopt("frmRentCar", &contract);

        const QString copy = cPrint(office.state()).PrintReport(1);
        ASSERT_FALSE(copy.isEmpty());
        QString error;
        EXPECT_EQ(OdtDocument::open(copy, &error)->frameNames(), row.expected);
        const QFileInfo info(copy);
        QStringList expectedFiles;
        for (const QString& name : row.expected)
            expectedFiles.append(info.completeBaseName() + '-' + name + ".png");
        EXPECT_EQ(QDir(info.absolutePath()).entryList({info.completeBaseName() + "-*"}), expectedFiles);
    }
}

// The reports offered by one screen, numbered in display order, hidden ones
// and other screens' left out; OK only with something to pick; digits pick
// an entry that exists.
TEST(frmPrint, ListsTheScreensReportsAndPicksByDigit)
{
    TestOffice office;
    defineReports(office.db(), {{1, "Card", "frmCustomers", 1, 2, "card.odt"},
                                {2, "Hidden", "frmCustomers", 0, 0, "h.odt"},
                                {3, "List", "frmCustomers", 1, 1, "list.odt"},
                                {4, "Fleet", "frmCars", 1, 1, "fleet.odt"}});
    frmPrint dialog(office.state(), nullptr);
    auto* list = ScreenChecks::control<QListWidget>(&dialog, "List1");
    for (const auto& [screen, expected] : {std::pair{"frmNothing", QStringList{}},
                                           std::pair{"frmCustomers", QStringList{"1. List", "2. Card"}}}) {
        dialog.ShowReportList(screen);
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries.append(list->item(i)->text());
        EXPECT_EQ(entries, expected) << screen;
        EXPECT_EQ(ScreenChecks::control<QPushButton>(&dialog, "cmdOk")->isEnabled(), !expected.isEmpty()) << screen;
    }
    const struct {
        Qt::Key key;
        int row;
        QString file;
    } keys[] = {{Qt::Key_2, 1, "card.odt"}, {Qt::Key_3, 1, "card.odt"}, {Qt::Key_1, 0, "list.odt"}};
    for (const auto& key : keys) {
        QTest::keyClick(list, key.key);
        EXPECT_EQ(list->currentRow(), key.row) << key.key;
        EXPECT_EQ(ScreenChecks::control<QLabel>(&dialog, "lblReportFileName")->text(), key.file) << key.key;
    }
}
