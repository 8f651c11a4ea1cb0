#include "StandInScreens.h"

#include "shell/base/KeyRoutines.h"
#include "shell/windows/MAINT.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// Counts the clicks of every push button of a screen by name.
QStringList* watchClicks(QWidget* screen)
{
    auto* clicks = new QStringList;
    for (QPushButton* b : screen->findChildren<QPushButton*>())
        QObject::connect(b, &QPushButton::clicked, screen, [clicks, b] { clicks->append(b->objectName()); });
    return clicks;
}

struct DataKey {
    const char* what;
    int key;
    QString disabled;  // a button disabled first
    QString clicked;   // the button clicked, or empty
    bool handled;
};

TEST(DataScreenKeys, FunctionKeysClickEnabledButtons)
{
    const QList<DataKey> cases{
        {"F7 prints", Qt::Key_F7, "", "cmdPRINT", true},
        {"F8 new", Qt::Key_F8, "", "cmdNew", true},
        {"F9 open", Qt::Key_F9, "", "cmdOpen", true},
        {"F10 print list", Qt::Key_F10, "", "cmdPL", true},
        {"F11 delete", Qt::Key_F11, "", "cmdDel", true},
        {"F12 save", Qt::Key_F12, "", "cmdSave", true},
        {"F12 with Save disabled", Qt::Key_F12, "cmdSave", "", true},
        {"F9 with Open disabled", Qt::Key_F9, "cmdOpen", "", true},
        {"F12 with Open disabled", Qt::Key_F12, "cmdOpen", "cmdSave", true},
        {"F6", Qt::Key_F6, "", "", false},
        {"Enter", Qt::Key_Return, "", "", false},
        {"a letter", Qt::Key_S, "", "", false},
    };
    TestOffice office;
    for (const DataKey& c : cases) {
        QScopedPointer<QDialog> screen(StandInScreens::make("frmReminder", nullptr));
        screen->show();
        QScopedPointer<QStringList> clicks(watchClicks(screen.get()));
        if (!c.disabled.isEmpty())
            screen->findChild<QWidget*>(c.disabled)->setEnabled(false);
        EXPECT_EQ(KeyRoutines::dataScreenKey(office.state(), screen.get(), c.key), c.handled) << c.what;
        EXPECT_EQ(*clicks, c.clicked.isEmpty() ? QStringList() : QStringList{c.clicked}) << c.what;
        EXPECT_TRUE(screen->isVisible()) << c.what;
    }
}

TEST(DataScreenKeys, EscapeClosesTheScreenEvenWithEverythingDisabled)
{
    TestOffice office;
    QScopedPointer<QDialog> screen(StandInScreens::make("frmCars", nullptr));
    screen->show();
    KeyRoutines::enableAll(screen.get(), false);
    EXPECT_TRUE(KeyRoutines::dataScreenKey(office.state(), screen.get(), Qt::Key_Escape));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->result(), QDialog::Rejected);
}

TEST(DataScreenKeys, ButtonsAreFoundWithoutRegardToCase)
{
    TestOffice office;
    QDialog screen;
    auto* save = new QPushButton(&screen);
    save->setObjectName("CMDSAVE");
    auto* print = new QPushButton(&screen);
    print->setObjectName("cmdPrint");
    int saves = 0;
    int prints = 0;
    QObject::connect(save, &QPushButton::clicked, [&] { ++saves; });
    QObject::connect(print, &QPushButton::clicked, [&] { ++prints; });
    KeyRoutines::dataScreenKey(office.state(), &screen, Qt::Key_F12);
    KeyRoutines::dataScreenKey(office.state(), &screen, Qt::Key_F7);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(prints, 1);
}

TEST(DataScreenKeys, EveryKeyResetsTheMainWindowsProgressBar)
{
    for (const int key : {int(Qt::Key_A), int(Qt::Key_F12), int(Qt::Key_Escape)}) {
        TestOffice office;
        MAINT window(office.state());
        window.setProgress(70);
        QScopedPointer<QDialog> screen(StandInScreens::make("frmCars", nullptr));
        KeyRoutines::dataScreenKey(office.state(), screen.get(), key);
        EXPECT_EQ(window.findChild<QProgressBar*>("ProgressBar1")->value(), 0) << key;
    }
}

TEST(DataScreenKeys, WorkWithoutAMainWindow)
{
    TestOffice office;
    QScopedPointer<QDialog> screen(StandInScreens::make("frmCars", nullptr));
    QScopedPointer<QStringList> clicks(watchClicks(screen.get()));
    KeyRoutines::dataScreenKey(office.state(), screen.get(), Qt::Key_F8);
    EXPECT_EQ(*clicks, QStringList{"cmdNew"});
}

struct MenuDigit {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString hidden;
    QString disabled;
    QString clicked;
};

TEST(MenuKeys, DigitsClickVisibleEnabledButtons)
{
    const QList<MenuDigit> cases{
        {"main keyboard", Qt::Key_5, Qt::NoModifier, "", "", "command5"},
        {"numeric pad", Qt::Key_5, Qt::KeypadModifier, "", "", "command5"},
        {"zero", Qt::Key_0, Qt::KeypadModifier, "", "", "command0"},
        {"Arabic-Indic nine", 0x0669, Qt::NoModifier, "", "", "command9"},
        {"disabled", Qt::Key_5, Qt::NoModifier, "", "command5", ""},
        {"hidden", Qt::Key_5, Qt::KeypadModifier, "command5", "", ""},
        {"another one disabled", Qt::Key_4, Qt::NoModifier, "", "command5", "command4"},
        {"a letter", Qt::Key_E, Qt::NoModifier, "", "", ""},
        {"a function key", Qt::Key_F5, Qt::NoModifier, "", "", ""},
    };
    for (const MenuDigit& c : cases) {
        QDialog menu;
        auto* layout = new QVBoxLayout(&menu);
        for (int i = 0; i < 10; ++i) {
            auto* b = new QPushButton(QString::number(i), &menu);
            b->setObjectName(QStringLiteral("command%1").arg(i));
            layout->addWidget(b);
        }
        QScopedPointer<QStringList> clicks(watchClicks(&menu));
        if (!c.hidden.isEmpty())
            menu.findChild<QWidget*>(c.hidden)->hide();
        if (!c.disabled.isEmpty())
            menu.findChild<QWidget*>(c.disabled)->setEnabled(false);
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(KeyRoutines::menuKey(&menu, press.key()), !c.clicked.isEmpty()) << c.what;
        EXPECT_EQ(*clicks, c.clicked.isEmpty() ? QStringList() : QStringList{c.clicked}) << c.what;
    }
}

TEST(EnableAll, LocksAndFreesTheNamedControls)
{
    QScopedPointer<QDialog> screen(StandInScreens::make("frmGLEntry", nullptr));
    auto* tabs = new QTabWidget(screen.get());
    tabs->setObjectName("SSTab1");
    auto* page = new QWidget;
    page->setObjectName("tabGeneral");
    auto* field = new QLineEdit(page);
    field->setObjectName("dfsComments");
    tabs->addTab(page, "General");
    tabs->addTab(new QWidget, "More");
    screen->layout()->addWidget(tabs);

    KeyRoutines::enableAll(screen.get(), false);
    for (const char* name : {"txtNAME", "Frame1", "cmdSave", "command0", "SSTab1", "dfsComments"})
        EXPECT_FALSE(screen->findChild<QWidget*>(name)->isEnabled()) << name;

    // The journal viewer frees the tab strip and the close button only.
    tabs->setEnabled(true);
    screen->findChild<QWidget*>("command0")->setEnabled(true);
    EXPECT_TRUE(tabs->tabBar()->isEnabled()) << "the tab strip must work again";
    EXPECT_FALSE(field->isEnabled());
    EXPECT_FALSE(screen->findChild<QWidget*>("cmdSave")->isEnabled());

    KeyRoutines::enableAll(screen.get(), true);
    for (const char* name : {"txtNAME", "Frame1", "dfsFrame1", "cmdSave", "SSTab1", "dfsComments"})
        EXPECT_TRUE(screen->findChild<QWidget*>(name)->isEnabled()) << name;
    EXPECT_TRUE(screen->isEnabled());
}

}
