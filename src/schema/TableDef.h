#pragma once

#include "core/SqlDialect.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a column holds; the engine type follows from it (see columnType).
enum class ColumnKind {
    Key,    // 64-bit identity key, numbered by the database
    Number, // whole number: counts, meters, references to other keys
    Code,   // whole number naming something outside the office (an identity card)
    Real,   // fractional number that is not money (percentages)
    Money,  // amounts
    Date,   // yyyymmdd as a whole number
    Time,   // hhmmss as six characters
    Flag,   // 0 or 1
    Text,   // compared without regard to case
    Blob    // pictures
};

struct ColumnDef {
    QString name;
    ColumnKind kind;
    // Default for rows inserted without this column. Numbers, flags and amounts
    // start at 0, so a row made by the new-record dialog already reads as
    // "not returned", "not rented"...
    // An empty text means the kind's default.
    QString defaultValue = {};
};

struct IndexDef {
    QStringList columns;
    bool unique = false;
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    QList<IndexDef> indexes;

    QString keyColumn() const;
    bool hasColumn(const QString& column) const;
};

namespace TableDdl {
// Column or table name quoted for the dialect (every name is quoted: COLUMN,
// TYPE, DEFAULT and USER are column names here).
QString quoted(const QString& name, SqlDialect dialect);
QString columnType(const ColumnDef& column, SqlDialect dialect);
// Name, type and default, as CREATE TABLE and ADD COLUMN write a column.
QString columnDefinition(const ColumnDef& column, SqlDialect dialect);
// CREATE TABLE followed by its CREATE INDEX statements.
QStringList statements(const TableDef& table, SqlDialect dialect);
}
