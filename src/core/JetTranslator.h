#pragma once

#include "core/SqlDialect.h"

#include <QString>
#include <QStringList>

// Turns the Jet forms that statements are written in into the engine's
// dialect, token by token; text inside quoted literals is never touched.
// Throws AppError (ErrorNumber::RefusedStatement) for forms that cannot be
// run safely.
//
// What it rewrites:
//  - select top N …          -> select … [ORDER BY 1] LIMIT N, at every select level
//  - delete * from t         -> delete from t (also delete t.* from t)
//  - select … into t from …  -> CREATE TABLE t AS SELECT … FROM …
//  - "text"                  -> 'text'
//  - a & b                   -> a || b
//  - IIf( Nz( DateAdd( …     -> jet_iif( jet_nz( jet_dateadd( … (see SqliteFunctions.h)
//  - [name], `name`          -> kept for SQLite, "name" for PostgreSQL
//  - default (column, user)  -> quoted where the engine reserves the word
//  - 15order                 -> 15 order; - - and / * never become a comment
//  - a trailing ; is dropped
// What it refuses: a second statement after ;, #date# literals, TOP n PERCENT,
// the \ operator, an unterminated literal or bracketed name, TOP in a UNION.
class JetTranslator {
public:
    static QString translate(const QString& jetSql, SqlDialect dialect);

    // Whether the statement is one plain select, which reads and changes
    // nothing (a select … into makes a table). Throws as translate does.
    static bool isSingleSelect(const QString& jetSql);

    // The jet_* helpers as PostgreSQL functions, one CREATE OR REPLACE
    // statement per entry; run them once on a new PostgreSQL database.
    // (SQLite gets them per connection: registerJetFunctions.)
    static QStringList postgresHelperFunctions();
};
