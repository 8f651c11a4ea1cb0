#include "schema/ReportSetup.h"

QList<ReportSetup::Report> ReportSetup::ledgerReports()
{
    return {};
}
