#include "core/SqlValue.h"

#include "core/AppError.h"

#include <charconv>

namespace SqlValue {

QString text(const QString& value)
{
    QString out = value;
    return out.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString quoted(const QString& value)
{
    return QLatin1Char('\'') + text(value) + QLatin1Char('\'');
}

bool isNumber(const QString& value)
{
    // Checked for every field of every save: a scan, not a pattern. Spaces
    // and digits are the ASCII ones only.
    const auto space = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const qsizetype n = value.size();
    qsizetype i = 0;
    while (i < n && space(value[i]))
        ++i;
    if (i < n && (value[i] == u'-' || value[i] == u'+'))
        ++i;
    qsizetype digits = 0;
    for (; i < n && digit(value[i]); ++i)
        ++digits;
    if (i < n && value[i] == u'.')
        for (++i; i < n && digit(value[i]); ++i)
            ++digits;
    while (i < n && space(value[i]))
        ++i;
    return digits > 0 && i == n;
}

std::optional<double> decimal(const QString& value)
{
    if (!isNumber(value))
        return std::nullopt;
    // Read as the C library reads it: Qt's own reading costs a posting of
    // twenty rules more than all its statements. The text is ASCII by now.
    const QStringView t = QStringView(value).trimmed();
    char digits[64];
    qsizetype n = 0;
    for (const QChar c : t) {
        if (n == qsizetype(sizeof digits))
            return value.toDouble();
        if (c != u'+')
            digits[n++] = char(c.unicode());
    }
    double d = 0;
    const auto [end, error] = std::from_chars(digits, digits + n, d);
    return error == std::errc() && end == digits + n ? d : value.toDouble();
}

QString number(const QString& value, const QString& what)
{
    if (!isNumber(value)) {
        const QString name = what.isEmpty() ? QStringLiteral("A value") : what;
        throw AppError(ErrorNumber::NotANumber,
                       QStringLiteral("%1 must be a number, not \"%2\"").arg(name, value.left(40)),
                       QStringLiteral("Statement"));
    }
    QString n = value.trimmed();
    if (n.startsWith(QLatin1Char('+')))
        n.remove(0, 1);
    return n;
}

QString number(qint64 value)
{
    return QString::number(value);
}

QString likeContains(const QString& value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    v.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    v.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + text(v) + QLatin1Char('%');
}

}
