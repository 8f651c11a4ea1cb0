#include "reminders/frmReminder.h"
#include "ui_frmReminder.h"

#include "core/RunState.h"
#include "reminders/cReminder.h"

#include <QCoreApplication>

namespace {

DataScreen::Definition diaryDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("REMINDERID");
    d.table = QStringLiteral("_reminder");
    d.condition = QStringLiteral("Where onoff =1 and REMINDERTYPE = 1 ");
    d.openCaption = QCoreApplication::translate("frmReminder", "Rent Contracts ");
    d.newCaption = QCoreApplication::translate("frmReminder", "New Message ");
    d.nameField = QStringLiteral("REMINDERRULENAME");
    // A new rule is active at once and belongs to this screen.
    d.newFields = {{QStringLiteral("REMINDERTYPE"), 1}, {QStringLiteral("ONOFF"), 1}};
    return d;
}

}

frmReminder::frmReminder(RunState& state, QWidget* parent)
    : DataScreen(state, diaryDefinition(), parent), m_ui(std::make_unique<Ui::frmReminder>())
{
    m_ui->setupUi(this);
    connectCommands();
}

frmReminder::~frmReminder() = default;

void frmReminder::Save()
{
    const QString query = m_ui->dfsSQLREMINDERLIST->toPlainText().trimmed();
    // Tried now with the reminders' own time limit, so that a rule that would
    // queue nothing is not stored.
    const QString refusal = query.isEmpty() ? QString() : state().service<cReminder>().queryProblem(query);
    if (!refusal.isEmpty()) {
        state().ui().message(this, refusal);
        m_ui->SSTab1->setCurrentWidget(m_ui->tabQuery);
        m_ui->dfsSQLREMINDERLIST->setFocus();
        return;
    }
    DataScreen::Save();
}
