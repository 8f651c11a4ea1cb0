#include "schema/Schema.h"

#include "schema/LedgerSetup.h"
#include "schema/ReportSetup.h"
#include "schema/SchemaTables.h"
#include "shell/base/AppError.h"
#include "shell/base/Database.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSchema, "ijar.schema", QtWarningMsg)

const char* const Schema::VersionTable = "_SCHEMAVERSION";

static const QString Source = QStringLiteral("Schema");

QList<TableDef> Schema::tables()
{
    QList<TableDef> result;
    result << SchemaTables::shell() << SchemaTables::engine() << SchemaTables::rental()
           << SchemaTables::accounting() << SchemaTables::journal() << SchemaTables::reports()
           << SchemaTables::reminders();
    return result;
}

void Schema::createTables(Database& db, const QList<TableDef>& tables)
{
    for (const TableDef& table : tables) {
        for (const QString& statement : TableDdl::statements(table, db.dialect()))
            db.executeNative(statement);
    }
}

QList<SchemaStep> Schema::steps()
{
    return {
        {1, QStringLiteral("first schema"),
         [](Database& db) {
             if (db.dialect() == SqlDialect::PostgreSQL)
                 db.executeNative(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"));
             createTables(db, tables());
         }},
        {2, QStringLiteral("a contract keeps the journal it is posted to"),
         [](Database& db) { addColumn(db, QStringLiteral("RENT"), SchemaTables::col::number("JOURNALID")); }},
        {3, QStringLiteral("a journal knows the screen that made it"),
         [](Database& db) { addColumn(db, QStringLiteral("JOURNAL"), SchemaTables::col::text("WINDOWNAME")); }},
        {4, QStringLiteral("an office without reports gets the documents the program ships"),
         [](Database& db) { ReportSetup::insertWhenNone(db); }},
        {5, QStringLiteral("what a voucher took or paid by cheque goes through the bank"),
         [](Database& db) { LedgerSetup::postChequesToTheBank(db); }},
    };
}

void Schema::addColumn(Database& db, const QString& table, const ColumnDef& column)
{
    db.executeNative(QStringLiteral("ALTER TABLE ") + TableDdl::quoted(table, db.dialect())
                     + QStringLiteral(" ADD COLUMN ") + TableDdl::columnDefinition(column, db.dialect()));
}

int Schema::version(Database& db)
{
    if (!db.tableExists(QString::fromLatin1(VersionTable)))
        return 0;
    const RowSet rows = db.executeBound(
        QStringLiteral("SELECT max(VERSION) AS VERSION FROM ")
            + TableDdl::quoted(QString::fromLatin1(VersionTable), db.dialect()),
        {});
    if (rows.isEmpty() || rows.value(0, 0).isNull())
        return 0;
    return rows.value(0, 0).toInt();
}

void Schema::setVersion(Database& db, int version)
{
    const QString table = TableDdl::quoted(QString::fromLatin1(VersionTable), db.dialect());
    db.executeNative(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + table
                     + QStringLiteral(" (VERSION INTEGER NOT NULL)"));
    db.executeBound(QStringLiteral("DELETE FROM ") + table, {});
    db.executeBound(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (VERSION) VALUES (?)"),
                    {version});
}

void Schema::create(Database& db)
{
    if (const int existing = version(db); existing != 0)
        throw AppError(ErrorNumber::DatabaseFailure,
                       QStringLiteral("The database already has a schema (version %1).").arg(existing),
                       Source);
    Transaction transaction(db);
    upgrade(db, steps());
    transaction.commit();
}

void Schema::upgrade(Database& db)
{
    upgrade(db, steps());
}

void Schema::upgrade(Database& db, const QList<SchemaStep>& steps)
{
    // A gap or a repeat in the history is a mistake in the program, not in the data.
    for (int i = 0; i < steps.size(); ++i) {
        if (steps.at(i).version != i + 1)
            throw AppError(ErrorNumber::DatabaseFailure,
                           QStringLiteral("Schema step %1 is out of order.").arg(i + 1), Source);
    }

    const int target = int(steps.size());
    const int current = version(db);
    if (current > target)
        throw AppError(ErrorNumber::DatabaseFailure,
                       QStringLiteral("The database has schema version %1; this program knows "
                                      "versions up to %2. Use a newer program.")
                           .arg(current)
                           .arg(target),
                       Source);

    for (const SchemaStep& step : steps) {
        if (step.version <= current)
            continue;
        qCInfo(lcSchema) << "schema step" << step.version << step.description;
        Transaction transaction(db);
        try {
            step.apply(db);
            setVersion(db, step.version);
        } catch (const AppError& error) {
            throw AppError(error.number(),
                           QStringLiteral("Schema step %1 (%2) failed: %3")
                               .arg(step.version)
                               .arg(step.description, error.description()),
                           error.source().isEmpty() ? Source : error.source(), error.sqlState());
        }
        transaction.commit();
    }
}
