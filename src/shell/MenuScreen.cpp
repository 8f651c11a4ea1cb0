#include "shell/MenuScreen.h"
#include "ui_MenuScreen.h"

#include "core/AppError.h"
#include "core/KeyRoutines.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenSetup.h"
#include "core/ScreenTag.h"
#include "shell/MenuTable.h"
#include "shell/OwnDirection.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

// A dialog of the main window, so that the window manager hands the focus back
// to it when a screen opened from it closes; only a close button on its frame.
constexpr Qt::WindowFlags MenuFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

MenuScreen::MenuScreen(RunState& state, int menuNumber, QWidget* parent)
    : QDialog(parent, MenuFlags), m_state(state), m_menu(menuNumber), m_ui(std::make_unique<Ui::MenuScreen>())
{
    m_ui->setupUi(this);
    setObjectName(MenuTable::menuName(menuNumber));
    ScreenTag::set(this, QStringLiteral("Menu"));
    // Closed by Back or by the main window's next activation; the next use
    // builds it afresh, so the rights are read anew.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MenuTable::frameTitle(menuNumber));
    m_ui->Frame1->setTitle(MenuTable::frameTitle(menuNumber));

    for (int i = 0; i < MenuTable::ButtonCount; ++i) {
        auto* button = findChild<QPushButton*>(QStringLiteral("command%1").arg(i));
        const MenuCommand* command = MenuTable::find(menuNumber, i);
        button->setText(i == 0 ? MenuTable::backCaption() : command ? MenuTable::caption(*command) : QString());
        connect(button, &QPushButton::clicked, this, [this, i] { runCommand(i); });
        // A slot without a command is not a stop of Tab, nor anything to name.
        if (i != 0 && !command)
            button->setFocusPolicy(Qt::NoFocus);
    }
    OwnDirection::captions(m_ui->Frame1->findChildren<QAbstractButton*>());
}

MenuScreen::~MenuScreen() = default;

void MenuScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
}

void MenuScreen::keyPressEvent(QKeyEvent* event)
{
    if (KeyRoutines::menuKey(this, event->key())) {
        event->accept();
        return;
    }
    // A menu leaves only through Back or the main window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MenuScreen::runCommand(int button)
{
    if (button == 0) {
        close();
        return;
    }
    const MenuCommand* command = MenuTable::find(m_menu, button);
    if (!command)
        return;
    QPointer<MenuScreen> self(this);
    MenuTable::open(m_state, this, *command, ERROR_SOURCE);
    // Back on the menu, its next digit works at once.
    if (self && isVisible()) {
        raise();
        activateWindow();
        if (QWidget* pressed = findChild<QPushButton*>(QStringLiteral("command%1").arg(button)))
            pressed->setFocus();
    }
}
