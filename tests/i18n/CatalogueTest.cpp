#include "Catalogue.h"

#include "core/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Translations::Language;

// The program carries the catalogue it was built from: under Arabic every
// translation of the catalogue is what the program shows, and under English
// the source text. Every text of the sources has its Arabic there, none still
// marked unfinished: lupdate run over the sources into a copy of the catalogue
// adds nothing that waits for its Arabic.
TEST(Catalogue, HoldsEveryTextOfTheSourcesTranslatedAndIsEmbeddedInTheProgram)
{
    const QList<CatalogueMessage> messages = readCatalogue();
    EXPECT_FALSE(messages.isEmpty());
    for (const Language language : {Language::Arabic, Language::English}) {
        EXPECT_EQ(Translations::apply(language).join('\n').toStdString(), "");
        for (const CatalogueMessage& m : messages)
            EXPECT_EQ(QCoreApplication::translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                      language == Language::Arabic ? m.translation : m.source)
                << m.context.toStdString() << ": " << m.source.toStdString();
    }
    const QString lupdate = QStringLiteral(IJAR_LUPDATE);
    if (lupdate.isEmpty() || !QFileInfo(lupdate).isExecutable())
        GTEST_SKIP() << "lupdate is missing: install qt6-l10n-tools (./ijar.sh test does)";
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("ijar_ar.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(IJAR_SOURCE_DIR "/translations/ijar_ar.ts"), copy));
    ASSERT_EQ(QProcess::execute(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                          QStringLiteral(IJAR_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy}),
              0);
    for (const CatalogueMessage& m : readCatalogue(copy))
        EXPECT_TRUE(!m.unfinished && !m.translation.isEmpty())
            << "not translated: " << m.context.toStdString() << ": " << m.source.toStdString();
}
