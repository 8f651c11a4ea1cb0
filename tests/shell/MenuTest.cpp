#include "ShellOffice.h"

#include "support/Clerk.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// Arabic-Indic digits are beyond what QTest can type, so the events are made
// here, for whatever has the cursor.
void press(int key, Qt::KeyboardModifiers modifiers)
{
    const QString text = key < 0x10000 && QChar(key).isPrint() ? QString(QChar(key)) : QString();
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no window has the keyboard";
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers, text);
        QCoreApplication::sendEvent(target, &event);
    }
}

}

// A digit, from the keypad or in Arabic-Indic, acts as the button it names
// when the operator's rights enable it; keypad 0 goes back, Esc does not.
TEST(Menus, DigitKeysActAsTheirEnabledButtons)
{
    const QString noF4 = "delete from group_func where menu_name = 'F4M'";
    const struct { const char* what; QString sql; int menu; int key; Qt::KeyboardModifiers mod; QString opens;
                   bool hide3 = false; bool registered = true; } cases[] = {
        {"keypad 3 in accounting", {}, 4, Qt::Key_3, Qt::KeypadModifier, "frmExpenseRent"},
        {"keypad 3 with its button hidden", {}, 4, Qt::Key_3, Qt::KeypadModifier, "", true},
        {"keypad 3 without the right", "update group_func set command3 = 0 where menu_name = 'F4M'", 4, Qt::Key_3,
         Qt::KeypadModifier, ""},
        {"no row for this menu", noF4, 4, Qt::Key_1, Qt::NoModifier, ""},
        {"another menu's row withheld", noF4, 1, Qt::Key_2, Qt::NoModifier, "F1M1"},
        {"rows of another operator", "update group_func set operatorid = operatorid + 100", 1, Qt::Key_2, {}, ""},
        {"4 opens the options", {}, 3, Qt::Key_4, Qt::NoModifier, "frmOptions"},
        {"options withheld", "update group_func set command4 = 0 where menu_name = 'F3M'", 3, Qt::Key_4, {}, ""},
        {"7 in the data menu has no action", {}, 3, Qt::Key_7, Qt::NoModifier, ""},
        {"Eastern Arabic-Indic six", {}, 5, 0x06F6, Qt::NoModifier, "frmCustomerMessages"},
        {"a letter", {}, 2, Qt::Key_A, Qt::NoModifier, ""},
        {"Esc stays", {}, 3, Qt::Key_Escape, Qt::NoModifier, ""},
        {"keypad 0 goes back", {}, 3, Qt::Key_0, Qt::KeypadModifier, ""},
        {"a screen this build lacks is told plainly", {}, 4, Qt::Key_6, Qt::NoModifier, "", false, false},
    };
    for (const auto& c : cases) {
        ShellOffice o(c.sql, c.registered);
        o.office.state().config.SHOWERRORS = 1;
        MenuScreen* menu = o.open(c.menu);
        ASSERT_TRUE(menu && Clerk::showActive(menu)) << c.what;
        EXPECT_TRUE(commandButton(menu, 0)->isEnabled()) << c.what;
        commandButton(menu, 3)->setHidden(c.hide3);
        press(c.key, c.mod);
        EXPECT_EQ(o.ui().dialogsShown, c.opens.isEmpty() ? QStringList() : QStringList{c.opens}) << c.what;
        EXPECT_EQ(o.ui().messages.size(), c.registered ? 0 : 1) << c.what;
        // Named as the operator knows it, by the menu's caption.
        EXPECT_TRUE(c.registered || (o.ui().lastMessage().contains("Gen Ledger") && !o.ui().lastMessage().contains("frm")))
            << o.ui().lastMessage().toStdString();
        EXPECT_EQ(o.window.menu(c.menu) == menu, c.key != Qt::Key_0) << c.what;
    }
}
