#include "support/TestOffice.h"

#include "schema/NewDatabase.h"
#include "shell/base/Configuration.h"

TestOffice::TestOffice(bool open, bool demo)
{
    auto ui = std::make_unique<ScriptedUI>();
    m_ui = ui.get();
    m_state = std::make_unique<RunState>(m_dir.path(), std::move(ui));
    NewDatabase::create(databasePath(), demo);
    m_state->DatabasePath = databasePath();
    if (open) {
        m_state->db().open(databasePath());
        Configuration::LoadConfiguration(*m_state);
    }
}

void TestOffice::loginAs(const QString& loginId)
{
    m_state->CurrentLoginId = loginId.toUpper();
}
