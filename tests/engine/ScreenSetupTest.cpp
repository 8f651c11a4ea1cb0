#include "core/Configuration.h"
#include "core/ScreenSetup.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "engine/NumberEdit.h"
#include "reminders/frmReminder.h"
#include "SyntheticScreen.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The tool tip shown when the mouse rests on the middle of `control`, over
// whatever part of it lies there.
QString tipOver(QWidget* control)
{
    const QPoint middle = control->rect().center();
    QWidget* part = control->childAt(middle);
    if (!part)
        part = control;
    const QPoint at = part->mapFrom(control, middle);
    QHelpEvent hover(QEvent::ToolTip, at, part->mapToGlobal(at));
    QApplication::sendEvent(part, &hover);
    const QString tip = QToolTip::text();
    QToolTip::hideText();
    return tip;
}

}

// With SHOWFIELDNAME on, every part of a bound control names the control.
TEST(ScreenSetup, FieldNamesCoverEveryPartOfAControl)
{
    TestOffice office;
    office.state().config.SHOWFIELDNAME = 1;
    installEngine(office.state());
    frmReminder diary(office.state(), nullptr);
    diary.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&diary));
    for (const char* name : {"txtNAME", "dfdReminderDate", "dfcFrequency", "dfnONOFF", "dfsComments"}) {
        QWidget* control = ControlAccess::require(&diary, QLatin1String(name));
        EXPECT_EQ(tipOver(control).toStdString(), name);
    }
}

// A money field shows the office's suffix after an amount it holds, the
// overview's د.ك. when the office has no entry; a plain number field and an
// empty field show none. The suffix is drawn: the text stays the number typed.
TEST(ScreenSetup, MoneyFieldsShowTheCurrencySuffixBesideTheirText)
{
    const struct { std::optional<QString> entry; const char* field; QString typed, shown; } rows[] = {
        {std::nullopt, "dfnAMOUNT", u"12.5"_s, u"د.ك."_s},
        {u"ر.س."_s, "dfnAMOUNT", u"7"_s, u"ر.س."_s},
        {u"ر.س."_s, "dfnAMOUNT", u""_s, u""_s},
        {u"ر.س."_s, "dfnMETER", u"120"_s, u""_s},
        {u""_s, "dfnAMOUNT", u"3"_s, u""_s},
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
        ScreenChecks::type(field, r.typed);
        EXPECT_EQ(field->suffixShown(), r.shown) << r.field << " holding " << r.typed.toStdString();
        EXPECT_EQ(field->text(), r.typed) << r.field;
    }
}
