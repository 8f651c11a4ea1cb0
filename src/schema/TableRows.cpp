#include "schema/TableRows.h"

#include "core/Database.h"

#include <QString>

namespace {

const char* const Kept[] = {"rent", "customer", "reservation"};

// The same lock the ledger's months take: whoever writes either takes it first.
const QString WriterLock = QStringLiteral("1229586770");

QString trigger(const char* table, const char* event)
{
    return QStringLiteral("TR_TABLEROWS_%1_%2").arg(QString::fromLatin1(table).toUpper(), QLatin1String(event));
}

}

void TableRows::create(Database& db)
{
    db.executeNative(QStringLiteral("CREATE TABLE IF NOT EXISTS TABLEROWS (TABLENAME %1 NOT NULL PRIMARY KEY, ROWCOUNT %2 "
                                    "NOT NULL DEFAULT 0)")
                         .arg(db.dialect() == SqlDialect::PostgreSQL ? QStringLiteral("text") : QStringLiteral("TEXT"),
                              db.dialect() == SqlDialect::PostgreSQL ? QStringLiteral("bigint") : QStringLiteral("INTEGER")));
    rebuild(db);
}

void TableRows::dropTriggers(Database& db)
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    for (const char* table : Kept)
        for (const char* event : {"INSERT", "DELETE"})
            db.executeNative(QStringLiteral("DROP TRIGGER IF EXISTS %1%2")
                                 .arg(trigger(table, event), server ? QStringLiteral(" ON ") + QLatin1String(table) : QString()));
}

void TableRows::createTriggers(Database& db)
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    if (server)
        db.executeNative(QStringLiteral("CREATE OR REPLACE FUNCTION ijar_tablerows() RETURNS trigger LANGUAGE plpgsql AS $f$ "
                                        "BEGIN PERFORM pg_advisory_xact_lock(%1); IF TG_OP = 'INSERT' THEN "
                                        "UPDATE tablerows SET rowcount = rowcount + (SELECT count(*) FROM came) WHERE tablename = TG_TABLE_NAME; "
                                        "ELSE UPDATE tablerows SET rowcount = rowcount - (SELECT count(*) FROM gone) WHERE tablename = TG_TABLE_NAME; "
                                        "END IF; RETURN NULL; END $f$")
                             .arg(WriterLock));
    for (const char* table : Kept) {
        const QString name = QString::fromLatin1(table);
        if (server) {
            db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2 REFERENCING NEW TABLE AS came FOR EACH "
                                            "STATEMENT EXECUTE FUNCTION ijar_tablerows()").arg(trigger(table, "INSERT"), name));
            db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER DELETE ON %2 REFERENCING OLD TABLE AS gone FOR EACH "
                                            "STATEMENT EXECUTE FUNCTION ijar_tablerows()").arg(trigger(table, "DELETE"), name));
            continue;
        }
        for (const auto& [event, step] : {std::pair{"INSERT", "+"}, {"DELETE", "-"}})
            db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER %2 ON %3 BEGIN UPDATE TABLEROWS SET ROWCOUNT = "
                                            "ROWCOUNT %4 1 WHERE TABLENAME = '%3'; END")
                                 .arg(trigger(table, event), QLatin1String(event), name, QLatin1String(step)));
    }
}

void TableRows::rebuild(Database& db)
{
    // The triggers first: on a server they hold off other writers until the counts are committed.
    dropTriggers(db);
    createTriggers(db);
    db.executeNative(QStringLiteral("DELETE FROM TABLEROWS"));
    for (const char* table : Kept)
        db.executeNative(QStringLiteral("INSERT INTO TABLEROWS (TABLENAME, ROWCOUNT) SELECT '%1', count(*) FROM %1")
                             .arg(QLatin1String(table)));
}

qint64 TableRows::count(Database& db, const QString& table)
{
    const RowSet kept = db.executeBound(QStringLiteral("SELECT ROWCOUNT FROM TABLEROWS WHERE TABLENAME = ?"), {table.toLower()});
    return kept.isEmpty() ? -1 : kept.value(0, 0).toLongLong();
}
