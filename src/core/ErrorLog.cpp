#include "core/ErrorLog.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/dlgError.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QWidget>

namespace {

QString now()
{
    return QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}

// Opened, written and closed in one go: nothing stays open between calls.
// The lines hold business data: a new file is readable by its owner only.
void appendLine(const QString& path, const QStringList& fields)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return;
    file.write(fields.join(QLatin1Char(',')).toUtf8() + '\n');
}

}

QString errorLogPath(const RunState& state)
{
    return state.homeFile(RunState::programName() + QStringLiteral(".log"));
}

QString statementTracePath(const RunState& state, const QDate& day)
{
    return state.homeFile(day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".txt"));
}

namespace {

void logLine(RunState& state, const QString& screenName, const QString& controlName, const QString& number,
             const QString& description, const QString& source)
{
    try {
        appendLine(errorLogPath(state),
                   {state.CurrentLoginId, now(), screenName, controlName, number, source, description});
    } catch (...) {
        // the error routine never fails towards its caller
    }
}

QString sourceOf(const AppError& error, const QString& where)
{
    return where.isEmpty() ? error.source() : where + QStringLiteral(" - ") + error.source();
}

}

void ReportError(RunState& state, QWidget* screen, const QString& number,
                 const QString& description, const QString& source)
{
    const QString screenName = screen ? screen->objectName() : QString();
    const QWidget* active = screen ? screen->focusWidget() : nullptr;
    const QString controlName = active ? active->objectName() : QString();
    logLine(state, screenName, controlName, number, description, source);
    if (state.config.SHOWERRORS != 1)
        return;
    try {
        dlgError dialog(state, screen);
        dialog.showError(number, description, source, screenName, controlName);
        state.ui().exec(&dialog);
    } catch (...) {
        // as above: the failure is in the log already
    }
}

void ReportError(RunState& state, QWidget* screen, const AppError& error, const QString& where)
{
    ReportError(state, screen, QString::number(error.number()), error.description(), sourceOf(error, where));
}

void LogError(RunState& state, QWidget* screen, const AppError& error, const QString& where)
{
    const QWidget* active = screen ? screen->focusWidget() : nullptr;
    logLine(state, screen ? screen->objectName() : QString(), active ? active->objectName() : QString(),
            QString::number(error.number()), error.description(), sourceOf(error, where));
}

bool guarded(RunState& state, QWidget* screen, const QString& where, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const AppError& e) {
        ReportError(state, screen, e, where);
    } catch (const std::exception& e) {
        ReportError(state, screen, QString::number(ErrorNumber::UnexpectedFailure),
                    QString::fromUtf8(e.what()), where);
    } catch (...) {
        ReportError(state, screen, QString::number(ErrorNumber::UnexpectedFailure),
                    QStringLiteral("Unknown failure"), where);
    }
    return false;
}

void appendStatementTrace(RunState& state, const QString& statement)
{
    if (!state.config.USEROUTER)
        return;
    try {
        appendLine(statementTracePath(state, QDate::currentDate()), {state.CurrentLoginId, now(), statement});
    } catch (...) {
        // the trace is a help for the office, never a reason to fail a statement
    }
}
