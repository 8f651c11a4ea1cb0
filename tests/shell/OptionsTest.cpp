#include "core/Configuration.h"
#include "core/ErrorLog.h"
#include "engine/NumberEdit.h"
#include "shell/frmOptions.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The options screen as the menu shows it; a field is read and set as the engine does (a box as 0/1).
struct Options : frmOptions {
    explicit Options(TestOffice& office) : frmOptions(office.state(), nullptr) { show(); }
    QWidget* at(const QString& name) const { return ControlAccess::find(this, name); }
    QString operator[](const QString& name) const { return ControlAccess::value(at(name)); }
    void set(const QString& name, const QString& value) { ControlAccess::setValue(at(name), value); }
    // Key by key, as a number field refuses what is no number.
    void type(const QString& name, const QString& text) { set(name, {}), ScreenChecks::type(at(name), text); }
};

QString stored(TestOffice& office, const QString& entry) { return Configuration(office.db()).GetConfig(entry); }

}

// A non-zero flat charge zeroes the percent and the other way round; a zero
// leaves the other alone; an empty field is stored as 0. F12 saves and stays,
// inserting missing entries and then updating them in place; a non-number is
// reported and not stored, nor anything after it. The keys of commands the
// screen lacks, Print among them, and F12 with Save disabled do nothing;
// Cancel closes unsaved, OK saves and closes.
TEST(frmOptions, SaveStoresEveryEntryOnceAndOneExtraChargeOnly)
{
    const struct { const char *field, *typed, *flat, *percent; } steps[] = {
        {"dfnExtraMilesFlat", "5", "5", "0"}, {"dfnExtraMilesPercent", "10", "0", "10"}, {"dfnExtraMilesFlat", "0", "0", "10"},
        {"dfnExtraMilesFlat", "0.5", "0.5", "0"}, {"dfnExtraMilesPercent", "", "0.5", ""}};
    TestOffice office;
    office.db().command("delete from _CONFIG");
    Options options(office);
    for (const auto& s : steps) {
        options.type(s.field, s.typed);
        EXPECT_EQ(options["dfnExtraMilesFlat"] + ' ' + options["dfnExtraMilesPercent"], QString(s.flat) + ' ' + s.percent)
            << s.field << " <- " << s.typed;
    }
    for (const QString flag : {"1", "0"}) {
        const QString words = flag == "1" ? "O'Brien's, فلس" : "cent", flat = flag == "1" ? "1234567.5" : "0.5";
        const QString suffix = flag == "1" ? "ر.س." : "$";
        for (const char* name : {"dffUSEROUTER", "dffSHOWFIELDNAME", "dffSHOWSCREENNAME"})
            options.set(name, flag);
        for (const char* name : {"dfsFils", "dfsPound", "dfsTwoPounds", "dfsPounds"})
            options.set(name, words);
        options.set("dfsCurrencySuffix", ' ' + suffix + ' ');
        options.type("dfnExtraMilesFlat", flat);
        QTest::keyClick(&options, Qt::Key_F12);
        const RowSet rows = office.db().execute("select entry, entryvalue from _CONFIG order by entry, CONFIGID");
        QStringList lines;
        for (int i = 0; i < rows.count(); ++i)
            lines << rows.text(i, "entry") + '=' + rows.text(i, "entryvalue");
        EXPECT_EQ(lines, (QStringList{"CURRENCYSUFFIX=" + suffix, "EXTRAMILESFLAT=" + flat, "EXTRAMILESPERCENT=0", "FILS=" + words, "POUND=" + words,
                                      "POUNDS=" + words, "SHOWFIELDNAME=" + flag, "SHOWSCREENNAME=" + flag,
                                      "TWOPOUNDS=" + words, "USEROUTER=" + flag}));
        // The saved suffix shows at once after the flat rate and in its caption, never after the percentage.
        const auto* flatRate = ScreenChecks::control<NumberEdit>(&options, "dfnExtraMilesFlat");
        const auto* percent = ScreenChecks::control<NumberEdit>(&options, "dfnExtraMilesPercent");
        EXPECT_EQ(flatRate->suffixShown() + '|' + percent->suffixShown(), suffix + '|');
        EXPECT_TRUE(ScreenChecks::control<QLabel>(&options, "lblExtraMilesFlat")->text().contains('(' + suffix + ')'));
        EXPECT_TRUE(options.isVisible());
    }
    options.set("dfsFils", "changed");
    options.type("dfnExtraMilesFlat", "-");
    ScreenChecks::click(&options, "cmdSave");
    EXPECT_EQ(stored(office, "EXTRAMILESFLAT") + ' ' + stored(office, "FILS"), "0.5 cent");
    QFile log(errorLogPath(office.state()));
    EXPECT_TRUE(log.open(QIODevice::ReadOnly) && QString::fromUtf8(log.readAll()).contains("dfnExtraMilesFlat"));
    EXPECT_EQ(office.ui().dialogsShown, QStringList{"dlgError"});

    options.set("dfsPound", "ريال");
    EXPECT_FALSE(ScreenChecks::control<QPushButton>(&options, "cmdPRINT")->isEnabled());
    for (const int key : {Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10, Qt::Key_F11, Qt::Key_F12}) {
        ScreenChecks::control<QPushButton>(&options, "cmdSave")->setEnabled(key != Qt::Key_F12);
        QTest::keyClick(&options, Qt::Key(key));
    }
    EXPECT_TRUE(options.isVisible());
    ScreenChecks::click(&options, "command0");
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(stored(office, "POUND"), "cent");
    options.show();  // which reads the store again
    options.set("dfsPound", "ريال");
    ScreenChecks::click(&options, "cmdOk");
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(stored(office, "POUND"), "ريال");
    EXPECT_EQ(office.ui().dialogsShown, QStringList{"dlgError"});
}
