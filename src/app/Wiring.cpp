#include "app/Wiring.h"

#include "accounting/AccountingScreens.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "engine/EngineSetup.h"
#include "journal/JournalScreens.h"
#include "office/NewDatabase.h"
#include "reminders/ReminderScreens.h"
#include "reminders/cReminder.h"
#include "rental/DamageSheet.h"
#include "rental/DayPanel.h"
#include "rental/RentalScreens.h"
#include "reports/ReportScreens.h"
#include "reports/ShippedTemplates.h"
#include "reports/cPrint.h"
#include "shell/SCRNlock.h"
#include "shell/SCRNlogoff.h"
#include "shell/SecurityScreens.h"
#include "shell/dlgAbout.h"
#include "shell/frmOptions.h"

namespace {

template <typename Screen>
ScreenRegistry::Factory make()
{
    return [](RunState& state, QWidget* parent) { return new Screen(state, parent); };
}

}

Wiring::Wiring(RunState& state)
    : m_state(state), m_main(state), m_startUp(state, &Wiring::registerScreens, [this] { afterLogin(); }),
      m_day(new DayPanel(state))
{
    m_main.setDayPanel(m_day);
    // Before the login, so that every screen's set-up fills its combo boxes.
    installEngine(m_state);
    DamageSheet::install(m_state);
    m_startUp.setSchemaHistory(NewDatabase::history());
    m_main.firstActivation = [this] { m_startUp.firstActivation(); };
    m_main.reminderTick = [this] {
        cReminder& reminders = m_state.service<cReminder>();
        reminders.BuildReminders();
        reminders.ShowReminders();
    };
    m_main.showReminders = [this] { m_state.service<cReminder>().ShowMessageList(); };
}

void Wiring::registerScreens(ScreenRegistry& screens)
{
    registerSecurityScreens(screens);
    screens.add(QStringLiteral("SCRNlogoff"), make<SCRNlogoff>());
    screens.add(QStringLiteral("SCRNlock"), make<SCRNlock>());
    screens.add(QStringLiteral("dlgAbout"), make<dlgAbout>());
    screens.add(QStringLiteral("frmOptions"), make<frmOptions>());
    registerRentalScreens(screens);
    registerReminderScreens(screens);
    registerJournalScreens(screens);
    registerAccountingScreens(screens);
    registerReportScreens(screens);
}

void Wiring::start()
{
    registerScreens(m_state.screens());
    cPrint::RemoveOldCopies(m_state.homeFile(QStringLiteral("reports")), QDateTime::currentDateTime());
    ShippedTemplates::installMissing(m_state.homeFile(QStringLiteral("templates")));
    m_startUp.run(&m_main);
}

void Wiring::afterLogin()
{
    m_main.applyConfiguration();
    m_main.enableReminderTimer();
    m_day->start();
}
