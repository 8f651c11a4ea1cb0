// The Umm al-Qura conversion of any day Qt can hold.
#include "FuzzInput.h"
#include "core/HijriDate.h"

#include <QDate>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qint64 day = 0;
    std::memcpy(&day, data, size < sizeof day ? size : sizeof day);
    const QDate date = QDate::fromJulianDay(day);
    const HijriDate hijri = HijriDate::fromGregorian(date);
    HijriDate::text(date);
    // A day of the Umm al-Qura years the calendar covers converts to a real date.
    if (date.isValid() && date.year() >= 1937 && date.year() <= 2076
        && (!hijri.isValid() || hijri.month < 1 || hijri.month > 12 || hijri.day < 1 || hijri.day > 30))
        std::abort();
    return 0;
}
