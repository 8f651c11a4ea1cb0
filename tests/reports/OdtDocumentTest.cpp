#include "OdtTemplate.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zip.h>

// A merged copy keeps the author's indentation, the mimetype stays first and
// stored, and the declarations stay once ahead of the merged copies.
TEST(OdtDocument, SavedCopyKeepsLayoutOfTheTemplate)
{
    QTemporaryDir dir;
    const QString path = writeTemplate(dir.filePath("t.odt"),
                                       "      <text:p>Dear <text:user-field-get text:name=\"CUSTNAME\">x"
                                       "</text:user-field-get></text:p>");
    QString error;
    auto document = OdtDocument::open(path, &error);
    ASSERT_TRUE(document);
    document->mailMerge({{"CUSTNAME"}, {{"Huda"}, {"Omar"}}});
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
