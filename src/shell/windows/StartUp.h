#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class LOGINP;
class QLockFile;
class QWidget;
class RunState;
class ScreenRegistry;

// From the program's start to a logged-in operator: the splash, the main
// window, the ini file, the login screen and the work behind its OK button.
// The main window calls firstActivation() from its activation steps; what
// follows a login on the main window is the afterLogin hook.
class StartUp {
public:
    StartUp(RunState& state, std::function<void(ScreenRegistry&)> registerScreens,
            std::function<void()> afterLogin);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // The entry routine: splash for splashMs, then the main window.
    void run(QWidget* mainWindow, int splashMs = 2000);
    // Reads the ini file, runs the login screen and, after a login, afterLogin.
    // Does nothing once the login is done or while the login screen is up.
    void firstActivation();

    // Fills the run state's database path and the login screen from the ini file.
    void ReadIniFile(LOGINP& login);
    // The work between the confirmation and the password check; false when
    // the run is ending (another copy runs, or the database cannot be opened).
    bool PrepareLogin(LOGINP& login);

    // Kept in the home folder for the whole run, so that one copy runs per folder.
    static QString lockFileName();

private:
    bool anotherCopyRunning(LOGINP& login);
    bool OpenDatabase(LOGINP& login);
    void deleteTemporaryFiles();

    RunState& m_state;
    std::function<void(ScreenRegistry&)> m_registerScreens;
    std::function<void()> m_afterLogin;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<QLockFile> m_lock;
    bool m_loginShowing = false;
};
