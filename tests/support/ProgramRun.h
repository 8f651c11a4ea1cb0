#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a program started by a test ended with and wrote.
struct ProgramRun {
    int status;  // the exit code, -1 when it crashed or did not end in time
    QString out;
    QString err;
};

inline ProgramRun runProgram(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess p;
    p.start(program, arguments);
    const bool ended = p.waitForFinished(timeoutMs);
    return {ended && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
