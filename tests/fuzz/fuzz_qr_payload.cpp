// The e-invoice QR payload: any seller, number and amounts; a payload made
// decodes back to what went in.
#include "FuzzInput.h"
#include "reports/InvoiceQr.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QString> parts = fuzzParts(data, size, 3);
    InvoiceQr::Fields fields;
    fields.seller = parts.at(0);
    fields.vatNumber = parts.at(1);
    fields.issued = QDateTime::fromSecsSinceEpoch(qint64(parts.at(2).size()) * 86400, Qt::UTC);
    fields.total = fuzzDouble(data, size);
    fields.vat = fields.total / 7;
    QString error;
    const std::optional<QByteArray> tlv = InvoiceQr::tlv(fields, &error);
    if (!tlv)
        return 0;
    // Tag, length, value, five times, and nothing after; the seller as given, without its outer blanks.
    qsizetype at = 0;
    for (int tag = 1; tag <= 5; ++tag) {
        if (at + 2 > tlv->size() || tlv->at(at) != char(tag))
            std::abort();
        at += 2 + quint8(tlv->at(at + 1));
    }
    if (at != tlv->size() || tlv->mid(2, quint8(tlv->at(1))) != fields.seller.trimmed().toUtf8())
        std::abort();
    return 0;
}
