#include "engine/NumberEdit.h"
#include "shell/base/Configuration.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/SqlValue.h"
#include "shell/windows/frmOptions.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <map>

namespace {

using ScreenChecks::control;

const QStringList SavedEntries{"SHOWFIELDNAME", "USEROUTER",    "SHOWSCREENNAME", "EXTRAMILESFLAT", "EXTRAMILESPERCENT",
                               "FILS",          "POUND",        "TWOPOUNDS",      "POUNDS"};

// The options screen as the menu shows it.
struct Options {
    explicit Options(TestOffice& office) : screen(office.state(), nullptr) { screen.show(); }

    QCheckBox* box(const char* name) { return control<QCheckBox>(&screen, QLatin1String(name)); }
    NumberEdit* number(const char* name) { return control<NumberEdit>(&screen, QLatin1String(name)); }
    QLineEdit* text(const char* name) { return control<QLineEdit>(&screen, QLatin1String(name)); }
    QPushButton* button(const char* name) { return control<QPushButton>(&screen, QLatin1String(name)); }
    void click(const char* name) { ScreenChecks::click(&screen, QLatin1String(name)); }
    void key(int key) { QTest::keyClick(&screen, Qt::Key(key)); }
    void activate()
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&screen, &activation);
    }
    static void type(QLineEdit* field, const QString& text)
    {
        field->clear();
        ScreenChecks::type(field, text);
    }

    frmOptions screen;
};

void clearStore(Database& db)
{
    db.command(QStringLiteral("delete from _CONFIG"));
}

void store(Database& db, const QString& entry, const QString& value)
{
    Configuration(db).SetConfig(entry, value);
}

// Every row of one entry, in key order.
QStringList rowsOf(Database& db, const QString& entry)
{
    const RowSet rows = db.execute(QStringLiteral("select entryvalue from _CONFIG where entry = ")
                                   + SqlValue::quoted(entry) + QStringLiteral(" order by CONFIGID"));
    QStringList values;
    for (int i = 0; i < rows.count(); ++i)
        values << rows.text(i, QStringLiteral("entryvalue"));
    return values;
}

QString errorLog(TestOffice& office)
{
    QFile file(errorLogPath(office.state()));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}

TEST(frmOptions, ShowsTheStoredEntries)
{
    struct Row {
        const char* what;
        std::map<QString, QString> entries;  // empty: a store without any rows
        bool userouter, showfieldname, showscreenname;
        QString flat, percent, fils, pound;
    };
    const Row rows[] = {
        {"no rows at all", {}, false, false, false, "0", "0", "0", "0"},
        {"switches on",
         {{"USEROUTER", "1"}, {"SHOWFIELDNAME", "1"}, {"SHOWSCREENNAME", "1"}, {"EXTRAMILESFLAT", "5"},
          {"EXTRAMILESPERCENT", "0"}, {"FILS", "فلس"}, {"POUND", "O'Neil"}},
         true, true, true, "5.00", "0", "فلس", "O'Neil"},
        {"2 shows field names but not the screen name",
         {{"USEROUTER", "0"}, {"SHOWFIELDNAME", "2"}, {"SHOWSCREENNAME", "2"}, {"EXTRAMILESFLAT", "0"},
          {"EXTRAMILESPERCENT", "12.5"}, {"FILS", "fils, cents"}, {"POUND", "دينار"}},
         false, true, false, "0", "12.50", "fils, cents", "دينار"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        clearStore(office.db());
        for (const auto& [entry, value] : r.entries)
            store(office.db(), entry, value);

        Options options(office);

        EXPECT_EQ(options.box("dffUSEROUTER")->isChecked(), r.userouter);
        EXPECT_EQ(options.box("dffSHOWFIELDNAME")->isChecked(), r.showfieldname);
        EXPECT_EQ(options.box("dffSHOWSCREENNAME")->isChecked(), r.showscreenname);
        EXPECT_EQ(options.number("dfnExtraMilesFlat")->text(), r.flat);
        EXPECT_EQ(options.number("dfnExtraMilesPercent")->text(), r.percent);
        EXPECT_EQ(options.text("dfsFils")->text(), r.fils);
        EXPECT_EQ(options.text("dfsPound")->text(), r.pound);
        EXPECT_EQ(options.screen.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    }
}

TEST(frmOptions, EachActivationReadsTheStoreAgainOnTheFirstTab)
{
    TestOffice office;
    Options options(office);
    auto* tabs = options.screen.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(2);
    options.text("dfsPounds")->setText(QStringLiteral("not saved"));
    store(office.db(), QStringLiteral("POUNDS"), QStringLiteral("دنانير"));
    store(office.db(), QStringLiteral("SHOWSCREENNAME"), QStringLiteral("1"));

    options.activate();

    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(options.text("dfsPounds")->text(), QStringLiteral("دنانير"));
    EXPECT_TRUE(options.box("dffSHOWSCREENNAME")->isChecked());
}

TEST(frmOptions, SaveInsertsMissingEntriesThenUpdatesThem)
{
    TestOffice office;
    clearStore(office.db());
    Options options(office);

    struct Pass {
        bool ticked;
        const char* flat;
        const char* words;
    };
    for (const Pass& pass : {Pass{true, "7.5", "فلس"}, Pass{false, "3", "cent"}}) {
        options.box("dffUSEROUTER")->setChecked(pass.ticked);
        options.box("dffSHOWFIELDNAME")->setChecked(pass.ticked);
        options.box("dffSHOWSCREENNAME")->setChecked(pass.ticked);
        Options::type(options.number("dfnExtraMilesFlat"), QLatin1String(pass.flat));
        for (const char* field : {"dfsFils", "dfsPound", "dfsTwoPounds", "dfsPounds"})
            options.text(field)->setText(QString::fromUtf8(pass.words));

        options.key(Qt::Key_F12);

        const QString flag = pass.ticked ? QStringLiteral("1") : QStringLiteral("0");
        const std::map<QString, QString> expected{
            {"SHOWFIELDNAME", flag}, {"USEROUTER", flag}, {"SHOWSCREENNAME", flag},
            {"EXTRAMILESFLAT", QLatin1String(pass.flat)}, {"EXTRAMILESPERCENT", "0"},
            {"FILS", QString::fromUtf8(pass.words)}, {"POUND", QString::fromUtf8(pass.words)},
            {"TWOPOUNDS", QString::fromUtf8(pass.words)}, {"POUNDS", QString::fromUtf8(pass.words)}};
        for (const auto& [entry, value] : expected)
            EXPECT_EQ(rowsOf(office.db(), entry), QStringList{value}) << entry.toStdString();
    }
    EXPECT_TRUE(options.screen.isVisible());
}

TEST(frmOptions, SaveWritesTheEntriesInTheirOrder)
{
    TestOffice office;
    Options options(office);
    QStringList asked;
    static const QRegularExpression lookUp(QStringLiteral("^select \\* from _CONFIG where entry = '(\\w+)'$"));
    office.db().setStatementHook([&](const QString& sql) {
        const auto match = lookUp.match(sql);
        if (match.hasMatch())
            asked << match.captured(1);
    });

    options.click("cmdSave");
    office.db().setStatementHook({});

    EXPECT_EQ(asked, SavedEntries);
}

TEST(frmOptions, StoredForms)
{
    struct Row {
        const char* typedFlat;
        const char* typedPercent;
        const char* words;
        const char* storedFlat;
        const char* storedPercent;
    };
    const Row rows[] = {
        {"5", "", "دينار", "5", "0"},
        {"", "2.25", "O'Brien's pound", "0", "2.25"},
        {"0", "0", "1,000 fils", "0", "0"},
        {"1234567.5", "", "   ", "1234567.5", "0"},
        {"", "", "", "0", "0"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.words);
        TestOffice office;
        Options options(office);
        Options::type(options.number("dfnExtraMilesFlat"), QLatin1String(r.typedFlat));
        Options::type(options.number("dfnExtraMilesPercent"), QLatin1String(r.typedPercent));
        options.text("dfsTwoPounds")->setText(QString::fromUtf8(r.words));

        options.click("cmdSave");

        EXPECT_EQ(rowsOf(office.db(), QStringLiteral("EXTRAMILESFLAT")), QStringList{QLatin1String(r.storedFlat)});
        EXPECT_EQ(rowsOf(office.db(), QStringLiteral("EXTRAMILESPERCENT")),
                  QStringList{QLatin1String(r.storedPercent)});
        EXPECT_EQ(rowsOf(office.db(), QStringLiteral("TWOPOUNDS")), QStringList{QString::fromUtf8(r.words)});
    }
}

TEST(frmOptions, OnlyOneExtraChargeStaysNonZero)
{
    struct Step {
        const char* field;
        const char* typed;
        const char* flat;
        const char* percent;
    };
    const Step steps[] = {
        {"dfnExtraMilesFlat", "5", "5", "0"},
        {"dfnExtraMilesPercent", "10", "0", "10"},
        {"dfnExtraMilesFlat", "0", "0", "10"},
        {"dfnExtraMilesFlat", "0.5", "0.5", "0"},
        {"dfnExtraMilesPercent", "", "0.5", ""},
    };
    TestOffice office;
    Options options(office);
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.field) + " <- " + s.typed);
        Options::type(options.number(s.field), QLatin1String(s.typed));
        EXPECT_EQ(options.number("dfnExtraMilesFlat")->text(), QLatin1String(s.flat));
        EXPECT_EQ(options.number("dfnExtraMilesPercent")->text(), QLatin1String(s.percent));
    }
    options.click("cmdSave");
    EXPECT_EQ(rowsOf(office.db(), QStringLiteral("EXTRAMILESFLAT")), QStringList{"0.5"});
    EXPECT_EQ(rowsOf(office.db(), QStringLiteral("EXTRAMILESPERCENT")), QStringList{"0"});
}

TEST(frmOptions, NumberFieldsRefuseLetters)
{
    const struct {
        const char* typed;
        const char* shown;
    } rows[] = {{"abc", ""}, {"1a2", "12"}, {"3.5x", "3.5"}, {"٥", ""}};
    TestOffice office;
    Options options(office);
    for (const auto& r : rows) {
        Options::type(options.number("dfnExtraMilesPercent"), QString::fromUtf8(r.typed));
        EXPECT_EQ(options.number("dfnExtraMilesPercent")->text(), QLatin1String(r.shown)) << r.typed;
    }
}

TEST(frmOptions, ANonNumberIsReportedAndNotStored)
{
    TestOffice office;
    Options options(office);
    options.box("dffSHOWFIELDNAME")->setChecked(true);
    options.text("dfsFils")->setText(QStringLiteral("changed"));
    Options::type(options.number("dfnExtraMilesFlat"), QStringLiteral("-"));
    ASSERT_EQ(options.number("dfnExtraMilesFlat")->text(), QStringLiteral("-"));

    options.click("cmdSave");

    // The entries before the failing one stay written, the rest are untouched.
    EXPECT_EQ(rowsOf(office.db(), QStringLiteral("SHOWFIELDNAME")), QStringList{"1"});
    EXPECT_EQ(rowsOf(office.db(), QStringLiteral("EXTRAMILESFLAT")), QStringList{"0"});
    EXPECT_EQ(rowsOf(office.db(), QStringLiteral("FILS")), QStringList{QStringLiteral("فلس")});
    EXPECT_TRUE(errorLog(office).contains(QStringLiteral("frmOptions.cmdSave_Click")));
    EXPECT_TRUE(errorLog(office).contains(QStringLiteral("dfnExtraMilesFlat")));
    EXPECT_TRUE(office.ui().dialogsShown.contains(QStringLiteral("dlgError")));
}

TEST(frmOptions, Commands)
{
    struct Row {
        const char* what;
        std::function<void(Options&)> act;
        bool saved;
        bool open;
    };
    const Row rows[] = {
        {"F12 saves and stays", [](Options& o) { o.key(Qt::Key_F12); }, true, true},
        {"Save button", [](Options& o) { o.click("cmdSave"); }, true, true},
        {"OK saves and closes", [](Options& o) { o.click("cmdOk"); }, true, false},
        {"Cancel closes unsaved", [](Options& o) { o.click("command0"); }, false, false},
        {"Esc closes unsaved", [](Options& o) { o.key(Qt::Key_Escape); }, false, false},
        {"F12 with Save disabled",
         [](Options& o) {
             o.button("cmdSave")->setEnabled(false);
             o.key(Qt::Key_F12);
         },
         false, true},
        {"keys of the commands without meaning",
         [](Options& o) {
             for (int key : {Qt::Key_F8, Qt::Key_F9, Qt::Key_F10, Qt::Key_F11})
                 o.key(key);
         },
         false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        Options options(office);
        options.text("dfsPound")->setText(QStringLiteral("ريال"));

        r.act(options);

        EXPECT_EQ(rowsOf(office.db(), QStringLiteral("POUND")).value(0) == QStringLiteral("ريال"), r.saved);
        EXPECT_EQ(options.screen.isVisible(), r.open);
        EXPECT_TRUE(office.ui().dialogsShown.isEmpty()) << office.ui().dialogsShown.join(' ').toStdString();
    }
}
