#include "shell/base/RunState.h"

#include "shell/base/ErrorLog.h"

#include <QCoreApplication>
#include <QDir>

RunState::RunState(const QString& homeFolder, std::unique_ptr<cUI> ui)
    : m_homeFolder(QDir(homeFolder).absolutePath()), m_ui(std::move(ui)), m_screens(*this)
{
    IniFilePath = homeFile(programName() + QStringLiteral(".ini"));
    m_db.setStatementHook([this](const QString& sql) { appendStatementTrace(*this, sql); });
}

RunState::~RunState()
{
    m_db.setStatementHook({});
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

void RunState::setUi(std::unique_ptr<cUI> ui)
{
    ShellFrame* frame = m_ui ? m_ui->frame() : nullptr;
    m_ui = std::move(ui);
    m_ui->setFrame(frame);
}
