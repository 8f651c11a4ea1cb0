#include "core/PasswordHash.h"

#include "core/AppError.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QStringList>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace {

constexpr int SaltSize = 16;
constexpr int HashSize = 32;
constexpr int BlockSize = 8;      // scrypt's r
constexpr int Parallelism = 1;    // scrypt's p
constexpr int HighestCost = 20;   // refuses a stored cost that would take minutes and gigabytes
const QString Kind = QStringLiteral("scrypt");

int cost = PasswordHash::DefaultCost;

QByteArray random(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char*>(bytes.data()), size) != 1)
        throw AppError(ErrorNumber::UnexpectedFailure, QStringLiteral("No random bytes for a password"),
                       QStringLiteral("PasswordHash"));
    return bytes;
}

QByteArray derive(const QString& password, const QByteArray& salt, int log2N, int size)
{
    const QByteArray secret = password.toUtf8();
    const uint64_t n = uint64_t(1) << log2N;
    // scrypt needs 128 * r * N bytes; the limit leaves it room above that.
    const uint64_t memory = 256 * uint64_t(BlockSize) * n + (1 << 20);
    QByteArray out(size, Qt::Uninitialized);
    if (EVP_PBE_scrypt(secret.constData(), size_t(secret.size()), reinterpret_cast<const unsigned char*>(salt.constData()),
                       size_t(salt.size()), n, BlockSize, Parallelism, memory,
                       reinterpret_cast<unsigned char*>(out.data()), size_t(size))
        != 1)
        throw AppError(ErrorNumber::UnexpectedFailure, QStringLiteral("The password could not be hashed"),
                       QStringLiteral("PasswordHash"));
    return out;
}

QByteArray fromBase64(const QString& text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? decoded.decoded : QByteArray();
}

}

void PasswordHash::setCost(int log2N)
{
    cost = log2N;
}

QString PasswordHash::make(const QString& password)
{
    const QByteArray salt = random(SaltSize);
    return QStringList{Kind, QString::number(cost), QString::number(BlockSize), QString::number(Parallelism),
                       QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, cost, HashSize).toBase64())}
        .join(QLatin1Char('$'));
}

bool PasswordHash::isHash(const QString& stored)
{
    return stored.startsWith(Kind + QLatin1Char('$'));
}

bool PasswordHash::matches(const QString& password, const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 6 || parts.at(0) != Kind)
        return false;
    bool ok = false;
    const int log2N = parts.at(1).toInt(&ok);
    if (!ok || log2N < 1 || log2N > HighestCost || parts.at(2).toInt() != BlockSize
        || parts.at(3).toInt() != Parallelism)
        return false;
    const QByteArray salt = fromBase64(parts.at(4)), expected = fromBase64(parts.at(5));
    if (salt.isEmpty() || expected.isEmpty())
        return false;
    const QByteArray given = derive(password, salt, log2N, int(expected.size()));
    return CRYPTO_memcmp(given.constData(), expected.constData(), size_t(expected.size())) == 0;
}

QString PasswordHash::newToken()
{
    return QString::fromLatin1(random(32).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString PasswordHash::tokenHash(const QString& token)
{
    return QString::fromLatin1(QCryptographicHash::hash(token.toUtf8(), QCryptographicHash::Sha256).toHex());
}
