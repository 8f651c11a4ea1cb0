#pragma once

#include <QString>

// The cipher earlier versions kept passwords with: deterministic and
// authenticated (AES-256-SIV), under one key built into the program, so
// anyone with the program could read them back. Passwords are hashed now
// (PasswordHash); the cipher only reads what an older database or ini file
// still holds, once, to replace it. Encrypt stays as the definition of that
// stored form.
class Cipher {
public:
    // Base64 text, one line, safe between single quotes.
    static QString Encrypt(const QString& plain);
    // Throws AppError when the text was not made by Encrypt or was altered.
    static QString Decrypt(const QString& encrypted);
};
