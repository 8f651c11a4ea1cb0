#include "core/AmountWords.h"
#include "core/AppError.h"
#include "core/HijriDate.h"

#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

// Amounts as an office writes them on a cheque, in both languages where the
// English is given; nullptr Arabic: refused.
TEST(AmountWords, AmountsAsOfficesWriteThem)
{
    const struct {
        double amount;
        const char* code;
        const char* arabic;
        const char* english = nullptr;
    } rows[] = {
        {0, "KWD", "", ""},
        {0.001, "KWD", "فقط فلس واحد لا غير", "1 Fils Only"},
        {0.005, "KWD", "فقط خمسة فلوس لا غير"},
        {0.050, "KWD", "فقط خمسون فلساً لا غير", "50 Fils Only"},
        {0.999, "KWD", "فقط تسعمئة وتسعة وتسعون فلساً لا غير"},
        {1, "KWD", "فقط دينار كويتي واحد لا غير", "One Kuwaiti Dinar Only"},
        {2, "KWD", "فقط ديناران كويتيان لا غير", "Two Kuwaiti Dinars Only"},
        {10, "KWD", "فقط عشرة دنانير كويتية لا غير", "Ten Kuwaiti Dinars Only"},
        {11, "KWD", "فقط أحد عشر ديناراً كويتياً لا غير", "Eleven Kuwaiti Dinars Only"},
        {12, "KWD", "فقط اثنا عشر ديناراً كويتياً لا غير", "Twelve Kuwaiti Dinars Only"},
        {15, "KWD", "فقط خمسة عشر ديناراً كويتياً لا غير", "Fifteen Kuwaiti Dinars Only"},
        {20, "KWD", "فقط عشرون ديناراً كويتياً لا غير"},
        {21, "KWD", "فقط واحد وعشرون ديناراً كويتياً لا غير", "Twenty-One Kuwaiti Dinars Only"},
        {25.5, "KWD", "فقط خمسة وعشرون ديناراً كويتياً وخمسمئة فلس لا غير", "Twenty-Five Kuwaiti Dinars and 500 Fils Only"},
        {99, "KWD", "فقط تسعة وتسعون ديناراً كويتياً لا غير", "Ninety-Nine Kuwaiti Dinars Only"},
        {100, "KWD", "فقط مئة دينار كويتي لا غير", "One Hundred Kuwaiti Dinars Only"},
        {103, "KWD", "فقط مئة وثلاثة دنانير كويتية لا غير"},
        {200, "KWD", "فقط مئتا دينار كويتي لا غير", "Two Hundred Kuwaiti Dinars Only"},
        {250, "KWD", "فقط مئتان وخمسون ديناراً كويتياً لا غير"},
        {400, "KWD", "فقط أربعمئة دينار كويتي لا غير"},
        {600, "KWD", "فقط ستمئة دينار كويتي لا غير"},
        {800, "KWD", "فقط ثمانمئة دينار كويتي لا غير"},
        {1000, "KWD", "فقط ألف دينار كويتي لا غير", "One Thousand Kuwaiti Dinars Only"},
        {1200, "KWD", "فقط ألف ومئتا دينار كويتي لا غير", "One Thousand Two Hundred Kuwaiti Dinars Only"},
        {2000, "KWD", "فقط ألفا دينار كويتي لا غير"},
        {3000, "KWD", "فقط ثلاثة آلاف دينار كويتي لا غير"},
        {11000, "KWD", "فقط أحد عشر ألف دينار كويتي لا غير"},
        {11500, "KWD", "فقط أحد عشر ألفاً وخمسمئة دينار كويتي لا غير"},
        {25750.25, "KWD", "فقط خمسة وعشرون ألفاً وسبعمئة وخمسون ديناراً كويتياً ومئتان وخمسون فلساً لا غير",
         "Twenty-Five Thousand Seven Hundred Fifty Kuwaiti Dinars and 250 Fils Only"},
        {100000, "KWD", "فقط مئة ألف دينار كويتي لا غير", "One Hundred Thousand Kuwaiti Dinars Only"},
        {1000000, "KWD", "فقط مليون دينار كويتي لا غير", "One Million Kuwaiti Dinars Only"},
        {2000000, "KWD", "فقط مليونا دينار كويتي لا غير"},
        {2002002, "KWD", "فقط مليونان وألفان واثنان دينار كويتي لا غير"},
        {3000000, "KWD", "فقط ثلاثة ملايين دينار كويتي لا غير"},
        {12300000, "KWD", "فقط اثنا عشر مليوناً وثلاثمئة ألف دينار كويتي لا غير"},
        {1234567.891, "KWD",
         "فقط مليون ومئتان وأربعة وثلاثون ألفاً وخمسمئة وسبعة وستون ديناراً كويتياً وثمانمئة وواحد وتسعون فلساً لا غير",
         "One Million Two Hundred Thirty-Four Thousand Five Hundred Sixty-Seven Kuwaiti Dinars and 891 Fils Only"},
        {99999999.999, "KWD",
         "فقط تسعة وتسعون مليوناً وتسعمئة وتسعة وتسعون ألفاً وتسعمئة وتسعة وتسعون ديناراً كويتياً "
         "وتسعمئة وتسعة وتسعون فلساً لا غير",
         "Ninety-Nine Million Nine Hundred Ninety-Nine Thousand Nine Hundred Ninety-Nine Kuwaiti Dinars and 999 Fils Only"},
        {12.3456, "KWD", "فقط اثنا عشر ديناراً كويتياً وثلاثمئة وستة وأربعون فلساً لا غير"},
        {1, "XYZ", "فقط دينار كويتي واحد لا غير"},
        {0.01, "SAR", "فقط هللة واحدة لا غير", "1 Halala Only"},
        {0.02, "SAR", "فقط هللتان لا غير"},
        {0.03, "SAR", "فقط ثلاث هللات لا غير"},
        {0.11, "SAR", "فقط إحدى عشرة هللةً لا غير"},
        {0.12, "SAR", "فقط اثنتا عشرة هللةً لا غير"},
        {0.18, "SAR", "فقط ثماني عشرة هللةً لا غير"},
        {0.21, "SAR", "فقط إحدى وعشرون هللةً لا غير"},
        {0.28, "SAR", "فقط ثمان وعشرون هللةً لا غير"},
        {15.75, "SAR", "فقط خمسة عشر ريالاً سعودياً وخمس وسبعون هللةً لا غير", "Fifteen Saudi Riyals and 75 Halalas Only"},
        {1150, "SAR", "فقط ألف ومئة وخمسون ريالاً سعودياً لا غير", "One Thousand One Hundred Fifty Saudi Riyals Only"},
        {9.999, "SAR", "فقط عشرة ريالات سعودية لا غير", "Ten Saudi Riyals Only"},
        {7, "AED", "فقط سبعة دراهم إماراتية لا غير", "Seven UAE Dirhams Only"},
        {1.25, "AED", "فقط درهم إماراتي واحد وخمسة وعشرون فلساً لا غير", "One UAE Dirham and 25 Fils Only"},
        {40.004, "BHD", "فقط أربعون ديناراً بحرينياً وأربعة فلوس لا غير", "Forty Bahraini Dinars and 4 Fils Only"},
        {3.008, "OMR", "فقط ثلاثة ريالات عمانية وثماني بيسات لا غير", "Three Omani Rials and 8 Baisa Only"},
        {0.101, "OMR", "فقط مئة وواحدة بيسة لا غير"},
        {19.99, "QAR", "فقط تسعة عشر ريالاً قطرياً وتسعة وتسعون درهماً لا غير", "Nineteen Qatari Riyals and 99 Dirhams Only"},
        {0.01, "QAR", "فقط درهم واحد لا غير", "1 Dirham Only"},
        {2.002, "JOD", "فقط ديناران أردنيان وفلسان لا غير", "Two Jordanian Dinars and 2 Fils Only"},
        {1.01, "USD", "فقط دولار أمريكي واحد وسنت واحد لا غير", "One US Dollar and 1 Cent Only"},
        {300.05, "USD", "فقط ثلاثمئة دولار أمريكي وخمسة سنتات لا غير", "Three Hundred US Dollars and 5 Cents Only"},
        {-0.001, "KWD", nullptr},
        {99999999.9996, "KWD", nullptr},
        {100000000, "USD", nullptr},
        {std::nan(""), "KWD", nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(r.amount, 0, 'f', 4).arg(QLatin1String(r.code)).toStdString());
        if (!r.arabic) {
            EXPECT_THROW(AmountWords::arabic(r.amount, r.code), AppError);
            EXPECT_THROW(AmountWords::english(r.amount, r.code), AppError);
            continue;
        }
        EXPECT_EQ(AmountWords::arabic(r.amount, r.code), QString::fromUtf8(r.arabic))
            << AmountWords::arabic(r.amount, r.code).toStdString();
        if (r.english) {
            EXPECT_EQ(AmountWords::english(r.amount, r.code), QString::fromUtf8(r.english));
        }
    }
}

// Every whole amount up to 100,000: single blanks, no joiner standing alone,
// no two amounts alike, and the noun in the form its last two digits ask for.
TEST(AmountWords, EveryWholeAmountUpToAHundredThousand)
{
    QSet<QString> arabicSeen, englishSeen;
    for (int n = 1; n <= 100000; ++n) {
        const QString arabic = AmountWords::arabic(n, QStringLiteral("KWD"));
        const QString english = AmountWords::english(n, QStringLiteral("KWD"));
        const int last = n % 100;
        const char* noun = last == 0 || (n > 2 && last <= 2) ? " دينار كويتي لا غير"
                           : n == 1                        ? " دينار كويتي واحد لا غير"
                           : n == 2                        ? " ديناران كويتيان لا غير"
                           : last <= 10                    ? " دنانير كويتية لا غير"
                                                           : " ديناراً كويتياً لا غير";
        ASSERT_TRUE(arabic.startsWith(QStringLiteral("فقط ")) && arabic.endsWith(QString::fromUtf8(noun))) << n;
        ASSERT_TRUE(n <= 2 || (last != 1 && last != 2) || arabic.contains(last == 1 ? QStringLiteral(" وواحد ") : QStringLiteral(" واثنان ")))
            << n;
        ASSERT_EQ(arabic.contains(QStringLiteral("ألف")) || arabic.contains(QStringLiteral("آلاف")), n >= 1000) << n;
        ASSERT_FALSE(arabic.contains(QStringLiteral("  ")) || arabic.split(' ').contains(QStringLiteral("و"))) << n;
        ASSERT_FALSE(english.contains(QStringLiteral("  ")) || english.startsWith(' ')) << n;
        ASSERT_TRUE(english.endsWith(n == 1 ? QStringLiteral(" Dinar Only") : QStringLiteral(" Dinars Only"))) << n;
        arabicSeen.insert(arabic);
        englishSeen.insert(english);
    }
    EXPECT_EQ(arabicSeen.size(), 100000);
    EXPECT_EQ(englishSeen.size(), 100000);
}

// Every fraction of a three-decimal currency joins the whole in its own words,
// the same as it stands alone, however the binary amount rounds.
TEST(AmountWords, EveryFilsJoinsTheDinars)
{
    const QString seven = QStringLiteral("فقط سبعة دنانير كويتية");
    for (int fils = 1; fils < 1000; ++fils) {
        const QString alone = AmountWords::arabic(fils / 1000.0, QStringLiteral("KWD"));
        ASSERT_EQ(AmountWords::arabic(7 + fils / 1000.0, QStringLiteral("KWD")),
                  seven + QStringLiteral(" و") + alone.mid(4)) << fils;
        ASSERT_TRUE(AmountWords::english(7 + fils / 1000.0, QStringLiteral("KWD"))
                        .endsWith(QStringLiteral(" and %1 Fils Only").arg(fils))) << fils;
    }
}

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
