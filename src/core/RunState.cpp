#include "core/RunState.h"

#include "core/ErrorLog.h"
#include "core/ShellFrame.h"

#include <QApplication>
#include <QDir>

namespace {

bool hasWindows()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

}

RunState::RunState(const QString& homeFolder, std::unique_ptr<cUI> ui)
    : m_homeFolder(QDir(homeFolder).absolutePath()), m_ui(std::move(ui)), m_screens(*this)
{
    IniFilePath = homeFile(programName() + QStringLiteral(".ini"));
    m_db.setStatementHook([this](const QString& sql) { appendStatementTrace(*this, sql); },
                          [this] { return config.USEROUTER; });
    m_db.setBusyHandling({[this](bool waiting) { showBusyWait(waiting); },
                          [this](const QString& path) { return askToWaitAgain(path); }});
}

void RunState::showBusyWait(bool waiting)
{
    if (!hasWindows())
        return;
    ShellFrame* frame = m_ui->frame();
    if (waiting) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (frame) {
            m_statusBeforeWait = frame->statusPanel(ShellFrame::MessagePanel);
            m_ui->ShowStatusMessage(
                QCoreApplication::translate("RunState", "The database is busy on another computer; waiting…"));
            // Drawn at once: no events may run while a statement waits.
            frame->frameWidget()->repaint();
        }
        return;
    }
    QApplication::restoreOverrideCursor();
    if (frame)
        m_ui->ShowStatusMessage(m_statusBeforeWait);
}

bool RunState::askToWaitAgain(const QString& path)
{
    if (hasWindows())
        QApplication::restoreOverrideCursor();
    const bool again = m_ui->question(
        hasWindows() ? QApplication::activeWindow() : nullptr,
        QCoreApplication::translate("RunState", "The database %1 is busy on another computer of the office just now.\n"
                                               "Choose OK to wait and try again, or Cancel to give up this operation.")
            .arg(path),
        QCoreApplication::translate("RunState", "Database busy"));
    if (hasWindows())
        QApplication::setOverrideCursor(Qt::WaitCursor);
    return again;
}

RunState::~RunState()
{
    m_db.setStatementHook({});
    m_db.setBusyHandling({});
}

QString RunState::homeFile(const QString& name) const
{
    return QDir(m_homeFolder).filePath(name);
}

QString RunState::programName()
{
    // The application name defaults to the executable's base name.
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("ijar") : name;
}

QString RunState::version()
{
    return QStringLiteral(IJAR_VERSION);
}

QString RunState::shortVersion()
{
    return version().section(QLatin1Char('.'), 0, 1);
}

