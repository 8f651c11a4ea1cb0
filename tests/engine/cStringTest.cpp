#include "engine/cString.h"

#include <gtest/gtest.h>

TEST(cString, ReferencesAndTokens)
{
    using namespace cString;
    EXPECT_EQ(GetWindowNameFromString(QStringLiteral("frmRentCar.txtID")), QStringLiteral("frmRentCar"));
    EXPECT_EQ(GetWindowNameFromString(QStringLiteral("txtID")), QStringLiteral("txtID"));
    EXPECT_EQ(GetControlNameFromString(QStringLiteral("frmRentCar. txtID ")), QStringLiteral("txtID"));
    EXPECT_EQ(GetControlNameFromString(QStringLiteral(" txtID")), QStringLiteral("txtID"));
    EXPECT_EQ(GetControlNameFromString(QStringLiteral("a.b.c")), QStringLiteral("b.c"));
    EXPECT_EQ(GetControlNameFromString(QStringLiteral("f.") + QString(150, QLatin1Char('x'))).size(), 100);
    const struct { const char* s; int n; const char* out; } tokens[] = {
        {"a,b,c", 0, "a"}, {"a,b,c", 1, "b"}, {"a,b,c", 2, "c"}, {"a,b,c", 3, ""}, {",x", 0, ""}, {"a,,c", 1, ""}, {"abc", 0, "abc"},
    };
    for (const auto& t : tokens)
        EXPECT_EQ(GetStringAtToken(QString::fromLatin1(t.s), t.n), QString::fromLatin1(t.out)) << t.s << " " << t.n;
}
