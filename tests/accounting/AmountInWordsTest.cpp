#include "core/AppError.h"
#include "core/RunState.h"
#include "core/tafqeet.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

ConfigValues kuwaitiDinars()
{
    ConfigValues c;
    c.POUND = QStringLiteral("دينار");
    c.TWOPOUNDS = QStringLiteral("ديناران");
    c.POUNDS = QStringLiteral("دنانير");
    c.FILS = QStringLiteral("فلس");
    return c;
}

QString joined(std::initializer_list<const char*> pieces)
{
    QString text;
    for (const char* p : pieces)
        text += QString::fromUtf8(p);
    return text;
}

}

TEST(tafqeet, NumberWordsAsTheTablesPutThem)
{
    const struct {
        qint64 n;
        QString words;
    } rows[] = {
        {11, joined({" One ", " Ten "})},
        {12, joined({" Two ", " Ten "})},
        {13, joined({" Three", " Ten "})},
        {20, joined({" Twenty "})},
        {25, joined({" Five", " Twenty "})},
        {101, joined({" Hundred ", "و", " One "})},
        {125, joined({" Hundred ", "و", " Five", " Twenty "})},
        {1000, joined({" Thousand "})},
        {1500, joined({" Thousand ", "و", " Five Hundred "})},
        {2000, joined({" Two Thousand "})},
        {3000, joined({" Three", "Thousands "})},
        {10000, joined({" Ten ", " Thousand "})},
        {11500, joined({" One ", " Ten ", " Thousand ", "و", " Five Hundred "})},
        {25000, joined({" Five", " و", " Twenty ", " Thousand "})},
        {100000, joined({" Hundred ", " Thousand "})},
        {125000, joined({" Hundred ", "و", " Five", " و", " Twenty ", " Thousand "})},
        {1000000, joined({" Million "})},
        {1000500, joined({" Million ", "و", " Five Hundred "})},
        {2005000, joined({" Two Million ", " Five", " Thousand "})},
        {3000000, joined({" Three", " Millions "})},
        {12000000, joined({" Two ", " Ten ", " Million "})},
        {20000000, joined({" Twenty ", " Millions "})},
        {99999999,
         joined({" Nine", " و", " Ninty ", " Million ", "و", " Nine Hundred ", "و", " Nine", " و", " Ninty ",
                 " Thousand ", "و", " Nine Hundred ", "و", " Nine", " Ninty "})},
    };
    for (const auto& r : rows)
        EXPECT_EQ(tafqeet::NumberWords(r.n), r.words) << r.n;
}

TEST(tafqeet, AmountsWithTheirCurrency)
{
    const ConfigValues dinars = kuwaitiDinars();
    const struct {
        double amount;
        int currency;
        QString text;
    } rows[] = {
        {0, 4, QString()},
        {3.50, 4, joined({"    ", " Three", " ريالات سعودية", " ", "و", " ", "50", " ", "هللة", " ", "Only"})},
        {2, 4, joined({"    ", " ريالان سعوديان", "  ", "Only"})},
        {0.75, 4, joined({"    ", " ", "75", " ", "هللة", " ", "Only"})},
        {1, 1, joined({"    ", "One ", " دينار ", "  ", "Only"})},
        {2, 1, joined({"    ", " ديناران ", "  ", "Only"})},
        {7, 1, joined({"    ", " Seven", " دنانير ", "  ", "Only"})},
        {10, 2, joined({"    ", " Ten ", " دولارات أمريكية", "  ", "Only"})},
        {11, 3, joined({"    ", " One ", " Ten ", " درهم  أماراتى", "  ", "Only"})},
        {1500.25, 1,
         joined(
             {"    ", " Thousand ", "و", " Five Hundred ", " دينار ", " ", "و", " ", "25", " ", " فلس ", " ", "Only"})},
        {3, 5, joined({"    ", " Three", "جرامات ", "  ", "Only"})},
        {0.5, 5, joined({"    ", " ", "50", " ", "ملليجرام", " ", "Only"})},
        {1000000, 1, joined({"    ", " Million ", " دينار ", "  ", "Only"})},
        {4.999, 1, joined({"    ", " Four", " دنانير ", " ", "و", " ", "100", " ", " فلس ", " ", "Only"})},
        {5, 9, joined({"    ", " Five", "  ", "Only"})},
    };
    for (const auto& r : rows)
        EXPECT_EQ(tafqeet::AmountInWords(r.amount, r.currency, dinars), r.text)
            << r.amount << " currency " << r.currency;
}

TEST(tafqeet, AmountsItCannotWriteAreRefused)
{
    for (const double amount : {-0.01, -5.0, 100000000.0, 123456789.5})
        EXPECT_THROW(tafqeet::AmountInWords(amount, 1, kuwaitiDinars()), AppError) << amount;
    EXPECT_NO_THROW(tafqeet::AmountInWords(99999999.99, 1, kuwaitiDinars()));
}

// Every whole amount up to 100,000: a group word stands only for a group that
// has digits, joiners never pile up, and the pad and "Only" frame the text.
TEST(tafqeet, EveryWholeAmountUpToAHundredThousand)
{
    const ConfigValues dinars = kuwaitiDinars();
    const QRegularExpression threeBlanks(QStringLiteral("   "));
    for (qint64 n = 0; n <= 100000; ++n) {
        const QString text = tafqeet::AmountInWords(double(n), 1, dinars);
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

// The digits of the fraction are the hundredths the amount was made of;
// exact halves go to the even hundredth.
TEST(tafqeet, TheFractionIsTheRoundedHundredths)
{
    const ConfigValues dinars = kuwaitiDinars();
    const QRegularExpression fraction(QStringLiteral(" (\\d+)  فلس "));
    const auto writtenFraction = [&](double amount) {
        const QRegularExpressionMatch m = fraction.match(tafqeet::AmountInWords(amount, 1, dinars));
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    QRandomGenerator random(20261207);
    for (int i = 0; i < 5000; ++i) {
        const int whole = random.bounded(100000000);
        const int hundredths = random.bounded(100);
        ASSERT_EQ(writtenFraction(whole + hundredths / 100.0), hundredths) << whole << " + " << hundredths;
    }
    const struct {
        double amount;
        int hundredths;
    } halves[] = {{0.125, 12}, {0.375, 38}, {7.625, 62}, {7.875, 88}, {2.9951, 100}};
    for (const auto& h : halves)
        EXPECT_EQ(writtenFraction(h.amount), h.hundredths) << h.amount;
}
