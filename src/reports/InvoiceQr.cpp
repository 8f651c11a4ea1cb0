#include "InvoiceQr.h"

#include "reports/OdtDocument.h"

#include <algorithm>
#include <QBuffer>
#include <QTimeZone>
#include <cerrno>
#include <cmath>
#include <memory>
#include <qrencode.h>

namespace {

// The tags of the first phase, in the order readers expect them.
enum Tag : char { Seller = 1, VatNumber, TimeStamp, Total, Vat };

QString label(Tag tag)
{
    switch (tag) {
    case Seller:
        return InvoiceQr::tr("The seller's name");
    case VatNumber:
        return InvoiceQr::tr("The VAT registration number");
    case TimeStamp:
        return InvoiceQr::tr("The time of issue");
    case Total:
        return InvoiceQr::tr("The total with VAT");
    case Vat:
        return InvoiceQr::tr("The VAT amount");
    }
    return {};
}

QString amount(double value, int decimals)
{
    return std::isfinite(value) ? QString::number(value, 'f', decimals) : QString();
}

}

std::optional<QByteArray> InvoiceQr::tlv(const Fields& fields, QString* error)
{
    const QString issued =
        fields.issued.isValid() ? fields.issued.toTimeZone(QTimeZone::utc()).toString(Qt::ISODate) : QString();
    const std::pair<Tag, QString> values[] = {{Seller, fields.seller.trimmed()},
                                              {VatNumber, fields.vatNumber.trimmed()},
                                              {TimeStamp, issued},
                                              {Total, amount(fields.total, fields.decimals)},
                                              {Vat, amount(fields.vat, fields.decimals)}};
    QByteArray out;
    for (const auto& [tag, text] : values) {
        const QByteArray value = text.toUtf8();
        if (value.isEmpty()) {
            *error = tr("%1 is missing: the QR code of the tax invoice cannot be made without it.").arg(label(tag));
            return std::nullopt;
        }
        if (value.size() > MaxValueBytes) {
            *error = tr("%1 is too long for the QR code of the tax invoice: %2 bytes, at most %3.")
                         .arg(label(tag))
                         .arg(value.size())
                         .arg(MaxValueBytes);
            return std::nullopt;
        }
        out += tag;
        out += static_cast<char>(value.size());
        out += value;
    }
    return out;
}

std::optional<QString> InvoiceQr::payload(const Fields& fields, QString* error)
{
    const auto bytes = tlv(fields, error);
    if (!bytes)
        return std::nullopt;
    return QString::fromLatin1(bytes->toBase64());
}

QImage InvoiceQr::image(const QString& text, int moduleSize, QString* error)
{
    const QByteArray data = text.toUtf8();
    // Whole bytes: Base64 mixes cases, and a reader gives back exactly these.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(static_cast<int>(data.size()), reinterpret_cast<const unsigned char*>(data.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    if (!code) {
        *error = tr("The QR code cannot be drawn: %1").arg(qt_error_string(errno));
        return {};
    }
    moduleSize = std::max(1, moduleSize);
    const int side = code->width + 2 * QuietZone;
    QImage picture(side * moduleSize, side * moduleSize, QImage::Format_Grayscale8);
    picture.fill(Qt::white);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of a module's byte says it is dark.
            if (!(code->data[y * code->width + x] & 1))
                continue;
            for (int row = 0; row < moduleSize; ++row) {
                uchar* line = picture.scanLine((y + QuietZone) * moduleSize + row);
                std::fill_n(line + (x + QuietZone) * moduleSize, moduleSize, uchar(0));
            }
        }
    }
    return picture;
}

bool InvoiceQr::placeInto(OdtDocument& document, const QString& frameName, const Fields& fields, QString* error)
{
    const auto text = payload(fields, error);
    if (!text)
        return false;
    // Eight pixels a module: sharp at the few centimetres a frame gives it.
    const QImage code = image(*text, 8, error);
    if (code.isNull())
        return false;
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    code.save(&png, "PNG");
    if (document.setPicture(frameName, png.data()).isEmpty()) {
        *error = tr("The document has no picture frame named %1 for the QR code.").arg(frameName);
        return false;
    }
    return true;
}
