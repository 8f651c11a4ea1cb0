#include "shell/base/Configuration.h"
#include "support/TestOffice.h"

#include <gtest/gtest.h>

TEST(Configuration, NewDatabaseCarriesTheOfficeDefaults)
{
    TestOffice office;
    Configuration store(office.db());
    const struct { const char* key; const char* value; } rows[] = {
        {"SHOWERRORS", "1"}, {"USEROUTER", "0"},
        {"POUND", "دينار كويتي"}, {"TWOPOUNDS", "ديناران كويتيان"}, {"POUNDS", "دنانير كويتية"}, {"FILS", "فلس"},
        {"NOSUCHENTRY", "0"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(store.GetConfig(QString::fromUtf8(r.key)), QString::fromUtf8(r.value)) << r.key;
    EXPECT_NE(store.GetConfig(QStringLiteral("APPTITLE")), QStringLiteral("0"));
    EXPECT_NE(store.GetConfig(QStringLiteral("LICENSEDESCRIPTION")), QStringLiteral("0"));
    EXPECT_EQ(office.state().config.SHOWERRORS, 1);
    EXPECT_FALSE(office.state().config.USEROUTER);
    EXPECT_EQ(office.state().config.localeName, QStringLiteral("ar-eg"));
}

TEST(Configuration, WithoutRowsEverythingReadsZeroAndSwitchesAreOff)
{
    TestOffice office;
    office.db().command(QStringLiteral("delete * from _CONFIG"));
    Configuration::LoadConfiguration(office.state());
    const ConfigValues& c = office.state().config;
    for (const QString& v : {c.APPTITLE, c.FILS, c.POUND, c.TWOPOUNDS, c.POUNDS, c.EMAILADDRESS, c.WEBSITEADDRESS})
        EXPECT_EQ(v, QStringLiteral("0"));
    EXPECT_FALSE(c.USEROUTER);
    EXPECT_EQ(c.SHOWERRORS, 0);
    EXPECT_EQ(c.SHOWSCREENNAME, 0);
    EXPECT_EQ(c.SHOWFIELDNAME, 0);
}

TEST(Configuration, SetConfigInsertsOnceThenUpdates)
{
    TestOffice office;
    Configuration store(office.db());
    const QStringList values = {QStringLiteral("first"), QStringLiteral("it's, \"quoted\""), QStringLiteral("دينار")};
    for (const QString& v : values) {
        store.SetConfig(QStringLiteral("EXTRAMILESFLAT"), v);
        EXPECT_EQ(store.GetConfig(QStringLiteral("EXTRAMILESFLAT")), v);
    }
    store.SetConfig(QStringLiteral("NEW'KEY"), QStringLiteral("1"));
    EXPECT_EQ(store.GetConfig(QStringLiteral("NEW'KEY")), QStringLiteral("1"));
    EXPECT_EQ(office.db().execute(QStringLiteral("select * from _CONFIG where entry = 'EXTRAMILESFLAT'")).count(), 1);
}

TEST(Configuration, StoredTextsConvertAsTheReadersExpect)
{
    TestOffice office;
    Configuration store(office.db());
    const struct { const char* stored; bool userOuter; int showScreen; int showField; } rows[] = {
        {"1", true, 1, 1}, {"0", false, 0, 0}, {"2", true, 2, 2}, {"abc", false, 0, 0},
        {"-1", true, -1, -1}, {" 1 ", true, 1, 1}, {"99999999999999", true, 0, 0},
    };
    for (const auto& r : rows) {
        for (const char* key : {"USEROUTER", "SHOWSCREENNAME", "SHOWFIELDNAME"})
            store.SetConfig(QString::fromLatin1(key), QString::fromUtf8(r.stored));
        Configuration::LoadConfiguration(office.state());
        EXPECT_EQ(office.state().config.USEROUTER, r.userOuter) << r.stored;
        EXPECT_EQ(office.state().config.SHOWSCREENNAME, r.showScreen) << r.stored;
        EXPECT_EQ(office.state().config.SHOWFIELDNAME, r.showField) << r.stored;
    }
    EXPECT_DOUBLE_EQ(Configuration::toDouble(QStringLiteral("2.5")), 2.5);
    EXPECT_DOUBLE_EQ(Configuration::toDouble(QStringLiteral("nan")), 0.0);
    EXPECT_DOUBLE_EQ(Configuration::toDouble(QStringLiteral("1e999")), 0.0);
}
