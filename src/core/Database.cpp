#include "core/Database.h"

#include "core/AppError.h"
#include "core/JetTranslator.h"
#include "core/OwnerOnly.h"
#include "core/ServerAddress.h"
#include "core/SqlValue.h"
#include "core/SqliteFunctions.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

QAtomicInt connectionCounter;

const QString Source = QStringLiteral("Database");

// PostgreSQL's states for a lock that was not granted in time, a deadlock and
// a transaction that lost a race: the same to the operator as SQLite's busy file.
const QStringList ServerBusyStates{QStringLiteral("55P03"), QStringLiteral("40P01"), QStringLiteral("40001")};

bool isBusy(const QSqlError& e)
{
    if (ServerBusyStates.contains(e.nativeErrorCode()))
        return true;
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == Database::Busy || code == Database::Locked);
}

// Names handed to the structured operations come from code and metadata;
// they are checked so that they can never carry SQL.
QString checkedAnew(const QString& name, SqlDialect dialect)
{
    // After any blanks, a letter or '_', then letters, digits, '_' and spaces
    // (ASCII all): scanned, as every insert names its columns.
    const auto blank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    const auto letter = [](QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'; };
    qsizetype i = 0;
    while (i < name.size() && blank(name[i]))
        ++i;
    bool valid = i < name.size() && letter(name[i]);
    for (; valid && i < name.size(); ++i)
        valid = letter(name[i]) || name[i] == u' ' || (name[i] >= u'0' && name[i] <= u'9');
    if (!valid)
        throw AppError(ErrorNumber::RefusedStatement,
                       QStringLiteral("\"%1\" is not a valid table or column name").arg(name), Source);
    // PostgreSQL's tables are made with folded names, as the statements write them unquoted.
    const QString n = dialect == SqlDialect::PostgreSQL ? name.trimmed().toLower() : name.trimmed();
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString checkedName(const QString& name, SqlDialect dialect)
{
    // Every insert names its table and columns: the same few names, checked once.
    thread_local QHash<QString, QString> checked[2];
    QHash<QString, QString>& known = checked[dialect == SqlDialect::PostgreSQL ? 1 : 0];
    if (const auto at = known.constFind(name); at != known.cend())
        return *at;
    if (known.size() > 4096)
        known.clear();
    return known[name] = checkedAnew(name, dialect);
}

// The statement without its own ORDER BY (one outside parentheses, quotes and
// names), which a count does not need: SQLite reads an ordered list row by
// row from the table where a count alone is taken from the smallest index.
QString withoutOrder(const QString& sql)
{
    static const QRegularExpression orderBy(QStringLiteral(R"(order\s+by\b)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression limit(QStringLiteral(R"(limit\b)"), QRegularExpression::CaseInsensitiveOption);
    int depth = 0;
    QChar quote;
    qsizetype from = -1, to = sql.size();
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        const bool wordStart = i == 0 || !(sql.at(i - 1).isLetterOrNumber() || sql.at(i - 1) == u'_');
        const auto atWord = [&](const QRegularExpression& word) {
            return word.match(sql, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption)
                .hasMatch();
        };
        if (c == u'\'' || c == u'"')
            quote = c;
        else if (c == u'[')
            quote = u']';
        else if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        else if (depth == 0 && wordStart && atWord(orderBy)) {
            from = i;
            to = sql.size();
        } else if (depth == 0 && wordStart && from >= 0 && to == sql.size() && atWord(limit))
            to = i;
    }
    return from < 0 ? sql : sql.left(from) + sql.mid(to);
}

// How a bound value reads in the statement trace.
QString traceText(const QVariant& v)
{
    if (Database::storesNull(v))
        return QStringLiteral("NULL");
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::Double:
    case QMetaType::UInt: case QMetaType::ULongLong: case QMetaType::Bool:
        return v.toString();
    case QMetaType::QByteArray:
        return QStringLiteral("<%1 bytes>").arg(v.toByteArray().size());
    default:
        return SqlValue::quoted(v.toString());
    }
}

}

Database::Database()
    : m_connectionName(QStringLiteral("ijar-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

Database::~Database()
{
    close();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && connection().isOpen();
}

bool Database::isReadOnly()
{
    if (m_dialect != SqlDialect::SQLite || !isOpen())
        return false;
    sqlite3* handle = sqliteHandle(connection());
    // The engine's journal goes beside the file: a folder that takes no
    // files keeps every change out as surely.
    return (handle && sqlite3_db_readonly(handle, "main") == 1) || !QFileInfo(QFileInfo(m_path).absolutePath()).isWritable();
}

void Database::open(const QString& path, bool create)
{
    close();
    if (ServerAddress::isServer(path)) {
        openServer(path);
        return;
    }
    if (!create && !QFileInfo(path).isFile())
        fail(QStringLiteral("Could not find file '%1'.").arg(path), {}, {}, ErrorNumber::DatabaseFailure);
    // A new database is its owner's only from its first byte; the engine
    // gives its journals the database's rights.
    if (create && path != QLatin1String(":memory:") && !QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnly::File))
            fail(QStringLiteral("The database %1 cannot be created: %2").arg(path, file.errorString()), {}, {},
                 ErrorNumber::DatabaseFailure);
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        // A file marked read-only is kept so, even for a user whom the
        // system would let write to it.
        if (!create && !(QFile::permissions(path) & QFileDevice::WriteOwner))
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            const QSqlError e = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            fail(e.text(), e.nativeErrorCode(), {}, ErrorNumber::DatabaseFailure);
        }
    }
    m_path = path;
    m_dialect = SqlDialect::SQLite;
    m_depth = 0;
    try {
        configureSqlite();
    } catch (...) {
        close();
        throw;
    }
}

void Database::setBusyWait(int milliseconds)
{
    m_busyWaitMs = milliseconds;
    applyBusyWait();
}

void Database::configureSqlite()
{
    sqlite3* handle = sqliteHandle(connection());
    if (!handle)
        fail(QStringLiteral("The SQLite driver gave no connection handle"), {}, {}, ErrorNumber::DatabaseFailure);
    disableDoubleQuotedStrings(handle);
    // Our own wait for a busy file, so that the operator sees it and decides.
    sqlite3_busy_handler(handle, &Database::onBusy, this);
    registerJetFunctions(handle);
    // The file may sit on a shared drive, where a write-ahead log does not work.
    executeNative(QStringLiteral("PRAGMA journal_mode=DELETE"));
    // Reading the schema fails early on a file that is not a database.
    executeNative(QStringLiteral("SELECT count(*) FROM sqlite_master"));
}

int Database::onBusy(void* self, int count)
{
    auto* db = static_cast<Database*>(self);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (count == 0) {
        if (db->m_waitStarted < 0 && db->m_busy.waiting)
            db->m_busy.waiting(true);
        db->m_waitStarted = now;
    }
    if (now - db->m_waitStarted >= db->m_busyWaitMs)
        return 0;
    sqlite3_sleep(qMin(10 * (count + 1), 100));
    return 1;
}

int Database::onProgress(void* self)
{
    auto* db = static_cast<Database*>(self);
    if (QDateTime::currentMSecsSinceEpoch() < db->m_deadline)
        return 0;
    db->m_timedOut = true;
    return 1;
}

void Database::endWait()
{
    if (m_waitStarted < 0)
        return;
    m_waitStarted = -1;
    if (m_busy.waiting)
        m_busy.waiting(false);
}

void Database::close()
{
    forgetStamps();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = connection();
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_depth = 0;
    m_ahead.clear();
    m_lostInTransaction = false;
    m_dialect = SqlDialect::SQLite;
}

void Database::fail(const QString& description, const QString& sqlState, const QString& statement,
                    int number) const
{
    Q_UNUSED(statement);
    bool ok = false;
    const int native = sqlState.toInt(&ok);
    throw AppError(ok && native != 0 ? native : number, description, Source, sqlState);
}

void Database::ensureOpen(const QString& original)
{
    if (isOpen())
        return;
    // A transaction cut off with its connection goes on failing until it is
    // rolled back; only then may a new connection take statements. The loss
    // may show only now, between two statements of the transaction.
    if (m_depth > 0 && m_dialect == SqlDialect::PostgreSQL)
        m_lostInTransaction = true;
    if (m_lostInTransaction)
        fail(lostText(), {}, original, ConnectionLost);
    if (m_dialect == SqlDialect::PostgreSQL && QSqlDatabase::contains(m_connectionName) && !reopen())
        fail(QCoreApplication::translate("Database", "The database server %1 cannot be reached: %2")
                 .arg(m_path, connection().lastError().text()),
             {}, original, ConnectionLost);
    if (!isOpen())
        fail(QStringLiteral("Operation is not allowed when the object is closed."), {}, original,
             ErrorNumber::DatabaseFailure);
}

QSqlQuery Database::run(const QString& nativeSql, const QString& original, const QVariantList& values)
{
    ensureOpen(original);
    noteWrite(nativeSql);
    const QString inlined = values.isEmpty()                      ? nativeSql
                          : m_dialect == SqlDialect::PostgreSQL ? withValues(nativeSql, values)
                                                                : QString();
    const bool bound = inlined.isEmpty();
    // What was held back goes first, in the same round where it can: its
    // results come before the statement's own. A bound statement takes a
    // round of its own, so what is held goes alone ahead of it.
    if (bound && !m_ahead.isEmpty())
        sendAhead();
    QList<Ahead> ahead;
    const QString sent = bound ? QString() : withAhead(inlined, ahead);
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    bool ok = !bound || query.prepare(nativeSql);
    if (ok && bound)
        for (const QVariant& v : values)
            query.addBindValue(v);
    // Inside a transaction nobody is asked: the operator may not act while it
    // is open, so the transaction fails and rolls back instead.
    for (bool again = ok; again;) {
        ok = passAhead(query, ahead, bound ? query.exec() : query.exec(sent));
        const bool busy = !ok && isBusy(query.lastError());
        // A server tells of its wait only when it gave up; SQLite's busy
        // handler has told already.
        if (busy && m_waitStarted < 0) {
            m_waitStarted = QDateTime::currentMSecsSinceEpoch();
            if (m_busy.waiting)
                m_busy.waiting(true);
        }
        again = busy && m_depth == 0 && m_busy.tryAgain && m_busy.tryAgain(m_path);
    }
    endWait();
    if (m_hook)
        m_hook(original);
    if (!ok)
        failed(query.lastError(), original);
    return query;
}

namespace {

bool connectionLost(const QSqlDatabase& connection, const QSqlError& e)
{
    // The server ended the session (a restart, an administrator) or the line
    // to it broke; libpq tells the latter only in words.
    const QString code = e.nativeErrorCode();
    return !connection.isOpen() || e.type() == QSqlError::ConnectionError || code.startsWith(QLatin1String("08"))
        || code == QLatin1String("57P01") || code == QLatin1String("57P02") || code == QLatin1String("57P03")
        || e.databaseText().contains(QLatin1String("server closed the connection"))
        || e.databaseText().contains(QLatin1String("no connection to the server"))
        || e.driverText().contains(QLatin1String("server closed the connection"));
}

}

QString Database::lostText() const
{
    return QCoreApplication::translate("Database", "The connection to the database server %1 was lost, so the "
                                                   "operation was not done. The connection is made again with the "
                                                   "next action.")
        .arg(m_path);
}

void Database::failed(const QSqlError& e, const QString& original)
{
    // A server that cancelled the statement at its statement_timeout, or
    // SQLite stopped by the progress handler.
    if (m_deadline >= 0 && (m_timedOut || e.nativeErrorCode() == QLatin1String("57014")))
        throw AppError(TimedOut,
                       QCoreApplication::translate("Database", "The query ran past its time limit and was stopped."),
                       Source, e.nativeErrorCode());
    if (m_dialect == SqlDialect::PostgreSQL && connectionLost(connection(), e)) {
        if (m_depth > 0)
            m_lostInTransaction = true;
        // Closed here, so that the next statement outside a transaction opens it again.
        connection().close();
        throw AppError(ConnectionLost, lostText(), Source, e.nativeErrorCode());
    }
    if (isBusy(e))
        fail(QCoreApplication::translate("Database", "The database %1 is busy on another computer, so the operation "
                                                     "was not done. Try again in a moment.")
                 .arg(m_path),
             e.nativeErrorCode(), original, Busy);
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    fail(text, e.nativeErrorCode(), original, ErrorNumber::DatabaseFailure);
}

RowSet Database::execute(const QString& sql)
{
    QSqlQuery query = run(JetTranslator::translate(sql, m_dialect), sql);
    return readAll(query, sql);
}

RowSet Database::executeLimited(const QString& sql, int milliseconds)
{
    const QString native = JetTranslator::translate(sql, m_dialect);
    const bool server = m_dialect == SqlDialect::PostgreSQL;
    if (server)
        executeNative(QStringLiteral("SET statement_timeout = %1").arg(qMax(1, milliseconds)));
    m_deadline = QDateTime::currentMSecsSinceEpoch() + milliseconds;
    m_timedOut = false;
    if (sqlite3* handle = !server && isOpen() ? sqliteHandle(connection()) : nullptr)
        sqlite3_progress_handler(handle, 1000, &Database::onProgress, this);
    const auto unlimited = qScopeGuard([this, server] {
        m_deadline = -1;
        if (!isOpen())
            return;
        if (!server) {
            sqlite3_progress_handler(sqliteHandle(connection()), 0, nullptr, nullptr);
            return;
        }
        try {
            // Inside a transaction the statement has aborted, its SET goes with the rollback.
            executeNative(QStringLiteral("SET statement_timeout = 0"));
        } catch (const AppError&) {
        }
    });
    QSqlQuery query = run(native, sql);
    return readAll(query, sql);
}

int Database::command(const QString& sql)
{
    QSqlQuery query = run(JetTranslator::translate(sql, m_dialect), sql);
    return query.numRowsAffected();
}

void Database::executeNative(const QString& sql)
{
    run(sql, sql);
}

RowSet Database::executeBound(const QString& nativeSql, const QVariantList& values)
{
    QSqlQuery query = run(nativeSql, nativeSql, values);
    return readAll(query, nativeSql);
}

RowSet Database::executePage(const QString& sql, qint64 offset, int limit)
{
    const QString inner = JetTranslator::translate(sql, m_dialect);
    QSqlQuery query = run(QStringLiteral("SELECT * FROM (%1) AS page LIMIT ? OFFSET ?").arg(inner), sql,
                          {limit, offset});
    return readAll(query, sql);
}

qint64 Database::countRows(const QString& sql)
{
    const QString inner = withoutOrder(JetTranslator::translate(sql, m_dialect));
    QSqlQuery query = run(QStringLiteral("SELECT count(*) FROM (%1) AS counted").arg(inner), sql);
    return query.next() ? query.value(0).toLongLong() : 0;
}

qint64 Database::insert(const QString& table, const QString& keyColumn, const QList<Field>& fields)
{
    QStringList names, marks, shown;
    QVariantList values;
    for (const Field& f : fields) {
        names << checkedName(f.first, m_dialect);
        marks << QStringLiteral("?");
        values << f.second;
        shown << traceText(f.second);
    }
    const QString key = checkedName(keyColumn, m_dialect);
    const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(checkedName(table, m_dialect), names.join(QLatin1Char(',')));
    QString sql = fields.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(checkedName(table, m_dialect))
                                   : head + QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    sql += QStringLiteral(" RETURNING ") + key;
    const QString traced = fields.isEmpty() ? sql : head + QLatin1Char('(') + shown.join(QLatin1Char(',')) + QLatin1Char(')');
    QSqlQuery query = run(sql, traced, values);
    if (!query.next())
        fail(QStringLiteral("The new row of %1 gave no key").arg(table), {}, traced, ErrorNumber::DatabaseFailure);
    const qint64 newKey = query.value(0).toLongLong();
    if (m_dialect == SqlDialect::PostgreSQL) {
        for (const Field& f : fields) {
            // A key given by hand does not move the server's sequence, as
            // it moves SQLite's: later keys must still come after it.
            if (f.first.trimmed().compare(keyColumn.trimmed(), Qt::CaseInsensitive) == 0)
                executeBound(QStringLiteral("SELECT setval(q.s::regclass, ?) FROM (SELECT pg_get_serial_sequence(?, ?) "
                                            "AS s) q WHERE q.s IS NOT NULL AND coalesce(pg_sequence_last_value("
                                            "q.s::regclass), 0) < ?"),
                             {newKey, checkedName(table, m_dialect), keyColumn.trimmed().toLower(), newKey});
        }
    }
    return newKey;
}

namespace {

// The names of a blob's column: as given, and quoted for statements.
struct BlobColumn {
    QString table, column, t, c, k;
};

// SQLite: writes the value into its row's pages; false when the engine
// cannot, and the value is then written by appending blocks.
bool writeBlobInPlace(Database& db, sqlite3* handle, const BlobColumn& n, qint64 key, const QByteArray& data,
                      const Database::Progress& progress)
{
    // The value is sized once and its blocks written into the pages: appending
    // block by block would copy the whole value again for every block.
    db.executeBound(QStringLiteral("UPDATE %1 SET %2 = zeroblob(?) WHERE %3 = ?").arg(n.t, n.c, n.k), {data.size(), key});
    const RowSet row = db.executeBound(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ?").arg(n.t, n.k), {key});
    if (row.isEmpty() || data.isEmpty())
        return !row.isEmpty();
    sqlite3_blob* blob = nullptr;
    if (sqlite3_blob_open(handle, "main", n.table.trimmed().toUtf8().constData(),
                          n.column.trimmed().toUtf8().constData(), row.value(0, 0).toLongLong(), 1, &blob)
        != SQLITE_OK) {
        sqlite3_blob_close(blob);
        return false;
    }
    const int total = int(data.size());
    bool ok = true;
    for (int offset = 0; ok && offset < total; offset += Database::BlobBlockSize) {
        ok = sqlite3_blob_write(blob, data.constData() + offset, qMin(Database::BlobBlockSize, total - offset), offset)
            == SQLITE_OK;
        if (ok && progress)
            progress(int(100LL * qMin(offset + Database::BlobBlockSize, total) / total));
    }
    sqlite3_blob_close(blob);
    return ok;
}

}

void Database::writeBlob(const QString& table, const QString& column, const QString& keyColumn,
                         qint64 key, const QByteArray& data, const Progress& progress)
{
    const QString t = checkedName(table, m_dialect), c = checkedName(column, m_dialect), k = checkedName(keyColumn, m_dialect);
    const bool pg = m_dialect == SqlDialect::PostgreSQL;
    Transaction tx(*this);
    if (!pg && writeBlobInPlace(*this, sqliteHandle(connection()), {table, column, t, c, k}, key, data, progress)) {
        tx.commit();
        return;
    }
    executeBound(QStringLiteral("UPDATE %1 SET %2 = %4 WHERE %3 = ?")
                     .arg(t, c, k, pg ? QStringLiteral("''::bytea") : QStringLiteral("zeroblob(0)")),
                 {key});
    const QString append = pg ? QStringLiteral("UPDATE %1 SET %2 = %2 || ?::bytea WHERE %3 = ?").arg(t, c, k)
                              : QStringLiteral("UPDATE %1 SET %2 = CAST(%2 || ? AS BLOB) WHERE %3 = ?").arg(t, c, k);
    for (qsizetype offset = 0; offset < data.size(); offset += BlobBlockSize) {
        executeBound(append, {data.mid(offset, BlobBlockSize), key});
        if (progress)
            progress(int(100 * std::min<qsizetype>(offset + BlobBlockSize, data.size()) / data.size()));
    }
    tx.commit();
}

QByteArray Database::readBlob(const QString& table, const QString& column, const QString& keyColumn,
                              qint64 key, const Progress& progress)
{
    const QString t = checkedName(table, m_dialect), c = checkedName(column, m_dialect), k = checkedName(keyColumn, m_dialect);
    if (m_dialect == SqlDialect::SQLite) {
        // Read straight from the pages: a block through substr() would load the
        // whole value again for every block.
        const RowSet row = executeBound(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ?").arg(t, k), {key});
        if (row.isEmpty())
            return {};
        sqlite3_blob* blob = nullptr;
        if (sqlite3_blob_open(sqliteHandle(connection()), "main", table.trimmed().toUtf8().constData(),
                              column.trimmed().toUtf8().constData(), row.value(0, 0).toLongLong(), 0, &blob)
            == SQLITE_OK) {
            const int total = sqlite3_blob_bytes(blob);
            QByteArray out(total, Qt::Uninitialized);
            bool ok = true;
            for (int offset = 0; ok && offset < total; offset += BlobBlockSize) {
                ok = sqlite3_blob_read(blob, out.data() + offset, qMin(BlobBlockSize, total - offset), offset) == SQLITE_OK;
                if (ok && progress)
                    progress(int(100LL * qMin(offset + BlobBlockSize, total) / total));
            }
            sqlite3_blob_close(blob);
            if (ok)
                return out;
        }
    }
    const RowSet size = executeBound(QStringLiteral("SELECT length(%1) FROM %2 WHERE %3 = ?").arg(c, t, k), {key});
    if (size.isEmpty() || size.value(0, 0).isNull())
        return {};
    const qint64 total = size.value(0, 0).toLongLong();
    QByteArray out;
    out.reserve(total);
    const QString block = QStringLiteral("SELECT substr(%1, ?, ?) FROM %2 WHERE %3 = ?").arg(c, t, k);
    for (qint64 offset = 0; offset < total; offset += BlobBlockSize) {
        const RowSet part = executeBound(block, {offset + 1, BlobBlockSize, key});
        if (part.isEmpty())
            break;
        out += part.value(0, 0).toByteArray();
        if (progress)
            progress(int(100 * out.size() / total));
    }
    return out;
}


quint64 Database::changeStamp()
{
    sqlite3* handle = m_dialect == SqlDialect::SQLite && isOpen() ? sqliteHandle(connection()) : nullptr;
    if (!handle)
        return 0;
    unsigned int version = 0;
    sqlite3_file_control(handle, "main", SQLITE_FCNTL_DATA_VERSION, &version);
    return (quint64(sqlite3_total_changes64(handle)) << 32) ^ version ^ (quint64(1) << 63);
}

qint64 Database::insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows,
                            const QString& keyColumn)
{
    if (rows.isEmpty() || columns.isEmpty())
        return 0;
    QStringList names, marks;
    for (const QString& column : columns) {
        names << checkedName(column, m_dialect);
        marks << QStringLiteral("?");
    }
    const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(checkedName(table, m_dialect), names.join(QLatin1Char(',')));
    const QString oneRow = QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    const QString returning = keyColumn.isEmpty() ? QString() : QStringLiteral(" RETURNING ") + checkedName(keyColumn, m_dialect);
    ensureOpen(head);
    noteWrite(head);
    if (m_dialect == SqlDialect::SQLite) {
        std::optional<qint64> key = insertEach(head + oneRow + returning, rows, [&](const QVariantList& row) {
            QStringList shown;
            for (const QVariant& value : row)
                shown << traceText(value);
            return head + QLatin1Char('(') + shown.join(QLatin1Char(',')) + QLatin1Char(')');
        });
        if (key)
            return *key;
    }
    // Many rows a statement: on a server each statement is a round trip.
    const int perStatement = int(std::max<qsizetype>(1, ValuesPerStatement / columns.size()));
    qint64 lastKey = 0;
    QSqlQuery query(connection());
    QString prepared;
    for (qsizetype from = 0; from < rows.size(); from += perStatement) {
        const qsizetype count = std::min<qsizetype>(perStatement, rows.size() - from);
        QString sql = head;
        sql.reserve(head.size() + count * (oneRow.size() + 1) + returning.size());
        for (qsizetype r = 0; r < count; ++r)
            (r == 0 ? sql : sql += QLatin1Char(',')) += oneRow;
        sql += returning;
        QStringList traced;
        QVariantList values;
        values.reserve(count * columns.size());
        for (qsizetype r = from; r < from + count; ++r) {
            values += rows.at(r);
            // The trace's lines cost as much as the values: only for a hook.
            if (!tracing())
                continue;
            QStringList shown;
            for (const QVariant& value : rows.at(r))
                shown << traceText(value);
            traced << head + QLatin1Char('(') + shown.join(QLatin1Char(',')) + QLatin1Char(')');
        }
        const QString inlined = m_dialect == SqlDialect::PostgreSQL ? withValues(sql, values) : QString();
        bool ok = false;
        if (!inlined.isEmpty()) {
            // What was held back goes in the same round, ahead of the rows.
            prepared.clear();
            QList<Ahead> ahead;
            ok = passAhead(query, ahead, query.exec(withAhead(inlined, ahead)));
        } else {
            sendAhead();
            ok = prepared == sql || query.prepare(sql);
            prepared = ok ? sql : QString();
            for (int v = 0; ok && v < values.size(); ++v)
                query.bindValue(v, values.at(v));
            ok = ok && query.exec();
        }
        // The trace keeps a line a row, as the rows went.
        for (const QString& row : std::as_const(traced))
            if (m_hook)
                m_hook(row);
        if (!ok)
            failed(query.lastError(), traced.isEmpty() ? head : traced.constLast());
        // The keys come in no promised order; the last row's is the largest.
        while (query.next())
            lastKey = std::max(lastKey, query.value(0).toLongLong());
    }
    return lastKey;
}
