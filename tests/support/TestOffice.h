#pragma once

#include "core/RunState.h"
#include "support/ScriptedUI.h"

#include <QTemporaryDir>
#include <memory>

// A temporary home folder with a fresh database made by the real schema,
// a run state over it and the scripted operator door.
//
// The database is a SQLite file in the home folder, or, when the environment
// names PostgreSQL (IJAR_TEST_ENGINE=postgresql, as ctest does for the "pg:"
// run of a suite), a database of its own on the tests' cluster (PgCluster):
// the same tests then run on both engines.
class TestOffice {
public:
    enum class Engine { SQLite, PostgreSQL };

    // With `open` false the database exists but no connection is made.
    explicit TestOffice(bool open = true, bool demo = false) : TestOffice(engine(), open, demo) {}
    TestOffice(Engine engine, bool open = true, bool demo = false);
    ~TestOffice();

    // The engine this run of the tests is for.
    static Engine engine();
    static bool onServer() { return engine() == Engine::PostgreSQL; }

    RunState& state() { return *m_state; }
    Database& db() { return m_state->db(); }
    ScriptedUI& ui() { return *m_ui; }
    QString home() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // The file, or on PostgreSQL the URI, that the run state's DATABASE names.
    QString databasePath() const { return m_database.isEmpty() ? file(QStringLiteral("fdk.db")) : m_database; }

    // Logs the operator in as far as the run state goes (no screens).
    void loginAs(const QString& loginId) { m_state->CurrentLoginId = loginId.toUpper(); }

    // Makes the database refuse every insert into `table` (those meeting
    // `when`, an SQL condition on NEW.column, when given), with the error
    // "refused": a failure in the middle of the work, on either engine.
    static void refuseInserts(Database& db, const QString& name, const QString& table, const QString& when = {});
    // Takes that refusal away again.
    static void allowInserts(Database& db, const QString& name, const QString& table);

private:
    QTemporaryDir m_dir;
    ScriptedUI* m_ui = nullptr;
    std::unique_ptr<RunState> m_state;
    QString m_database;  // the server database; empty for a file
};
