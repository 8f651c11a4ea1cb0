#include "StandInScreens.h"

#include "shell/base/ScreenTag.h"
#include "shell/windows/MAINT.h"
#include "shell/windows/MenuScreen.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window of a logged-in administrator whose every target screen
// exists as a stand-in.
struct Office {
    explicit Office(const QString& rightsSql = {})
    {
        office.loginAs(QStringLiteral("ADMIN"));
        if (!rightsSql.isEmpty())
            office.db().command(rightsSql);
        StandInScreens::registerAll(office.state(), StandInScreens::everyTarget());
    }
    MenuScreen* open(int number)
    {
        window.openMenu(number);
        return window.menu(number);
    }
    ScriptedUI& ui() { return office.ui(); }

    TestOffice office;
    MAINT window{office.state()};
};

QPushButton* button(QWidget* menu, int n)
{
    return menu->findChild<QPushButton*>(QStringLiteral("command%1").arg(n));
}

// Arabic-Indic digits are beyond what QTest can type, so the events are made here.
void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QString text = key < 0x10000 && QChar(key).isPrint() ? QString(QChar(key)) : QString();
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &up);
}

struct Dispatch {
    int menu;
    int button;
    QString caption;
    QString screen;  // empty: no action
    QString mode;
};

TEST(Menus, EveryButtonShowsItsCaptionAndOpensItsScreenInItsMode)
{
    const QStringList titles{"Archive", "Security", "Sys Data", "Accounting", "Rent"};
    const QList<Dispatch> table{
        {1, 1, "1- Operation", "F1M0", ""},          {1, 2, "2- Accounting", "F1M1", ""},
        {2, 1, "1- Password", "F2M0", ""},           {2, 2, "2- Users", "F2M1", ""},
        {2, 3, "3- User rights", "F2M2", ""},        {3, 1, "1- Cars", "frmCars", ""},
        {3, 2, "2- Customers", "frmCustomers", ""},  {3, 3, "3- Employees", "frmEmployee", ""},
        {3, 4, "4- Options", "frmOptions", ""},      {4, 1, "1- Car Income", "frmIncomeRent", ""},
        {4, 2, "2- Gen. Income", "frmIncomeGeneral", ""},
        {4, 3, "3- Car Expense", "frmExpenseRent", ""},
        {4, 4, "4- Gen. Expense", "frmExpenseGeneral", ""},
        {4, 5, "5- Chart of Account", "frmChartOfAccount", ""},
        {4, 6, "6- Gen Ledger", "frmGLEntry", ""},
        {5, 1, "1- Rent Car", "frmRentCar", "RENTMODE"},
        {5, 2, "2- Rent Contracts", "frmRentCar", ""},
        {5, 3, "3- Surrend Car", "frmRentCar", "SURRENDMODE"},
        {5, 4, "4- Available Cars", "frmCars", "RENTMODE"},
        {5, 5, "5- Diary", "frmReminder", ""},
        {5, 6, "6- Customer Msg", "frmCustomerMessages", ""},
    };
    Office o;
    QStringList opened;
    for (const QString& name : StandInScreens::everyTarget())
        o.ui().onDialog(name, [&opened](QDialog* d) { opened << d->objectName() + "/" + ScreenTag::get(d); });

    for (int m = 1; m <= 5; ++m) {
        MenuScreen* menu = o.open(m);
        ASSERT_NE(menu, nullptr) << m;
        EXPECT_EQ(menu->objectName(), QStringLiteral("F%1M").arg(m));
        EXPECT_EQ(ScreenTag::get(menu), "Menu");
        EXPECT_EQ(menu->findChild<QGroupBox*>("Frame1")->title(), titles[m - 1]);
        EXPECT_EQ(button(menu, 0)->text(), "0- Back");
        for (int b = 1; b <= 9; ++b) {
            Dispatch expected{m, b, "", "", ""};
            for (const Dispatch& d : table)
                if (d.menu == m && d.button == b)
                    expected = d;
            opened.clear();
            const int messages = o.ui().messages.size();
            EXPECT_EQ(button(menu, b)->text(), expected.caption) << m << "/" << b;
            button(menu, b)->click();
            const QStringList want = expected.screen.isEmpty() ? QStringList()
                                                               : QStringList{expected.screen + "/" + expected.mode};
            EXPECT_EQ(opened, want) << m << "/" << b;
            EXPECT_EQ(o.ui().messages.size(), messages) << m << "/" << b;
            EXPECT_EQ(o.window.menu(m), menu) << "the menu stays open behind its screen";
        }
    }
}

struct Rights {
    const char* what;
    QString sql;
    int menu;
    QList<int> enabled;  // command1..9 expected enabled
};

TEST(Menus, TheOperatorsRightsEnableTheButtons)
{
    const QList<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const QList<Rights> cases{
        {"five rows of ones", {}, 3, all},
        {"five rows of ones, rent menu", {}, 5, all},
        {"no rows at all", "delete from group_func", 2, {}},
        {"no row for this menu", "delete from group_func where menu_name = 'F4M'", 4, {}},
        {"another menu's row withheld", "delete from group_func where menu_name = 'F4M'", 1, all},
        {"options withheld", "update group_func set command4 = 0 where menu_name = 'F3M'", 3,
         {1, 2, 3, 5, 6, 7, 8, 9}},
        {"only the first two", "update group_func set command3 = 0, command4 = 0, command5 = 0, command6 = 0, "
                               "command7 = 0, command8 = 0, command9 = 0 where menu_name = 'F5M'",
         5, {1, 2}},
        {"rows of another operator do not count",
         "update group_func set operatorid = operatorid + 100", 1, {}},
    };
    for (const Rights& c : cases) {
        Office o(c.sql);
        MenuScreen* menu = o.open(c.menu);
        ASSERT_NE(menu, nullptr) << c.what;
        EXPECT_TRUE(button(menu, 0)->isEnabled()) << c.what;
        for (int b = 1; b <= 9; ++b)
            EXPECT_EQ(button(menu, b)->isEnabled(), c.enabled.contains(b)) << c.what << " command" << b;
    }
}

struct MenuKey {
    const char* what;
    QString sql;
    int menu;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString expected;  // the screen opened, or empty
};

TEST(Menus, DigitKeysActAsTheirButtons)
{
    const QList<MenuKey> cases{
        {"keypad 3 in accounting", {}, 4, Qt::Key_3, Qt::KeypadModifier, "frmExpenseRent"},
        {"main-keyboard 3 in accounting", {}, 4, Qt::Key_3, Qt::NoModifier, "frmExpenseRent"},
        {"keypad 3 without the right", "update group_func set command3 = 0 where menu_name = 'F4M'", 4,
         Qt::Key_3, Qt::KeypadModifier, ""},
        {"4 opens the options", {}, 3, Qt::Key_4, Qt::NoModifier, "frmOptions"},
        {"4 without the options right", "update group_func set command4 = 0 where menu_name = 'F3M'", 3,
         Qt::Key_4, Qt::NoModifier, ""},
        {"7 in the data menu has no action", {}, 3, Qt::Key_7, Qt::NoModifier, ""},
        {"Arabic-Indic one in the rent menu", {}, 5, 0x0661, Qt::NoModifier, "frmRentCar"},
        {"Eastern Arabic-Indic six in the rent menu", {}, 5, 0x06F6, Qt::NoModifier, "frmCustomerMessages"},
        {"keypad 9 in the rent menu has no action", {}, 5, Qt::Key_9, Qt::KeypadModifier, ""},
        {"a letter", {}, 2, Qt::Key_A, Qt::NoModifier, ""},
        {"a function key", {}, 1, Qt::Key_F1, Qt::NoModifier, ""},
        {"no rights row", "delete from group_func", 1, Qt::Key_1, Qt::NoModifier, ""},
    };
    for (const MenuKey& c : cases) {
        Office o(c.sql);
        MenuScreen* menu = o.open(c.menu);
        ASSERT_NE(menu, nullptr) << c.what;
        press(menu, c.key, c.modifiers);
        const QStringList want = c.expected.isEmpty() ? QStringList() : QStringList{c.expected};
        EXPECT_EQ(o.ui().dialogsShown, want) << c.what;
        EXPECT_TRUE(o.ui().messages.isEmpty()) << c.what;
        EXPECT_EQ(o.window.menu(c.menu), menu) << c.what;
    }
}

TEST(Menus, DigitKeysReachTheMenuFromItsButtons)
{
    Office o;
    MenuScreen* menu = o.open(3);
    QTest::keyClick(button(menu, 1), Qt::Key_2);
    EXPECT_EQ(o.ui().dialogsShown, QStringList{"frmCustomers"});
}

TEST(Menus, BackByButtonOrKeyClosesTheMenu)
{
    for (const bool byKey : {false, true}) {
        Office o;
        MenuScreen* menu = o.open(2);
        ASSERT_NE(menu, nullptr);
        QPointer<MenuScreen> watch(menu);
        if (byKey)
            QTest::keyClick(menu, Qt::Key_0, Qt::KeypadModifier);
        else
            button(menu, 0)->click();
        EXPECT_EQ(o.window.menu(2), nullptr) << byKey;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(watch.isNull()) << byKey;
        EXPECT_TRUE(o.ui().dialogsShown.isEmpty()) << byKey;
    }
}

TEST(Menus, EscapeLeavesTheMenuOpen)
{
    Office o;
    MenuScreen* menu = o.open(4);
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(o.window.menu(4), menu);
}

TEST(Menus, AMenuClosedAndOpenedAgainReadsTheRightsAnew)
{
    Office o;
    MenuScreen* first = o.open(3);
    EXPECT_TRUE(button(first, 4)->isEnabled());
    button(first, 0)->click();
    o.office.db().command("update group_func set command4 = 0 where menu_name = 'F3M'");
    MenuScreen* second = o.open(3);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(button(second, 4)->isEnabled());
}

struct Preparation {
    int button;
    QString mode;
    QStringList disabled;  // every other control stays enabled
};

TEST(Menus, RentMenuPreparesTheLookUpScreens)
{
    const QStringList controls{"txtNAME", "Frame1", "Frame2", "dfsFrame1", "cmdNew", "cmdOpen", "cmdSave",
                               "cmdDel", "cmdPL", "cmdPRINT", "cmdOk", "command0"};
    const QList<Preparation> cases{
        {2, "", {"Frame1", "Frame2", "dfsFrame1", "cmdNew", "cmdSave", "cmdDel", "cmdPL", "cmdOk"}},
        // A plain contract after the look-up: nothing of the look-up stays.
        {1, "RENTMODE", {}},
        {4, "RENTMODE", {"Frame1", "Frame2", "dfsFrame1", "cmdNew", "cmdSave", "cmdDel", "cmdPRINT"}},
        {3, "SURRENDMODE", {}},
    };
    Office o;
    QStringList disabled;
    QString mode;
    const auto inspect = [&](QDialog* d) {
        mode = ScreenTag::get(d);
        disabled.clear();
        for (const QString& name : controls) {
            auto* w = d->findChild<QWidget*>(name);
            if (w && !w->isEnabled())
                disabled << name;
        }
    };
    o.ui().onDialog("frmRentCar", inspect);
    o.ui().onDialog("frmCars", inspect);
    MenuScreen* menu = o.open(5);
    for (const Preparation& c : cases) {
        disabled = {"not shown"};
        button(menu, c.button)->click();
        EXPECT_EQ(mode, c.mode) << c.button;
        EXPECT_EQ(disabled, c.disabled) << c.button;
    }
}

TEST(Menus, AScreenThisBuildLacksIsToldPlainly)
{
    for (const int showErrors : {0, 1}) {
        TestOffice office;
        office.loginAs("ADMIN");
        office.state().config.SHOWERRORS = showErrors;
        MAINT window(office.state());
        window.openMenu(4);
        QTest::keyClick(window.menu(4), Qt::Key_6);
        ASSERT_EQ(office.ui().messages.size(), 1) << showErrors;
        EXPECT_TRUE(office.ui().lastMessage().contains("frmGLEntry")) << office.ui().lastMessage().toStdString();
        EXPECT_TRUE(office.ui().dialogsShown.isEmpty()) << "no error dialog: " << showErrors;
        EXPECT_NE(window.menu(4), nullptr);
    }
}

}
