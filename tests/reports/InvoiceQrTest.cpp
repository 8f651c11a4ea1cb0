#include "reports/InvoiceQr.h"
#include "reports/LibreOffice.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"
#include "reports/ShippedTemplates.h"
#include "support/TestOffice.h"

#include <QPdfDocument>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

// The example the first phase's guideline publishes.
const QByteArray Published = QByteArray::fromBase64(
    "AQxCb2JzIFJlY29yZHMCDzMxMDEyMjM5MzUwMDAwMwMUMjAyMi0wNC0yNVQxNTozMDowMFoEBzEwMDAuMDAFBjE1MC4wMA==");
const QDateTime At = QDateTime::fromString("2022-04-25T15:30:00Z", Qt::ISODate);
const QString Gulf = "مكتب الخليج", Longest = QString(127, u'ب') + 'x';  // 21 bytes (10 letters of two), 255

// The five values as tag, length and UTF-8 in Base64, the time in UTC, the
// amounts rounded to the halala; a value missing or past one length byte refused.
TEST(InvoiceQr, PayloadIsTheTlvOfTheFiveValues)
{
    const struct { InvoiceQr::Fields fields; QByteArray tlv; QString error = {}; } rows[] = {
        {{"Bobs Records", "310122393500003", At, 1000, 150}, Published},
        {{" Bobs Records ", "310122393500003", At.toOffsetFromUtc(3 * 3600), 999.999, 149.996}, Published},
        {{Gulf, "310122393500003", At, 1000, 150}, "\x01\x15" + Gulf.toUtf8() + Published.mid(14)},
        {{Longest, "310122393500003", At, 1000, 150}, "\x01\xff" + Longest.toUtf8() + Published.mid(14)},
        {{Longest + 'x', "310122393500003", At, 1000, 150}, {}, "is too long for the QR code of the tax invoice: 256"},
        {{"Bobs Records", " ", At, 1000, 150}, {}, "The VAT registration number is missing"}};
    for (const auto& row : rows) {
        QString error;
        EXPECT_EQ(InvoiceQr::payload(row.fields, &error).value_or("").toStdString(), row.tlv.toBase64().toStdString());
        EXPECT_TRUE(error.contains(row.error) && error.isEmpty() == row.error.isEmpty()) << error.toStdString();
    }
}

// zbarimg reads the exact payload from the drawn code, whose size shows level
// M (96 bytes need version 6 of 41 modules, 108 version 7 of 45, 420 version
// 16 of 81), and from the PDF of a document that took it in its
// own frame, square, and in one added at its end.
TEST(InvoiceQr, AReaderGetsThePayloadBack)
{
    if (QStandardPaths::findExecutable("zbarimg").isEmpty() || TestOffice::onServer())
        GTEST_SKIP() << "zbarimg is missing (zbar-tools), or this is the run on a server, with nothing to do here";
    TestOffice office;
    const struct { QString seller; int moduleSize, modules; bool pdf; } rows[] = {
        {"Bobs Records", 2, 41, false}, {Longest, 3, 81, false}, {Gulf, 8, 45, true}};
    for (const auto& row : rows) {
        const InvoiceQr::Fields fields{row.seller, "310122393500003", At, 1000, 150};
        QString error, payload = InvoiceQr::payload(fields, &error).value();
        QImage picture = InvoiceQr::image(payload, row.moduleSize, &error);
        EXPECT_EQ(picture.width(), (row.modules + 8) * row.moduleSize);
        if (row.pdf) {
            if (LibreOffice::program().isEmpty()) GTEST_SKIP() << "LibreOffice is missing: no PDF to read";
            ShippedTemplates::installMissing(office.home());
            auto document = OdtDocument::open(office.file("car.odt"), &error).value();
            // The car's wide frame, and one the template lacks, added at the end.
            const QString filled = office.file("filled.odt");
            ASSERT_TRUE(InvoiceQr::placeInto(document, "CARPHOTO", fields, &error)
                        && InvoiceQr::placeInto(document, "QRCODE", fields, &error) && document.save(filled, &error));
            const QImage placed = QImage::fromData(OdtPackage::read(filled, "Pictures/CARPHOTO-0.png", &error).value());
            EXPECT_EQ(placed.width(), qRound(placed.height() * 6.4 / 4));  // the frame's 6.4 cm by 4
            QPdfDocument pdf;
            pdf.load(LibreOffice(office.state()).toPdf(filled, &error));
            picture = pdf.render(pdf.pageCount() - 1, (pdf.pagePointSize(0) * 3).toSize());  // the added frame's
        }
        picture.save(office.file("qr.png"));
        QProcess zbar;
        zbar.start("zbarimg", {"--raw", "-q", office.file("qr.png")});
        zbar.waitForFinished();
        EXPECT_EQ(QString::fromLatin1(zbar.readAllStandardOutput()).section('\n', 0, 0), payload);  // a page may hold both
    }
}
