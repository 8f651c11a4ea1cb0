// The menus as a clerk works them: the main window has the keyboard, a
// function key opens a menu, and the keys go on to whatever has the cursor.
#include "ShellOffice.h"

#include "support/Clerk.h"
#include <QApplication>


// With one menu open, the function key of another opens that one in its place:
// the digit that follows opens a screen of the menu asked for last.
TEST(MenuKeys, AnotherMenusKeyTakesTheDigitsThere)
{
    const struct { const char* what; Qt::Key first, second, digit; int menu; QString opens; } rows[] = {
        {"data, then rent, 1", Qt::Key_F3, Qt::Key_F5, Qt::Key_1, 5, "frmRentCar"},
        {"rent, then data, 1", Qt::Key_F5, Qt::Key_F3, Qt::Key_1, 3, "frmCars"},
        {"accounting, then archive, 2", Qt::Key_F4, Qt::Key_F1, Qt::Key_2, 1, "F1M1"},
        {"data twice, 2", Qt::Key_F3, Qt::Key_F3, Qt::Key_2, 3, "frmCustomers"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        ShellOffice o;
        ASSERT_TRUE(Clerk::showActive(&o.window));
        Clerk::press(r.first);
        MenuScreen* first = o.window.menu(r.first - Qt::Key_F1 + 1);
        ASSERT_NE(first, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == first; }));
        Clerk::press(r.second);
        MenuScreen* menu = o.window.menu(r.menu);
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == menu; }));
        for (int other = 1; other <= 5; ++other)
            EXPECT_EQ(o.window.menu(other) != nullptr, other == r.menu) << "menu " << other;
        Clerk::press(r.digit);
        EXPECT_EQ(o.ui().dialogsShown, QStringList{r.opens});
    }
}
