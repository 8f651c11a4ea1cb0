#include "shell/base/AppError.h"
#include "shell/base/SqlValue.h"

#include <gtest/gtest.h>

TEST(SqlValue, QuotesAreDoubled)
{
    const struct { const char* in; const char* text; } rows[] = {
        {"plain", "plain"}, {"O'Brien", "O''Brien"}, {"''", "''''"}, {"ZZ' union select 99,'ZZ", "ZZ'' union select 99,''ZZ"}, {"", ""},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(SqlValue::text(QString::fromUtf8(r.in)), QString::fromUtf8(r.text)) << r.in;
        EXPECT_EQ(SqlValue::quoted(QString::fromUtf8(r.in)), "'" + QString::fromUtf8(r.text) + "'") << r.in;
    }
}

TEST(SqlValue, OnlyNumbersPassUnquoted)
{
    const struct { const char* in; const char* out; } good[] = {
        {"0", "0"}, {"15", "15"}, {"-3", "-3"}, {"+7", "7"}, {" 12 ", "12"}, {"1.5", "1.5"}, {".5", ".5"}, {"9223372036854775807", "9223372036854775807"},
    };
    for (const auto& r : good)
        EXPECT_EQ(SqlValue::number(QString::fromUtf8(r.in)), QString::fromUtf8(r.out)) << r.in;
    for (const char* bad : {"", " ", "abc", "1,5", "0 where 1=1 --", "1e5", "1.2.3", "--1", "0x10", "1;"}) {
        EXPECT_FALSE(SqlValue::isNumber(QString::fromUtf8(bad))) << bad;
        EXPECT_THROW(SqlValue::number(QString::fromUtf8(bad), QStringLiteral("txtID")), AppError) << bad;
    }
}

TEST(SqlValue, LikePatternEscapesWildcards)
{
    EXPECT_EQ(SqlValue::likeContains(QStringLiteral("50%_a'b")), QStringLiteral("%50\\%\\_a''b%"));
}
