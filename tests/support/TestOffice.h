#pragma once

#include "shell/base/RunState.h"
#include "support/ScriptedUI.h"

#include <QTemporaryDir>
#include <memory>

// A temporary home folder with a fresh database made by the real schema,
// a run state over it and the scripted operator door.
class TestOffice {
public:
    // With `open` false the database file exists but no connection is made.
    explicit TestOffice(bool open = true, bool demo = false);

    RunState& state() { return *m_state; }
    Database& db() { return m_state->db(); }
    ScriptedUI& ui() { return *m_ui; }
    QString home() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QString databasePath() const { return file(QStringLiteral("fdk.db")); }

    // Logs the operator in as far as the run state goes (no screens).
    void loginAs(const QString& loginId);

private:
    QTemporaryDir m_dir;
    ScriptedUI* m_ui = nullptr;
    std::unique_ptr<RunState> m_state;
};
