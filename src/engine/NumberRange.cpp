#include "engine/NumberRange.h"

#include "schema/Schema.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// The kind of every column of the program's tables, by "table.column" in lower case.
const QHash<QString, ColumnKind>& columnKinds()
{
    static const QHash<QString, ColumnKind> kinds = [] {
        QHash<QString, ColumnKind> all;
        for (const TableDef& table : Schema::tables())
            for (const ColumnDef& column : table.columns)
                all.insert(table.name.toLower() + QLatin1Char('.') + column.name.toLower(), column.kind);
        return all;
    }();
    return kinds;
}

}

NumberRange NumberRange::of(const QString& table, const QString& column)
{
    const auto kind = columnKinds().constFind(table.trimmed().toLower() + QLatin1Char('.') + column.trimmed().toLower());
    if (kind == columnKinds().cend())
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
    static const QRegularExpression shape(QStringLiteral(R"(^([-+]?)(\d*)(?:\.(\d*))?$)"));
    const QRegularExpressionMatch m = shape.match(typing ? text : text.trimmed());
    if (!m.hasMatch())
        return false;
    if (m.captured(1) == QLatin1String("-") && !m_negative)
        return false;
    QString whole = m.captured(2);
    QString fraction = m.captured(3);
    if (!typing && whole.isEmpty() && fraction.isEmpty())
        return false;
    if (typing && m_decimals == 0 && m.capturedStart(3) >= 0)
        return false;
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    // Typed zeros after the point are counted: the clerk sees what will be kept.
    if (!typing)
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    return whole.size() <= m_digits && fraction.size() <= m_decimals && whole.size() + fraction.size() <= m_total;
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
