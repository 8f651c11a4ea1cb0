#pragma once

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

// A message of a translation catalogue (.ts) as the tests need it.
struct CatalogueMessage {
    QString context, source, translation;
    bool unfinished = false;
};

// The messages of a .ts file, the catalogue in the source tree unless told,
// that the sources still have; a file that cannot be read fails the test.
// Ijar's texts need no disambiguating comments, so none are read.
inline QList<CatalogueMessage> readCatalogue(const QString& file = IJAR_SOURCE_DIR "/translations/ijar_ar.ts")
{
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << "cannot read " << qPrintable(file);
    QXmlStreamReader xml(&f);
    QList<CatalogueMessage> messages;
    CatalogueMessage m;
    // The translation comes last in a message.
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            m.context = xml.readElementText();
        else if (xml.name() == u"source")
            m.source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value(QLatin1String("type"));
            m.unfinished = type == u"unfinished";
            m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type != u"vanished" && type != u"obsolete")
                messages << m;
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(file) << ": " << qPrintable(xml.errorString());
    return messages;
}
