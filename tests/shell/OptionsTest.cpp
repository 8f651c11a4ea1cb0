#include "core/Configuration.h"
#include "core/ErrorLog.h"
#include "engine/ControlAccess.h"
#include "engine/NumberEdit.h"
#include "shell/frmOptions.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

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

// Every activation goes back to the first tab. One from within the program
// reads the store again: a missing entry shows as 0 (the currency suffix as
// د.ك.), not as what the field held before. Coming back from another application keeps what was typed.
TEST(frmOptions, ActivationShowsTheStoredEntriesUnlessComingBackFromElsewhere)
{
    using Entries = std::map<QString, QString>;
    const struct { Entries store; bool fromElsewhere; Entries shown; } rows[] = {
        {{{"USEROUTER", "1"}, {"SHOWFIELDNAME", "1"}, {"SHOWSCREENNAME", "1"}, {"EXTRAMILESFLAT", "5"}, {"POUND", "O'Neil"},
          {"CURRENCYSUFFIX", "ر.س."}},
         false, {{"dffUSEROUTER", "1"}, {"dffSHOWFIELDNAME", "1"}, {"dffSHOWSCREENNAME", "1"}, {"dfnExtraMilesFlat", "5.00"},
                 {"dfsPound", "O'Neil"}, {"dfsFils", "0"}, {"dfsCurrencySuffix", "ر.س."}}},
        // 2 shows field names but not the screen name.
        {{{"SHOWFIELDNAME", "2"}, {"SHOWSCREENNAME", "2"}, {"EXTRAMILESPERCENT", "12.5"}, {"TWOPOUNDS", "فلس, cents"}},
         false, {{"dffUSEROUTER", "0"}, {"dffSHOWFIELDNAME", "1"}, {"dffSHOWSCREENNAME", "0"}, {"dfnExtraMilesFlat", "0"},
                 {"dfnExtraMilesPercent", "12.50"}, {"dfsPound", "0"}, {"dfsTwoPounds", "فلس, cents"}}},
        {{{"FILS", "stored"}}, false, {{"dffSHOWFIELDNAME", "0"}, {"dfnExtraMilesPercent", "0"}, {"dfsFils", "stored"},
                                       {"dfsCurrencySuffix", "د.ك."}}},
        {{{"FILS", "stored"}}, true, {{"dfsFils", "typed"}}},
    };
    TestOffice office;
    Options options(office);
    auto* tabs = options.findChild<QTabWidget*>("SSTab1");
    QDialog other;
    for (const auto& r : rows) {
        office.db().command("delete from _CONFIG");
        for (const auto& [entry, value] : r.store)
            Configuration(office.db()).SetConfig(entry, value);
        options.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &options; }));
        tabs->setCurrentIndex(2);
        options.set("dfsFils", "typed");
        // The program's windows lose the keyboard to nobody of theirs, or to another of them, and get it back.
        if (r.fromElsewhere) {
            QApplication::setActiveWindow(nullptr);
            QApplication::setActiveWindow(&options);
        } else {
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }));
            options.activateWindow();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &options; }));
        EXPECT_EQ(tabs->currentIndex(), 0);
        for (const auto& [name, value] : r.shown)
            EXPECT_EQ(options[name], value) << name.toStdString() << " with " << r.store.size() << " entries";
    }
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
