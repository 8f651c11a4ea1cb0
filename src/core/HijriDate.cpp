#include "core/HijriDate.h"

#include <memory>
#include <unicode/ucal.h>

namespace {

// Documents and tool tips write the month names as offices in the Gulf do.
const char* const MonthNames[12] = {"محرم",  "صفر",   "ربيع الأول", "ربيع الآخر", "جمادى الأولى", "جمادى الآخرة",
                                    "رجب",   "شعبان", "رمضان",      "شوال",       "ذو القعدة",     "ذو الحجة"};

QString arabicDigits(int number)
{
    QString text = QString::number(number);
    for (QChar& c : text)
        c = QChar(c.unicode() - u'0' + 0x0660);
    return text;
}

struct CalendarClose {
    void operator()(UCalendar* calendar) const { ucal_close(calendar); }
};

}

HijriDate HijriDate::fromGregorian(const QDate& date)
{
    if (!date.isValid())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCalendar, CalendarClose> calendar(
        ucal_open(u"UTC", -1, "en@calendar=islamic-umalqura", UCAL_DEFAULT, &status));
    if (U_FAILURE(status))
        return {};
    // Noon of the day, so that no rounding of the moment can reach the day before.
    constexpr double DayMs = 86400000.0;
    const double noon = double(QDate(1970, 1, 1).daysTo(date)) * DayMs + DayMs / 2;
    ucal_setMillis(calendar.get(), noon, &status);
    HijriDate hijri;
    hijri.day = ucal_get(calendar.get(), UCAL_DATE, &status);
    hijri.month = ucal_get(calendar.get(), UCAL_MONTH, &status) + 1;
    hijri.year = ucal_get(calendar.get(), UCAL_YEAR, &status);
    if (U_FAILURE(status) || hijri.year < 1 || hijri.month < 1 || hijri.month > 12)
        return {};
    return hijri;
}

QString HijriDate::text(const QDate& date)
{
    const HijriDate hijri = fromGregorian(date);
    if (!hijri.isValid())
        return {};
    return arabicDigits(hijri.day) + u' ' + QString::fromUtf8(MonthNames[hijri.month - 1]) + u' '
           + arabicDigits(hijri.year) + QStringLiteral(" هـ");
}
