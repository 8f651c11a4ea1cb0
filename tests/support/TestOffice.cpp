#include "support/TestOffice.h"

#include "schema/NewDatabase.h"
#include "shell/base/Configuration.h"
#include "support/PgCluster.h"

TestOffice::TestOffice(bool open, bool demo) : TestOffice(engine(), open, demo)
{
}

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

void TestOffice::loginAs(const QString& loginId)
{
    m_state->CurrentLoginId = loginId.toUpper();
}
