#include "core/Database.h"

#include "core/AppError.h"

// Transactions: the outermost a BEGIN (on a server with the office's write
// lock), the inner ones savepoints; a connection lost inside one fails it.

void Database::begin()
{
    if (m_depth > 0) {
        executeNative(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    } else if (m_dialect == SqlDialect::PostgreSQL) {
        ++m_transactions;
        beginOnServer();
    } else {
        executeNative(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ++m_depth;
}

void Database::beginOnServer()
{
    // One writing transaction at a time in the whole office, as SQLite's
    // BEGIN IMMEDIATE has it: the checks a save makes before it writes (the
    // row as read, the car still free) then hold until its commit.
    const QString lock = QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(OfficeWriteLock);
    for (;;) {
        executeNative(QStringLiteral("BEGIN"));
        // Counted as open, so that run() asks nobody inside the transaction.
        m_depth = 1;
        try {
            executeNative(lock);
            m_depth = 0;
            return;
        } catch (const AppError& e) {
            m_depth = 0;
            if (e.number() == ConnectionLost) {
                m_lostInTransaction = false;
                throw;
            }
            executeNative(QStringLiteral("ROLLBACK"));
            const bool again = e.number() == Busy && m_busy.tryAgain && m_busy.tryAgain(m_path);
            if (!again)
                throw;
        }
    }
}

void Database::commit()
{
    if (m_depth == 0)
        return;
    // A commit that fails (a busy file) leaves the transaction open for rollback.
    executeNative(m_depth == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE sp%1").arg(m_depth - 1));
    --m_depth;
}

void Database::rollback()
{
    if (m_depth == 0)
        return;
    --m_depth;
    // What was written and is undone may have been read into a cache.
    ++m_watchedWrites;
    // Nothing is left to undo on a connection that went away: the server has
    // dropped the transaction with it.
    if (m_lostInTransaction) {
        m_lostInTransaction = m_depth > 0;
        return;
    }
    if (m_depth == 0) {
        executeNative(QStringLiteral("ROLLBACK"));
    } else {
        executeNative(QStringLiteral("ROLLBACK TO sp%1").arg(m_depth));
        executeNative(QStringLiteral("RELEASE sp%1").arg(m_depth));
    }
}

Transaction::Transaction(Database& db) : m_db(db)
{
    m_db.begin();
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_db.rollback();
        } catch (...) {
            // the connection is already gone; nothing is left to undo
        }
    }
}

void Transaction::commit()
{
    m_db.commit();
    m_done = true;
}
