#include "accounting/PostingScreen.h"
#include "core/Configuration.h"
#include "reports/OdtDocument.h"
#include "reports/ShippedTemplates.h"
#include "reports/cPrint.h"
#include "support/TestOffice.h"

#include <gtest/gtest.h>

// A receipt voucher of 11 March 2024 prints its Hijri day, 1 Ramadan 1445,
// beside the date while the office's option is on, and nothing there when it is off.
TEST(HijriFields, TheVoucherDateCarriesItsHijriDayWhileTheOptionIsOn)
{
    for (const auto& [option, dateLine] : {std::pair{"1", "11/03/2024 ١ رمضان ١٤٤٥ هـ"}, std::pair{"0", "11/03/2024 "}}) {
        TestOffice office(true, true);
        office.db().command("update JOURNAL set TRANSACTIONDATE = 20240311");
        Configuration(office.db()).SetConfig("HIJRIDATES", option);
        Configuration::LoadConfiguration(office.state());
        const QString voucher = "select min(JOURNALID) from JOURNAL where WINDOWNAME = 'frmIncomeRent'";
        PostingScreen screen("frmIncomeRent", {{"txtID", office.db().execute(voucher).value(0, 0).toString()}});
        office.state().screens().adopt("frmIncomeRent", &screen);
        ShippedTemplates::installMissing(office.file("templates"));
        const auto document = OdtDocument::open(cPrint(office.state()).PrintReport(20), nullptr);
        EXPECT_TRUE(document && document->text().split('\n').contains(QString::fromUtf8(dateLine))) << option;
    }
}
