#include "Catalogue.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The translation element the reader stands on: its text, or its plural forms.
QStringList translationTexts(QXmlStreamReader& xml)
{
    QStringList forms;
    QString text;
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
            forms << xml.readElementText();
        else if (xml.isCharacters())
            text += xml.text();
        else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
            break;
    }
    return forms.isEmpty() ? QStringList{text} : forms;
}

}

QString Catalogue::path()
{
    return QStringLiteral(IJAR_SOURCE_DIR "/translations/ijar_ar.ts");
}

QList<CatalogueMessage> Catalogue::read(const QString& file)
{
    QList<CatalogueMessage> messages;
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << "cannot read " << qPrintable(file);
    QXmlStreamReader xml(&f);
    QString context;
    CatalogueMessage message;
    bool gone = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = CatalogueMessage{};
                message.context = context;
                message.plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                message.unfinished = type == QLatin1String("unfinished");
                // Texts the sources no longer have are not the catalogue's.
                gone = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
                message.translations = translationTexts(xml);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (!gone)
                messages << message;
            gone = false;
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(file) << ": " << qPrintable(xml.errorString());
    return messages;
}
