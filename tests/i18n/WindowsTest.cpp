#include "Catalogue.h"

#include "app/Wiring.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/Translations.h"
#include "core/dlgError.h"
#include "engine/EngineSetup.h"
#include "shell/LOGINP.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "shell/MenuTable.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <functional>
#include <gtest/gtest.h>

using Translations::Language;

namespace {

// Opens every window an administrator reaches under the language: the login,
// the error box, the main window, each menu and every screen its buttons open,
// then the registered screens no menu button opens, through the registry as
// the main window does. Each window must read in the language's direction, and
// each of its fixed texts (its title, and the texts of its labels, buttons,
// group boxes and tabs) must pass `speaks`.
void sweep(Language language, const std::function<bool(const QString&)>& speaks)
{
    Translations::apply(language);
    TestOffice office(true, true);
    office.loginAs(QStringLiteral("ADMIN"));
    installEngine(office.state());
    ScreenRegistry& screens = office.state().screens();
    Wiring::registerScreens(screens);

    QSet<QString> opened;
    const auto look = [&, home = office.home(), title = office.state().config.APPTITLE](const QWidget* window) {
        opened << window->objectName().toLower();
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(window->layoutDirection(), language == Language::Arabic ? Qt::RightToLeft : Qt::LeftToRight);
        const auto expect = [&](const QWidget* w, const QString& shown) {
            QString text = Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
            // The paths of the office's files and the title it gave itself
            // are data, not captions.
            EXPECT_TRUE(text.startsWith(home) || speaks(text.remove(u'&').remove(title)))
                << w->metaObject()->className() << ' ' << w->objectName().toStdString() << ": \"" << text.toStdString()
                << '"';
        };
        expect(window, window->windowTitle());
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            // A window of its own is looked at on its own.
            if (w->isWindow())
                continue;
            if (const auto* label = qobject_cast<const QLabel*>(w))
                expect(w, label->text());
            else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                expect(w, button->text());
            else if (const auto* group = qobject_cast<const QGroupBox*>(w))
                expect(w, group->title());
            else if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    expect(w, tabs->tabText(i));
        }
    };
    {
        LOGINP login(office.state(), nullptr);
        look(&login);
        dlgError error(office.state(), nullptr);
        look(&error);
    }
    MAINT main(office.state());
    look(&main);
    for (const QString& name : screens.names())
        office.ui().onDialog(name, [&look](QDialog* d) { look(d); });
    // The rights screen asks for an operator as it opens.
    office.ui().onDialog(QStringLiteral("frmGeneralOpen"), [&look](QDialog* d) { look(d); });
    for (int m = 1; m <= MenuTable::MenuCount; ++m) {
        main.openMenu(m);
        MenuScreen* menu = main.menu(m);
        EXPECT_NE(menu, nullptr) << m;
        if (!menu)
            continue;
        look(menu);
        for (int b = 1; b < MenuTable::ButtonCount; ++b)
            if (auto* button = menu->findChild<QPushButton*>(QStringLiteral("command%1").arg(b)))
                button->click();
        menu->close();
    }
    for (const QString& name : screens.names())
        if (!opened.contains(name.toLower()))
            screens.open(name, &main);
    EXPECT_EQ(office.ui().unscripted, QStringList{});
    for (const QString& name : screens.names())
        EXPECT_TRUE(opened.contains(name.toLower())) << "never opened: " << name.toStdString();
    EXPECT_GT(opened.size(), 8);
}

}

// Under Arabic each fixed text of a window is Arabic or a translation the
// catalogue gives (a few keep English words; key names such as F8 read the
// same in every language); under English it is the source text, with no
// Arabic written into the program itself.
TEST(Windows, SpeakTheChosenLanguage)
{
    QSet<QString> translations;
    for (const CatalogueMessage& m : Catalogue::read())
        for (const QString& t : m.translations)
            translations << QString(t).remove(u'&');
    static const QRegularExpression keyName(QStringLiteral("\\bF[0-9]{1,2}\\b")), latin(QStringLiteral("[A-Za-z]")),
        arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
    sweep(Language::Arabic,
          [&](const QString& text) { return !QString(text).remove(keyName).contains(latin) || translations.contains(text); });
    sweep(Language::English, [](const QString& text) { return !text.contains(arabic); });
}
