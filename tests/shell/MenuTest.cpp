#include "ShellOffice.h"

#include "core/KeyRoutines.h"
#include "core/ScreenTag.h"

#include <QKeyEvent>
#include <QScopedPointer>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QString NoF3Options = QStringLiteral("update group_func set command4 = 0 where menu_name = 'F3M'");

// Arabic-Indic digits are beyond what QTest can type, so the events are made here.
void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers)
{
    const QString text = key < 0x10000 && QChar(key).isPrint() ? QString(QChar(key)) : QString();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers, text);
        QCoreApplication::sendEvent(target, &event);
    }
}

}

// A captioned button opens one screen and waits for it, in the mode its menu
// gives it; a button without a caption does nothing. The Rent menu's look-up
// screens come with what they must not change disabled; a plain contract after
// the look-up keeps nothing of it.
TEST(Menus, AButtonOpensOneScreenInItsMode)
{
    const QStringList controls{"txtNAME", "Frame1", "Frame2", "dfsFrame1", "cmdNew", "cmdOpen", "cmdSave",
                               "cmdDel", "cmdPL", "cmdPRINT", "cmdOk", "command0"};
    const struct { int menu; int button; QString opens; QStringList disabled = {}; } rows[] = {
        {5, 2, "frmRentCar/", {"Frame1", "Frame2", "dfsFrame1", "cmdNew", "cmdSave", "cmdDel", "cmdPL", "cmdOk"}},
        {5, 1, "frmRentCar/RENTMODE"},
        {5, 4, "frmAvailableCars/"},
        {5, 3, "frmRentCar/SURRENDMODE"}, {3, 1, "frmCars/"}, {3, 7, ""},
    };
    ShellOffice o;
    QStringList opened, disabled;
    for (const QString& name : o.office.state().screens().names())
        o.ui().onDialog(name, [&](QDialog* d) {
            opened << d->objectName() + "/" + ScreenTag::get(d);
            for (const QString& control : controls)
                if (const QWidget* w = d->findChild<QWidget*>(control); w && !w->isEnabled())
                    disabled << control;
        });
    for (const auto& r : rows) {
        opened.clear();
        disabled.clear();
        commandButton(o.open(r.menu), r.button)->click();
        EXPECT_EQ(opened, r.opens.isEmpty() ? QStringList() : QStringList{r.opens}) << r.menu << "/" << r.button;
        EXPECT_EQ(disabled, r.disabled) << r.menu << "/" << r.button;
    }
    EXPECT_TRUE(o.ui().messages.isEmpty());
}

TEST(Menus, TheOperatorsRightsEnableTheButtons)
{
    const QList<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const struct { const char* what; QString sql; int menu; QList<int> enabled; } cases[] = {
        {"no row for this menu", "delete from group_func where menu_name = 'F4M'", 4, {}},
        {"another menu's row withheld", "delete from group_func where menu_name = 'F4M'", 1, all},
        {"options withheld", NoF3Options, 3, {1, 2, 3, 5, 6, 7, 8, 9}},
        {"rows of another operator", "update group_func set operatorid = operatorid + 100", 1, {}},
    };
    for (const auto& c : cases) {
        ShellOffice o(c.sql);
        MenuScreen* menu = o.open(c.menu);
        ASSERT_NE(menu, nullptr) << c.what;
        EXPECT_TRUE(commandButton(menu, 0)->isEnabled()) << c.what;
        for (int b = 1; b <= 9; ++b)
            EXPECT_EQ(commandButton(menu, b)->isEnabled(), c.enabled.contains(b)) << c.what << " command" << b;
    }
}

TEST(Menus, DigitKeysActAsTheirButtons)
{
    const struct { const char* what; QString sql; int menu; int key; Qt::KeyboardModifiers mod; QString opens;
                   bool hide3 = false; bool registered = true; } cases[] = {
        {"keypad 3 in accounting", {}, 4, Qt::Key_3, Qt::KeypadModifier, "frmExpenseRent"},
        {"keypad 3 with its button hidden", {}, 4, Qt::Key_3, Qt::KeypadModifier, "", true},
        {"keypad 3 without the right", "update group_func set command3 = 0 where menu_name = 'F4M'", 4, Qt::Key_3,
         Qt::KeypadModifier, ""},
        {"4 opens the options", {}, 3, Qt::Key_4, Qt::NoModifier, "frmOptions"},
        {"7 in the data menu has no action", {}, 3, Qt::Key_7, Qt::NoModifier, ""},
        {"Eastern Arabic-Indic six", {}, 5, 0x06F6, Qt::NoModifier, "frmCustomerMessages"},
        {"a letter", {}, 2, Qt::Key_A, Qt::NoModifier, ""},
        {"a screen this build lacks is told plainly", {}, 4, Qt::Key_6, Qt::NoModifier, "", false, false},
    };
    for (const auto& c : cases) {
        ShellOffice o(c.sql, c.registered);
        o.office.state().config.SHOWERRORS = 1;
        MenuScreen* menu = o.open(c.menu);
        ASSERT_NE(menu, nullptr) << c.what;
        commandButton(menu, 3)->setHidden(c.hide3);
        press(commandButton(menu, 0), c.key, c.mod);  // the key reaches the menu from its focused button
        EXPECT_EQ(o.ui().dialogsShown, c.opens.isEmpty() ? QStringList() : QStringList{c.opens}) << c.what;
        EXPECT_EQ(o.ui().messages.size(), c.registered ? 0 : 1) << c.what;
        // Named as the operator knows it, by the menu's caption.
        EXPECT_TRUE(c.registered || (o.ui().lastMessage().contains("Gen Ledger") && !o.ui().lastMessage().contains("frm")))
            << o.ui().lastMessage().toStdString();
        EXPECT_EQ(o.window.menu(c.menu), menu) << c.what;
    }
}

TEST(Menus, BackClosesEscapeDoesNotAndReopeningReadsTheRightsAnew)
{
    ShellOffice o;
    QPointer<MenuScreen> menu = o.open(3);
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(o.window.menu(3), menu);
    QTest::keyClick(menu, Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(o.window.menu(3), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    o.office.db().command(NoF3Options);
    EXPECT_FALSE(commandButton(o.open(3), 4)->isEnabled());
    EXPECT_TRUE(o.ui().dialogsShown.isEmpty());
}

TEST(DataScreenKeys, FunctionKeysClickEnabledButtonsAndEscapeCloses)
{
    const struct { const char* what; int key; QString disabled, clicked; bool handled; } cases[] = {
        {"F7 (the button's name in another case)", Qt::Key_F7, "", "cmdPrint", true},
        {"F8", Qt::Key_F8, "", "cmdNew", true},     {"F9", Qt::Key_F9, "", "cmdOpen", true},
        {"F10", Qt::Key_F10, "", "cmdPL", true},    {"F11", Qt::Key_F11, "", "cmdDel", true},
        {"F12", Qt::Key_F12, "", "cmdSave", true},  {"F12 with Save disabled", Qt::Key_F12, "cmdSave", "", true},
        {"F6", Qt::Key_F6, "", "", false},          {"a letter", Qt::Key_S, "", "", false},
        {"Esc with everything disabled", Qt::Key_Escape, "*", "", true},
    };
    TestOffice office;
    for (const auto& c : cases) {
        QScopedPointer<QDialog> screen(makeStandIn("frmReminder", nullptr));
        screen->findChild<QWidget*>("cmdPRINT")->setObjectName("cmdPrint");
        screen->show();
        QStringList clicks;
        for (QPushButton* b : screen->findChildren<QPushButton*>())
            QObject::connect(b, &QPushButton::clicked, [&clicks, b] { clicks << b->objectName(); });
        if (c.disabled == "*")
            KeyRoutines::enableAll(screen.get(), false);
        else if (!c.disabled.isEmpty())
            screen->findChild<QWidget*>(c.disabled)->setEnabled(false);
        EXPECT_EQ(KeyRoutines::dataScreenKey(office.state(), screen.get(), c.key), c.handled) << c.what;
        EXPECT_EQ(clicks, c.clicked.isEmpty() ? QStringList() : QStringList{c.clicked}) << c.what;
        EXPECT_EQ(screen->isVisible(), c.key != Qt::Key_Escape) << c.what;
    }
}

TEST(EnableAll, LocksAndFreesTheNamedControlsButLeavesTabStripsToTheirTabs)
{
    QScopedPointer<QDialog> screen(makeStandIn("frmGLEntry", nullptr));
    auto* tabs = new QTabWidget(screen.get());
    tabs->setObjectName("SSTab1");
    tabs->addTab(new QWidget, "General");
    KeyRoutines::enableAll(screen.get(), false);
    for (const char* name : {"txtNAME", "Frame1", "cmdSave", "command0", "SSTab1"})
        EXPECT_FALSE(screen->findChild<QWidget*>(name)->isEnabled()) << name;
    tabs->setEnabled(true);  // the journal viewer frees the tab strip
    EXPECT_TRUE(tabs->tabBar()->isEnabled());
    KeyRoutines::enableAll(screen.get(), true);
    for (const char* name : {"txtNAME", "Frame1", "dfsFrame1", "cmdSave"})
        EXPECT_TRUE(screen->findChild<QWidget*>(name)->isEnabled()) << name;
}
