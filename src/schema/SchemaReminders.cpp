#include "schema/SchemaTables.h"

using namespace SchemaTables::col;
using SchemaTables::index;

// Reminder rules kept on the diary screen and the queue of messages built
// from them.
QList<TableDef> SchemaTables::reminders()
{
    TableDef rule{
        QStringLiteral("_Reminder"),
        {key("REMINDERID"), text("REMINDERRULENAME"), number("REMINDERTYPE"), onoff(),
         text("Message"), date("REMINDERDATE"), text("SQLREMINDERLIST"), text("FREQUENCY"),
         text("COMMENTS")},
        {index({"ONOFF", "REMINDERTYPE"})}};

    TableDef queue{
        QStringLiteral("reminderqueue"),
        {key("reminderqueueid"), text("ERRORMESSAGE"), number("reminderid"), text("message"),
         date("RELEASEDATE"), date("DATEACTIONED")},
        {index({"reminderid"})}};

    return {rule, queue};
}
