#include "StandInScreens.h"

#include "shell/base/AppError.h"
#include "shell/base/ScreenTag.h"
#include "shell/windows/MAINT.h"
#include "shell/windows/MenuScreen.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QHostInfo>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Office {
    explicit Office(bool standIns = true)
    {
        office.loginAs(QStringLiteral("ADMIN"));
        if (standIns)
            StandInScreens::registerAll(office.state(), StandInScreens::everyTarget());
    }
    ScriptedUI& ui() { return office.ui(); }
    template <typename T = QWidget>
    T* child(const QString& name) { return window.findChild<T*>(name); }
    void activate()
    {
        QEvent event(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &event);
    }

    TestOffice office;
    MAINT window{office.state()};
};

TEST(MainWindow, IsTheFrameOfTheRunWhileItLives)
{
    TestOffice office;
    {
        MAINT window(office.state());
        EXPECT_EQ(office.state().ui().frame(), &window);
        office.state().ui().ShowStatusMessage("Saved at 10:00:00");
        EXPECT_EQ(window.statusPanel(ShellFrame::MessagePanel), "Saved at 10:00:00");
    }
    EXPECT_EQ(office.state().ui().frame(), nullptr);
}

TEST(MainWindow, ShowsTheConfigurationAfterLogin)
{
    Office o;
    ConfigValues& c = o.office.state().config;
    c.APPTITLE = "مكتب النور لتأجير السيارات";
    c.LICENSEDESCRIPTION = "نسخة مرخصة";
    c.WEBSITEADDRESS = "www.alnoor.example";
    o.window.applyConfiguration();
    EXPECT_EQ(o.window.windowTitle(), c.APPTITLE);
    EXPECT_EQ(o.window.statusPanel(ShellFrame::MessagePanel), "نسخة مرخصة  " + RunState::shortVersion());
    EXPECT_EQ(o.window.statusPanel(ShellFrame::HostPanel), QHostInfo::localHostName());
    EXPECT_EQ(o.window.statusPanel(ShellFrame::WebPanel), "www.alnoor.example");
    EXPECT_EQ(o.window.statusPanel(ShellFrame::DatePanel), QDate::currentDate().toString("dd/MM/yyyy"));
}

TEST(MainWindow, ProgressBarShowsAValueAndHidesOnANegativeOne)
{
    Office o;
    auto* bar = o.child<QProgressBar>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isHidden());
    const QList<QPair<int, int>> steps{{30, 30}, {100, 100}, {-1, -1}, {0, 0}, {140, 100}};
    for (const auto& [percent, shown] : steps) {
        o.window.setProgress(percent);
        EXPECT_EQ(bar->isHidden(), shown < 0) << percent;
        if (shown >= 0) {
            EXPECT_EQ(bar->value(), shown) << percent;
        }
    }
}

struct ActivationCase {
    QString name;
    bool modal;
    bool closed;
};

TEST(MainWindow, ActivationClosesTheOtherScreens)
{
    const QList<ActivationCase> cases{
        {"frmCars", false, true},      {"frmReminder", false, true}, {"POPMessages", false, false},
        {"SCRNlogoff", false, false},  {"frmocx", false, false},     {"dlgWaiting", true, false},
    };
    Office o;
    o.window.openMenu(1);
    QPointer<MenuScreen> menu = o.window.menu(1);
    ASSERT_FALSE(menu.isNull());
    QList<QDialog*> screens;
    for (const ActivationCase& c : cases) {
        auto* screen = new QDialog(&o.window);
        screen->setObjectName(c.name);
        screen->setWindowModality(c.modal ? Qt::ApplicationModal : Qt::NonModal);
        screen->show();
        screens << screen;
    }
    o.window.setProgress(50);
    o.window.setStatusPanel(ShellFrame::PicturePanel, "⚖");

    o.activate();

    EXPECT_EQ(o.window.menu(1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    for (int i = 0; i < cases.size(); ++i)
        EXPECT_EQ(screens[i]->isVisible(), !cases[i].closed) << cases[i].name.toStdString();
    EXPECT_TRUE(o.child<QProgressBar>("ProgressBar1")->isHidden());
    EXPECT_EQ(o.window.statusPanel(ShellFrame::PicturePanel), "");
}

TEST(MainWindow, FirstActivationRunsItsStepsOnceEvenWhenActivatedMeanwhile)
{
    Office o;
    RunState& state = o.office.state();
    int runs = 0;
    o.window.firstActivation = [&] {
        ++runs;
        o.activate();  // the login closing activates the window again
        state.FirstActivation = false;
    };
    state.FirstActivation = true;
    o.activate();
    EXPECT_EQ(runs, 1);
    o.activate();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(o.ui().messages.isEmpty());
}

TEST(MainWindow, FirstActivationStepsAreTriedAgainWhileTheFlagStays)
{
    Office o;
    int runs = 0;
    o.window.firstActivation = [&] { ++runs; };
    o.activate();
    o.activate();
    EXPECT_EQ(runs, 2);
}

struct FunctionKey {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    int menu;          // menu shown, 0 for none
    bool logoff;       // the log-off screen opened
};

TEST(MainWindow, FunctionKeysOpenTheMenus)
{
    const QList<FunctionKey> cases{
        {"F1", Qt::Key_F1, Qt::NoModifier, 1, false},
        {"F2", Qt::Key_F2, Qt::NoModifier, 2, false},
        {"F3", Qt::Key_F3, Qt::NoModifier, 3, false},
        {"F4", Qt::Key_F4, Qt::NoModifier, 4, false},
        {"F5", Qt::Key_F5, Qt::NoModifier, 5, false},
        {"Alt+F4 asks to close", Qt::Key_F4, Qt::AltModifier, 0, true},
        {"F6", Qt::Key_F6, Qt::NoModifier, 0, false},
        {"digit", Qt::Key_1, Qt::NoModifier, 0, false},
    };
    for (const bool toAControl : {false, true}) {
        for (const FunctionKey& c : cases) {
            Office o;
            o.window.show();
            QWidget* target = toAControl ? static_cast<QWidget*>(o.child("cmdAbout")) : &o.window;
            QTest::keyClick(target, Qt::Key(c.key), c.modifiers);
            for (int m = 1; m <= 5; ++m)
                EXPECT_EQ(o.window.menu(m) != nullptr, m == c.menu) << c.what << " menu " << m;
            EXPECT_EQ(o.ui().dialogsShown, c.logoff ? QStringList{"SCRNlogoff"} : QStringList())
                << c.what << " to a control: " << toAControl;
            EXPECT_TRUE(o.window.isVisible()) << c.what;
        }
    }
}

TEST(MainWindow, ClosingOpensTheLogOffScreenUnlessTheRunIsEnding)
{
    struct Case {
        QString tag;
        bool closes;
    };
    for (const Case& c : QList<Case>{{"", false}, {"Menu", false}, {"exit", false}, {"Exit", true}}) {
        Office o;
        o.window.show();
        ScreenTag::set(&o.window, c.tag);
        EXPECT_EQ(o.window.close(), c.closes) << c.tag.toStdString();
        EXPECT_EQ(o.window.isVisible(), !c.closes) << c.tag.toStdString();
        EXPECT_EQ(o.ui().dialogsShown, c.closes ? QStringList() : QStringList{"SCRNlogoff"}) << c.tag.toStdString();
    }
}

TEST(MainWindow, TheLogOffScreenMayEndTheRun)
{
    Office o;
    o.window.show();
    o.ui().onDialog("SCRNlogoff", [&](QDialog* d) {
        ScreenTag::set(&o.window, "Exit");
        d->accept();
    });
    EXPECT_FALSE(o.window.close()) << "the request that opened the log-off screen is refused";
    EXPECT_TRUE(o.window.close());
    EXPECT_EQ(o.ui().dialogsShown, QStringList{"SCRNlogoff"});
}

struct OpenCase {
    QString control;
    QString screen;
};

TEST(MainWindow, ButtonsOpenTheirScreensOrSayTheScreenIsMissing)
{
    const QList<OpenCase> cases{
        {"cmdAbout", "dlgAbout"},
        {"cmdLogOff", "SCRNlogoff"},
        {"cmdlock", "SCRNlock"},
        {"cmdcalender", "POPcalendar"},
        {"Panel7", "POPcalendar"},
    };
    for (const bool registered : {true, false}) {
        for (const OpenCase& c : cases) {
            Office o(registered);
            QWidget* control = o.child(c.control);
            ASSERT_NE(control, nullptr) << c.control.toStdString();
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->click();
            else
                QTest::mouseClick(control, Qt::LeftButton);
            if (registered) {
                EXPECT_EQ(o.ui().dialogsShown, QStringList{c.screen}) << c.control.toStdString();
                EXPECT_TRUE(o.ui().messages.isEmpty()) << c.control.toStdString();
            } else {
                EXPECT_TRUE(o.ui().dialogsShown.isEmpty()) << c.control.toStdString();
                ASSERT_EQ(o.ui().messages.size(), 1) << c.control.toStdString();
                EXPECT_TRUE(o.ui().lastMessage().contains(c.screen)) << o.ui().lastMessage().toStdString();
            }
        }
    }
}

TEST(MainWindow, RemindersButtonCallsTheReminderEngine)
{
    Office o;
    o.child<QToolButton>("cmdreminders")->click();
    EXPECT_TRUE(o.ui().messages.isEmpty());
    EXPECT_TRUE(o.ui().dialogsShown.isEmpty());
    int calls = 0;
    o.window.showReminders = [&] { ++calls; };
    o.child<QToolButton>("cmdreminders")->click();
    EXPECT_EQ(calls, 1);
}

TEST(MainWindow, ReminderTimerFiresOncePerLogin)
{
    Office o;
    auto* timer = o.child<QTimer>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    int ticks = 0;
    o.window.reminderTick = [&] { ++ticks; };
    timer->setInterval(1);
    for (int login = 1; login <= 2; ++login) {
        o.window.enableReminderTimer();
        EXPECT_TRUE(timer->isActive());
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == login; }, 5000)) << login;
        EXPECT_FALSE(timer->isActive()) << login;
        QTest::qWait(20);
        EXPECT_EQ(ticks, login);
    }
}

TEST(MainWindow, AFailingReminderTickIsReportedAndStaysInside)
{
    Office o;
    o.office.state().config.SHOWERRORS = 1;
    auto* timer = o.child<QTimer>("Timer1");
    timer->setInterval(1);
    bool ran = false;
    o.window.reminderTick = [&] {
        ran = true;
        throw AppError(ErrorNumber::DatabaseFailure, "no such table: _reminder", "cReminder");
    };
    o.window.enableReminderTimer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran; }, 5000));
    EXPECT_EQ(o.ui().dialogsShown, QStringList{"dlgError"});
}

struct ToolCase {
    const char* what;
    QString button;
    QString website;
    QString started;  // program line, or url, or empty for a message
    bool url;
};

TEST(MainWindow, ToolButtonsStartTheDesktopPrograms)
{
    const QList<ToolCase> cases{
        {"mail", "cmdmail", "0", "mailto:", true},
        {"word processor", "cmdWord", "0", "libreoffice --writer", false},
        {"desktop database", "command7", "0", "libreoffice --base", false},
        {"spreadsheet", "command8", "0", "libreoffice --calc", false},
        {"web without scheme", "command6", "www.alnoor.example", "http://www.alnoor.example", true},
        {"web with scheme", "command6", "https://alnoor.example/rent", "https://alnoor.example/rent", true},
        {"web address not set", "command6", "0", "", true},
        {"web address empty", "command6", "", "", true},
    };
    for (const bool available : {true, false}) {
        for (const ToolCase& c : cases) {
            Office o;
            o.ui().programsAvailable = available;
            o.office.state().config.WEBSITEADDRESS = c.website;
            o.child<QToolButton>(c.button)->click();
            const bool starts = available && !c.started.isEmpty();
            if (c.url)
                EXPECT_EQ(o.ui().urlsOpened, starts ? QList<QUrl>{QUrl(c.started)} : QList<QUrl>()) << c.what;
            else
                EXPECT_EQ(o.ui().programsStarted, starts ? QStringList{c.started} : QStringList()) << c.what;
            EXPECT_EQ(o.ui().messages.size(), starts ? 0 : 1) << c.what << " available: " << available;
            EXPECT_TRUE(o.window.isEnabled());
        }
    }
}

TEST(MainWindow, CalculatorButtonStartsADesktopCalculator)
{
    const QStringList calculators{"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};
    for (const bool available : {true, false}) {
        Office o;
        o.ui().programsAvailable = available;
        o.child<QToolButton>("cmdcalc")->click();
        if (available) {
            ASSERT_EQ(o.ui().programsStarted.size(), 1);
            EXPECT_TRUE(calculators.contains(o.ui().programsStarted.first()));
            EXPECT_TRUE(o.ui().messages.isEmpty());
        } else {
            EXPECT_EQ(o.ui().messages.size(), 1);
        }
    }
}

TEST(MainWindow, MenuButtonsShareTheWidthInEqualGaps)
{
    Office o;
    o.window.show();
    for (const int width : {820, 1024, 1366, 1920}) {
        o.window.resize(width, 700);
        QCoreApplication::processEvents();
        const int room = o.window.centralWidget()->width();
        QList<QRect> buttons;
        for (int m = 1; m <= 5; ++m)
            buttons << o.child(QStringLiteral("cmdF%1").arg(m))->geometry();
        std::sort(buttons.begin(), buttons.end(), [](const QRect& a, const QRect& b) { return a.x() < b.x(); });
        QList<int> gaps{buttons.first().left()};
        for (int i = 1; i < buttons.size(); ++i)
            gaps << buttons[i].left() - buttons[i - 1].right() - 1;
        gaps << room - buttons.last().right() - 1;
        for (int gap : gaps) {
            EXPECT_GE(gap, 0) << width;
            EXPECT_NEAR(gap, gaps.first(), 1) << width;
        }
        for (const QRect& r : buttons)
            EXPECT_EQ(r.top(), buttons.first().top()) << width;
    }
}

TEST(MainWindow, RightToLeftPutsTheFirstMenuOnTheRight)
{
    Office o;
    o.window.setLayoutDirection(Qt::RightToLeft);
    o.window.resize(1024, 700);
    o.window.show();
    QCoreApplication::processEvents();
    EXPECT_GT(o.child("cmdF1")->x(), o.child("cmdF5")->x());
    o.window.setLayoutDirection(Qt::LeftToRight);
    o.window.resize(1025, 700);
    QCoreApplication::processEvents();
    EXPECT_LT(o.child("cmdF1")->x(), o.child("cmdF5")->x());
}

TEST(MainWindow, ScreensGoBelowTheMenuButtonsAndMenusBesideThem)
{
    Office o;
    o.window.resize(1024, 700);
    o.window.show();
    QCoreApplication::processEvents();
    QWidget* f3 = o.child("cmdF3");
    const QRect button(f3->mapToGlobal(QPoint(0, 0)), f3->size());
    const QRect work = o.window.workArea();
    EXPECT_GT(work.top(), button.bottom());
    EXPECT_GT(work.height(), 100);
    EXPECT_EQ(work.width(), o.window.centralWidget()->width());

    o.window.openMenu(3);
    MenuScreen* menu = o.window.menu(3);
    ASSERT_NE(menu, nullptr);
    const QRect area = o.window.menuArea();
    EXPECT_GT(area.top(), button.bottom());
    EXPECT_LT(area.left(), button.right());
    EXPECT_GT(area.right(), button.left());
}

TEST(MainWindow, LogoComesFromTheHomeFolderOrIsDrawn)
{
    for (const bool file : {true, false}) {
        TestOffice office;
        if (file) {
            QImage red(60, 30, QImage::Format_RGB32);
            red.fill(Qt::red);
            ASSERT_TRUE(red.save(office.file("LOGO.bmp"), "BMP"));
        }
        MAINT window(office.state());
        const QPixmap logo = window.findChild<QLabel*>("Picture1")->pixmap();
        ASSERT_FALSE(logo.isNull()) << file;
        const QColor middle = logo.toImage().pixelColor(logo.width() / 2, logo.height() / 2);
        EXPECT_EQ(middle == QColor(Qt::red), file);
    }
}

TEST(MainWindow, HasItsInvisibleMarkerAndSevenPanels)
{
    Office o;
    o.window.show();
    ASSERT_NE(o.child("lblleft"), nullptr);
    EXPECT_FALSE(o.child("lblleft")->isVisible());
    for (int p = 1; p <= 7; ++p) {
        o.window.setStatusPanel(p, QString::number(p * 11));
        EXPECT_EQ(o.window.statusPanel(p), QString::number(p * 11));
    }
    o.window.setStatusPanel(8, "x");
    EXPECT_EQ(o.window.statusPanel(8), "");
}

}
