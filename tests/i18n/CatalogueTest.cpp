#include "Catalogue.h"

#include "core/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Translations::Language;

namespace {

QString describe(const CatalogueMessage& m)
{
    return m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
}

}

// Every text of the catalogue has its Arabic, none still marked unfinished.
TEST(Catalogue, EveryTextIsTranslated)
{
    const QList<CatalogueMessage> messages = Catalogue::read();
    EXPECT_FALSE(messages.isEmpty());
    for (const CatalogueMessage& m : messages) {
        const bool empty = m.translations.contains(QString());
        EXPECT_TRUE(!m.unfinished && !empty)
            << (empty ? "no translation: " : "unfinished: ") << describe(m).toStdString();
    }
}

// The sources hold no text the catalogue lacks: lupdate run over them into a
// copy of the catalogue finds nothing new.
TEST(Catalogue, HoldsEveryTextOfTheSources)
{
    const QString lupdate = QStringLiteral(IJAR_LUPDATE);
    if (lupdate.isEmpty() || !QFileInfo(lupdate).isExecutable())
        GTEST_SKIP() << "lupdate is missing: install qt6-l10n-tools (./ijar.sh test does)";
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("ijar_ar.ts"));
    ASSERT_TRUE(QFile::copy(Catalogue::path(), copy));
    QProcess run;
    run.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                        QStringLiteral(IJAR_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    QSet<QString> known;
    for (const CatalogueMessage& m : Catalogue::read())
        known << describe(m);
    for (const CatalogueMessage& m : Catalogue::read(copy))
        EXPECT_TRUE(known.contains(describe(m))) << "not in the catalogue: " << describe(m).toStdString();
}

// The program carries the catalogue it was built from: under Arabic every
// translation of the catalogue is what the program shows, and under English
// the source text.
TEST(Catalogue, IsEmbeddedInTheProgram)
{
    ASSERT_TRUE(QFile::exists(Translations::catalogue(Language::Arabic)));
    const QList<CatalogueMessage> messages = Catalogue::read();
    for (const Language language : {Language::Arabic, Language::English}) {
        EXPECT_EQ(Translations::apply(language).join('\n').toStdString(), "");
        for (const CatalogueMessage& m : messages) {
            if (m.unfinished || m.plural || m.translations.value(0).isEmpty())
                continue;
            const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8(), comment = m.comment.toUtf8();
            const QString shown = QCoreApplication::translate(context.constData(), source.constData(),
                                                              comment.isEmpty() ? nullptr : comment.constData());
            EXPECT_EQ(shown, language == Language::Arabic ? m.translations.first() : m.source)
                << describe(m).toStdString();
        }
    }
}
