#include "ShellOffice.h"

#include "core/ScreenTag.h"
#include "support/Clerk.h"

#include <QApplication>

// F1 to F5 open their menus wherever the cursor is in the window; Alt+F4 and
// the close box ask to log off, unless the window is tagged to exit. With one
// menu open, another menu's key opens that one in its place, and the digit that
// follows opens a screen of the menu asked for last.
TEST(MainWindow, FunctionKeysOpenTheMenusAndClosingAsksToLogOff)
{
    const struct { const char* what; Qt::Key key; Qt::KeyboardModifiers mod; int menu; bool logoff;
                   Qt::Key then = Qt::Key_unknown, digit = Qt::Key_unknown; QString opens = {}; } cases[] = {
        {"F2", Qt::Key_F2, Qt::NoModifier, 2, false}, {"Alt+F4", Qt::Key_F4, Qt::AltModifier, 0, true},
        {"F6", Qt::Key_F6, Qt::NoModifier, 0, false}, {"digit", Qt::Key_1, Qt::NoModifier, 0, false},
        {"data, then rent, 1", Qt::Key_F3, {}, 5, false, Qt::Key_F5, Qt::Key_1, "frmRentCar"},
        {"accounting, then archive, 2", Qt::Key_F4, {}, 1, false, Qt::Key_F1, Qt::Key_2, "F1M1"},
        {"data twice, 2", Qt::Key_F3, {}, 3, false, Qt::Key_F3, Qt::Key_2, "frmCustomers"},
    };
    const auto pressIn = [](MAINT& window, int menu, Qt::Key key) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.menu(menu) && QApplication::activeWindow() == window.menu(menu); }));
        Clerk::press(key);
    };
    for (const auto& c : cases) {
        ShellOffice o;
        ASSERT_TRUE(Clerk::showActive(&o.window));
        Clerk::press(c.key, c.mod);
        if (c.then != Qt::Key_unknown) {
            pressIn(o.window, c.key - Qt::Key_F1 + 1, c.then);
            pressIn(o.window, c.menu, c.digit);
        }
        for (int m = 1; m <= 5; ++m)
            EXPECT_EQ(o.window.menu(m) != nullptr, m == c.menu) << c.what << " menu " << m;
        const QStringList shown = c.logoff ? QStringList{"SCRNlogoff"} : QStringList();
        EXPECT_EQ(o.ui().dialogsShown, c.opens.isEmpty() ? shown : QStringList{c.opens}) << c.what;
        EXPECT_TRUE(o.window.isVisible()) << c.what;
    }
    for (const QString tag : {"", "Menu", "exit", "Exit"}) {
        ShellOffice o;
        o.window.show();
        ScreenTag::set(&o.window, tag);
        EXPECT_EQ(o.window.close(), tag == "Exit") << tag.toStdString();
        EXPECT_EQ(o.window.isVisible(), tag != "Exit") << tag.toStdString();
        EXPECT_EQ(o.ui().dialogsShown, tag == "Exit" ? QStringList() : QStringList{"SCRNlogoff"}) << tag.toStdString();
    }
}

// Every button of the window draws its own picture, without an icon theme,
// and does its job: opens its screen or program, or says plainly what is
// missing (a screen by its caption, not its name).
TEST(MainWindow, EachButtonOpensItsScreenOrProgramOrSaysWhatIsMissing)
{
    {
        ShellOffice o;
        for (const char* name : {"cmdlock", "cmdreminders", "cmdcalender", "cmdcalc", "cmdmail", "cmdWord", "command6",
                                 "command7", "command8", "cmdLogOff"})
            EXPECT_FALSE(o.child<QAbstractButton>(name)->icon().pixmap(24, 24).isNull()) << name;
    }
    const struct { const char* control; QString website, opens, started, url, missing = {}; } rows[] = {
        {"cmdAbout", "0", "dlgAbout", {}, {}, "About"}, {"cmdLogOff", "0", "SCRNlogoff", {}, {}, "Log off"},
        {"cmdlock", "0", "SCRNlock", {}, {}, "Lock screen"}, {"cmdcalender", "0", "POPcalendar", {}, {}, "Calendar"},
        {"Panel7", "0", "POPcalendar", {}, {}, "Calendar"}, {"cmdreminders", "0", {}, {}, {}, "Reminders"},
        {"cmdmail", "0", {}, {}, "mailto:"}, {"cmdWord", "0", {}, "libreoffice --writer", {}},
        {"command6", "www.alnoor.example", {}, {}, "http://www.alnoor.example"},
        {"command6", "https://alnoor.example/rent", {}, {}, "https://alnoor.example/rent"},
        {"command6", "0", {}, {}, {}},  // no address set
    };
    for (const bool there : {true, false}) {
        for (const auto& r : rows) {
            SCOPED_TRACE(std::string(r.control) + (there ? "" : ", missing"));
            ShellOffice o({}, there);
            o.ui().programsAvailable = there;
            o.office.state().config.WEBSITEADDRESS = r.website;
            int reminders = 0;
            if (there)
                o.window.showReminders = [&reminders] { ++reminders; };
            QWidget* control = o.child(r.control);
            ASSERT_NE(control, nullptr);
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->click();
            else
                QTest::mouseClick(control, Qt::LeftButton);
            const bool isReminders = r.control == QLatin1String("cmdreminders");
            const bool works = there && (!r.opens.isEmpty() || !r.started.isEmpty() || !r.url.isEmpty() || isReminders);
            EXPECT_EQ(o.ui().dialogsShown, works && !r.opens.isEmpty() ? QStringList{r.opens} : QStringList());
            EXPECT_EQ(o.ui().programsStarted, works && !r.started.isEmpty() ? QStringList{r.started} : QStringList());
            EXPECT_EQ(o.ui().urlsOpened, works && !r.url.isEmpty() ? QList<QUrl>{QUrl(r.url)} : QList<QUrl>());
            EXPECT_EQ(reminders, works && isReminders ? 1 : 0);
            ASSERT_EQ(o.ui().messages.size(), works ? 0 : 1);
            const QString told = o.ui().lastMessage();
            EXPECT_TRUE(works || r.missing.isEmpty()
                        || (told.contains(r.missing) && (r.opens.isEmpty() || !told.contains(r.opens))))
                << told.toStdString();
        }
    }
}
