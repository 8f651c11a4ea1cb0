#include "ShellOffice.h"

#include "core/AppError.h"
#include "core/ScreenTag.h"

#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

TEST(MainWindow, ActivationClosesTheOpenMenuAndTheOtherScreens)
{
    const struct { QString name; bool modal; bool closed; } cases[] = {
        {"frmCars", false, true}, {"POPMessages", false, false}, {"SCRNlogoff", false, false},
        {"frmocx", false, false}, {"dlgWaiting", true, false},
    };
    ShellOffice o;
    QPointer<MenuScreen> menu = o.open(1);
    QList<QDialog*> screens;
    for (const auto& c : cases) {
        screens << makeStandIn(c.name, &o.window);
        screens.last()->setWindowModality(c.modal ? Qt::ApplicationModal : Qt::NonModal);
        screens.last()->show();
    }
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&o.window, &activation);

    EXPECT_EQ(o.window.menu(1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    for (int i = 0; i < screens.size(); ++i)
        EXPECT_EQ(screens[i]->isVisible(), !cases[i].closed) << cases[i].name.toStdString();
}

TEST(MainWindow, FunctionKeysOpenTheMenusAndAltF4AsksToLogOff)
{
    const struct { const char* what; int key; Qt::KeyboardModifiers mod; int menu; bool logoff; } cases[] = {
        {"F1", Qt::Key_F1, Qt::NoModifier, 1, false}, {"F2", Qt::Key_F2, Qt::NoModifier, 2, false},
        {"F3", Qt::Key_F3, Qt::NoModifier, 3, false}, {"F4", Qt::Key_F4, Qt::NoModifier, 4, false},
        {"F5", Qt::Key_F5, Qt::NoModifier, 5, false}, {"Alt+F4", Qt::Key_F4, Qt::AltModifier, 0, true},
        {"F6", Qt::Key_F6, Qt::NoModifier, 0, false}, {"digit", Qt::Key_1, Qt::NoModifier, 0, false},
    };
    for (const bool toAControl : {false, true}) {
        for (const auto& c : cases) {
            ShellOffice o;
            o.window.show();
            QWidget* target = toAControl ? o.child("cmdAbout") : &o.window;
            QTest::keyClick(target, Qt::Key(c.key), c.mod);
            for (int m = 1; m <= 5; ++m)
                EXPECT_EQ(o.window.menu(m) != nullptr, m == c.menu) << c.what << " menu " << m;
            EXPECT_EQ(o.ui().dialogsShown, c.logoff ? QStringList{"SCRNlogoff"} : QStringList())
                << c.what << " to a control: " << toAControl;
            EXPECT_TRUE(o.window.isVisible()) << c.what;
        }
    }
}

TEST(MainWindow, ClosingOpensTheLogOffScreenUnlessTaggedExit)
{
    for (const QString tag : {"", "Menu", "exit", "Exit"}) {
        const bool closes = tag == "Exit";
        ShellOffice o;
        o.window.show();
        ScreenTag::set(&o.window, tag);
        EXPECT_EQ(o.window.close(), closes) << tag.toStdString();
        EXPECT_EQ(o.window.isVisible(), !closes) << tag.toStdString();
        EXPECT_EQ(o.ui().dialogsShown, closes ? QStringList() : QStringList{"SCRNlogoff"}) << tag.toStdString();
    }
}

TEST(MainWindow, ButtonsOpenTheirScreensOrSayTheScreenIsMissing)
{
    const struct { QString control, screen, caption; } cases[] = {
        {"cmdAbout", "dlgAbout", "About"}, {"cmdLogOff", "SCRNlogoff", "Log off"}, {"cmdlock", "SCRNlock", "Lock screen"},
        {"cmdcalender", "POPcalendar", "Calendar"}, {"Panel7", "POPcalendar", "Calendar"},
    };
    for (const bool registered : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.control.toStdString());
            ShellOffice o({}, registered);
            QWidget* control = o.child(c.control);
            ASSERT_NE(control, nullptr);
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->click();
            else
                QTest::mouseClick(control, Qt::LeftButton);
            EXPECT_EQ(o.ui().dialogsShown, registered ? QStringList{c.screen} : QStringList());
            ASSERT_EQ(o.ui().messages.size(), registered ? 0 : 1);
            EXPECT_TRUE(registered || (o.ui().lastMessage().contains(c.caption) && !o.ui().lastMessage().contains(c.screen)))
                << o.ui().lastMessage().toStdString();
        }
    }
}

// Until the reminder engine is there, the reminders button says so.
TEST(MainWindow, TheRemindersButtonSaysWhenThereAreNoReminders)
{
    for (const bool engine : {true, false}) {
        ShellOffice o;
        int shown = 0;
        if (engine)
            o.window.showReminders = [&shown] { ++shown; };
        o.child<QToolButton>("cmdreminders")->click();
        EXPECT_EQ(shown, engine ? 1 : 0);
        ASSERT_EQ(o.ui().messages.size(), engine ? 0 : 1);
        EXPECT_TRUE(engine || o.ui().lastMessage().contains("Reminders")) << o.ui().lastMessage().toStdString();
    }
}

// On a small screen (or a large scale factor) the window and every menu stay
// on the screen, and a menu never covers the button it opened from, wherever
// the window stands.
TEST(MainWindow, TheWindowAndItsMenusFitTheScreenAndSpareTheirButtons)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const double down : {0.0, 0.6}) {
        ShellOffice o;
        o.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&o.window));
        EXPECT_TRUE(screen.contains(o.window.frameGeometry())) << "down " << down;
        o.window.resize(o.window.width(), o.window.minimumHeight());
        o.window.move(o.window.x(), screen.top() + int(down * screen.height()));
        for (int m = 1; m <= 5; ++m) {
            MenuScreen* menu = o.open(m);
            ASSERT_NE(menu, nullptr);
            const QWidget* button = o.child(QString("cmdF%1").arg(m));
            const QRect buttonArea(button->mapToGlobal(QPoint(0, 0)), button->size());
            EXPECT_TRUE(screen.contains(menu->frameGeometry())) << "menu " << m << " down " << down;
            EXPECT_FALSE(menu->frameGeometry().intersects(buttonArea)) << "menu " << m << " down " << down;
            menu->close();
        }
    }
}

TEST(MainWindow, ReminderTimerFiresOncePerLoginAndAFailingTickIsReported)
{
    ShellOffice o;
    o.office.state().config.SHOWERRORS = 1;
    auto* timer = o.child<QTimer>("Timer1");
    EXPECT_FALSE(timer->isActive());
    timer->setInterval(1);
    int ticks = 0;
    o.window.reminderTick = [&] {
        if (++ticks == 2)
            throw AppError(ErrorNumber::DatabaseFailure, "no such table: _reminder", "cReminder");
    };
    for (int login = 1; login <= 2; ++login) {
        o.window.enableReminderTimer();
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == login; }, 5000)) << login;
        EXPECT_FALSE(timer->isActive()) << "it fires once";
    }
    EXPECT_EQ(o.ui().dialogsShown, QStringList{"dlgError"});
}

TEST(MainWindow, ToolButtonsStartTheDesktopProgramsOrSaySoWhenMissing)
{
    const struct { const char* what; QString button, website, started; bool url; } cases[] = {
        {"mail", "cmdmail", "0", "mailto:", true},
        {"word processor", "cmdWord", "0", "libreoffice --writer", false},
        {"web without scheme", "command6", "www.alnoor.example", "http://www.alnoor.example", true},
        {"web with scheme", "command6", "https://alnoor.example/rent", "https://alnoor.example/rent", true},
        {"web address not set", "command6", "0", "", true},
    };
    for (const bool available : {true, false}) {
        for (const auto& c : cases) {
            ShellOffice o;
            o.ui().programsAvailable = available;
            o.office.state().config.WEBSITEADDRESS = c.website;
            o.child<QToolButton>(c.button)->click();
            const bool starts = available && !c.started.isEmpty();
            if (c.url)
                EXPECT_EQ(o.ui().urlsOpened, starts ? QList<QUrl>{QUrl(c.started)} : QList<QUrl>()) << c.what;
            else
                EXPECT_EQ(o.ui().programsStarted, starts ? QStringList{c.started} : QStringList()) << c.what;
            EXPECT_EQ(o.ui().messages.size(), starts ? 0 : 1) << c.what << " available: " << available;
        }
    }
}

}

// The pictures are the program's own: they draw without any icon theme.
TEST(MAINT, EveryToolButtonAndTheLogOffButtonHaveAPicture)
{
    TestOffice office;
    MAINT main(office.state());
    for (const char* name : {"cmdlock", "cmdreminders", "cmdcalender", "cmdcalc", "cmdmail", "cmdWord", "command6",
                             "command7", "command8", "cmdLogOff"}) {
        const auto* button = main.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->icon().pixmap(24, 24).isNull()) << name;
    }
}
