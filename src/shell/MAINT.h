#pragma once

#include "core/ShellFrame.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class MenuScreen;
class QAbstractButton;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class RunState;
namespace Ui { class MAINT; }

// The main window: five menu buttons, the tool buttons, the logo and the
// status bar. It lives for the whole run and ends only through the log-off
// screen; every screen reaches it through ShellFrame.
class MAINT : public QMainWindow, public ShellFrame {
    Q_OBJECT
public:
    explicit MAINT(RunState& state, QWidget* parent = nullptr);
    ~MAINT() override;

    // Set by the start-up code: the login and what follows it, run on the
    // first activation while RunState::FirstActivation is set.
    std::function<void()> firstActivation;
    // Set by the start-up code: builds and shows the reminders, once per login.
    std::function<void()> reminderTick;
    // Set by the start-up code: the reminders button.
    std::function<void()> showReminders;

    // Title and status panels from the loaded configuration (after login).
    void applyConfiguration();
    // Starts the one-shot reminder timer (a successful login).
    void enableReminderTimer();
    // Today's numbers, made by the subsystem that knows them, shown under
    // the buttons; set once, and the window owns the panel from then on.
    void setDayPanel(QWidget* panel);
    QWidget* dayPanel() const { return m_dayPanel; }
    // Shows menu screen 1..5 without waiting.
    void openMenu(int number);
    // The open menu screen of that number, or nullptr.
    MenuScreen* menu(int number) const;

    QWidget* frameWidget() override { return this; }
    void setStatusPanel(int panel, const QString& text) override;
    QString statusPanel(int panel) const override;
    void setProgress(int percent) override;
    QRect workArea() const override;
    QRect menuArea() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void setUpStatusBar();
    void setUpToolButtons();
    void loadLogo();
    // What the operator knows a button by: its tool tip, else its text.
    static QString captionOf(const QAbstractButton* button);
    void openOnClick(QAbstractButton* button, const QString& screen);
    // The screen's area free of panels and task bars.
    QRect available() const;
    // Within the screen's available area, whatever its size and scale.
    void fitToScreen();
    void layOutControls();
    void activated();
    void closeOtherScreens();
    bool handleKey(const QKeyEvent* event);
    void reminderTimerTick();
    void startCalculator();
    void openWebSite();
    // The Rent menu's planning board, as its button there would open it.
    void openPlanningBoard();
    QPushButton* menuButton(int number) const;

    RunState& m_state;
    std::unique_ptr<Ui::MAINT> m_ui;
    std::array<QLabel*, 7> m_panels{};
    QLabel* m_datePicture = nullptr;
    QProgressBar* m_progress = nullptr;
    QTimer* m_reminderTimer = nullptr;
    QWidget* m_dayPanel = nullptr;
    std::array<QPointer<MenuScreen>, 5> m_menus;
    // The menu just opened in place of another, until the clerk's next key or click.
    QPointer<MenuScreen> m_switchedTo;
    QPixmap m_logo;
    QSize m_menuButtonSize;
    int m_lastMenu = 1;
    bool m_inFirstActivation = false;
    bool m_framed = false;
};
