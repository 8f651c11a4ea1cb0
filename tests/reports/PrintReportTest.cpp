#include "OdtTemplate.h"
#include "core/Database.h"
#include "core/OwnerOnly.h"
#include "core/ScreenRegistry.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"
#include "reports/cPrint.h"
#include "reports/frmPrint.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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

// A missing or broken file is refused with a message; a package whose entry
// unpacks past the limit (a zip bomb) is refused before that entry is
// unpacked, whichever entry it is.
TEST(OdtDocument, MissingBrokenOrOversizedFileIsReported)
{
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.odt"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a zip");
    broken.close();
    const QByteArray huge(OdtPackage::MaxEntrySize + 1, ' ');
    const QString sound = writeTemplate(dir.filePath("sound.odt"), "<text:p>x</text:p>");
    QString error;
    ASSERT_TRUE(OdtPackage::write(dir.filePath("content.odt"), {{"content.xml", huge}}, &error));
    ASSERT_TRUE(OdtPackage::update(sound, {{"styles.xml", huge}}, &error));
    const std::pair<QString, QString> rows[] = {{dir.filePath("none.odt"), {}}, {broken.fileName(), {}},
                                                {dir.filePath("content.odt"), "content.xml"}, {sound, "styles.xml"}};
    for (const auto& [path, told] : rows) {
        error.clear();
        EXPECT_FALSE(OdtDocument::open(path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << path.toStdString();
        EXPECT_TRUE(error.contains(told) && error.contains(told.isEmpty() ? "" : "64 MB")) << error.toStdString();
    }
}
