#pragma once

#include "XmlNode.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Rows of a report query, already turned into the text the document shows.
struct ReportRows {
    QStringList columns;
    QList<QStringList> rows;
};

// An OpenDocument text template being filled. Places are user fields
// (Insert > Field > More Fields > Variables > User Field in Writer): a field
// named like a query column is replaced by the column's value. Tables are
// found by their name, "table1", "table2", ...: the table's last row is the
// template row, every row above it is kept as the heading, and the template
// row is copied once per result row, its n-th cell taking the n-th column.
// The template file is only read; save() writes a separate copy.
class OdtDocument {
public:
    static std::optional<OdtDocument> open(const QString& templatePath, QString* error);

    // Fills the places named like the columns with the first row; returns how
    // many places were filled (0 when the document has none of them).
    int fillPlaces(const ReportRows& data);
    // False when the document has no table of that number.
    bool fillTable(int number, const ReportRows& data);
    // One copy of the body per row, its places filled from that row, each copy
    // on a new page.
    void mailMerge(const ReportRows& data);

    // The text a reader sees: one line per paragraph or heading, in order.
    QString text() const;
    bool save(const QString& path, QString* error) const;

    const XmlNode& content() const { return m_content; }

private:
    OdtDocument(QString templatePath, XmlNode content)
        : m_templatePath(std::move(templatePath)), m_content(std::move(content)) {}

    QString m_templatePath;
    XmlNode m_content;
};
