#include "core/RowSet.h"

#include "core/AppError.h"

RowSet::RowSet(QStringList columns, QList<QVariantList> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows))
{
    // The first of two equal names wins, as in a join: the last written stays.
    m_index.reserve(m_columns.size());
    for (qsizetype i = m_columns.size() - 1; i >= 0; --i)
        m_index.insert(m_columns[i].toLower(), int(i));
}

RowSet RowSet::withRows(QList<QVariantList> rows) const
{
    RowSet set;
    set.m_columns = m_columns;
    set.m_index = m_index;
    set.m_rows = std::move(rows);
    return set;
}

bool RowSet::hasColumn(const QString& name) const
{
    return m_index.contains(name) || m_index.contains(name.toLower());
}

int RowSet::columnIndex(const QString& name) const
{
    // Names asked in lower case, as the screens' definitions keep them, are
    // found as given.
    auto it = m_index.constFind(name);
    if (it == m_index.constEnd())
        it = m_index.constFind(name.toLower());
    if (it == m_index.constEnd())
        throw AppError(ErrorNumber::UnknownColumn,
                       QStringLiteral("Item cannot be found in the collection: ") + name,
                       QStringLiteral("RowSet"));
    return *it;
}

QVariant RowSet::value(int row, const QString& column) const
{
    return value(row, columnIndex(column));
}

QVariant RowSet::value(int row, int column) const
{
    if (row < 0 || row >= count())
        throw AppError(ErrorNumber::UnknownColumn,
                       QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."),
                       QStringLiteral("RowSet"));
    return m_rows[row].value(column);
}

QString RowSet::text(int row, const QString& column) const
{
    const QVariant v = value(row, column);
    return v.isNull() ? QString() : v.toString();
}
