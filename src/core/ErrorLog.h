#pragma once

#include <QString>
#include <functional>

class AppError;
class QDate;
class QWidget;
class RunState;

// The one error routine: appends a line to the error log in the home folder
// and, when SHOWERRORS is 1, shows dlgError and waits for it. Never fails.
void ReportError(RunState& state, QWidget* screen, const QString& number,
                 const QString& description, const QString& source);
void ReportError(RunState& state, QWidget* screen, const AppError& error, const QString& where = {});
// Only the log line, for a failure the caller tells the operator about in words of its own.
void LogError(RunState& state, QWidget* screen, const AppError& error, const QString& where = {});

// Runs a command handler; a failure goes to ReportError with the screen and
// where it happened, and does not cross the event loop. True when it succeeded.
bool guarded(RunState& state, QWidget* screen, const QString& where, const std::function<void()>& work);

// Appends one statement to today's trace file when USEROUTER is on.
void appendStatementTrace(RunState& state, const QString& statement);

// File names of the two logs.
QString errorLogPath(const RunState& state);
QString statementTracePath(const RunState& state, const QDate& day);
