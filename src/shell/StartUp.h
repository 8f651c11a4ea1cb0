#pragma once

#include "schema/Schema.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class HomeLock;
class LOGINP;
class QWidget;
class RunState;
class ScreenRegistry;

// From the program's start to a logged-in operator: the splash, the main
// window, the ini file, the login screen and the work behind its OK button.
// The main window calls firstActivation() from its activation steps; what
// follows a login on the main window is the afterLogin hook, and then the
// operator's favourite screen opens.
class StartUp {
    Q_DECLARE_TR_FUNCTIONS(StartUp)

public:
    StartUp(RunState& state, std::function<void(ScreenRegistry&)> registerScreens,
            std::function<void()> afterLogin);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // The entry routine: splash for splashMs, then the main window.
    void run(QWidget* mainWindow, int splashMs = 2000);
    // Reads the ini file, runs the login screen and, after a login, afterLogin
    // and (once the login's events are over) the favourite screen.
    // Does nothing once the login is done or while the login screen is up.
    void firstActivation();

    // Fills the run state's database path and the login screen from the ini file.
    void ReadIniFile(LOGINP& login);
    // The work between the confirmation and the password check; false when
    // the login cannot go on (another copy runs, the database is unusable).
    bool PrepareLogin(LOGINP& login);

    // The schema history a login brings the database to: the wiring hands in
    // the program's own, with the rows its subsystems ship.
    void setSchemaHistory(QList<SchemaStep> history) { m_history = std::move(history); }

    // Kept in the home folder for the whole run, so that one copy runs per folder.
    static QString lockFileName();

private:
    QWidget* parentWindow() const;
    // False (after telling the operator) when nothing can be written there.
    bool checkHomeFolder();
    void tellHomeNotWritable();
    bool takeLock(LOGINP& login);
    void deleteTemporaryFiles();

    RunState& m_state;
    std::function<void(ScreenRegistry&)> m_registerScreens;
    std::function<void()> m_afterLogin;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<HomeLock> m_lock;
    QList<SchemaStep> m_history = Schema::steps();
    // Work queued after a login is bound to this, so it never runs after the start-up is gone.
    QObject m_queued;
    bool m_loginShowing = false;
    bool m_homeNotWritableTold = false;
};
