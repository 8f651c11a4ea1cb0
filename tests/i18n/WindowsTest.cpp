#include "Catalogue.h"
#include "WindowTexts.h"

#include "app/Wiring.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/Translations.h"
#include "engine/EngineSetup.h"
#include "shell/LOGINP.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "shell/MenuTable.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using Translations::Language;

namespace {

struct Window {
    QString name;
    Qt::LayoutDirection direction;
    QList<WindowText> texts;
};

// Every window an administrator reaches: the login, the main window, each
// menu and every screen its buttons open, then the registered screens no
// menu button opens, through the registry as the main window does.
QList<Window> everyWindow(Language language)
{
    Translations::apply(language);
    TestOffice office(true, true);
    office.loginAs(QStringLiteral("ADMIN"));
    installEngine(office.state());
    ScreenRegistry& screens = office.state().screens();
    Wiring::registerScreens(screens);

    QList<Window> windows;
    // The paths of the office's files and the title it gave itself are data,
    // not captions.
    const auto look = [&windows, home = office.home(), title = office.state().config.APPTITLE](const QWidget* w) {
        QList<WindowText> texts = fixedTexts(w);
        texts.removeIf([&home](const WindowText& t) { return t.text.startsWith(home); });
        for (WindowText& t : texts)
            t.text.remove(title);
        windows << Window{w->objectName(), w->layoutDirection(), texts};
    };
    {
        LOGINP login(office.state(), nullptr);
        look(&login);
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
    QSet<QString> opened;
    for (const Window& w : windows)
        opened << w.name.toLower();
    for (const QString& name : screens.names())
        if (!opened.contains(name.toLower()))
            screens.open(name, &main);
    EXPECT_EQ(office.ui().unscripted, QStringList{});
    for (const Window& w : windows)
        opened << w.name.toLower();
    for (const QString& name : screens.names())
        EXPECT_TRUE(opened.contains(name.toLower())) << "never opened: " << name.toStdString();
    return windows;
}

// Key names (F8) read the same in every language.
bool hasLatinLetter(const QString& text)
{
    static const QRegularExpression keyName(QStringLiteral("\\bF[0-9]{1,2}\\b"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return QString(text).remove(keyName).contains(latin);
}

bool hasArabicLetter(const QString& text)
{
    static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
    return text.contains(arabic);
}


}

// Under Arabic each window reads right to left, and each of its fixed texts
// is Arabic or a translation the catalogue gives (a few keep English words).
TEST(Windows, ArabicThroughout)
{
    QList<CatalogueMessage> messages;
    ASSERT_TRUE(Catalogue::read(Catalogue::path(), messages)) << qPrintable(Catalogue::path());
    QSet<QString> translations;
    for (const CatalogueMessage& m : std::as_const(messages))
        for (const QString& t : m.translations)
            translations << QString(t).remove(QLatin1Char('&'));

    const QList<Window> windows = everyWindow(Language::Arabic);
    EXPECT_GT(windows.size(), 8);
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name.toStdString());
        EXPECT_EQ(w.direction, Qt::RightToLeft);
        for (const WindowText& t : w.texts) {
            EXPECT_TRUE(!hasLatinLetter(t.text) || translations.contains(t.text))
                << "untranslated " << t.where.toStdString() << ": \"" << t.text.toStdString() << "\"";
        }
    }
}

// Under English every window reads left to right and shows the source
// texts: no Arabic written into the program itself.
TEST(Windows, EnglishShowsTheSourceTexts)
{
    const QList<Window> windows = everyWindow(Language::English);
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name.toStdString());
        EXPECT_EQ(w.direction, Qt::LeftToRight);
        for (const WindowText& t : w.texts)
            EXPECT_FALSE(hasArabicLetter(t.text)) << t.where.toStdString() << ": \"" << t.text.toStdString() << "\"";
    }
    const struct { const char* window; const char* title; } titles[] = {
        {"LOGINP", "Login To Program"},
        {"frmCustomerMessages", "Customer Message"},
    };
    for (const auto& row : titles) {
        const auto it = std::find_if(windows.begin(), windows.end(),
                                     [&](const Window& w) { return w.name == QLatin1String(row.window); });
        ASSERT_NE(it, windows.end()) << row.window;
        EXPECT_EQ(it->texts.first().text, QString::fromUtf8(row.title)) << row.window;
    }
}
