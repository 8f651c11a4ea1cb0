// The document filler: any content.xml as a template, filled with any values
// by places, tables and mail merge, then saved.
#include "FuzzInput.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QList<QString> parts = fuzzParts(data, size, 3);
    const QString templatePath = folder.filePath(QStringLiteral("template.odt"));
    QString error;
    if (!OdtPackage::write(templatePath, {{QStringLiteral("content.xml"), parts.at(0).toUtf8()}}, &error))
        return 0;
    std::optional<OdtDocument> document = OdtDocument::open(templatePath, &error);
    if (!document)
        return 0;
    ReportRows rows;
    rows.columns = parts.at(1).split(QLatin1Char(','));
    for (const QString& line : parts.at(2).split(QLatin1Char('\n')))
        rows.rows << line.split(QLatin1Char(','));
    document->fillPlaces(rows);
    document->fillTable(1, rows);
    document->mailMerge(rows);
    document->text();
    document->save(folder.filePath(QStringLiteral("filled.odt")), &error);
    return 0;
}
