#include "reminders/ReminderScreens.h"

#include "core/ScreenRegistry.h"
#include "reminders/POPcalendar.h"
#include "reminders/POPmessages.h"
#include "reminders/frmReminder.h"

void registerReminderScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("frmReminder"),
                [](RunState& state, QWidget* parent) { return new frmReminder(state, parent); });
    screens.add(QStringLiteral("POPcalendar"),
                [](RunState& state, QWidget* parent) { return new POPcalendar(state, parent); });
    screens.add(QStringLiteral("POPmessages"),
                [](RunState& state, QWidget* parent) { return new POPmessages(state, parent); });
}
