#pragma once

#include <QDate>
#include <QString>

// A day of the Umm al-Qura calendar, the Hijri calendar the Gulf's offices
// date their papers by. Qt's QCalendar knows only the arithmetic (civil)
// Islamic calendar, whose months start a day or two off the published
// ones, so the day comes from ICU's "islamic-umalqura" calendar.
struct HijriDate {
    int day = 0;
    int month = 0;  // 1 Muharram ... 12 Dhu al-Hijja
    int year = 0;

    bool isValid() const { return year > 0; }

    // The Hijri day of a Gregorian one; invalid for an invalid date or one
    // before the Hijra.
    static HijriDate fromGregorian(const QDate& date);
    // "١٥ رمضان ١٤٤٧ هـ", or empty when the date is invalid.
    static QString text(const QDate& date);
};
