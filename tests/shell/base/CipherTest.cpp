#include "shell/base/AppError.h"
#include "shell/base/Cipher.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList samples()
{
    return {QString(),
            QStringLiteral("ADMIN"),
            QStringLiteral("A"),
            QStringLiteral("كلمة السر"),
            QStringLiteral("O'BRIEN"),
            QStringLiteral("'; DROP TABLE OPERATOR; --"),
            QStringLiteral("TWO\nLINES"),
            QString(1000, QLatin1Char('X')),
            QString(1000, QChar(0x0639))};
}

}

TEST(Cipher, SameInputSameOutput)
{
    for (const QString& plain : samples())
        EXPECT_EQ(Cipher::Encrypt(plain), Cipher::Encrypt(plain)) << plain.left(20).toStdString();
    EXPECT_NE(Cipher::Encrypt(QStringLiteral("ADMIN")), Cipher::Encrypt(QStringLiteral("ADMIN2")));
}

TEST(Cipher, RoundTrip)
{
    for (const QString& plain : samples())
        EXPECT_EQ(Cipher::Decrypt(Cipher::Encrypt(plain)), plain) << plain.left(20).toStdString();
}

TEST(Cipher, OutputIsOneLineWithoutQuotes)
{
    for (const QString& plain : samples()) {
        const QString encrypted = Cipher::Encrypt(plain);
        EXPECT_FALSE(encrypted.isEmpty());
        EXPECT_FALSE(encrypted.contains(QLatin1Char('\n')));
        EXPECT_FALSE(encrypted.contains(QLatin1Char('\r')));
        EXPECT_FALSE(encrypted.contains(QLatin1Char('\'')));
        EXPECT_NE(encrypted, plain);
    }
}

TEST(Cipher, AlteredTextIsRefused)
{
    const QString good = Cipher::Encrypt(QStringLiteral("ADMIN"));
    QString tampered = good;
    tampered[5] = tampered[5] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    const QString rows[] = {
        tampered,
        good.chopped(4),
        good.left(good.size() / 2),
        good.mid(4),
        QStringLiteral("not base64 at all!"),
        QStringLiteral("AAAA"),
        QString(),
        Cipher::Encrypt(QString()).chopped(4),
    };
    for (const QString& text : rows) {
        try {
            Cipher::Decrypt(text);
            ADD_FAILURE() << "accepted " << text.toStdString();
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::BadCipherText) << text.toStdString();
        }
    }
}
