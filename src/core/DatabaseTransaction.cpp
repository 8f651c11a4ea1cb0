#include "core/Database.h"

#include "core/AppError.h"
#include "core/JetTranslator.h"

#include <QSqlQuery>

// Transactions: the outermost a BEGIN (on a server with the office's write
// lock), the inner ones savepoints; a connection lost inside one fails it.
// On a server the framing, and writes whose count nobody reads, go ahead of
// the next statement in one round trip: a save nests a few transactions, and
// each round costs more than the statement it frames.

void Database::frame(const QString& sql)
{
    if (m_dialect == SqlDialect::PostgreSQL)
        m_ahead.append({sql, sql});
    else
        executeNative(sql);
}

qsizetype Database::aheadAt(const QString& sql) const
{
    for (qsizetype i = 0; i < m_ahead.size(); ++i)
        if (m_ahead.at(i).sql == sql)
            return i;
    return -1;
}

QString Database::withAhead(const QString& sql, QList<Ahead>& taken)
{
    taken = std::exchange(m_ahead, {});
    QString text;
    for (const Ahead& a : std::as_const(taken))
        text += a.sql + QStringLiteral("; ");
    return text + sql;
}

bool Database::passAhead(QSqlQuery& query, const QList<Ahead>& taken, bool ok)
{
    for (qsizetype i = 0; ok && i < taken.size(); ++i)
        ok = query.nextResult();
    if (m_hook)
        for (const Ahead& a : taken)
            m_hook(a.original);
    return ok;
}

void Database::sendAhead()
{
    if (m_ahead.isEmpty())
        return;
    // The last one held goes as the statement, the rest ahead of it.
    const Ahead last = m_ahead.takeLast();
    run(last.sql, last.original);
}

void Database::commandWithNext(const QString& sql)
{
    if (m_dialect != SqlDialect::PostgreSQL || m_depth == 0) {
        command(sql);
        return;
    }
    const QString native = JetTranslator::translate(sql, m_dialect);
    ensureOpen(sql);
    noteWrite(native);
    m_ahead.append({native, sql, true});
}

void Database::begin()
{
    if (m_depth > 0) {
        frame(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
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
        // A connection that went away is opened again before the transaction starts.
        ensureOpen(lock);
        frame(QStringLiteral("BEGIN"));
        // Counted as open, so that run() asks nobody inside the transaction.
        m_depth = 1;
        try {
            executeNative(lock);
            m_depth = 0;
            return;
        } catch (const AppError& e) {
            m_depth = 0;
            m_ahead.clear();
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
    if (m_depth == 1) {
        executeNative(QStringLiteral("COMMIT"));
    } else {
        // A savepoint not yet sent had nothing in it: it goes unsent.
        const QString savepoint = QStringLiteral("SAVEPOINT sp%1").arg(m_depth - 1);
        if (!m_ahead.isEmpty() && m_ahead.last().sql == savepoint)
            m_ahead.removeLast();
        else
            frame(QStringLiteral("RELEASE sp%1").arg(m_depth - 1));
    }
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
        m_ahead.clear();
        return;
    }
    // What waits to be sent lies within what is undone: an aborted
    // transaction would refuse it, and the rollback with it.
    const qsizetype unsent = aheadAt(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    if (m_depth > 0 && unsent >= 0) {
        m_ahead.resize(unsent);
        return;
    }
    m_ahead.clear();
    if (m_depth == 0) {
        executeNative(QStringLiteral("ROLLBACK"));
    } else {
        executeNative(QStringLiteral("ROLLBACK TO sp%1").arg(m_depth));
        frame(QStringLiteral("RELEASE sp%1").arg(m_depth));
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
