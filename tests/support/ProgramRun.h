#pragma once

#include <QString>
#include <QStringList>

// What a program started by a test ended with and wrote.
struct ProgramRun {
    int status;  // the exit code, -1 when it crashed or did not end in time
    QString out;
    QString err;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments, int timeoutMs);
