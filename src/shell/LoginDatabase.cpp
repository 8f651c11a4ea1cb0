#include "shell/LoginDatabase.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/ErrorLog.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/ServerAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

// The engine's codes for files it cannot use as a database.
constexpr int Corrupt = 11;
constexpr int NotADatabase = 26;

QString createCommand(const QString& path)
{
    return QStringLiteral("ijar --create-database \"%1\"").arg(QDir::toNativeSeparators(path));
}

QString chooseAnother()
{
    return QCoreApplication::translate("LoginDatabase",
                                       "Double-click the database name on the login screen to choose the right file");
}

}

LoginDatabase::LoginDatabase(RunState& state, QList<SchemaStep> history)
    : m_state(state), m_history(std::move(history))
{
}

QString LoginDatabase::copyBeforeUpgrade(const QString& databasePath, int version)
{
    const QString base = databasePath + QStringLiteral(".v%1").arg(version);
    QString path = base;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral("-%1").arg(n);
    return path;
}

QString LoginDatabase::notAFile(const QString& path)
{
    if (path.trimmed().isEmpty() || ServerAddress::isServer(path))
        return {};
    const QByteArray name = QFile::encodeName(path);
    struct stat target {};
    if (::stat(name.constData(), &target) != 0) {
        if (errno == ELOOP)
            return tr("a symbolic link that leads round in a loop");
        struct stat link {};
        if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return tr("a symbolic link to %1, which does not exist").arg(QFileInfo(path).symLinkTarget());
        return {};
    }
    if (S_ISREG(target.st_mode))
        return {};
    if (S_ISDIR(target.st_mode))
        return tr("a folder");
    if (S_ISFIFO(target.st_mode))
        return tr("a named pipe (FIFO)");
    if (S_ISSOCK(target.st_mode))
        return tr("a socket");
    return tr("a device");
}

bool LoginDatabase::refuse(QWidget* screen, const QString& text)
{
    m_state.db().close();
    m_state.ui().message(screen, text, tr("Database"));
    return false;
}

bool LoginDatabase::open(QWidget* screen)
{
    Database& db = m_state.db();
    db.close();
    const QString path = m_state.DatabasePath;
    if (const QString what = notAFile(path); !what.isEmpty()) {
        ReportError(m_state, screen, QString::number(ErrorNumber::DatabaseNotFound),
                    QStringLiteral("The database path %1 is not a file").arg(path), QStringLiteral("DataBase Location"));
        return refuse(screen, tr("The database %1 is not a file but %2.\n\n%3.").arg(path, what, chooseAnother()));
    }
    if (path.trimmed().isEmpty() || (!ServerAddress::isServer(path) && !QFileInfo(path).isFile())) {
        const QString named = path.trimmed().isEmpty() ? m_state.homeFile(QStringLiteral("fdk.db")) : path;
        ReportError(m_state, screen, QString::number(ErrorNumber::DatabaseNotFound),
                    QStringLiteral("Database not found in ") + named, QStringLiteral("DataBase Location"));
        return refuse(screen, tr("The database was not found:\n%1\n\n%2, or create a new one with the command:\n%3")
                                  .arg(named, chooseAnother(), createCommand(named)));
    }
    // An office's database is its owner's only, however it came.
    if (!ServerAddress::isServer(path))
        OwnerOnly::tighten(path);
    try {
        db.open(path);
    } catch (const AppError& e) {
        ReportError(m_state, screen, QString::number(e.number()), e.description(),
                    e.source() + QStringLiteral("--") + e.sqlState());
        const int code = e.number() & 0xff;
        if (code == Database::Busy || code == Database::Locked)
            return refuse(screen, tr("The database %1 is held by another program or another computer.\n\n"
                                     "Close the program that uses it, then press OK on the login screen again.")
                                      .arg(path));
        if (code == NotADatabase || code == Corrupt)
            return refuse(screen, tr("The file %1 is not a valid database.\n\n"
                                     "%2, or restore the latest backup from the folder %3.")
                                      .arg(path, chooseAnother(), m_state.homeFile(QStringLiteral("db/backup"))));
        return refuse(screen, tr("The database %1 could not be opened:\n%2\n\n"
                                 "Make sure your user may read and write the file and the folder that holds it, "
                                 "then press OK again.")
                                  .arg(path, e.description()));
    }
    if (!fitSchema(screen) || !hasEveryTable(screen))
        return false;
    tellReadOnly(screen);
    return true;
}

bool LoginDatabase::hasEveryTable(QWidget* screen)
{
    try {
        const QStringList present = m_state.db().tables();
        for (const QString& table : Schema::tableNames()) {
            if (present.contains(table, Qt::CaseInsensitive))
                continue;
            ReportError(m_state, screen, QString::number(ErrorNumber::DatabaseFailure),
                        QStringLiteral("The table %1 is missing").arg(table), QStringLiteral("LoginDatabase"));
            return refuse(screen, tr("The database %1 lacks the table %2 of this program, so the office cannot work "
                                     "on it.\n\n%3, or restore the latest backup from the folder %4.")
                                      .arg(m_state.DatabasePath, table, chooseAnother(),
                                           m_state.homeFile(QStringLiteral("db/backup"))));
        }
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        return refuse(screen, tr("The database %1 could not be read:\n%2\n\nTry again in a moment.")
                                  .arg(m_state.DatabasePath, e.description()));
    }
}

void LoginDatabase::tellReadOnly(QWidget* screen)
{
    if (!m_state.db().isReadOnly())
        return;
    m_state.ui().message(screen,
                         tr("The database %1 is read-only for your user: you can look at the office's records, but "
                            "nothing you change or add can be saved.\n\nTo work on it, give your user the right to "
                            "write to the file and to its folder, then open the program again.")
                             .arg(m_state.DatabasePath),
                         tr("Database"));
}

bool LoginDatabase::refreshHelpers(QWidget* screen)
{
    try {
        Schema::refreshHelpers(m_state.db());
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        return refuse(screen, tr("The SQL functions of the program could not be brought up to date in the database "
                                 "%1:\n%2\n\nLog in once as the database's owner, or ask the server's administrator.")
                                  .arg(m_state.DatabasePath, e.description()));
    }
}

bool LoginDatabase::fitSchema(QWidget* screen)
{
    Database& db = m_state.db();
    const QString path = m_state.DatabasePath;
    const int known = int(m_history.size());
    int found = 0;
    try {
        found = Schema::version(db);
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        return refuse(screen, tr("The database %1 could not be read:\n%2\n\nTry again in a moment.")
                                  .arg(path, e.description()));
    }
    if (found == known)
        return refreshHelpers(screen);
    if (found == 0)
        return refuse(screen, tr("The file %1 is a database, but it does not hold the tables of this program.\n\n%2, or "
                                 "create a new one with the command:\n%3")
                                  .arg(path, chooseAnother(), createCommand(path)));
    if (found > known)
        return refuse(screen, tr("The database %1 is of version %2, and this program knows the versions up to %3 only.\n\n"
                                 "Do not work on it with this program: install on this computer the newer version of the "
                                 "program that the rest of the office uses.")
                                  .arg(path)
                                  .arg(found)
                                  .arg(known));
    // A server's upgrade steps roll back whole, and its backups are its
    // administrator's: the copy beside the database is a file's alone.
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    const QString copy = server ? QString() : copyBeforeUpgrade(path, found);
    try {
        if (!server)
            db.backupTo(copy);
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        return refuse(screen, tr("The database %1 is of version %2 and needs an upgrade, but no copy of it could be taken "
                                 "before the upgrade:\n%3\n\nNothing in it was changed. Free some room on the disk or "
                                 "repair the file, then try again.")
                                  .arg(path)
                                  .arg(found)
                                  .arg(e.description()));
    }
    try {
        Schema::upgrade(db, m_history);
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        int reached = found;
        try {
            reached = Schema::version(db);
        } catch (const AppError&) {
            // the version read before the upgrade is the last one known
        }
        if (server)
            return refuse(screen, tr("The database %1 could not be upgraded to version %2:\n%3\n\nIt stays at version "
                                     "%4. Tell the person in charge of the program before you go on working.")
                                      .arg(path)
                                      .arg(known)
                                      .arg(e.description())
                                      .arg(reached));
        return refuse(screen, tr("The database %1 could not be upgraded to version %2:\n%3\n\nIt stays at version %4, and "
                                 "its copy from before the upgrade is kept in:\n%5\nTell the person in charge of the "
                                 "program before you go on working.")
                                  .arg(path)
                                  .arg(known)
                                  .arg(e.description())
                                  .arg(reached)
                                  .arg(copy));
    }
    const QString upgraded =
        tr("The database %1 was upgraded from version %2 to version %3.").arg(path).arg(found).arg(known);
    m_state.ui().message(screen,
                         server ? upgraded
                                : upgraded + u'\n' + tr("Its copy from before the upgrade is kept in:\n%1").arg(copy),
                         tr("Database"));
    return refreshHelpers(screen);
}
