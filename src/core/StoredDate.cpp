#include "core/StoredDate.h"

namespace {

const QString Format = QStringLiteral("yyyyMMdd");

}

namespace StoredDate {

qint64 number(const QDate& date)
{
    return text(date).toLongLong();
}

QString text(const QDate& date)
{
    return date.toString(Format);
}

QDate parse(const QString& stored)
{
    return QDate::fromString(stored, Format);
}

}
