#pragma once

#include "schema/Schema.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QWidget;
class RunState;

// Opens the database the login screen names and makes it fit for work: a
// database of an older schema is copied beside itself and upgraded step by
// step; anything that keeps the office from working with it (missing,
// unreadable, not a database, not ours, newer than the program, held by
// another program) is told to the operator with what to do, and the
// connection stays closed.
class LoginDatabase {
    Q_DECLARE_TR_FUNCTIONS(LoginDatabase)

public:
    LoginDatabase(RunState& state, QList<SchemaStep> history);

    // True when the connection is open on a database of the current schema.
    bool open(QWidget* screen);

    // The copy made beside a database before its upgrade.
    static QString copyBeforeUpgrade(const QString& databasePath, int version);
    // What stands at a database path that is not a file (a folder, a named
    // pipe, a link that leads nowhere…), as the operator is told; empty for
    // a file, a server, or nothing at all.
    static QString notAFile(const QString& path);

private:
    bool fitSchema(QWidget* screen);
    bool hasEveryTable(QWidget* screen);
    void tellReadOnly(QWidget* screen);
    bool refreshHelpers(QWidget* screen);
    bool refuse(QWidget* screen, const QString& text);

    RunState& m_state;
    QList<SchemaStep> m_history;
};
