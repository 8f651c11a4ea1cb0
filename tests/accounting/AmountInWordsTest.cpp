#include "core/AppError.h"
#include "core/RunState.h"
#include "core/tafqeet.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const ConfigValues Dinars{.FILS = QStringLiteral("فلس"), .POUND = QStringLiteral("دينار"),
                          .TWOPOUNDS = QStringLiteral("ديناران"), .POUNDS = QStringLiteral("دنانير"),
                          .CURRENCYSUFFIX = {}, .localeName = {}};

}

// An amount with its currency's names, every blank counted as contracts print
// them; one it cannot write is refused.
TEST(tafqeet, AmountsWithTheirCurrency)
{
    const struct {
        double amount;
        int currency;
        const char* text; // nullptr: refused
    } rows[] = {
        {0, 4, ""},
        {3.50, 4, "    " " Three" " ريالات سعودية" " " "و" " " "50" " " "هللة" " " "Only"},
        {1, 1, "    " "One " " دينار " "  " "Only"},
        {2, 1, "    " " ديناران " "  " "Only"},
        {7, 1, "    " " Seven" " دنانير " "  " "Only"},
        {10, 2, "    " " Ten " " دولارات أمريكية" "  " "Only"},
        {11, 3, "    " " One " " Ten " " درهم  أماراتى" "  " "Only"},
        {1500.25, 1, "    " " Thousand " "و" " Five Hundred " " دينار " " " "و" " " "25" " " " فلس " " " "Only"},
        {3, 5, "    " " Three" "جرامات " "  " "Only"},
        {0.5, 5, "    " " " "50" " " "ملليجرام" " " "Only"},
        {1000000, 1, "    " " Million " " دينار " "  " "Only"},
        {4.999, 1, "    " " Four" " دنانير " " " "و" " " "100" " " " فلس " " " "Only"},
        {5, 9, "    " " Five" "  " "Only"},
        {101, 9, "    " " Hundred " "و" " One " "  " "Only"},
        {3000, 9, "    " " Three" "Thousands " "  " "Only"},
        {25000, 9, "    " " Five" " و" " Twenty " " Thousand " "  " "Only"},
        {2005000, 9, "    " " Two Million " " Five" " Thousand " "  " "Only"},
        {20000000, 9, "    " " Twenty " " Millions " "  " "Only"},
        {99999999, 9, "    " " Nine" " و" " Ninty " " Million " "و" " Nine Hundred " "و" " Nine" " و" " Ninty "
                      " Thousand " "و" " Nine Hundred " "و" " Nine" " Ninty " "  " "Only"},
        {-0.01, 1, nullptr},
        {100000000, 1, nullptr},
    };
    for (const auto& r : rows) {
        if (r.text)
            EXPECT_EQ(tafqeet::AmountInWords(r.amount, r.currency, Dinars), QString::fromUtf8(r.text))
                << r.amount << " currency " << r.currency;
        else
            EXPECT_THROW(tafqeet::AmountInWords(r.amount, r.currency, Dinars), AppError) << r.amount;
    }
}

// Every whole amount up to 100,000: a group word stands only for a group that
// has digits, joiners never pile up, and the pad and "Only" frame the text.
TEST(tafqeet, EveryWholeAmountUpToAHundredThousand)
{
    const QRegularExpression threeBlanks(QStringLiteral("   "));
    for (qint64 n = 0; n <= 100000; ++n) {
        const QString text = tafqeet::AmountInWords(double(n), 1, Dinars);
        if (n == 0) {
            ASSERT_TRUE(text.isEmpty());
            continue;
        }
        ASSERT_TRUE(text.startsWith(QStringLiteral("    ")) && text.endsWith(QStringLiteral(" Only"))) << n;
        if (n < 11)
            continue;
        const QString words = tafqeet::NumberWords(n);
        ASSERT_FALSE(words.contains(threeBlanks)) << n << qPrintable(words);
        ASSERT_FALSE(words.contains(QStringLiteral("وو")) || words.endsWith(QStringLiteral("و"))) << n;
        ASSERT_EQ(words.contains(QStringLiteral("Thousand")), n >= 1000) << n;
        ASSERT_EQ(words.count(QStringLiteral("Hundred")), int(n / 100 % 10 != 0) + int(n / 100000 % 10 != 0)) << n;
        ASSERT_EQ(words.contains(QStringLiteral("Ten ")), n % 100 / 10 == 1 || n / 1000 % 100 / 10 == 1) << n;
    }
}

// The digits of the fraction are the hundredths the amount was made of, up
// to the largest amount written; exact halves go to the even hundredth.
TEST(tafqeet, TheFractionIsTheRoundedHundredths)
{
    const QRegularExpression fraction(QStringLiteral(" (\\d+)  فلس "));
    const auto writtenFraction = [&](double amount) {
        const QRegularExpressionMatch m = fraction.match(tafqeet::AmountInWords(amount, 1, Dinars));
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    QRandomGenerator random(20261207);
    for (int i = 0; i < 5000; ++i) {
        const int whole = random.bounded(100000000);
        const int hundredths = random.bounded(100);
        ASSERT_EQ(writtenFraction(whole + hundredths / 100.0), hundredths) << whole << " + " << hundredths;
    }
    EXPECT_EQ(writtenFraction(99999999.99), 99);
    const struct {
        double amount;
        int hundredths;
    } halves[] = {{0.125, 12}, {0.375, 38}, {7.625, 62}, {7.875, 88}, {2.9951, 100}};
    for (const auto& h : halves)
        EXPECT_EQ(writtenFraction(h.amount), h.hundredths) << h.amount;
}
