#include "OdtTemplate.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
