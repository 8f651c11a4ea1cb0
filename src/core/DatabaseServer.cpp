#include "core/Database.h"

#include "core/AppError.h"
#include "core/ServerAddress.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// The PostgreSQL side of the connection: opening it, the session's settings,
// and opening it again after the server went away.

void Database::openServer(const QString& uri)
{
    const ServerAddress address = ServerAddress::parse(uri);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        if (!db.isValid()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            fail(QStringLiteral("The PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql)."), {},
                 {}, ErrorNumber::DatabaseFailure);
        }
        db.setHostName(address.host);
        if (address.port > 0)
            db.setPort(address.port);
        db.setUserName(address.user);
        db.setDatabaseName(address.database);
        db.setConnectOptions(address.options.join(QLatin1Char(';')));
        if (!db.open()) {
            const QSqlError e = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            fail(e.databaseText().isEmpty() ? e.text() : e.databaseText().trimmed(), {}, {},
                 ErrorNumber::DatabaseFailure);
        }
    }
    m_path = uri.trimmed();
    m_dialect = SqlDialect::PostgreSQL;
    m_depth = 0;
    m_ahead.clear();
    m_lostInTransaction = false;
    try {
        startSession();
    } catch (...) {
        close();
        throw;
    }
}

void Database::startSession()
{
    executeNative(QStringLiteral("SET client_min_messages = warning"));
    applyBusyWait();
}

bool Database::reopen()
{
    // close() forgets the connection: only one that went away by itself comes back.
    if (m_dialect != SqlDialect::PostgreSQL || !QSqlDatabase::contains(m_connectionName))
        return false;
    // The statements it had planned went with the old connection.
    forgetStamps();
    {
        QSqlDatabase db = connection();
        db.close();
        if (!db.open())
            return false;
    }
    startSession();
    return true;
}

void Database::applyBusyWait()
{
    // A server never waits for ever: the wait ends like SQLite's busy handler.
    if (m_dialect == SqlDialect::PostgreSQL && isOpen())
        executeNative(QStringLiteral("SET lock_timeout = %1").arg(m_busyWaitMs));
}
