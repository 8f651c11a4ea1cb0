#include "schema/ReportSetup.h"

QList<ReportSetup::Report> ReportSetup::rentalReports()
{
    return {};
}
