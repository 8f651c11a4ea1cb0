#include "shell/StartUp.h"

#include "engine/cWindow.h"

#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/ErrorLog.h"
#include "core/IniFile.h"
#include "core/RunState.h"
#include "core/ServerAddress.h"
#include "core/ShellFrame.h"
#include "shell/HomeLock.h"
#include "shell/LOGINP.h"
#include "shell/LoginDatabase.h"
#include "shell/MenuTable.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QTimer>

StartUp::StartUp(RunState& state, std::function<void(ScreenRegistry&)> registerScreens,
                 std::function<void()> afterLogin)
    : m_state(state), m_registerScreens(std::move(registerScreens)), m_afterLogin(std::move(afterLogin))
{
}

StartUp::~StartUp() = default;

namespace {

// Less room than this on the home folder's disk counts as none.
constexpr qint64 FullDiskBytes = 1 << 20;

}

QString StartUp::lockFileName()
{
    return RunState::programName() + QStringLiteral(".lock");
}

QWidget* StartUp::parentWindow() const
{
    if (m_mainWindow)
        return m_mainWindow.data();
    return m_state.ui().frame() ? m_state.ui().frame()->frameWidget() : nullptr;
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
    checkHomeFolder();
    m_state.FirstActivation = true;
    m_state.ui().show(mainWindow);
}

bool StartUp::checkHomeFolder()
{
    QTemporaryFile probe(QDir(m_state.homeFolder()).filePath(QStringLiteral("write-check-XXXXXX")));
    if (probe.open())
        return true;
    tellHomeNotWritable();
    return false;
}

void StartUp::tellHomeNotWritable()
{
    if (m_homeNotWritableTold)
        return;
    m_homeNotWritableTold = true;
    // A full disk refuses files as a folder without rights does; the
    // operator mends them in different places.
    const QStorageInfo disk(m_state.homeFolder());
    if (disk.isValid() && disk.bytesTotal() > 0 && disk.bytesAvailable() < FullDiskBytes) {
        m_state.ui().message(parentWindow(),
                             tr("The disk that holds the folder of the program is full:\n%1\n\n"
                                "So neither the error log nor the lock file (%2), which keeps two copies from opening "
                                "the same folder, will be written, and neither the settings nor the backups will be "
                                "saved.\nFree some room on that disk (old backups in %3, for one), then open the "
                                "program again.")
                                 .arg(m_state.homeFolder(), lockFileName(), m_state.homeFile(QStringLiteral("db/backup"))),
                             tr("Disk full"));
        return;
    }
    m_state.ui().message(parentWindow(),
                         tr("The folder of the program cannot be written to:\n%1\n\n"
                            "So neither the error log nor the lock file (%2), which keeps two copies from opening the "
                            "same folder, will be written, and neither the settings nor the backups will be saved.\n"
                            "Give your user the right to write to this folder, or start the program with the option "
                            "--home and another folder of your own.")
                             .arg(m_state.homeFolder(), lockFileName()),
                         tr("Program folder"));
}

void StartUp::firstActivation()
{
    if (!m_state.FirstActivation || m_loginShowing)
        return;
    m_loginShowing = true;
    LOGINP login(m_state, parentWindow());
    login.setPrepareLogin([this](LOGINP& screen) { return PrepareLogin(screen); });
    ReadIniFile(login);
    const int result = m_state.ui().exec(&login);
    m_loginShowing = false;
    if (ShellFrame* frame = m_state.ui().frame())
        frame->setStatusPanel(ShellFrame::ScreenPanel, {});
    if (result != QDialog::Accepted)
        return;
    m_state.FirstActivation = false;
    if (m_afterLogin)
        m_afterLogin();
    // Once the activation that ran the login is over: opened inside it, the
    // screen would be closed by that very activation's closing of screens.
    QTimer::singleShot(0, &m_queued, [this] {
        // As the menus open it, and only for an operator who may.
        m_state.service<cWindow>().ShowFavouriteWindow(parentWindow(), [this](QWidget* parent, const QString& screen) {
            if (const MenuCommand* command = MenuTable::firstAllowed(m_state, screen))
                MenuTable::open(m_state, parent, *command, QStringLiteral("ShowFavouriteWindow"));
        });
    });
}

void StartUp::ReadIniFile(LOGINP& login)
{
    const QString homeDatabase = m_state.homeFile(QStringLiteral("fdk.db"));
    QString named;
    // Without an ini file the office's database is fdk.db in the home
    // folder; the file is written after the login.
    if (QFileInfo::exists(m_state.IniFilePath)) {
        try {
            const IniFile::Contents ini = IniFile::read(m_state.IniFilePath);
            for (const auto& [key, value] : ini.entries)
                login.addEntry(key, value);
            named = ini.database;
            m_state.DatabasePath = ini.database;
            login.setUserName(ini.lastUser);
            login.setKeptLogin(ini.token);
            // A password an older program kept logs in once; the ini file
            // written after the login keeps a token instead.
            if (!ini.password.isEmpty() && ini.token.isEmpty()) {
                try {
                    login.setPassword(Cipher::Decrypt(ini.password));
                } catch (const AppError& e) {
                    // An altered stored password is no stored password: the operator types it.
                    ReportError(m_state, &login, e, QStringLiteral("ReadIniFile"));
                }
            }
        } catch (const AppError& e) {
            ReportError(m_state, &login, QString::number(e.number()), e.description(), e.source());
            m_state.ui().message(parentWindow(),
                                 tr("The settings file %1 could not be read:\n%2\n\n"
                                    "%3 will be used if it is there, and the settings file is written anew after the "
                                    "login. Make sure your user may read and write the file.")
                                     .arg(m_state.IniFilePath, e.description(), homeDatabase),
                                 tr("Settings file"));
        }
    }
    // A server is not a file: whether it answers is seen when the connection is made.
    const auto present = [](const QString& path) {
        return ServerAddress::isServer(path) || QFileInfo(path).isFile();
    };
    if (m_state.DatabasePath.isEmpty() || !present(m_state.DatabasePath))
        m_state.DatabasePath = homeDatabase;
    login.showPaths(m_state.DatabasePath, m_state.IniFilePath);
    if (present(m_state.DatabasePath))
        return;
    ReportError(m_state, &login, QString::number(ErrorNumber::DatabaseNotFound),
                QStringLiteral("Database not found in ") + m_state.DatabasePath, QStringLiteral("DataBase Location"));
    const auto described = [](const QString& path) {
        const QString what = LoginDatabase::notAFile(path);
        return what.isEmpty() ? path : tr("%1 (this is %2, not a database file)").arg(path, what);
    };
    const QString missing = named.isEmpty() || named == m_state.DatabasePath
                              ? described(m_state.DatabasePath)
                              : described(named) + QStringLiteral("\n") + described(m_state.DatabasePath);
    m_state.ui().message(parentWindow(),
                         tr("The database was not found:\n%1\n\n"
                            "Double-click the database name on the login screen to choose it, "
                            "or create a new one with the command:\nijar --create-database \"%2\"")
                             .arg(missing, QDir::toNativeSeparators(m_state.DatabasePath)),
                         tr("Database"));
}

bool StartUp::PrepareLogin(LOGINP& login)
{
    if (!takeLock(login)) {
        m_state.ui().quit(0);
        return false;
    }
    if (!LoginDatabase(m_state, m_history).open(&login))
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

bool StartUp::takeLock(LOGINP& login)
{
    if (!m_lock)
        m_lock = std::make_unique<HomeLock>(m_state.homeFile(lockFileName()));
    switch (m_lock->take()) {
    case HomeLock::Outcome::Taken:
        return true;
    case HomeLock::Outcome::NotWritable:
        // The check cannot be made; the run goes on, the operator knows why.
        ReportError(m_state, &login, QString::number(IniFile::FileAccessError),
                    QStringLiteral("The lock file could not be created in ") + m_state.homeFolder(),
                    QStringLiteral("PrepareLogin"));
        tellHomeNotWritable();
        return true;
    case HomeLock::Outcome::HeldElsewhere:
        break;
    }
    const QString host = m_lock->holderHost().isEmpty() ? QSysInfo::machineHostName() : m_lock->holderHost();
    const QString process = m_lock->holderPid() > 0
                              ? tr(", process number %1").arg(m_lock->holderPid())
                              : QString();
    m_state.ui().message(&login,
                         tr("The office is open just now in another copy of the program on the computer \"%1\"%2, "
                            "which uses the same folder:\n%3\n\n"
                            "Go to that copy and work on there, or close it and open the program again. "
                            "If you are sure it no longer runs, delete the file %4 and open the program.")
                             .arg(host, process, m_state.homeFolder(), m_lock->path()),
                         tr("Program open"));
    return false;
}

void StartUp::deleteTemporaryFiles()
{
    const QDir home(m_state.homeFolder());
    for (const QString& name : home.entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden))
        QFile::remove(home.filePath(name));
    // This copy holds the home folder: nobody is writing a backup in it now.
    Database::removeUnfinishedBackups(home.filePath(QStringLiteral("db/backup")));
}
