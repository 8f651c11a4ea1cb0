#include "schema/SchemaTables.h"

using namespace SchemaTables::col;
using SchemaTables::index;

// Report definitions per screen and the steps that fill their documents.
// The work table tempmessages is made and dropped by the reports themselves.
QList<TableDef> SchemaTables::reports()
{
    TableDef report{
        QStringLiteral("_RPT"),
        {key("RPTID"), text("RPTNAME"), text("WINDOWNAME"), onoff(), number("displayorder"),
         text("Rptfilename")},
        {index({"WINDOWNAME"})}};

    TableDef step{
        QStringLiteral("_RPTDETAIL"),
        {key("RPTDETAILID"), number("RPTID"), number("RPTDETAILTYPE"), onoff(),
         number("TABLENBR"), text("SQLStatement"), text("BINDVARS")},
        {index({"RPTID"})}};

    return {report, step};
}
