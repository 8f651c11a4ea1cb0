#include "core/Database.h"

#include "core/SqliteFunctions.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <libpq-fe.h>
#include <sqlite3.h>

// Many rows into SQLite: one statement prepared once and stepped a row at a
// time costs less than reading one long list of rows, and each value is bound
// as the driver binds it, so that it is stored the same. A result's rows read
// into a RowSet.

namespace {

bool bindable(const QVariant& v)
{
    if (Database::storesNull(v))
        return true;
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::Bool: case QMetaType::UInt: case QMetaType::LongLong:
    case QMetaType::Double: case QMetaType::QString: case QMetaType::QByteArray:
        return true;
    default:
        return false;
    }
}

int bind(sqlite3_stmt* statement, int at, const QVariant& v)
{
    if (Database::storesNull(v))
        return sqlite3_bind_null(statement, at);
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::Bool:
        return sqlite3_bind_int(statement, at, v.toInt());
    case QMetaType::UInt: case QMetaType::LongLong:
        return sqlite3_bind_int64(statement, at, v.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, at, v.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = v.toByteArray();
        return sqlite3_bind_blob(statement, at, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QString text = v.toString();
        return sqlite3_bind_text16(statement, at, text.utf16(), int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
    }
    }
}

}

bool Database::storesNull(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString().isNull();
    case QMetaType::QByteArray:
        return v.toByteArray().isNull();
    default:
        return v.isNull();
    }
}

std::optional<qint64> Database::insertEach(const QString& sql, const QList<QVariantList>& rows,
                                           const std::function<QString(const QVariantList&)>& traced)
{
    for (const QVariantList& row : rows)
        for (const QVariant& v : row)
            if (!bindable(v))
                return std::nullopt;
    sqlite3* handle = sqliteHandle(connection());
    if (!handle)
        return std::nullopt;
    // All the rows or none, as one statement of them all would be.
    Transaction together(*this);
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    qint64 lastKey = 0;
    const bool trace = tracing();
    QString failedRow = sql;
    int result = sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr);
    for (qsizetype r = 0; result == SQLITE_OK && r < rows.size(); ++r) {
        const QVariantList& row = rows.at(r);
        for (int v = 0; result == SQLITE_OK && v < row.size(); ++v)
            result = bind(statement, v + 1, row.at(v));
        if (trace || result != SQLITE_OK)
            failedRow = traced(row);
        if (result != SQLITE_OK)
            break;
        // The keys come in no promised order; the last row's is the largest.
        while ((result = sqlite3_step(statement)) == SQLITE_ROW)
            lastKey = std::max(lastKey, qint64(sqlite3_column_int64(statement, 0)));
        if (result == SQLITE_DONE)
            result = sqlite3_reset(statement);
        else
            failedRow = traced(row);
        if (trace)
            m_hook(failedRow);
    }
    const QString message = result == SQLITE_OK ? QString() : QString::fromUtf8(sqlite3_errmsg(handle));
    const int code = sqlite3_extended_errcode(handle);
    sqlite3_finalize(statement);
    if (result != SQLITE_OK)
        failed(QSqlError(QStringLiteral("Unable to insert the rows"), message, QSqlError::StatementError,
                         QString::number(code)),
               failedRow);
    together.commit();
    return lastKey;
}

RowSet Database::columnsOf(const QSqlQuery& query)
{
    // A server's names are read from its result: the driver's record
    // describes each column in full. The same few shapes come back again and
    // again (a contract's 64 columns at every read), so their names and index
    // are kept, by the names' bytes.
    const QVariant handle = query.result()->handle();
    const char* type = handle.typeName();  // Qt's driver names the type by its structure
    const PGresult* result = type && (qstrcmp(type, "pg_result*") == 0 || qstrcmp(type, "PGresult*") == 0)
        ? *static_cast<PGresult* const*>(handle.constData())
        : nullptr;
    if (!result) {
        const QSqlRecord record = query.record();
        QStringList names;
        names.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i);
        return RowSet(std::move(names), {});
    }
    const int count = PQnfields(result);
    QByteArray key;
    for (int i = 0; i < count; ++i)
        key.append(PQfname(result, i)).append('\0');
    if (const auto kept = m_shapes.constFind(key); kept != m_shapes.cend())
        return *kept;
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QString::fromUtf8(PQfname(result, i));
    if (m_shapes.size() >= KeptShapes)
        m_shapes.clear();
    return *m_shapes.insert(key, RowSet(std::move(names), {}));
}

RowSet Database::readAll(QSqlQuery& query, const QString& original)
{
    if (!query.isSelect())
        return {};
    const RowSet shape = columnsOf(query);
    const qsizetype columns = shape.columns().size();
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << query.value(i);
        rows << std::move(row);
    }
    // Rows come one at a time: a failure part-way ends the list early.
    if (query.lastError().isValid())
        failed(query.lastError(), original);
    return shape.withRows(std::move(rows));
}
