#include "engine/StoredValue.h"

#include "core/AppError.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "core/TextConvert.h"
#include "engine/ControlAccess.h"
#include "engine/NumberRange.h"

#include <QDate>
#include <QTime>
#include <QWidget>

namespace {

[[noreturn]] void refuse(const QWidget* control, const QString& text, const char* kind)
{
    throw AppError(ErrorNumber::NotANumber,
                   QStringLiteral("%1 must be a %2, not \"%3\"")
                       .arg(control->objectName(), QLatin1String(kind), text.left(40)),
                   QStringLiteral("Statement"));
}

// Whatever the column, no number is stored rounded to what the engine keeps.
QString exactNumber(const QWidget* control, const QVariant& value)
{
    const QString number = SqlValue::number(NullToText(value, false), control->objectName());
    if (!NumberRange::anyNumber().admits(number))
        throw AppError(ErrorNumber::NotANumber,
                       QStringLiteral("%1 holds more digits than can be stored: \"%2\"")
                           .arg(control->objectName(), number.left(40)),
                       QStringLiteral("Statement"));
    return number;
}

QString storableText(const QWidget* control, const QString& text)
{
    if (!StoredValue::storable(text))
        throw AppError(ErrorNumber::NotANumber,
                       QStringLiteral("%1 holds a character that cannot be stored").arg(control->objectName()),
                       QStringLiteral("Statement"));
    return text;
}

// An empty date is kept as 0, as a stored date shorter than yyyymmdd reads empty.
QString dateNumber(const QWidget* control, const QVariant& value)
{
    QDate date = value.toDate();
    if (value.typeId() == QMetaType::QDate && date.isNull())
        return QStringLiteral("0");
    if (value.typeId() != QMetaType::QDate) {
        const QString text = value.toString().trimmed();
        if (text.isEmpty() || text == QLatin1String("0"))
            return QStringLiteral("0");
        date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
        if (!date.isValid())
            date = StoredDate::parse(text);
    }
    if (!date.isValid())
        refuse(control, value.toString(), "date");
    return StoredDate::text(date);
}

QString timeText(const QWidget* control, const QVariant& value)
{
    QTime time = value.toTime();
    if (value.typeId() != QMetaType::QTime) {
        const QString text = value.toString().trimmed();
        time = QTime::fromString(text, QStringLiteral("hh:mm:ss"));
        if (!time.isValid())
            time = QTime::fromString(text, QStringLiteral("hh:mm"));
    }
    if (!time.isValid())
        refuse(control, value.toString(), "time");
    // Times are kept to the minute.
    return time.toString(QStringLiteral("hhmm")) + QStringLiteral("00");
}

}

namespace StoredValue {

bool storable(const QString& text)
{
    return !text.contains(QChar(0)) && text.isValidUtf16();
}

QString of(const QWidget* control, int type)
{
    return of(control, type, ControlAccess::defaultValue(control));
}

QString of(const QWidget* control, int type, const QVariant& value)
{
    switch (type) {
    case Number:
    case Flag:
        return exactNumber(control, value);
    case Text:
        return storableText(control, NullToText(value, true));
    case Date:
        return dateNumber(control, value);
    case ListText:
        return storableText(control, NullToText(ControlAccess::text(control), false));
    case Time:
        return timeText(control, value);
    default:
        return value.toString();
    }
}

}
