#include "schema/SchemaTables.h"

using namespace SchemaTables::col;
using SchemaTables::index;

// The change journal: who saved which screen when, and every bound field's
// value before and after.
QList<TableDef> SchemaTables::journal()
{
    TableDef entry{
        QStringLiteral("_JOURNAL"),
        {key("JOURNALID"), text("USER"), date("JOURNALDATE"), time("JOURNALTIME"),
         text("JOURNALDESCRIPTION"), text("FORM"), text("FORMNAME"),
         text("MODIFICATIONDESCRIPTION")},
        {index({"JOURNALDATE"})}};

    TableDef details{
        QStringLiteral("_JOURNALDETAILS"),
        {key("JOURNALDETAILSID"), number("JOURNALID"), text("OLDVALUE"), text("NEWVALUE"),
         number("CONTROLTYPE"), text("CONTROLNAME"), flag("MODIFIED")},
        {index({"JOURNALID"})}};

    return {entry, details};
}
