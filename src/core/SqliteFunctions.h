#pragma once

struct sqlite3;
class QSqlDatabase;

// The helpers that translated Jet statements call (JetTranslator renames
// IIf, Nz, UCase, … to jet_iif, jet_nz, jet_ucase, …). Registered on every
// SQLite connection right after it opens:
//   jet_iif(cond, a, b)          a when cond is true (non-zero), else b
//   jet_nz(v [, default])        default ('' when omitted) when v is null
//   jet_ucase(s), jet_lcase(s)   Unicode upper/lower case
//   jet_len(s)                   length in characters
//   jet_mid(s, start [, len])    1-based
//   jet_instr([start,] s, find)  1-based position, 0 when missing; ignores case
//   jet_left(s, n), jet_right(s, n)
//   jet_now()                    text "yyyy-MM-dd hh:mm:ss", local time
//   jet_date()                   today as the integer yyyymmdd
//   jet_dateadd(i, n, d)         the yyyymmdd date d moved by n days ('d'),
//                                months ('m') or years ('yyyy'); null for
//                                another interval or a date that is none
// A null text argument gives null, as in Jet. Throws AppError on failure.
void registerJetFunctions(sqlite3* db);

// Switches off SQLite's habit of reading an unknown "name" as a text value,
// so that a misspelt column is an error instead of a silently wrong row.
void disableDoubleQuotedStrings(sqlite3* db);

// The connection's handle; nullptr when it is not an open QSQLITE connection.
sqlite3* sqliteHandle(const QSqlDatabase& db);
