#include "core/Database.h"

#include "core/SqliteFunctions.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

#include <charconv>
#include <cmath>
#include <string>
#include <sqlite3.h>

// What tells a cache that the rows it keeps are still the stored ones, and a
// server's statement that takes its values in its text.

namespace {

// PRAGMA data_version: changes with every commit of another connection, never
// with this one's own, which are counted apart.
qint64 othersCommits(sqlite3* handle)
{
    sqlite3_stmt* statement = nullptr;
    qint64 version = -1;
    if (sqlite3_prepare_v2(handle, "PRAGMA data_version", -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        version = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return version;
}

// The table a plain write names ("insert into T", "update T", "delete from
// T"), so that the journal's long inserts are not searched through; empty for
// any other statement, which is searched whole.
QStringView writtenTable(QStringView sql)
{
    const auto word = [&sql]() -> QStringView {
        while (!sql.isEmpty() && sql.front().isSpace())
            sql = sql.sliced(1);
        qsizetype n = 0;
        if (sql.startsWith(u'"')) {
            n = sql.indexOf(u'"', 1);
            const QStringView quoted = n > 0 ? sql.sliced(1, n - 1) : QStringView();
            sql = n > 0 ? sql.sliced(n + 1) : QStringView();
            return quoted;
        }
        while (n < sql.size() && (sql[n].isLetterOrNumber() || sql[n] == u'_'))
            ++n;
        const QStringView w = sql.first(n);
        sql = sql.sliced(n);
        return w;
    };
    const QStringView verb = word();
    if (verb.compare(QLatin1String("update"), Qt::CaseInsensitive) == 0)
        return word();
    const QLatin1String preposition = verb.compare(QLatin1String("insert"), Qt::CaseInsensitive) == 0 ? QLatin1String("into")
                                    : verb.compare(QLatin1String("delete"), Qt::CaseInsensitive) == 0 ? QLatin1String("from")
                                                                                                       : QLatin1String();
    return preposition.isEmpty() || word().compare(preposition, Qt::CaseInsensitive) != 0 ? QStringView() : word();
}

}

QString Database::tablesStamp(const QStringList& tables, const QString& version)
{
    // The same few lists are asked about again and again.
    if (tables != m_askedTables) {
        for (const QString& table : tables)
            if (!m_watched.contains(table.trimmed().toLower()))
                m_watched << table.trimmed().toLower();
        m_askedTables = tables;
        m_askedKey = tables.join(QLatin1Char(',')).toLower();
    }
    const QString& key = m_askedKey;
    const auto known = m_stamps.constFind(key);
    quint64 seen = m_transactions;
    if (m_dialect == SqlDialect::SQLite) {
        sqlite3* handle = isOpen() ? sqliteHandle(connection()) : nullptr;
        const qint64 others = handle ? othersCommits(handle) : -1;
        // Nothing to go by: an answer no later one repeats.
        if (others < 0)
            return QStringLiteral("%1/%2").arg(m_path).arg(++m_watchedWrites);
        seen = quint64(others);
        if (known != m_stamps.cend() && known->seen == seen && known->writes == m_watchedWrites)
            return known->value;
    } else if (m_depth > 0 && known != m_stamps.cend() && known->seen == m_transactions
               && known->writes == m_watchedWrites) {
        // Within a transaction the tables are taken as they were at its first
        // question, unless this connection writes them.
        return known->value;
    }
    const QString value = m_path + QLatin1Char('/') + stampOf(tables, version);
    m_stamps.insert(key, {seen, m_watchedWrites, value});
    return value;
}

void Database::forgetStamps()
{
    m_stampQuery.reset();
    m_stampSql.clear();
    m_versionTable.clear();
    m_stamps.clear();
}

QString Database::stampOf(const QStringList& tables, const QString& version)
{
    if (m_versionTable != version) {
        m_versionTable = version;
        m_versionKept = !version.isEmpty() && tableExists(m_dialect == SqlDialect::PostgreSQL ? version.toLower() : version);
        m_stampQuery.reset();
    }
    QString sql;
    if (m_versionKept) {
        sql = QStringLiteral("SELECT VERSION FROM ") + version;
    } else if (m_dialect == SqlDialect::SQLite) {
        return QStringLiteral("%1/%2").arg(othersCommits(sqliteHandle(connection()))).arg(m_watchedWrites);
    } else {
        // Every write gives a row a new xmin; a delete changes the count.
        QStringList parts;
        for (const QString& table : tables)
            parts << QStringLiteral("(SELECT count(*) || '.' || coalesce(sum(xmin::text::bigint), 0) FROM %1)")
                         .arg(table.trimmed().toLower());
        sql = QStringLiteral("SELECT ") + parts.join(QStringLiteral(" || '/' || "));
    }
    ensureOpen(sql);
    // A write held back would go unseen by the stamp's own statement.
    for (const Ahead& a : std::as_const(m_ahead))
        if (a.write) {
            sendAhead();
            break;
        }
    // Planned once a connection: on a server, planning costs more than running.
    if (!m_stampQuery || m_stampSql != sql) {
        m_stampQuery = std::make_unique<QSqlQuery>(connection());
        m_stampQuery->setForwardOnly(true);
        m_stampSql = m_stampQuery->prepare(sql) ? sql : QString();
    }
    const bool ok = !m_stampSql.isEmpty() && m_stampQuery->exec();
    if (m_hook)
        m_hook(sql);
    if (!ok) {
        const QSqlError error = m_stampQuery->lastError();
        m_stampQuery.reset();
        m_stampSql.clear();
        failed(error, sql);
    }
    const QString value = m_stampQuery->next() ? m_stampQuery->value(0).toString() : QString();
    m_stampQuery->finish();
    return value;
}

void Database::noteWrite(const QString& nativeSql)
{
    if (m_watched.isEmpty())
        return;
    const QStringView sql = QStringView(nativeSql).trimmed();
    if (sql.startsWith(QLatin1String("select"), Qt::CaseInsensitive))
        return;
    const QStringView table = writtenTable(sql);
    for (const QString& watched : std::as_const(m_watched))
        if (table.isEmpty() ? sql.contains(watched, Qt::CaseInsensitive)
                            : table.compare(watched, Qt::CaseInsensitive) == 0) {
            ++m_watchedWrites;
            return;
        }
}

QString Database::withValues(const QString& nativeSql, const QVariantList& values) const
{
    // Built in a plain buffer: the journal's hundreds of values a save would
    // otherwise each go through QString's appends.
    std::u16string sql;
    sql.reserve(size_t(nativeSql.size() + 16 * values.size()));
    qsizetype next = 0;
    qsizetype copied = 0;  // what of the statement is in `sql` already
    const auto* const text = reinterpret_cast<const char16_t*>(nativeSql.constData());
    char16_t quote = 0;
    for (qsizetype i = 0; i < nativeSql.size(); ++i) {
        const char16_t c = text[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
            continue;
        }
        if (c != u'?')
            continue;
        if (next == values.size())
            return {};
        sql.append(text + copied, size_t(i - copied));
        copied = i + 1;
        if (!appendValue(sql, values.at(next++)))
            return {};
    }
    sql.append(text + copied, size_t(nativeSql.size() - copied));
    return next == values.size() ? QString(reinterpret_cast<const QChar*>(sql.data()), qsizetype(sql.size())) : QString();
}

bool Database::appendValue(std::u16string& sql, const QVariant& v) const
{
    const auto whole = [&sql](auto n) {
        char digits[24];
        const char* const end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        sql += u'\'';
        for (const char* d = digits; d != end; ++d)
            sql += char16_t(*d);
        sql += u'\'';
    };
    const auto append = [&sql](const QString& text) {
        sql.append(reinterpret_cast<const char16_t*>(text.constData()), size_t(text.size()));
    };
    switch (v.typeId()) {
    // Untyped, as a bound value: the statement gives it its type.
    case QMetaType::Int:
        v.isNull() ? void(sql += u"NULL") : whole(*static_cast<const int*>(v.constData()));
        return true;
    case QMetaType::LongLong:
        v.isNull() ? void(sql += u"NULL") : whole(*static_cast<const qlonglong*>(v.constData()));
        return true;
    case QMetaType::UInt: case QMetaType::ULongLong:
        v.isNull() ? void(sql += u"NULL") : whole(v.toULongLong());
        return true;
    case QMetaType::Double: {
        if (v.isNull()) {
            sql += u"NULL";
            return true;
        }
        const double d = v.toDouble();
        if (!std::isfinite(d))
            return false;
        sql += u'\'';
        append(QString::number(d, 'g', QLocale::FloatingPointShortest));
        sql += u'\'';
        return true;
    }
    case QMetaType::QString: {
        const QString& value = *static_cast<const QString*>(v.constData());
        if (value.isNull()) {
            sql += u"NULL";
            return true;
        }
        bool doubled = false, backslash = false;
        for (const QChar c : value) {
            // A null character would end the text: bound, the server says so.
            if (c.isNull())
                return false;
            doubled = doubled || c == u'\'';
            backslash = backslash || c == u'\\';
        }
        // Without a backslash every setting of the server reads a text with
        // its quotes doubled; with one, the driver's own quoting follows the
        // server's settings.
        if (backslash) {
            QSqlField field(QString(), v.metaType());
            field.setValue(v);
            append(connection().driver()->formatValue(field));
            return true;
        }
        sql += u'\'';
        if (doubled) {
            for (const QChar c : value) {
                if (c == u'\'')
                    sql += u'\'';
                sql += c.unicode();
            }
        } else {
            append(value);
        }
        sql += u'\'';
        return true;
    }
    default:
        if (!storesNull(v))
            return false;
        sql += u"NULL";
        return true;
    }
}
