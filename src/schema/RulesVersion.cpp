#include "schema/RulesVersion.h"

#include "core/Database.h"

const QString RulesVersion::Table = QStringLiteral("RULESVERSION");
const QStringList RulesVersion::Watched{QStringLiteral("_WINDOWTABLE"),      QStringLiteral("_WINDOWTABLEDETAILS"),
                                        QStringLiteral("_WINDOWVALIDATION"), QStringLiteral("_GLRULE"),
                                        QStringLiteral("_GLRULEDETAIL"),     QStringLiteral("CHARTOFACCOUNT")};

namespace {

const char* const Events[] = {"INSERT", "UPDATE", "DELETE"};

QString trigger(const QString& table, const char* event)
{
    return QStringLiteral("TR_RULESVERSION_%1_%2").arg(table, QLatin1String(event));
}

}

void RulesVersion::create(Database& db)
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    db.executeNative(QStringLiteral("CREATE TABLE IF NOT EXISTS RULESVERSION (VERSION %1 NOT NULL)")
                         .arg(server ? QStringLiteral("bigint") : QStringLiteral("INTEGER")));
    db.executeNative(QStringLiteral("DELETE FROM RULESVERSION"));
    db.executeNative(QStringLiteral("INSERT INTO RULESVERSION (VERSION) VALUES (0)"));
    dropTriggers(db);
    createTriggers(db);
}

void RulesVersion::dropTriggers(Database& db)
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    for (const QString& table : Watched)
        for (const char* event : Events)
            db.executeNative(QStringLiteral("DROP TRIGGER IF EXISTS %1%2")
                                 .arg(trigger(table, event), server ? QStringLiteral(" ON ") + table.toLower() : QString()));
}

void RulesVersion::createTriggers(Database& db)
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    if (server)
        db.executeNative(QStringLiteral("CREATE OR REPLACE FUNCTION ijar_rulesversion() RETURNS trigger LANGUAGE plpgsql "
                                        "AS $f$ BEGIN UPDATE rulesversion SET version = version + 1; RETURN NULL; END $f$"));
    for (const QString& table : Watched)
        for (const char* event : Events)
            db.executeNative(server ? QStringLiteral("CREATE TRIGGER %1 AFTER %2 ON %3 FOR EACH STATEMENT EXECUTE FUNCTION "
                                                     "ijar_rulesversion()")
                                          .arg(trigger(table, event), QLatin1String(event), table.toLower())
                                    : QStringLiteral("CREATE TRIGGER %1 AFTER %2 ON %3 BEGIN UPDATE RULESVERSION SET "
                                                     "VERSION = VERSION + 1; END")
                                          .arg(trigger(table, event), QLatin1String(event), table));
}
