#include "OdtTemplate.h"

#include "core/Database.h"
#include "reports/OdtPackage.h"
#include "support/TestOffice.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// The content of a minimal .odt, indented with whitespace between elements
// as Writer lays one out.
QByteArray contentXml(const QString& body)
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<office:document-content"
               " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
               " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
               " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
               " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
               " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
               " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\""
               " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
               " office:version=\"1.3\">\n"
               "  <office:automatic-styles/>\n"
               "  <office:body>\n"
               "    <office:text>\n"
               "      <text:user-field-decls><text:user-field-decl office:value-type=\"string\""
               " office:string-value=\"\" text:name=\"CUSTNAME\"/></text:user-field-decls>\n"
               "%1\n"
               "    </office:text>\n"
               "  </office:body>\n"
               "</office:document-content>\n")
        .arg(body)
        .toUtf8();
}

}

QString writeTemplate(const QString& path, const QString& body)
{
    QString error;
    EXPECT_TRUE(OdtPackage::write(path, {{"content.xml", contentXml(body)}}, &error)) << error.toStdString();
    return path;
}

void defineReports(Database& db, const QList<QVariantList>& reports, const QList<QVariantList>& steps)
{
    db.command("delete from _RPTDETAIL");
    db.command("delete from _RPT");
    db.insertRows("_RPT", {"RPTID", "RPTNAME", "WINDOWNAME", "ONOFF", "displayorder", "Rptfilename"}, reports);
    if (!steps.isEmpty())
        db.insertRows("_RPTDETAIL",
                      {"RPTDETAILID", "RPTID", "RPTDETAILTYPE", "ONOFF", "TABLENBR", "SQLStatement", "BINDVARS"},
                      steps);
}

void defineLetter(TestOffice& office, const QString& body, const QList<Step>& steps)
{
    QDir().mkpath(office.file("templates"));
    writeTemplate(office.file("templates/letter.odt"), body);
    QList<QVariantList> rows;
    for (const Step& step : steps)
        rows.append({rows.size() + 1, 1, step.type, step.onoff, step.table, step.sql, step.bindVariables});
    defineReports(office.db(), {{1, "Letter", "frmCustomers", 1, 1, "letter.odt"}}, rows);
}
