#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The rows of one query, read all at once so that the count is known.
// Columns are found by name without regard to case; values may be null.
class RowSet {
public:
    RowSet() = default;
    RowSet(QStringList columns, QList<QVariantList> rows);
    // These columns, names and index shared, with other rows.
    RowSet withRows(QList<QVariantList> rows) const;

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QStringList& columns() const { return m_columns; }
    bool hasColumn(const QString& name) const;

    // Value of a column in a row; throws AppError for an unknown column.
    QVariant value(int row, const QString& column) const;
    QVariant value(int row, int column) const;
    // Text of a value, null and empty alike giving "".
    QString text(int row, const QString& column) const;

private:
    int columnIndex(const QString& name) const;

    QStringList m_columns;
    QHash<QString, int> m_index;  // lower-case name -> position
    QList<QVariantList> m_rows;
};
