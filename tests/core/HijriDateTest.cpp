#include "core/HijriDate.h"

#include <gtest/gtest.h>

// Days of the published Umm al-Qura calendar over several years: firsts of
// months, month ends of 29 and 30 days with the first after them, and no text
// for a date that is none.
TEST(HijriDate, GivesTheDayOfThePublishedUmmAlQuraCalendar)
{
    const struct { QDate gregorian; const char* hijri; } rows[] = {
        {{2018, 9, 11}, "١ محرم ١٤٤٠ هـ"}, {{2020, 4, 24}, "١ رمضان ١٤٤١ هـ"}, {{2023, 4, 20}, "٢٩ رمضان ١٤٤٤ هـ"}, {{2023, 4, 21}, "١ شوال ١٤٤٤ هـ"},
        {{2023, 6, 28}, "١٠ ذو الحجة ١٤٤٤ هـ"}, {{2023, 7, 19}, "١ محرم ١٤٤٥ هـ"}, {{2024, 2, 11}, "١ شعبان ١٤٤٥ هـ"}, {{2024, 3, 10}, "٢٩ شعبان ١٤٤٥ هـ"},
        {{2024, 3, 11}, "١ رمضان ١٤٤٥ هـ"}, {{2024, 4, 9}, "٣٠ رمضان ١٤٤٥ هـ"}, {{2024, 4, 10}, "١ شوال ١٤٤٥ هـ"}, {{2024, 7, 6}, "٣٠ ذو الحجة ١٤٤٥ هـ"},
        {{2024, 7, 7}, "١ محرم ١٤٤٦ هـ"}, {{2025, 3, 29}, "٢٩ رمضان ١٤٤٦ هـ"}, {{2025, 3, 30}, "١ شوال ١٤٤٦ هـ"}, {{2025, 6, 26}, "١ محرم ١٤٤٧ هـ"},
        {{}, ""}};
    for (const auto& row : rows)
        EXPECT_EQ(HijriDate::text(row.gregorian), QString::fromUtf8(row.hijri)) << row.gregorian.toString().toStdString();
}
