// What filling a report costs: a table of 1,000 rows of six columns filled
// into a template and the copy written, against writing the same table as
// plain XML into a document with no template work; and the time LibreOffice
// takes to turn the filled copy into a PDF.
#include "BenchUI.h"

#include "core/RunState.h"
#include "reports/LibreOffice.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamWriter>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 1000;
const QStringList Columns{"PLATENO", "NAME", "MODEL", "COLOR", "METER", "STATE"};

const char* const Namespaces[][2] = {
    {"office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
    {"table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
};

ReportRows fleet()
{
    ReportRows rows{Columns, {}};
    for (int i = 0; i < Rows; ++i)
        rows.rows.append({QStringLiteral("%1/%2").arg(i % 30).arg(10000 + i), QStringLiteral("سيارة %1").arg(i),
                          QStringLiteral("2024"), QStringLiteral("أبيض"), QString::number(12000 + i * 7),
                          i % 3 ? QStringLiteral("متاحة") : QStringLiteral("مؤجرة")});
    return rows;
}

void cell(QXmlStreamWriter& xml, const QString& text)
{
    xml.writeStartElement(QStringLiteral("table:table-cell"));
    xml.writeTextElement(QStringLiteral("text:p"), text);
    xml.writeEndElement();
}

// The document's content: a heading row and either the template row or every data row.
QByteArray content(const QList<QStringList>& body)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("office:document-content"));
    for (const auto& ns : Namespaces)
        xml.writeAttribute(QStringLiteral("xmlns:") + QLatin1String(ns[0]), QLatin1String(ns[1]));
    xml.writeStartElement(QStringLiteral("office:body"));
    xml.writeStartElement(QStringLiteral("office:text"));
    xml.writeStartElement(QStringLiteral("table:table"));
    xml.writeAttribute(QStringLiteral("table:name"), QStringLiteral("table1"));
    for (const QStringList& row : QList<QStringList>{Columns} + body) {
        xml.writeStartElement(QStringLiteral("table:table-row"));
        for (const QString& text : row)
            cell(xml, text);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}

struct Folder {
    QTemporaryDir dir;
    QString templateFile = dir.filePath(QStringLiteral("fleet.odt"));
    Folder()
    {
        QString error;
        OdtPackage::write(templateFile, {{QStringLiteral("content.xml"), content({QStringList(Columns.size())})}},
                          &error);
    }
};

void BM_FillTableOf1000Rows(benchmark::State& state)
{
    Folder folder;
    const ReportRows rows = fleet();
    const QString copy = folder.dir.filePath(QStringLiteral("copy.odt"));
    for (auto _ : state) {
        QString error;
        auto document = OdtDocument::open(folder.templateFile, &error);
        document->fillTable(1, rows);
        if (!document->save(copy, &error))
            state.SkipWithError(qPrintable(error));
        QFile::remove(copy);
    }
}
BENCHMARK(BM_FillTableOf1000Rows)->Unit(benchmark::kMillisecond);

void BM_PlainXmlOf1000Rows(benchmark::State& state)
{
    Folder folder;
    const ReportRows rows = fleet();
    const QString copy = folder.dir.filePath(QStringLiteral("plain.odt"));
    for (auto _ : state) {
        QString error;
        if (!OdtPackage::write(copy, {{QStringLiteral("content.xml"), content(rows.rows)}}, &error))
            state.SkipWithError(qPrintable(error));
        QFile::remove(copy);
    }
}
BENCHMARK(BM_PlainXmlOf1000Rows)->Unit(benchmark::kMillisecond);

void BM_LibreOfficePdfOf1000Rows(benchmark::State& state)
{
    Folder folder;
    RunState run(folder.dir.path(), std::make_unique<BenchUI>());
    if (LibreOffice::program().isEmpty()) {
        state.SkipWithError("LibreOffice is not installed");
        return;
    }
    const QString copy = folder.dir.filePath(QStringLiteral("copy.odt"));
    QString error;
    auto document = OdtDocument::open(folder.templateFile, &error);
    document->fillTable(1, fleet());
    document->save(copy, &error);
    LibreOffice office(run);
    office.toPdf(copy, &error);  // the first run makes LibreOffice's profile
    for (auto _ : state)
        if (office.toPdf(copy, &error).isEmpty())
            state.SkipWithError(qPrintable(error));
}
BENCHMARK(BM_LibreOfficePdfOf1000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

}
