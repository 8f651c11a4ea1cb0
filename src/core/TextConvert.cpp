#include "core/TextConvert.h"

#include <algorithm>

static bool isNull(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

QString NullToText(const QVariant& value, bool textMode)
{
    if (isNull(value) || value.toString().isEmpty())
        return textMode ? QStringLiteral(" ") : QStringLiteral("0");
    return value.toString();
}

QString DateText(const QVariant& value)
{
    if (isNull(value))
        return QStringLiteral("31/12/9999");
    const QString s = value.toString();
    return s.mid(6, 2) + QLatin1Char('/') + s.mid(4, 2) + QLatin1Char('/') + s.left(4);
}

QString TimeText(const QVariant& value)
{
    if (isNull(value))
        return QStringLiteral("00:00");
    QString s = value.toString();
    // A time that went through a numeric column has lost its leading zero.
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        s = s.rightJustified(6, QLatin1Char('0'));
        break;
    default:
        break;
    }
    return s.left(2) + QLatin1Char(':') + s.mid(2, 2) + QLatin1Char(':') + s.mid(4, 2);
}

QString AsciiLower(QString text)
{
    const auto upper = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    // The text is shared, not copied, when nothing in it changes.
    if (std::none_of(text.cbegin(), text.cend(), upper))
        return text;
    for (QChar& c : text)
        if (upper(c))
            c = QChar(c.unicode() + (u'a' - u'A'));
    return text;
}
