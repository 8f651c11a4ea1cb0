#pragma once

#include <QString>

// Operators' passwords are kept as a slow salted hash (scrypt), never in a
// form that gives the password back; a workstation that keeps a login keeps
// a random token instead of the password, and the database its hash.
class PasswordHash {
public:
    // "scrypt$<log2 N>$<r>$<p>$<salt>$<hash>", salt and hash in base64.
    static QString make(const QString& password);
    // True when the password gives the stored hash; false for anything else
    // stored (empty, or not a hash of this kind).
    static bool matches(const QString& password, const QString& stored);
    static bool isHash(const QString& stored);

    // The cost of new hashes as the log2 of scrypt's N; a stored hash keeps
    // its own. The default costs a login a fraction of a second; the tests,
    // which log in thousands of times, lower it.
    static constexpr int DefaultCost = 15;
    static void setCost(int log2N);

    // A new random token for a stored login, and its hash. A token is as
    // random as a key, so a fast hash keeps it as safe as a slow one.
    static QString newToken();
    static QString tokenHash(const QString& token);
};
