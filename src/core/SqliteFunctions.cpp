#include "core/SqliteFunctions.h"

#include "core/AppError.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>

#include <sqlite3.h>

namespace {

bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

QString textOf(sqlite3_value* v)
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(utf8, sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// Positions and lengths count characters, so a letter outside the BMP
// (a surrogate pair in UTF-16) still counts once.
qsizetype stepAt(const QString& s, qsizetype i)
{
    return s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate() ? 2 : 1;
}

qint64 charCount(const QString& s)
{
    qint64 n = 0;
    for (qsizetype i = 0; i < s.size(); i += stepAt(s, i))
        ++n;
    return n;
}

// UTF-16 offset of the character with 0-based index `chars` (clamped to the end).
qsizetype offsetOfChar(const QString& s, qint64 chars)
{
    qsizetype i = 0;
    for (; i < s.size() && chars > 0; --chars)
        i += stepAt(s, i);
    return i;
}

QString midChars(const QString& s, qint64 start, qint64 length)
{
    const qsizetype from = offsetOfChar(s, start);
    if (length < 0)
        return s.mid(from);
    const qsizetype to = from + offsetOfChar(s.mid(from), length);
    return s.mid(from, to - from);
}

bool truthy(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        return false;
    case SQLITE_INTEGER:
        return sqlite3_value_int64(v) != 0;
    default:
        return sqlite3_value_double(v) != 0.0;
    }
}

void jetIif(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_value(ctx, truthy(argv[0]) ? argv[1] : argv[2]);
}

void jetNz(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (!isNull(argv[0]))
        sqlite3_result_value(ctx, argv[0]);
    else if (argc > 1)
        sqlite3_result_value(ctx, argv[1]);
    else
        sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

void jetUcase(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    resultText(ctx, textOf(argv[0]).toUpper());
}

void jetLcase(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    resultText(ctx, textOf(argv[0]).toLower());
}

void jetLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, charCount(textOf(argv[0])));
}

void jetMid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 length = argc > 2 ? sqlite3_value_int64(argv[2]) : -1;
    if (start < 1)
        return sqlite3_result_error(ctx, "Mid: the start must be 1 or more", -1);
    if (argc > 2 && length < 0)
        return sqlite3_result_error(ctx, "Mid: the length must not be negative", -1);
    resultText(ctx, midChars(textOf(argv[0]), start - 1, length));
}

void jetInstr(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    const int first = argc == 3 ? 1 : 0;
    const qint64 start = argc == 3 ? sqlite3_value_int64(argv[0]) : 1;
    if (start < 1)
        return sqlite3_result_error(ctx, "InStr: the start must be 1 or more", -1);
    const QString s = textOf(argv[first]);
    const QString find = textOf(argv[first + 1]);
    const qint64 length = charCount(s);
    if (length == 0 || start > length)
        return sqlite3_result_int64(ctx, 0);
    if (find.isEmpty())
        return sqlite3_result_int64(ctx, start);
    // Text compares without regard to case everywhere else in the database.
    const qsizetype at = s.indexOf(find, offsetOfChar(s, start - 1), Qt::CaseInsensitive);
    sqlite3_result_int64(ctx, at < 0 ? 0 : charCount(s.left(at)) + 1);
}

void jetLeft(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return sqlite3_result_error(ctx, "Left: the length must not be negative", -1);
    resultText(ctx, midChars(textOf(argv[0]), 0, n));
}

void jetRight(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return sqlite3_result_error(ctx, "Right: the length must not be negative", -1);
    const QString s = textOf(argv[0]);
    resultText(ctx, midChars(s, qMax<qint64>(0, charCount(s) - n), -1));
}

void jetNow(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

void jetDate(sqlite3_context* ctx, int, sqlite3_value**)
{
    const QDate today = QDate::currentDate();
    sqlite3_result_int64(ctx, today.year() * 10000LL + today.month() * 100 + today.day());
}

// Dates are stored as yyyymmdd numbers, so DateAdd works on those.
void jetDateAdd(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    for (int i = 0; i < 3; ++i)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    const qint64 stored = sqlite3_value_int64(argv[2]);
    const QDate day(int(stored / 10000), int(stored / 100 % 100), int(stored % 100));
    const QString interval = textOf(argv[0]).toLower();
    const int n = int(sqlite3_value_int64(argv[1]));
    const QDate moved = interval == u"d" ? day.addDays(n)
        : interval == u"m"               ? day.addMonths(n)
        : interval == u"yyyy"            ? day.addYears(n)
                                         : QDate();
    if (!moved.isValid())
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, moved.year() * 10000LL + moved.month() * 100 + moved.day());
}

using Impl = void (*)(sqlite3_context*, int, sqlite3_value**);

struct Helper {
    const char* name;
    int argc;
    Impl impl;
    bool deterministic;
};

}  // namespace

void registerJetFunctions(sqlite3* db)
{
    if (!db)
        throw AppError(ErrorNumber::DatabaseFailure,
                       QStringLiteral("The Jet helper functions need an open SQLite connection."),
                       QStringLiteral("Database"));
    // Now() and Date() change between calls, so SQLite must not fold them.
    static const Helper helpers[] = {
        {"jet_iif", 3, jetIif, true},     {"jet_nz", 1, jetNz, true},
        {"jet_nz", 2, jetNz, true},       {"jet_ucase", 1, jetUcase, true},
        {"jet_lcase", 1, jetLcase, true}, {"jet_len", 1, jetLen, true},
        {"jet_mid", 2, jetMid, true},     {"jet_mid", 3, jetMid, true},
        {"jet_instr", 2, jetInstr, true}, {"jet_instr", 3, jetInstr, true},
        {"jet_left", 2, jetLeft, true},   {"jet_right", 2, jetRight, true},
        {"jet_now", 0, jetNow, false},    {"jet_date", 0, jetDate, false},
        {"jet_dateadd", 3, jetDateAdd, true},
    };
    for (const Helper& h : helpers) {
        const int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS | (h.deterministic ? SQLITE_DETERMINISTIC : 0);
        const int rc = sqlite3_create_function_v2(db, h.name, h.argc, flags, nullptr, h.impl,
                                                  nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            throw AppError(ErrorNumber::DatabaseFailure,
                           QStringLiteral("Could not register the function %1: %2")
                               .arg(QString::fromLatin1(h.name), QString::fromUtf8(sqlite3_errstr(rc))),
                           QStringLiteral("Database"));
    }
}

void disableDoubleQuotedStrings(sqlite3* db)
{
    if (!db)
        throw AppError(ErrorNumber::DatabaseFailure,
                       QStringLiteral("Double-quoted strings can only be switched off on an open SQLite connection."),
                       QStringLiteral("Database"));
    for (int option : {SQLITE_DBCONFIG_DQS_DML, SQLITE_DBCONFIG_DQS_DDL}) {
        const int rc = sqlite3_db_config(db, option, 0, static_cast<int*>(nullptr));
        if (rc != SQLITE_OK)
            throw AppError(ErrorNumber::DatabaseFailure,
                           QStringLiteral("Could not switch off double-quoted strings: %1")
                               .arg(QString::fromUtf8(sqlite3_errstr(rc))),
                           QStringLiteral("Database"));
    }
}

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QSqlDriver* driver = db.driver();
    if (!driver)
        return nullptr;
    const QVariant handle = driver->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}
