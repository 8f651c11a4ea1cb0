#include "core/Translations.h"
#include "core/dlgError.h"
#include "shell/LOGINP.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "shell/SCRNlogoff.h"
#include "shell/dlgAbout.h"
#include "shell/frmOptions.h"
#include "support/TestOffice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using Translations::Language;

namespace {

// The other tests of this program run in the source language on a
// right-to-left desktop, as the test runner starts them.
struct LanguageFor {
    explicit LanguageFor(Language language) { EXPECT_TRUE(Translations::apply(language).isEmpty()); }
    ~LanguageFor()
    {
        Translations::apply(Language::English);
        QApplication::setLayoutDirection(Qt::RightToLeft);
    }
};

struct Shown {
    std::unique_ptr<QWidget> window;
    QString caption;
};

using Open = std::function<Shown(RunState&)>;

template <typename W>
Shown titleOf(std::unique_ptr<W> window)
{
    const QString title = window->windowTitle();
    return {std::move(window), title};
}

const struct {
    const char* name;
    Open open;
    const char* source;
    const char* arabic;
} Cases[] = {
    {"login title", [](RunState& s) { return titleOf(std::make_unique<LOGINP>(s, nullptr)); }, "Login To Program",
     "الدخول إلى البرنامج"},
    {"log-off title", [](RunState& s) { return titleOf(std::make_unique<SCRNlogoff>(s, nullptr)); }, "Log Off",
     "تسجيل الخروج"},
    {"about title", [](RunState& s) { return titleOf(std::make_unique<dlgAbout>(s, nullptr)); }, "About Ijar Office",
     "حول Ijar Office"},
    {"options title", [](RunState& s) { return titleOf(std::make_unique<frmOptions>(s, nullptr)); }, "Options",
     "الإعدادات"},
    {"error dialog title", [](RunState& s) { return titleOf(std::make_unique<dlgError>(s, nullptr)); }, "Error",
     "خطأ"},
    {"menu frame",
     [](RunState& s) {
         auto menu = std::make_unique<MenuScreen>(s, 3, nullptr);
         const QString title = menu->findChild<QGroupBox*>("Frame1")->title();
         return Shown{std::move(menu), title};
     },
     "Sys Data", "بيانات النظام"},
    {"menu button",
     [](RunState& s) {
         auto menu = std::make_unique<MenuScreen>(s, 3, nullptr);
         const QString caption = menu->findChild<QAbstractButton*>("command4")->text();
         return Shown{std::move(menu), caption};
     },
     "4- Options", "4- الإعدادات"},
    {"log-off button",
     [](RunState& s) {
         auto main = std::make_unique<MAINT>(s);
         const QString caption = main->findChild<QAbstractButton*>("cmdLogOff")->text();
         return Shown{std::move(main), caption};
     },
     "Log off", "تسجيل الخروج"},
};

}

TEST(Language, TheSourceLanguageShowsTheCaptionsAsWrittenLeftToRight)
{
    const LanguageFor english(Language::English);
    for (const auto& c : Cases) {
        TestOffice office;
        office.state().config.APPTITLE = "Ijar Office";
        const Shown shown = c.open(office.state());
        EXPECT_EQ(shown.caption, QString::fromUtf8(c.source)) << c.name;
        EXPECT_EQ(shown.window->layoutDirection(), Qt::LeftToRight) << c.name;
    }
}

TEST(Language, ArabicShowsTheCaptionsInArabicRightToLeft)
{
    const LanguageFor arabic(Language::Arabic);
    for (const auto& c : Cases) {
        TestOffice office;
        office.state().config.APPTITLE = "Ijar Office";
        const Shown shown = c.open(office.state());
        EXPECT_EQ(shown.caption, QString::fromUtf8(c.arabic)) << c.name;
        EXPECT_EQ(shown.window->layoutDirection(), Qt::RightToLeft) << c.name;
    }
}
