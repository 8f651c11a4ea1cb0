#include "support/TestOffice.h"

#include "core/Configuration.h"
#include "office/NewDatabase.h"
#include "support/PgCluster.h"

TestOffice::TestOffice(Engine engine, bool open, bool demo)
{
    auto ui = std::make_unique<ScriptedUI>();
    m_ui = ui.get();
    m_state = std::make_unique<RunState>(m_dir.path(), std::move(ui));
    if (engine == Engine::PostgreSQL)
        m_database = PgCluster::shared().createOffice(demo);
    else
        NewDatabase::create(databasePath(), demo);
    m_state->DatabasePath = databasePath();
    if (open) {
        m_state->db().open(databasePath());
        Configuration::LoadConfiguration(*m_state);
    }
}

TestOffice::~TestOffice()
{
    if (m_database.isEmpty())
        return;
    m_state.reset();
    try {
        PgCluster::shared().dropDatabase(m_database);
    } catch (const std::exception&) {
        // the cluster is gone with everything on it
    }
}

TestOffice::Engine TestOffice::engine()
{
    return qEnvironmentVariable("IJAR_TEST_ENGINE").compare(QLatin1String("postgresql"), Qt::CaseInsensitive) == 0
        ? Engine::PostgreSQL
        : Engine::SQLite;
}

void TestOffice::refuseInserts(Database& db, const QString& name, const QString& table, const QString& when)
{
    if (db.dialect() == SqlDialect::PostgreSQL) {
        db.executeNative(QStringLiteral("CREATE OR REPLACE FUNCTION refuse_row() RETURNS trigger LANGUAGE plpgsql "
                                        "AS $$BEGIN RAISE EXCEPTION 'refused'; END$$"));
        db.executeNative(QStringLiteral("CREATE TRIGGER %1 BEFORE INSERT ON %2 FOR EACH ROW %3 EXECUTE FUNCTION "
                                        "refuse_row()")
                             .arg(name, table, when.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(when)));
        return;
    }
    db.executeNative(QStringLiteral("CREATE TRIGGER %1 BEFORE INSERT ON %2 %3 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                         .arg(name, table, when.isEmpty() ? QString() : QStringLiteral("WHEN %1").arg(when)));
}

void TestOffice::allowInserts(Database& db, const QString& name, const QString& table)
{
    db.executeNative(db.dialect() == SqlDialect::PostgreSQL ? QStringLiteral("DROP TRIGGER %1 ON %2").arg(name, table)
                                                            : QStringLiteral("DROP TRIGGER %1").arg(name));
}
