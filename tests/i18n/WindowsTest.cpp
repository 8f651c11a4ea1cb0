#include "Catalogue.h"

#include "app/Wiring.h"
#include "engine/EngineSetup.h"
#include "shell/base/RunState.h"
#include "shell/base/ScreenRegistry.h"
#include "shell/base/Translations.h"
#include "shell/base/dlgError.h"
#include "shell/windows/LOGINP.h"
#include "shell/windows/MAINT.h"
#include "shell/windows/MenuScreen.h"
#include "shell/windows/MenuTable.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

using Translations::Language;

namespace {

// A text of a window that is part of the window itself, not of its data.
struct WindowText {
    QString where;  // "title", or the control's class and object name
    QString text;
};

struct Window {
    QString name;
    Qt::LayoutDirection direction;
    QList<WindowText> texts;
};

// The window's title, and the texts of its labels, buttons, group boxes and tabs.
QList<WindowText> fixedTexts(const QWidget* window)
{
    const auto plain = [](const QString& text) {
        return QString(Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).remove(u'&');
    };
    QList<WindowText> texts{{QStringLiteral("title"), window->windowTitle()}};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        // A window of its own is looked at on its own.
        if (w->isWindow())
            continue;
        const QString where = QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << WindowText{where, plain(label->text())};
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << WindowText{where, plain(button->text())};
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            texts << WindowText{where, plain(group->title())};
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << WindowText{where + QStringLiteral(" tab %1").arg(i), plain(tabs->tabText(i))};
    }
    return texts;
}

// Every window an administrator reaches: the login, the error box, the main
// window, each menu and every screen its buttons open, then the registered
// screens no menu button opens, through the registry as the main window does.
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

}

// Each window reads in the direction of the chosen language. Under Arabic each
// of its fixed texts is Arabic or a translation the catalogue gives (a few keep
// English words); under English it shows the source texts, with no Arabic
// written into the program itself.
TEST(Windows, SpeakTheChosenLanguage)
{
    QList<CatalogueMessage> messages;
    ASSERT_TRUE(Catalogue::read(Catalogue::path(), messages)) << qPrintable(Catalogue::path());
    QSet<QString> translations;
    for (const CatalogueMessage& m : std::as_const(messages))
        for (const QString& t : m.translations)
            translations << QString(t).remove(QLatin1Char('&'));
    static const QRegularExpression arabicLetter(QStringLiteral("[\\x{0600}-\\x{06FF}]"));

    for (const Language language : {Language::Arabic, Language::English}) {
        const bool arabic = language == Language::Arabic;
        const QList<Window> windows = everyWindow(language);
        EXPECT_GT(windows.size(), 8);
        for (const Window& w : windows) {
            SCOPED_TRACE(w.name.toStdString());
            EXPECT_EQ(w.direction, arabic ? Qt::RightToLeft : Qt::LeftToRight);
            for (const WindowText& t : w.texts) {
                const bool foreign = arabic ? hasLatinLetter(t.text) && !translations.contains(t.text)
                                            : t.text.contains(arabicLetter);
                EXPECT_FALSE(foreign) << (arabic ? "untranslated " : "Arabic in ") << t.where.toStdString() << ": \""
                                      << t.text.toStdString() << '"';
            }
        }
    }
}
