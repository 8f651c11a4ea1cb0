#include "OdtTemplate.h"
#include "core/Database.h"
#include "core/OwnerOnly.h"
#include "core/ScreenRegistry.h"
#include "reports/OdtDocument.h"
#include "reports/cPrint.h"
#include "support/ScriptedUI.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct Step {
    int type;
    int table;
    QString sql;
    int onoff = 1;
};

const QString Body = "      <text:p>Dear <text:user-field-get text:name=\"CUSTNAME\">x</text:user-field-get></text:p>\n"
                     "      <table:table table:name=\"table1\">"
                     "<table:table-row><table:table-cell><text:p>Plate</text:p></table:table-cell></table:table-row>"
                     "<table:table-row><table:table-cell><text:p/></table:table-cell></table:table-row>"
                     "</table:table>";

const QString MakeLetters = "create table tempmessages as select 'Huda' as CUSTNAME union all select 'Omar'";

void defineReport(Database& db, const QString& file, const QList<Step>& steps)
{
    QList<QVariantList> rows;
    for (const Step& step : steps)
        rows.append({rows.size() + 1, 1, step.type, step.onoff, step.table, step.sql, "0"});
    defineReports(db, {{1, "Letter", "frmCustomers", 1, 1, file}}, rows);
}

}

// The steps of a report against the text of the filled copy, or the message
// the operator gets instead of one.
TEST(PrintReport, RunsTheStepsOfAReport)
{
    const struct {
        const char* name;
        QList<Step> steps;
        QString expected;
        QString message;
        bool templateThere = true;
    } rows[] = {
        {"places and a table, in any step order",
         {{0, 1, "select '1-1' as PLATE union all select '2-2'"}, {0, 0, "select 'Salem' as CUSTNAME"}},
         "Dear Salem\nPlate\n1-1\n2-2\n", {}},
        {"a place and a table the template lacks are skipped",
         {{0, 2, "select 'x' as PLATE"}, {0, 0, "select 'Salem' as CUSTNAME, 'y' as NOPLACE"}},
         "Dear Salem\nPlate\n\n", {}},
        {"a step switched off is skipped", {{0, 0, "select 'Salem' as CUSTNAME", 0}}, "Dear x\nPlate\n\n", {}},
        {"no data steps: the template's text", {}, "Dear x\nPlate\n\n", {}},
        {"mail merge over a work table dropped first (absent: no failure) then built",
         {{1, 0, {}}, {-2, 0, MakeLetters}, {-3, 0, {}}}, "Dear Huda\nPlate\n\n\nDear Omar\nPlate\n\n", {}},
        {"a mail merge with nobody to write to says so",
         {{1, 0, {}}, {-2, 0, "create table tempmessages as select 'Huda' as CUSTNAME where 1 = 0"}}, {},
         "nobody to write to"},
        {"a query the database rejects ends the run", {{0, 0, "select nothing from nowhere"}}, {},
         "The report stopped"},
        {"a missing file is named", {}, {}, "not found", false},
        {"a data step runs nothing but a select", {{0, 0, "delete from car"}}, {}, "single select"},
        {"a data step makes no table", {{0, 0, "select * into tempmessages from car"}}, {}, "single select"},
        {"a preparation step touches no other table", {{-2, 0, "delete from car"}}, {}, "work table"},
    };
    for (const auto& row : rows) {
        TestOffice office;
        office.db().insert("car", "carid", {{"name", "Kept"}});
        QDir().mkpath(office.file("templates"));
        if (row.templateThere)
            writeTemplate(office.file("templates/letter.odt"), Body);
        defineReport(office.db(), "letter.odt", row.steps);
        QList<int> percents;
        const QString copy = cPrint(office.state()).PrintReport(1, [&](int percent, const QString&) {
            percents.append(percent);
        });
        // Whatever its steps, a report leaves the database as it found it, work table included.
        EXPECT_EQ(office.db().execute("select name from car").text(0, "name"), "Kept") << row.name;
        EXPECT_FALSE(office.db().tableExists("tempmessages")) << row.name;
        if (!row.message.isEmpty()) {
            EXPECT_TRUE(copy.isEmpty()) << row.name;
            EXPECT_TRUE(office.ui().lastMessage().contains(row.message)) << row.name;
            continue;
        }
        ASSERT_FALSE(copy.isEmpty()) << row.name << office.ui().lastMessage().toStdString();
        EXPECT_EQ(QFileInfo(copy).absolutePath(), QFileInfo(office.file("reports")).absoluteFilePath()) << row.name;
        EXPECT_EQ(OwnerOnly::mode(copy), OwnerOnly::ReadOnlyCopy) << row.name;
        EXPECT_EQ(OwnerOnly::mode(office.file("reports")), OwnerOnly::Folder) << row.name;
        EXPECT_EQ(percents, (QList<int>{30, 70, 100})) << row.name;
        QString error;
        EXPECT_EQ(OdtDocument::open(copy, &error)->text(), row.expected) << row.name;
        EXPECT_EQ(OdtDocument::open(office.file("templates/letter.odt"), &error)->text(), "Dear x\nPlate\n\n")
            << row.name;
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

    const struct {
        const char* file;
        int ageDays;
        bool kept;
    } ages[] = {{"old.odt", cPrint::KeepDays + 1, false}, {"recent.odt", cPrint::KeepDays - 1, true}};
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto& age : ages) {
        QFile file(QDir(folder).filePath(age.file));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.setFileTime(now.addDays(-age.ageDays), QFileDevice::FileModificationTime));
    }
    cPrint::RemoveOldCopies(folder, now);
    for (const auto& age : ages)
        EXPECT_EQ(QFileInfo::exists(QDir(folder).filePath(age.file)), age.kept) << age.file;
}

// The contract's car pictures marked for printing and a picture column of a
// data step land in the frames named for them, and as files beside the copy;
// frames left without a picture are taken out.
TEST(PrintReport, PicturesGoIntoTheirFramesAndBesideTheCopy)
{
    const QString frames = "<text:p><draw:frame draw:name=\"%1\"><draw:image xlink:href=\"\"/></draw:frame></text:p>";
    QString body;
    for (const QString name : {"P2", "P3", "P4", "P5", "P6", "P7", "Photo"})
        body += frames.arg(name);
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
        TestOffice office;
        QDir().mkpath(office.file("templates"));
        writeTemplate(office.file("templates/letter.odt"), body);
        QList<Step> steps{{-1, 0, {}}};
        if (row.photo)
            steps.append({0, 0, "select CARPICTURE as Photo from CARPICTURE where CARPICTUREID = 1"});
        defineReport(office.db(), "letter.odt", steps);
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
        auto* carNo = new QLineEdit("7", &contract);
        carNo->setObjectName("dfnCarNo");
        office.state().screens().adopt("frmRentCar", &contract);

        const QString copy = cPrint(office.state()).PrintReport(1);
        ASSERT_FALSE(copy.isEmpty()) << row.name;
        QString error;
        auto document = OdtDocument::open(copy, &error);
        EXPECT_EQ(document->frameNames(), row.expected) << row.name;
        const QFileInfo info(copy);
        QStringList beside = QDir(info.absolutePath()).entryList({info.completeBaseName() + "-*"});
        QStringList expectedFiles;
        for (const QString& frame : row.expected)
            expectedFiles.append(info.completeBaseName() + '-' + frame + ".png");
        EXPECT_EQ(beside, expectedFiles) << row.name;
    }
}
