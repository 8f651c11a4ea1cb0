// The simplified tax invoice as the clerk prints it from the contract and the
// receipt of the VAT demo office, read back from its PDF as a customer and
// his phone read it; and the records that have no invoice, refused.
#include "MissingWords.h"
#include "accounting/PostingScreen.h"
#include "core/AmountWords.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/HijriDate.h"
#include "core/ScreenRegistry.h"
#include "demo/DemoVat.h"
#include "reports/LibreOffice.h"
#include "reports/ShippedTemplates.h"
#include "reports/cPrint.h"
#include "support/TestOffice.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The values of the code's tag, length, UTF-8 triples, their tags 1, 2, 3 ... in turn.
QStringList tlvValues(const QString& payload)
{
    const QByteArray bytes = QByteArray::fromBase64(payload.toLatin1());
    QStringList values;
    for (qsizetype at = 0; at + 2 <= bytes.size() && bytes[at] == values.size() + 1; at += 2 + quint8(bytes[at + 1]))
        values << QString::fromUtf8(bytes.mid(at + 2, quint8(bytes[at + 1])));
    return values;
}

}

TEST(TaxInvoiceDocument, PrintsWithItsQrCodeOrSaysWhyNot)
{
    for (const char* tool : {"soffice", "pdftotext", "pdftoppm", "zbarimg"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is missing: no PDF to read";
    const struct {
        const char* what;
        bool vat;  // the VAT demo office, else the demo office without VAT
        const char* screen;
        const char* record;
        const char* setup;  // %1 the record
        QString refusal;    // empty: it prints
        QStringList lines = {};
        bool hijri = false;  // the office shows Hijri dates
    } rows[] = {
        {"a closed contract with kilometres and other amounts", true, "frmRentCar",
         "select min(RENTID) from RENT where REQUIREDKILOMETERSDIFF > 0 and OTHERAMOUNTS > 0", "", {},
         {"قيمة الإيجار", "Extra kilometres", "Other amounts"}, true},
        {"a contract that deducted an advance", true, "frmRentCar", "select min(SOURCEID) from TAXINVOICE where "
         "SOURCE = 'RENT' and ADVANCEVAT > 0", "", {}, {"دفعات مقدمة مخصومة", "Advances deducted", "Amount due"}},
        {"a receipt on account", true, "frmReceipt",
         "select min(RECEIPTID) from RECEIPT where Nz(RENTID, 0) = 0 and REFUND = 0", "", {}, {"Amount received"}},
        {"a receipt against a contract", true, "frmReceipt",
         "select min(RECEIPTID) from RECEIPT where RENTID > 0 and REFUND = 0", "",
         u"This payment is billed on the tax invoice of contract no."_s},
        {"an open contract", true, "frmRentCar", "select min(RENTID) from RENT where RETURNED = 0", "",
         u"This contract is not closed yet, so it has no tax invoice."_s},
        {"a refund", true, "frmReceipt", "select min(RECEIPTID) from RECEIPT where REFUND = 1", "",
         u"Money paid back to the customer has no tax invoice."_s},
        {"an invoice issued before the seller was set", true, "frmRentCar",
         "select min(SOURCEID) from TAXINVOICE where SOURCE = 'RENT'",
         "update TAXINVOICE set QRPAYLOAD = null where SOURCE = 'RENT' and SOURCEID = %1",
         u"the seller's name or tax number was not set in the options"_s},
        {"a contract closed with VAT off", false, "frmRentCar", "select min(RENTID) from RENT where RETURNED = 1", "",
         u"This contract has no tax invoice: VAT was off when it closed."_s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TestOffice office(true, true);
        Database& db = office.db();
        if (row.vat)
            DemoVat::insert(db);
        Configuration::LoadCurrency(office.state());
        office.state().config.HIJRIDATES = row.hijri;
        ShippedTemplates::installMissing(office.file("templates"));
        const QString key = db.execute(QString::fromLatin1(row.record)).value(0, 0).toString();
        ASSERT_FALSE(key.isEmpty());
        if (*row.setup)
            db.command(QString::fromLatin1(row.setup).arg(key));
        PostingScreen screen(QString::fromLatin1(row.screen), {{"txtID", key}});
        office.state().screens().adopt(row.screen, &screen);
        const qint64 report = db.execute(u"select RPTID from _RPT where Rptfilename = 'taxinvoice.odt' and WINDOWNAME = '"_s
                                         + row.screen + '\'').value(0, 0).toLongLong();

        const QString filled = cPrint(office.state()).PrintReport(report);
        if (!row.refusal.isEmpty()) {
            EXPECT_TRUE(filled.isEmpty());
            EXPECT_TRUE(office.ui().lastMessage().contains(row.refusal)) << office.ui().lastMessage().toStdString();
            EXPECT_TRUE(QDir(office.file("reports")).isEmpty()) << "no empty form is left behind";
            continue;
        }
        ASSERT_FALSE(filled.isEmpty()) << office.ui().lastMessage().toStdString();
        QString error;
        const QString pdf = LibreOffice(office.state()).toPdf(filled, &error);
        ASSERT_FALSE(pdf.isEmpty()) << error.toStdString();

        const QString source = row.screen == "frmRentCar"_L1 ? u"RENT"_s : u"RECEIPT"_s;
        const RowSet invoice = db.execute(u"select * from TAXINVOICE where SOURCE = '"_s + source + u"' and SOURCEID = "_s + key);
        ASSERT_EQ(invoice.count(), 1);
        Configuration store(db);
        // What it deducted of earlier advances; the code holds what is left.
        const double net = invoice.value(0, u"NETAMOUNT"_s).toDouble(), vat = invoice.value(0, u"VATAMOUNT"_s).toDouble(),
                     gross = invoice.value(0, u"GROSSAMOUNT"_s).toDouble(), advanceNet = invoice.value(0, u"ADVANCENET"_s).toDouble(),
                     advanceVat = invoice.value(0, u"ADVANCEVAT"_s).toDouble(), due = gross - advanceNet - advanceVat;
        EXPECT_DOUBLE_EQ(net + vat, gross);
        const QDate issuedOn = QDate::fromString(invoice.text(0, u"ISSUEDATE"_s), u"yyyyMMdd"_s);
        const QStringList expected = QStringList{row.hijri ? HijriDate::text(issuedOn) : QString(),u"فاتورة ضريبية مبسطة"_s, u"Simplified Tax Invoice"_s,
                                                 store.GetConfig(u"VATNAMEAR"_s), store.GetConfig(u"VATNAMEEN"_s),
                                                 store.GetConfig(u"VATNUMBER"_s), invoice.text(0, u"INVOICENO"_s),
                                                 invoice.text(0, u"BUYERNAME"_s), QString::number(net, 'f', 2),
                                                 QString::number(vat, 'f', 2), QString::number(gross, 'f', 2),
                                                 AmountWords::arabic(gross, office.state().config.CURRENCYCODE),
                                                 AmountWords::english(gross, office.state().config.CURRENCYCODE),
                                                 QString::number(due, 'f', 2)} + row.lines
                                     + (advanceNet > 0 ? QStringList{QString::number(advanceNet, 'f', 2), QString::number(advanceVat, 'f', 2)} : QStringList());
        const QString printed = output(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
        EXPECT_EQ(missingWords(expected.join(' '), printed), QStringList());

        // The code read from the page as a phone reads it.
        output(u"pdftoppm"_s, {u"-r"_s, u"200"_s, u"-png"_s, u"-singlefile"_s, pdf, office.file("page")});
        const QString payload = output(u"zbarimg"_s, {u"--raw"_s, u"-q"_s, office.file("page.png")}).trimmed();
        const QDateTime issued(issuedOn, QTime::fromString(invoice.text(0, u"ISSUETIME"_s), u"hhmmss"_s));
        EXPECT_EQ(tlvValues(payload), (QStringList{store.GetConfig(u"VATNAMEAR"_s), store.GetConfig(u"VATNUMBER"_s),
                                                   issued.toUTC().toString(Qt::ISODate), QString::number(due, 'f', 2),
                                                   QString::number(vat - advanceVat, 'f', 2)}));
    }
}
