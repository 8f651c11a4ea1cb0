#include "InvoiceQr.h"

#include "reports/OdtDocument.h"

#include <algorithm>
#include <QBuffer>
#include <QHash>
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

// Rounded first, so that a tiny negative rest is written "0.00", not "-0.00".
QString amount(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::isfinite(value) ? QString::number(std::round(value * scale) / scale + 0.0, 'f', decimals) : QString();
}

// An ODF length ("3.8cm", "1.5in"...) in centimetres; 0 when it is none.
double centimetres(const QString& length)
{
    static const QHash<QString, double> perUnit{{"cm", 1},        {"mm", 0.1},       {"in", 2.54},
                                                {"pt", 2.54 / 72}, {"pc", 2.54 / 6}, {"px", 2.54 / 96}};
    const qsizetype unit = length.size() - 2;
    return unit > 0 ? length.left(unit).toDouble() * perUnit.value(length.mid(unit)) : 0;
}

// Height over width of the first frame of that name; 1 when it has no size.
double frameAspect(const XmlNode& node, const QString& name)
{
    if (node.isElement(QStringLiteral("draw:frame"))
        && node.attribute(QStringLiteral("draw:name")).compare(name, Qt::CaseInsensitive) == 0) {
        const double width = centimetres(node.attribute(QStringLiteral("svg:width")));
        const double height = centimetres(node.attribute(QStringLiteral("svg:height")));
        return width > 0 && height > 0 ? height / width : 1;
    }
    for (const auto& child : node.children)
        if (const double aspect = frameAspect(child, name); aspect != 0)
            return aspect;
    return 0;
}

// The code in the middle of a white picture of the frame's shape: a frame
// stretches its picture, and a code stretched out of square may not scan.
QImage fitted(const QImage& code, double aspect)
{
    QImage picture(qRound(code.width() * std::max(1.0, 1 / aspect)), qRound(code.height() * std::max(1.0, aspect)),
                   QImage::Format_Grayscale8);
    picture.fill(Qt::white);
    const int left = (picture.width() - code.width()) / 2;
    const int top = (picture.height() - code.height()) / 2;
    for (int y = 0; y < code.height(); ++y)
        std::copy_n(code.constScanLine(y), code.width(), picture.scanLine(top + y) + left);
    return picture;
}

}

std::optional<QByteArray> InvoiceQr::tlv(const Fields& fields, QString* error)
{
    const QString issued = fields.issued.isValid() ? fields.issued.toUTC().toString(Qt::ISODate) : QString();
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
    return text && placeInto(document, frameName, *text, error);
}

bool InvoiceQr::placeInto(OdtDocument& document, const QString& frameName, const QString& text, QString* error)
{
    if (!document.frameNames().contains(frameName, Qt::CaseInsensitive)
        && !document.addPictureFrame(frameName, QLatin1String(FrameSize), QLatin1String(FrameSize))) {
        *error = tr("The document is no text document, so the QR code cannot be put into it.");
        return false;
    }
    const double aspect = frameAspect(document.content(), frameName);
    // Eight pixels a module: sharp at the few centimetres a frame gives it.
    const QImage code = image(text, 8, error);
    if (code.isNull())
        return false;
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    fitted(code, aspect > 0 ? aspect : 1).save(&png, "PNG");
    document.setPicture(frameName, png.data());
    return true;
}
