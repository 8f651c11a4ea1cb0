#pragma once

#include "core/RowSet.h"
#include "core/SqlDialect.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// The one door to the database. Statements arrive in the dialect the screens
// and metadata are written in; they are translated for the engine, run, and
// reported to the statement hook. Failures are thrown as AppError.
class Database {
public:
    using Field = QPair<QString, QVariant>;
    using StatementHook = std::function<void(const QString&)>;
    using Progress = std::function<void(int percent)>;

    // Pictures move in blocks of this size.
    static constexpr int BlobBlockSize = 32768;
    // Values bound to one statement of insertRows, under either engine's limit.
    static constexpr int ValuesPerStatement = 960;
    // How long one try waits for another workstation's lock before the
    // operator is asked whether to go on waiting.
    static constexpr int BusyWaitMs = 3000;
    // A backup whose copy fails its check: the database itself is damaged.
    static constexpr int DamagedDatabase = 5200;
    // A query stopped at its time limit (executeLimited).
    static constexpr int TimedOut = 5201;
    // The server connection went away; the next statement opens it again.
    static constexpr int ConnectionLost = 5202;
    // The engine's codes for a file held by another connection.
    static constexpr int Busy = 5;
    static constexpr int Locked = 6;
    // The advisory lock every writing transaction on a server holds.
    static constexpr qint64 OfficeWriteLock = 0x494a4152;

    // What the operator sees of a wait for another workstation: `waiting`
    // is told when a statement starts and stops waiting; `tryAgain` is asked
    // when a try ran out (outside transactions only) and says whether to wait
    // once more. Without them a busy statement fails after one try.
    struct BusyHandling {
        std::function<void(bool waiting)> waiting;
        std::function<bool(const QString& path)> tryAgain;
    };

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing SQLite file (never creates one unless asked), or a
    // PostgreSQL database named by a postgresql:// URI (ServerAddress).
    void open(const QString& path, bool create = false);
    void close();
    bool isOpen() const;
    // True when nothing can be written to the open file: it is marked
    // read-only, or the user may not write to it or to its folder.
    bool isReadOnly();
    QString path() const { return m_path; }
    SqlDialect dialect() const { return m_dialect; }

    // Runs one statement; a query gives its rows, a command an empty set.
    RowSet execute(const QString& sql);
    // Runs a query that may take at most `milliseconds`: one that runs longer
    // is stopped and TimedOut is thrown, so that a slow query never holds the
    // workstation. Meant for queries the office writes itself.
    RowSet executeLimited(const QString& sql, int milliseconds);
    // Runs one command and gives the number of rows it changed.
    int command(const QString& sql);
    // Runs a command whose count nobody reads. Inside a server's transaction
    // it waits to go in one round with the next statement, as the framing
    // does, and is seen by it: its failure fails that statement, and the
    // transaction with it. Elsewhere it runs at once.
    void commandWithNext(const QString& sql);
    // Runs engine-native SQL untranslated (schema work only).
    void executeNative(const QString& sql);
    // Runs a statement with bound values, untranslated; used for values that
    // never belong in SQL text (blobs).
    RowSet executeBound(const QString& nativeSql, const QVariantList& values);
    // One page of a query's rows, so that a long list never sits in memory whole.
    RowSet executePage(const QString& sql, qint64 offset, int limit);
    // The number of rows a query gives, counted by the engine.
    qint64 countRows(const QString& sql);

    // Inserts one row from column/value pairs and returns the new key.
    qint64 insert(const QString& table, const QString& keyColumn, const QList<Field>& fields);
    // Changes whenever this connection wrote or, as of its last statement, another
    // connection committed; 0 where the engine cannot tell. Costs no statement.
    quint64 changeStamp();
    // Differs from every earlier answer whenever one of `tables` may have
    // changed in between, by a write on this connection or another one's
    // commit: caches of rows that seldom change are kept on it. `version`
    // names a table of one number that the tables' triggers move on with each
    // write; while it is missing every commit of another connection counts.
    // SQLite answers without a statement until another connection commits, a
    // server with one, once a transaction.
    QString tablesStamp(const QStringList& tables, const QString& version);
    // Inserts many rows of the same columns, as few statements as the engine
    // takes values at once; gives the key of the last row when `keyColumn`
    // is named, else 0.
    qint64 insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows,
                      const QString& keyColumn = {});
    // Whether a value goes as a null, as the driver binds it: a null text or bytes does too.
    static bool storesNull(const QVariant& v);

    // Blob columns, moved in blocks of BlobBlockSize.
    void writeBlob(const QString& table, const QString& column, const QString& keyColumn,
                   qint64 key, const QByteArray& data, const Progress& progress = {});
    QByteArray readBlob(const QString& table, const QString& column, const QString& keyColumn,
                        qint64 key, const Progress& progress = {});

    // Consistent copy of the open database into a new file readable by its
    // owner only, checked afterwards. It is written as unfinishedName() and
    // takes its own name only once the check passed; a copy that fails its
    // check is kept under failedCheckName() and DamagedDatabase is thrown. A
    // server's copy is a pg_dump file in its custom format (see dumpTool()).
    void backupTo(const QString& targetPath);
    static QString unfinishedName(const QString& targetPath);
    // Removes what backups killed half-way left in the folder; gives how many files.
    static int removeUnfinishedBackups(const QString& folder);
    // The pg_dump program that copies a server's database; empty when
    // PostgreSQL's client programs are not installed.
    static QString dumpTool();
    static QString failedCheckName(const QString& targetPath);
    // "ok" when the file is sound, else the engine's complaint.
    QString integrityCheck();

    bool tableExists(const QString& table);
    // The tables of the database (a server's: of its current schema), by name.
    QStringList tables();
    QStringList columnsOf(const QString& table);
    // The table's key column; empty when it has none.
    QString primaryKeyOf(const QString& table);

    // `wanted` tells whether the hook takes statements now: the trace lines of
    // a list of rows are built only then.
    void setStatementHook(StatementHook hook, std::function<bool()> wanted = {})
    {
        m_hook = std::move(hook);
        m_hookWanted = std::move(wanted);
    }
    void setBusyHandling(BusyHandling handling) { m_busy = std::move(handling); }
    void setBusyWait(int milliseconds);

    // Transactions nest: the outermost is BEGIN/COMMIT, inner ones savepoints.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

private:
    QSqlDatabase connection() const;
    // Throws unless the connection takes statements; opens a lost one again.
    void ensureOpen(const QString& original);
    QSqlQuery run(const QString& nativeSql, const QString& original, const QVariantList& values = {});
    // A server's statement with its values written in: one round trip, where a
    // bound one takes three (prepare, execute, deallocate). Empty where a value
    // stays bound (blobs, dates).
    QString withValues(const QString& nativeSql, const QVariantList& values) const;
    // One value as withValues writes it; false for one it cannot.
    bool appendValue(std::u16string& sql, const QVariant& v) const;
    // Counts a statement that may write a table some stamp was asked of.
    void noteWrite(const QString& nativeSql);
    // SQLite: the rows one by one through one prepared statement; none when a
    // value is of a kind it leaves to the driver. `traced` gives a row's trace line.
    std::optional<qint64> insertEach(const QString& sql, const QList<QVariantList>& rows,
                                     const std::function<QString(const QVariantList&)>& traced);
    // The tables' stamp as the database tells it, and the connection's forgotten.
    QString stampOf(const QStringList& tables, const QString& version);
    void forgetStamps();
    RowSet readAll(QSqlQuery& query, const QString& original = {});
    // A result's columns, without rows.
    RowSet columnsOf(const QSqlQuery& query);
    [[noreturn]] void failed(const QSqlError& error, const QString& original);
    QString lostText() const;
    // Opens a server connection again that went away (a restart of the
    // server); false when it was closed on purpose or cannot be opened.
    bool reopen();
    void startSession();
    static int onProgress(void* self);
    void configureSqlite();
    void openServer(const QString& uri);
    void applyBusyWait();
    void beginOnServer();
    // A server's BEGIN, SAVEPOINT or RELEASE, held to go in one round with
    // the statement that follows; SQLite's run at once.
    void frame(const QString& sql);
    void dumpTo(const QString& unfinished, const QString& targetPath);
    void finishBackup(const QString& unfinished, const QString& targetPath);
    [[noreturn]] void keepFailedBackup(const QString& unfinished, const QString& targetPath, const QString& verdict);
    static int onBusy(void* self, int count);
    void endWait();
    [[noreturn]] void fail(const QString& description, const QString& sqlState,
                           const QString& statement, int number) const;

    QString m_connectionName;
    QString m_path;
    SqlDialect m_dialect = SqlDialect::SQLite;
    StatementHook m_hook;
    std::function<bool()> m_hookWanted;
    bool tracing() const { return m_hook && (!m_hookWanted || m_hookWanted()); }
    BusyHandling m_busy;
    int m_busyWaitMs = BusyWaitMs;
    qint64 m_waitStarted = -1;  // ms since the epoch while a statement waits
    qint64 m_deadline = -1;     // ms since the epoch at which a limited query stops
    bool m_timedOut = false;
    int m_depth = 0;
    // Statements held for the server's next round, in order: framing, and
    // commands whose count nobody reads (`original` as the hook is told it).
    struct Ahead {
        QString sql;
        QString original;
        bool write = false;
    };
    QList<Ahead> m_ahead;
    qsizetype aheadAt(const QString& sql) const;
    // What is held, then `sql`, as one text; `taken` is what it holds.
    QString withAhead(const QString& sql, QList<Ahead>& taken);
    // Steps past the results of what was held, which come before the
    // statement's own, once the round `ok`; tells the hook what went.
    bool passAhead(QSqlQuery& query, const QList<Ahead>& taken, bool ok);
    // Sends what is held in a round of its own, for a statement that cannot take it.
    void sendAhead();
    // The connection went away inside a transaction: its statements fail
    // until every open transaction level has been rolled back.
    bool m_lostInTransaction = false;
    // What tablesStamp watches: the tables asked of (lower case), the writes
    // to them on this connection, and a server's answers in the open transaction.
    // `seen` is the server's transaction, or SQLite's count of others' commits.
    struct Stamp {
        quint64 seen = 0;
        quint64 writes = 0;
        QString value;
    };
    QStringList m_watched;
    // The list last asked about, and its key in m_stamps.
    QStringList m_askedTables;
    QString m_askedKey;
    quint64 m_watchedWrites = 0;
    // The stamp's statement, planned once a connection, and whether the
    // version table it reads is there.
    std::unique_ptr<QSqlQuery> m_stampQuery;
    QString m_stampSql;
    QString m_versionTable;
    bool m_versionKept = false;
    quint64 m_transactions = 0;
    QHash<QString, Stamp> m_stamps;
    // A server's result shapes read lately, by their columns' names.
    static constexpr int KeptShapes = 64;
    QHash<QByteArray, RowSet> m_shapes;
};

// Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};
