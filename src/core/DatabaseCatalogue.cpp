#include "core/Database.h"

// What the database holds: its tables, their columns and keys, from the
// engine's own catalogue.

bool Database::tableExists(const QString& table)
{
    if (m_dialect == SqlDialect::PostgreSQL)
        return !executeBound(QStringLiteral("SELECT 1 FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n "
                                            "ON n.oid = c.relnamespace WHERE n.nspname = current_schema() "
                                            "AND c.relkind IN ('r','v','p') AND c.relname = lower(?)"),
                             {table.trimmed()}).isEmpty();
    return !executeBound(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type IN ('table','view') AND name = ? COLLATE NOCASE"),
                         {table}).isEmpty();
}

QStringList Database::tables()
{
    const RowSet r = m_dialect == SqlDialect::PostgreSQL
        ? executeBound(QStringLiteral("SELECT c.relname::text FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n "
                                      "ON n.oid = c.relnamespace WHERE n.nspname = current_schema() "
                                      "AND c.relkind IN ('r','p') ORDER BY 1"),
                       {})
        : executeBound(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                      "AND substr(name, 1, 7) <> 'sqlite_' ORDER BY 1"),
                       {});
    QStringList names;
    for (int i = 0; i < r.count(); ++i)
        names << r.value(i, 0).toString();
    return names;
}

QStringList Database::columnsOf(const QString& table)
{
    const RowSet r = m_dialect == SqlDialect::PostgreSQL
        ? executeBound(QStringLiteral("SELECT column_name::text FROM information_schema.columns WHERE table_schema = "
                                      "current_schema() AND table_name = lower(?) ORDER BY ordinal_position"),
                       {table.trimmed()})
        : executeBound(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
    QStringList names;
    for (int i = 0; i < r.count(); ++i)
        names << r.value(i, 0).toString();
    return names;
}

QString Database::primaryKeyOf(const QString& table)
{
    const RowSet r = m_dialect == SqlDialect::PostgreSQL
        ? executeBound(QStringLiteral("SELECT a.attname::text FROM pg_catalog.pg_index i JOIN pg_catalog.pg_attribute a "
                                      "ON a.attrelid = i.indrelid AND a.attnum = ANY(i.indkey) JOIN pg_catalog.pg_class c "
                                      "ON c.oid = i.indrelid JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
                                      "WHERE i.indisprimary AND n.nspname = current_schema() AND c.relname = lower(?)"),
                       {table.trimmed()})
        : executeBound(QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0"), {table});
    return r.isEmpty() ? QString() : r.value(0, 0).toString();
}
