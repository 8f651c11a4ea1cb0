#include "GoldenReport.h"

#include "reports/OdtDocument.h"
#include "reports/ShippedTemplates.h"
#include "reports/XmlNode.h"
#include "reports/cPrint.h"
#include "support/TestOffice.h"

#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QPdfSelection>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList framesWithPictures(const XmlNode& content)
{
    QStringList frames;
    const std::function<void(const XmlNode&)> visit = [&](const XmlNode& node) {
        if (node.isElement("draw:frame"))
            for (const XmlNode& child : node.children)
                if (child.isElement("draw:image") && !child.attribute("xlink:href").isEmpty())
                    frames.append(node.attribute("draw:name"));
        for (const XmlNode& child : node.children)
            visit(child);
    };
    visit(content);
    return frames;
}

}

FilledReport runShippedReport(TestOffice& office, qint64 reportId)
{
    ShippedTemplates::installMissing(office.file("templates"));
    FilledReport filled;
    filled.copy = cPrint(office.state()).PrintReport(reportId);
    filled.message = office.ui().lastMessage();
    if (filled.copy.isEmpty())
        return filled;
    QString error;
    const auto document = OdtDocument::open(filled.copy, &error);
    EXPECT_TRUE(document.has_value()) << error.toStdString();
    if (document) {
        filled.text = document->text();
        filled.pictures = framesWithPictures(document->content());
    }
    return filled;
}

void expectGolden(const QString& text, const QString& name)
{
    const QString path = QDir(QStringLiteral(IJAR_GOLDEN_DIR)).filePath(name + ".txt");
    QFile file(path);
    if (qEnvironmentVariableIntValue("IJAR_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(text.toUtf8());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no golden file " << path.toStdString();
    EXPECT_EQ(text, QString::fromUtf8(file.readAll())) << name.toStdString();
}

QString pdfText(const QString& path)
{
    QPdfDocument pdf;
    pdf.load(path);
    QString text;
    for (int page = 0; page < pdf.pageCount(); ++page)
        text += pdf.getAllText(page).text() + ' ';
    return text.simplified();
}

QString numberWords(const QString& words)
{
    QString latin;
    for (const QChar c : words) {
        if (c.script() == QChar::Script_Arabic)
            break;
        latin.append(c);
    }
    return latin.simplified();
}

QStringList missingWords(const QString& expected, const QString& text)
{
    QStringList missing;
    for (const QString& word : expected.split(' ', Qt::SkipEmptyParts))
        if (!text.contains(word))
            missing.append(word);
    return missing;
}
