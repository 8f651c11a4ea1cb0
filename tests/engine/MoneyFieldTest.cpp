#include "core/Configuration.h"
#include "core/ScreenSetup.h"
#include "engine/EngineSetup.h"
#include "engine/NumberEdit.h"
#include "SyntheticScreen.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

// A money field shows the office's suffix after an amount it holds, د.ك.
// when the office has no entry; a plain number field and an empty field
// show none. The suffix is drawn: the text stays the number typed, and shows
// two decimals once the clerk leaves the field.
TEST(MoneyField, ShowsTheCurrencySuffixBesideItsText)
{
    const struct { std::optional<QString> entry; const char* field; QString typed, shown, left; } rows[] = {
        {std::nullopt, "dfnAMOUNT", u"12.5"_s, u"د.ك."_s, u"12.50"_s},
        {u"ر.س."_s, "dfnAMOUNT", u"7"_s, u"ر.س."_s, u"7.00"_s},
        {u"ر.س."_s, "dfnAMOUNT", u""_s, u""_s, u""_s},
        {u"ر.س."_s, "dfnMETER", u"120"_s, u""_s, u"120"_s},
        {u""_s, "dfnAMOUNT", u"3"_s, u""_s, u"3.00"_s},
    };
    for (const auto& r : rows) {
        TestOffice office;
        office.db().command(u"delete from _CONFIG where entry = 'CURRENCYSUFFIX'"_s);
        if (r.entry)
            Configuration(office.db()).SetConfig(u"CURRENCYSUFFIX"_s, *r.entry);
        Configuration::LoadConfiguration(office.state());
        installEngine(office.state());
        SyntheticScreen::install(office.db());
        const std::unique_ptr<QDialog> screen(SyntheticScreen::build());
        ScreenSetup::run(office.state(), screen.get());
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        auto* field = ScreenChecks::control<NumberEdit>(screen.get(), QLatin1String(r.field));
        ASSERT_NE(field, nullptr) << r.field;
        field->setFocus();
        ScreenChecks::type(field, r.typed);
        EXPECT_EQ(field->suffixShown(), r.shown) << r.field << " holding " << r.typed.toStdString();
        EXPECT_EQ(field->text(), r.typed) << r.field;
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_EQ(field->text(), r.left) << r.field << " left holding " << r.typed.toStdString();
    }
}
