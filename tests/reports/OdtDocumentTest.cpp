#include "OdtTemplate.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <zip.h>

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

const QString Places = "      <text:p text:style-name=\"P1\">Dear <text:user-field-get text:name=\"CUSTNAME\">x</text:user-field-get>,"
                       " car <text:user-field-get text:name=\"PLATE\">y</text:user-field-get></text:p>";

const QString Table = "      <table:table table:name=\"Table1\">\n"
                      "        <table:table-column table:number-columns-repeated=\"2\"/>\n"
                      "        <table:table-row><table:table-cell><text:p>Plate</text:p></table:table-cell>"
                      "<table:table-cell><text:p>State</text:p></table:table-cell></table:table-row>\n"
                      "        <table:table-row><table:table-cell office:value-type=\"float\" office:value=\"0\">"
                      "<text:p text:style-name=\"Cell\">0</text:p></table:table-cell>"
                      "<table:table-cell><text:p/></table:table-cell></table:table-row>\n"
                      "      </table:table>";

const ReportRows Customer{{"custname", "PLATE", "UNUSED"}, {{"Salem  Ali", "12-345", "z"}}};
const ReportRows Cars{{"PLATE", "STATE"}, {{"11-111", "Free"}, {"22-222", "Rented\tsince May"}, {"33", ""}}};
const ReportRows Letters{{"CUSTNAME", "PLATE"}, {{"Huda", "1"}, {"Omar", "2"}}};

}

// Each shipped kind of filling, against the text a reader sees afterwards.
TEST(OdtDocument, FillsPlacesTablesAndMergeCopies)
{
    const struct {
        const char* name;
        QString body;
        std::function<void(OdtDocument&)> fill;
        QString expected;
    } rows[] = {
        {"places by column name, any case; unknown columns ignored", Places,
         [](OdtDocument& d) { EXPECT_EQ(d.fillPlaces(Customer), 2); }, "Dear Salem  Ali, car 12-345\n"},
        {"no result row leaves the places empty", Places,
         [](OdtDocument& d) { d.fillPlaces({{"CUSTNAME", "PLATE"}, {}}); }, "Dear , car \n"},
        {"a missing place is skipped", "      <text:p>No fields</text:p>",
         [](OdtDocument& d) { EXPECT_EQ(d.fillPlaces(Customer), 0); }, "No fields\n"},
        {"table: heading kept, one row per result row", Table,
         [](OdtDocument& d) { EXPECT_TRUE(d.fillTable(1, Cars)); },
         "Plate\nState\n11-111\nFree\n22-222\nRented\tsince May\n33\n\n"},
        {"table with no result rows keeps its heading", Table,
         [](OdtDocument& d) { EXPECT_TRUE(d.fillTable(1, {{"PLATE"}, {}})); }, "Plate\nState\n"},
        {"a missing table is skipped, the places still filled", Places + "\n" + Table,
         [](OdtDocument& d) {
             EXPECT_FALSE(d.fillTable(2, Cars));
             d.fillPlaces(Customer);
         },
         "Dear Salem  Ali, car 12-345\nPlate\nState\n0\n\n"},
        {"mail merge: one copy of the body per row, page breaks between", Places,
         [](OdtDocument& d) { d.mailMerge(Letters); }, "Dear Huda, car 1\n\nDear Omar, car 2\n"},
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        const QString path = writeTemplate(dir.filePath("t.odt"), row.body);
        const QByteArray before = fileHash(path);
        QString error;
        auto document = OdtDocument::open(path, &error);
        ASSERT_TRUE(document) << row.name << error.toStdString();
        row.fill(*document);
        EXPECT_EQ(document->text(), row.expected) << row.name;

        const QString copy = dir.filePath("copy.odt");
        QFile::remove(copy);
        ASSERT_TRUE(document->save(copy, &error)) << row.name << error.toStdString();
        EXPECT_EQ(fileHash(path), before) << row.name;
        auto reopened = OdtDocument::open(copy, &error);
        ASSERT_TRUE(reopened) << row.name;
        EXPECT_EQ(reopened->text(), row.expected) << row.name;
    }
}

// The author's indentation survives, the mimetype stays first and stored,
// and the declarations stay once ahead of merged copies.
TEST(OdtDocument, SavedCopyKeepsLayoutOfTheTemplate)
{
    QTemporaryDir dir;
    const QString path = writeTemplate(dir.filePath("t.odt"), Places);
    QString error;
    auto document = OdtDocument::open(path, &error);
    ASSERT_TRUE(document);
    document->mailMerge(Letters);
    const QString copy = dir.filePath("copy.odt");
    ASSERT_TRUE(document->save(copy, &error)) << error.toStdString();

    zip_t* archive = zip_open(QFile::encodeName(copy).constData(), ZIP_RDONLY, nullptr);
    ASSERT_NE(archive, nullptr);
    zip_stat_t stat;
    ASSERT_EQ(zip_stat_index(archive, 0, 0, &stat), 0);
    EXPECT_STREQ(stat.name, "mimetype");
    EXPECT_EQ(stat.comp_method, ZIP_CM_STORE);
    zip_discard(archive);

    const QString xml = QString::fromUtf8(document->content().serialize());
    EXPECT_TRUE(xml.contains("\n  <office:body>\n    <office:text><text:user-field-decls>"));
    EXPECT_TRUE(xml.contains("</text:p>\n    </office:text>\n  </office:body>\n</office:document-content>"));
    EXPECT_EQ(xml.count("<text:user-field-decls>"), 1);
    EXPECT_EQ(xml.count("style:name=\"IjarMergeBreak\""), 1);
    EXPECT_EQ(xml.count("text:user-field-get"), 0);
}

// A package whose entry unpacks past the limit (a zip bomb) is refused
// before that entry is unpacked, whichever entry it is.
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
    const struct {
        QString path;
        QString told;
    } rows[] = {{dir.filePath("none.odt"), {}}, {broken.fileName(), {}},
                {dir.filePath("content.odt"), "content.xml"}, {sound, "styles.xml"}};
    for (const auto& row : rows) {
        error.clear();
        EXPECT_FALSE(OdtDocument::open(row.path, &error)) << row.path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << row.path.toStdString();
        EXPECT_TRUE(error.contains(row.told) && error.contains(row.told.isEmpty() ? "" : "64 MB")) << error.toStdString();
    }
}
