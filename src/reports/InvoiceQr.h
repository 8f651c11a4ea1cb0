#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>

class OdtDocument;

// The QR code a simplified tax invoice carries in the first phase of Saudi
// e-invoicing: seller, VAT registration number, time of issue, total with VAT
// and VAT amount, each as tag, length and UTF-8 value, the whole in Base64.
// A reader on the customer's phone shows these five without any server.
class InvoiceQr {
    Q_DECLARE_TR_FUNCTIONS(InvoiceQr)

public:
    struct Fields {
        QString seller;
        QString vatNumber;
        QDateTime issued;  // written in UTC
        double total = 0;  // with VAT
        double vat = 0;
        int decimals = 2;
    };

    // The length of a value is one byte.
    static constexpr int MaxValueBytes = 255;
    // Modules of white around the code: readers need four.
    static constexpr int QuietZone = 4;
    // Readable by a phone at arm's length on paper.
    static constexpr const char* FrameSize = "3cm";

    // The tag-length-value bytes; nothing, with the reason, when a value is
    // missing or longer than MaxValueBytes.
    static std::optional<QByteArray> tlv(const Fields& fields, QString* error);
    // What the code holds: the Base64 text of the TLV.
    static std::optional<QString> payload(const Fields& fields, QString* error);
    // The code of `text` at error correction M, each module `moduleSize`
    // pixels square, black on white with the quiet zone; a null image, with
    // the reason, when it cannot be drawn.
    static QImage image(const QString& text, int moduleSize, QString* error);
    // Puts the invoice's code as a PNG into the document's picture frames of
    // that name, square whatever their shape; a template without one gets a
    // frame of FrameSize at the end, since a tax invoice must carry its code.
    // False, with the reason, when the code cannot be made or placed.
    static bool placeInto(OdtDocument& document, const QString& frameName, const Fields& fields, QString* error);
    // The same for a payload made before, as an issued invoice keeps it.
    static bool placeInto(OdtDocument& document, const QString& frameName, const QString& payload, QString* error);
};
