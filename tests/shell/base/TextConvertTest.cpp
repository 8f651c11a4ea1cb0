#include "shell/base/TextConvert.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

struct NullCase {
    const char* what;
    QVariant value;
    bool textMode;
    QString expected;
};

TEST(TextConvert, NullToTextGivesTheDefaultOfItsModeForNullAndEmpty)
{
    const QList<NullCase> cases{
        {"invalid, text mode", QVariant(), true, " "},
        {"invalid, number mode", QVariant(), false, "0"},
        {"sql null text, text mode", QVariant(QMetaType::fromType<QString>()), true, " "},
        {"sql null number, number mode", QVariant(QMetaType::fromType<qlonglong>()), false, "0"},
        {"empty text, text mode", QVariant(QString("")), true, " "},
        {"empty text, number mode", QVariant(QString("")), false, "0"},
        {"one blank stays as it is", QVariant(QString(" ")), false, " "},
        {"text, text mode", QVariant(QString("Toyota")), true, "Toyota"},
        {"text, number mode", QVariant(QString("Toyota")), false, "Toyota"},
        {"zero is a value", QVariant(0), true, "0"},
        {"whole number", QVariant(qlonglong(20031231)), false, "20031231"},
        {"whole double without a point", QVariant(12.0), false, "12"},
        {"fraction", QVariant(2.5), false, "2.5"},
        {"negative", QVariant(-7), true, "-7"},
    };
    for (const NullCase& c : cases)
        EXPECT_EQ(NullToText(c.value, c.textMode), c.expected) << c.what;
}

struct TextCase {
    const char* what;
    QVariant value;
    QString expected;
};

TEST(TextConvert, DateTextTurnsStoredDatesRound)
{
    const QList<TextCase> cases{
        {"text", QVariant(QString("20031231")), "31/12/2003"},
        {"integer", QVariant(20240105), "05/01/2024"},
        {"double from a real column", QVariant(20240229.0), "29/02/2024"},
        {"null", QVariant(), "31/12/9999"},
        {"sql null", QVariant(QMetaType::fromType<qlonglong>()), "31/12/9999"},
        // Only null has a default: anything else is cut by position.
        {"empty text", QVariant(QString("")), "//"},
        {"short text", QVariant(QString("2003")), "//2003"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(DateText(c.value), c.expected) << c.what;
}

TEST(TextConvert, TimeTextTurnsStoredTimesRound)
{
    const QList<TextCase> cases{
        {"text", QVariant(QString("143000")), "14:30:00"},
        {"midnight text", QVariant(QString("000000")), "00:00:00"},
        {"morning text", QVariant(QString("093000")), "09:30:00"},
        {"number that lost its leading zero", QVariant(93000), "09:30:00"},
        {"null", QVariant(), "00:00"},
        {"sql null", QVariant(QMetaType::fromType<QString>()), "00:00"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(TimeText(c.value), c.expected) << c.what;
}

}
