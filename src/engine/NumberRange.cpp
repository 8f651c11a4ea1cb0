#include "engine/NumberRange.h"

#include "schema/Schema.h"

#include <QHash>

namespace {

using Kinds = QHash<QString, QHash<QString, ColumnKind>>;

// The kind of every column of the program's tables, by table and column, each
// in lower case and as the schema writes it.
const Kinds& columnKinds()
{
    static const Kinds kinds = [] {
        Kinds all;
        for (const TableDef& table : Schema::tables())
            for (const QString& tableName : {table.name, table.name.toLower()})
                for (const ColumnDef& column : table.columns) {
                    all[tableName].insert(column.name, column.kind);
                    all[tableName].insert(column.name.toLower(), column.kind);
                }
        return all;
    }();
    return kinds;
}

// Asked for every number field of every save: the name as given is found
// without a copy, the others folded.
template <typename Hash>
auto findFolded(const Hash& hash, const QString& name)
{
    const auto at = hash.constFind(name);
    return at != hash.cend() ? at : hash.constFind(name.trimmed().toLower());
}

}

NumberRange NumberRange::of(const QString& table, const QString& column)
{
    const auto columns = findFolded(columnKinds(), table);
    if (columns == columnKinds().cend())
        return {};
    const auto kind = findFolded(*columns, column);
    if (kind == columns->cend())
        return {};
    switch (*kind) {
    case ColumnKind::Money:
        return {12, 2, true};
    case ColumnKind::Real:
        return {12, 3, true};
    case ColumnKind::Key:
    case ColumnKind::Number:
        return {9, 0, false};
    case ColumnKind::Code:
        return {15, 0, false};
    case ColumnKind::Date:
        return {8, 0, false};
    case ColumnKind::Flag:
        return {1, 0, false};
    default:
        return {};
    }
}

bool NumberRange::fits(const QString& text, bool typing) const
{
    // A sign, ASCII digits, at most one point and nothing else: scanned, as
    // every number field is checked on every save and keystroke.
    const QStringView t = typing ? QStringView(text) : QStringView(text).trimmed();
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const qsizetype n = t.size();
    qsizetype i = 0;
    if (i < n && (t[i] == u'-' || t[i] == u'+')) {
        if (t[i] == u'-' && !m_negative)
            return false;
        ++i;
    }
    const qsizetype wholeStart = i;
    while (i < n && digit(t[i]))
        ++i;
    qsizetype whole = i - wholeStart;
    const bool point = i < n && t[i] == u'.';
    const qsizetype fractionStart = point ? ++i : i;
    while (i < n && digit(t[i]))
        ++i;
    qsizetype fraction = i - fractionStart;
    if (i != n || (!typing && whole == 0 && fraction == 0) || (typing && m_decimals == 0 && point))
        return false;
    for (qsizetype k = wholeStart; whole > 0 && t[k] == u'0'; ++k)
        --whole;
    // Typed zeros after the point are counted: the clerk sees what will be kept.
    if (!typing)
        while (fraction > 0 && t[fractionStart + fraction - 1] == u'0')
            --fraction;
    return whole <= m_digits && fraction <= m_decimals && whole + fraction <= m_total;
}

bool NumberRange::admits(const QString& text) const
{
    return fits(text, false);
}

bool NumberRange::admitsTyping(const QString& text) const
{
    return fits(text, true);
}

QString NumberRange::describe() const
{
    // Whole numbers are never negative.
    if (m_decimals == 0)
        return tr("a whole number from 0 to %1").arg(QString(m_digits, QLatin1Char('9')));
    if (m_total < m_digits + m_decimals)
        return tr("a number of at most %1 digits").arg(m_total);
    return tr("a number with at most %1 digits before the point and %2 after it").arg(m_digits).arg(m_decimals);
}
