#pragma once

#include "XmlNode.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Rows of a report query, already turned into the text the document shows.
struct ReportRows {
    QStringList columns;
    QList<QStringList> rows;
    // Pictures of the first row, by column name (their text is empty).
    QHash<QString, QByteArray> pictures = {};
};

// An OpenDocument text template being filled. Places are user fields
// (Insert > Field > More Fields > Variables > User Field in Writer): a field
// named like a query column is replaced by the column's value. Tables are
// found by their name, "table1", "table2", ...: the table's last row is the
// template row, every row above it is kept as the heading, and the template
// row is copied once per result row, its n-th cell taking the n-th column.
// Pictures go into frames (Insert > Image, then name the frame in its
// properties) named like a query column holding a picture, or like a file
// given to setPicture; a frame left without a picture is taken out.
// The template file is only read; save() writes a separate copy.
class OdtDocument {
public:
    static std::optional<OdtDocument> open(const QString& templatePath, QString* error);

    // Fills the places named like the columns with the first row; returns how
    // many places were filled (0 when the document has none of them).
    int fillPlaces(const ReportRows& data);
    // Puts the picture into the frame of that name; the file suffix its
    // format calls for ("png", "jpg"...), or empty when there is no such
    // frame or the data is no picture.
    QString setPicture(const QString& frameName, const QByteArray& image);
    QStringList frameNames() const;
    // An empty picture frame of that size, in a paragraph of its own at the
    // end of the body: the place of a picture the document must carry even
    // when its template has none. False when the document has no text body.
    bool addPictureFrame(const QString& name, const QString& width, const QString& height);
    // False when the document has no table of that number.
    bool fillTable(int number, const ReportRows& data);
    // One copy of the body per row, its places filled from that row, each copy
    // on a new page.
    void mailMerge(const ReportRows& data);

    // The text a reader sees: one line per paragraph or heading, in order.
    QString text() const;
    // Writes the copy, taking out the frames still without a picture.
    bool save(const QString& path, QString* error);

    const XmlNode& content() const { return m_content; }

private:
    OdtDocument(QString templatePath, XmlNode content)
        : m_templatePath(std::move(templatePath)), m_content(std::move(content)) {}

    QString m_templatePath;
    XmlNode m_content;
    QList<QPair<QString, QByteArray>> m_pictures;  // package path, data
};
