#include "core/Cipher.h"

#include "core/AppError.h"

#include <QByteArray>
#include <memory>
#include <openssl/evp.h>

namespace {

constexpr int TagSize = 16;
// SIV refuses an empty message, so every message starts with this format byte.
constexpr char FormatByte = '\x01';

const QString Source = QStringLiteral("Cipher");

// The program's own key: a stored password can be read back by this program
// only, in every office.
const unsigned char Key[64] = {
    0x3a, 0x91, 0x5c, 0x07, 0xe4, 0x2b, 0x78, 0xd3, 0x16, 0xaf, 0x40, 0x8e, 0x65, 0xc9, 0x1d, 0xf2,
    0x87, 0x0b, 0xd6, 0x53, 0x2e, 0xa4, 0x79, 0x1c, 0xe8, 0x35, 0x9a, 0x62, 0x04, 0xbf, 0x58, 0xcd,
    0x11, 0x7e, 0xa3, 0x4f, 0xd0, 0x26, 0x9b, 0x68, 0xf5, 0x3c, 0x82, 0x17, 0xea, 0x59, 0xb4, 0x0d,
    0x6a, 0xc1, 0x38, 0x95, 0x2f, 0xdb, 0x74, 0x0e, 0xb9, 0x46, 0xe1, 0x83, 0x5d, 0x20, 0xf7, 0x9c,
};

struct CtxFree { void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); } };
struct CipherFree { void operator()(EVP_CIPHER* c) const { EVP_CIPHER_free(c); } };

std::unique_ptr<EVP_CIPHER, CipherFree> siv()
{
    std::unique_ptr<EVP_CIPHER, CipherFree> c(EVP_CIPHER_fetch(nullptr, "AES-256-SIV", nullptr));
    if (!c)
        throw AppError(ErrorNumber::DatabaseFailure, QStringLiteral("AES-256-SIV is not available"), Source);
    return c;
}

[[noreturn]] void refuse()
{
    throw AppError(ErrorNumber::BadCipherText,
                   QStringLiteral("The stored password is not valid; type the password again"), Source);
}

}

QString Cipher::Encrypt(const QString& plain)
{
    const QByteArray message = FormatByte + plain.toUtf8();
    auto cipher = siv();
    std::unique_ptr<EVP_CIPHER_CTX, CtxFree> ctx(EVP_CIPHER_CTX_new());
    QByteArray out(TagSize + message.size(), Qt::Uninitialized);
    int len = 0;
    if (!ctx || !EVP_EncryptInit_ex2(ctx.get(), cipher.get(), Key, nullptr, nullptr)
        || !EVP_EncryptUpdate(ctx.get(), reinterpret_cast<unsigned char*>(out.data()) + TagSize, &len,
                              reinterpret_cast<const unsigned char*>(message.constData()), int(message.size()))
        || !EVP_EncryptFinal_ex(ctx.get(), nullptr, &len)
        || !EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_AEAD_GET_TAG, TagSize, out.data()))
        throw AppError(ErrorNumber::DatabaseFailure, QStringLiteral("The password could not be encrypted"), Source);
    return QString::fromLatin1(out.toBase64());
}

QString Cipher::Decrypt(const QString& encrypted)
{
    const auto decoded = QByteArray::fromBase64Encoding(encrypted.trimmed().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() <= TagSize)
        refuse();
    const QByteArray& data = decoded.decoded;
    auto cipher = siv();
    std::unique_ptr<EVP_CIPHER_CTX, CtxFree> ctx(EVP_CIPHER_CTX_new());
    QByteArray message(data.size() - TagSize, Qt::Uninitialized);
    QByteArray tag = data.left(TagSize);
    int len = 0;
    if (!ctx || !EVP_DecryptInit_ex2(ctx.get(), cipher.get(), Key, nullptr, nullptr)
        || !EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_AEAD_SET_TAG, TagSize, tag.data())
        || !EVP_DecryptUpdate(ctx.get(), reinterpret_cast<unsigned char*>(message.data()), &len,
                              reinterpret_cast<const unsigned char*>(data.constData()) + TagSize,
                              int(message.size()))
        || EVP_DecryptFinal_ex(ctx.get(), nullptr, &len) <= 0
        || !message.startsWith(FormatByte))
        refuse();
    return QString::fromUtf8(message.mid(1));
}
