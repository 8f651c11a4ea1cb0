#include "shell/windows/StartUp.h"

#include "shell/base/AppError.h"
#include "shell/base/Cipher.h"
#include "shell/base/Configuration.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/IniFile.h"
#include "shell/base/RunState.h"
#include "shell/base/ShellFrame.h"
#include "shell/windows/LOGINP.h"
#include "shell/windows/frmSplash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

StartUp::StartUp(RunState& state, std::function<void(ScreenRegistry&)> registerScreens,
                 std::function<void()> afterLogin)
    : m_state(state), m_registerScreens(std::move(registerScreens)), m_afterLogin(std::move(afterLogin))
{
}

StartUp::~StartUp() = default;

QString StartUp::lockFileName()
{
    return RunState::programName() + QStringLiteral(".lock");
}

void StartUp::run(QWidget* mainWindow, int splashMs)
{
    m_mainWindow = mainWindow;
    {
        frmSplash splash;
        m_state.ui().show(&splash);
        m_state.ui().processEvents();
        m_state.ui().wait(splashMs);
        splash.close();
    }
    m_state.FirstActivation = true;
    m_state.ui().show(mainWindow);
}

void StartUp::firstActivation()
{
    if (!m_state.FirstActivation || m_loginShowing)
        return;
    m_loginShowing = true;
    QWidget* parent = m_mainWindow ? m_mainWindow.data()
                    : m_state.ui().frame() ? m_state.ui().frame()->frameWidget() : nullptr;
    LOGINP login(m_state, parent);
    login.setPrepareLogin([this](LOGINP& screen) { return PrepareLogin(screen); });
    ReadIniFile(login);
    const int result = m_state.ui().exec(&login);
    m_loginShowing = false;
    if (result != QDialog::Accepted)
        return;
    m_state.FirstActivation = false;
    if (m_afterLogin)
        m_afterLogin();
}

void StartUp::ReadIniFile(LOGINP& login)
{
    try {
        const IniFile::Contents ini = IniFile::read(m_state.IniFilePath);
        for (const auto& [key, value] : ini.entries)
            login.addEntry(key, value);
        m_state.DatabasePath = ini.database;
        login.setUserName(ini.lastUser);
        if (!ini.password.isEmpty()) {
            try {
                login.setPassword(Cipher::Decrypt(ini.password));
            } catch (const AppError& e) {
                // An altered stored password is no stored password: the operator types it.
                ReportError(m_state, &login, e, QStringLiteral("ReadIniFile"));
            }
        }
        if (m_state.DatabasePath.isEmpty() || !QFileInfo(m_state.DatabasePath).isFile())
            m_state.DatabasePath = m_state.homeFile(QStringLiteral("fdk.db"));
        if (!QFileInfo(m_state.DatabasePath).isFile())
            throw AppError(ErrorNumber::DatabaseNotFound, QStringLiteral("Database not found in ") + m_state.DatabasePath,
                           QStringLiteral("DataBase Location"));
        login.showPaths(m_state.DatabasePath, m_state.IniFilePath);
    } catch (const AppError& e) {
        ReportError(m_state, &login, QString::number(e.number()), e.description(), e.source());
    }
}

bool StartUp::PrepareLogin(LOGINP& login)
{
    if (anotherCopyRunning(login)) {
        m_state.ui().quit(0);
        return false;
    }
    if (!OpenDatabase(login))
        return false;
    // A failure from here on is reported; the password check still runs.
    guarded(m_state, &login, QStringLiteral("PrepareLogin"), [this] {
        Configuration::LoadConfiguration(m_state);
        if (m_registerScreens)
            m_registerScreens(m_state.screens());
        deleteTemporaryFiles();
    });
    return true;
}

bool StartUp::anotherCopyRunning(LOGINP& login)
{
    if (m_lock && m_lock->isLocked())
        return false;
    m_lock = std::make_unique<QLockFile>(m_state.homeFile(lockFileName()));
    // Held for the whole run, however long: only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return false;
    if (m_lock->error() == QLockFile::LockFailedError)
        return true;
    // Without a lock file (a read-only folder) the check cannot be made; the run goes on.
    ReportError(m_state, &login, QString::number(IniFile::FileAccessError),
                QStringLiteral("The lock file could not be created in ") + m_state.homeFolder(),
                QStringLiteral("PrepareLogin"));
    return false;
}

bool StartUp::OpenDatabase(LOGINP& login)
{
    m_state.db().close();
    try {
        m_state.db().open(m_state.DatabasePath);
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, &login, QString::number(e.number()), e.description(),
                    e.source() + QStringLiteral("--") + e.sqlState());
        m_state.ui().quit(1);
        return false;
    }
}

void StartUp::deleteTemporaryFiles()
{
    const QDir home(m_state.homeFolder());
    for (const QString& name : home.entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden))
        QFile::remove(home.filePath(name));
}
