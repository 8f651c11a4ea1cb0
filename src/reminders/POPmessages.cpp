#include "reminders/POPmessages.h"
#include "ui_POPmessages.h"

#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/ScreenTag.h"
#include "reminders/cReminder.h"

POPmessages::POPmessages(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::POPmessages>())
{
    m_ui->setupUi(this);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &POPmessages::Ok);
}

POPmessages::~POPmessages() = default;

void POPmessages::showMessage(qint64 queueId, const QString& title, const QString& body)
{
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + title.trimmed());
    // A long title is cut in the title bar; the label shows it whole.
    m_ui->lblTitle->setText(title.trimmed());
    m_ui->txtmessage->setPlainText(body);
    ScreenTag::set(m_ui->dffDeleteMessage, QString::number(queueId));
}

void POPmessages::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
    QDialog::showEvent(event);
    m_ui->txtmessage->setFocus();
}

void POPmessages::Ok()
{
    cReminder& reminders = m_state.service<cReminder>();
    if (m_ui->dffDeleteMessage->isChecked())
        reminders.DeleteQueueMessage(ScreenTag::get(m_ui->dffDeleteMessage).toLongLong());
    if (m_ui->dffNoMore->isChecked())
        reminders.NoMore = true;
    accept();
}
