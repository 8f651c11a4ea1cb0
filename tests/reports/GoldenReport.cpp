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
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

int userFields(const XmlNode& node)
{
    int left = node.isElement("text:user-field-get") ? 1 : 0;
    for (const XmlNode& child : node.children)
        left += userFields(child);
    return left;
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
        filled.placesLeft = userFields(document->content());
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

QStringList missingWords(const QString& expected, const QString& text)
{
    // Words only: a right-to-left line turns its brackets and moves its punctuation.
    const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : word.globalMatch(text))
        found.insert(m.captured());
    QStringList missing;
    for (const QRegularExpressionMatch& m : word.globalMatch(expected))
        if (!found.contains(m.captured()))
            missing.append(m.captured());
    return missing;
}
