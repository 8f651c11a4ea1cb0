#include "core/StoredDate.h"

#include <algorithm>

namespace {

const QString Format = QStringLiteral("yyyyMMdd");

}

namespace StoredDate {

// Every date field of every save is written so: the digits by hand for the
// years of four, Qt's format for any other.
qint64 number(const QDate& date)
{
    if (date.isValid() && date.year() >= 1000 && date.year() <= 9999)
        return qint64(date.year()) * 10000 + date.month() * 100 + date.day();
    return text(date).toLongLong();
}

QString text(const QDate& date)
{
    if (date.isValid() && date.year() >= 1000 && date.year() <= 9999)
        return QString::number(number(date));
    return date.toString(Format);
}

QDate parse(const QString& stored)
{
    if (stored.size() == 8 && std::all_of(stored.cbegin(), stored.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        const auto digits = [&stored](int from, int count) { return QStringView(stored).sliced(from, count).toInt(); };
        return QDate(digits(0, 4), digits(4, 2), digits(6, 2));
    }
    return QDate::fromString(stored, Format);
}

}
