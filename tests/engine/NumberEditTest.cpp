#include "engine/NumberEdit.h"

#include <QTest>
#include <QValidator>
#include <gtest/gtest.h>

TEST(NumberEdit, AcceptsSignDigitsAndOnePoint)
{
    NumberEdit edit;
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {
        {"", true},       {"-", true},     {"+", true},    {"12", true},   {"-12.5", true}, {"+3", true},
        {".5", true},     {"7.", true},    {"abc", false}, {"1.2.3", false}, {"1e5", false}, {"12a", false},
        {"1,5", false},   {"--1", false},  {"1-", false},  {" 1", false},
    };
    for (const auto& c : cases) {
        QString text = QString::fromLatin1(c.text);
        int pos = 0;
        EXPECT_EQ(edit.validator()->validate(text, pos) != QValidator::Invalid, c.accepted) << c.text;
    }
}

TEST(NumberEdit, TypingKeepsOnlyWhatANumberMayHold)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"12a.5.3", "12.53"}, {"-x4", "-4"}, {"0", "0"}, {"abc", ""}};
    for (const auto& c : cases) {
        NumberEdit edit;
        QTest::keyClicks(&edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST(NumberEdit, MoneyShowsTwoDecimalsOfValuesPutIn)
{
    const struct {
        bool money;
        const char* put;
        const char* shown;
    } cases[] = {
        {true, "12.5", "12.50"}, {true, "3", "3.00"},   {true, "-0.126", "-0.13"}, {true, "", ""},
        {true, "0", "0"},        {true, "abc", "abc"}, {false, "12.5", "12.5"},    {false, "", ""},
        {false, "0", "0"},
    };
    for (const auto& c : cases) {
        NumberEdit edit;
        edit.setProperty("money", c.money);
        EXPECT_EQ(edit.isMoney(), c.money);
        edit.setText(QString::fromLatin1(c.put));
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.shown)) << c.put;
    }
}

TEST(NumberEdit, BecomingMoneyFormatsTheValueShown)
{
    NumberEdit edit;
    edit.setText(QStringLiteral("4.1"));
    edit.setMoney(true);
    EXPECT_EQ(edit.text(), QStringLiteral("4.10"));
    edit.clear();
    EXPECT_EQ(edit.text(), QString());
}
