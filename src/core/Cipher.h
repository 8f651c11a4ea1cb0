#pragma once

#include <QString>

// The password cipher: deterministic and authenticated (AES-256-SIV), so the
// same password always gives the same stored text, which can be compared, and
// a changed stored text is refused instead of decrypting to rubbish.
class Cipher {
public:
    // Base64 text, one line, safe between single quotes.
    static QString Encrypt(const QString& plain);
    // Throws AppError when the text was not made by Encrypt or was altered.
    static QString Decrypt(const QString& encrypted);
};
