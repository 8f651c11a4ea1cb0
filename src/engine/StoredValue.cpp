#include "engine/StoredValue.h"

#include "core/AppError.h"
#include "core/SqlValue.h"
#include "core/TextConvert.h"
#include "engine/ControlAccess.h"

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

QString dateNumber(const QWidget* control, const QVariant& value)
{
    QDate date = value.toDate();
    if (value.typeId() != QMetaType::QDate) {
        const QString text = value.toString().trimmed();
        date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
        if (!date.isValid())
            date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    }
    if (!date.isValid())
        refuse(control, value.toString(), "date");
    return date.toString(QStringLiteral("yyyyMMdd"));
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

QString of(const QWidget* control, int type)
{
    const QVariant value = ControlAccess::defaultValue(control);
    switch (type) {
    case Number:
    case Flag:
        return SqlValue::number(NullToText(value, false), control->objectName());
    case Text:
        return NullToText(value, true);
    case Date:
        return dateNumber(control, value);
    case ListText:
        return NullToText(ControlAccess::text(control), false);
    case Time:
        return timeText(control, value);
    default:
        return value.toString();
    }
}

}
