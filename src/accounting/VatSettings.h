#pragma once

#include <QString>

class Database;

// What the office chose in its options about value-added tax. With VAT off
// (the default) no amount is taxed and no tax invoice is made.
struct VatSettings {
    bool on = false;
    double rate = 0;  // percent, e.g. 15
    QString number;   // the office's tax registration number
    QString nameArabic;
    QString nameEnglish;

    static VatSettings read(Database& db);

    // The form of a Saudi registration: 15 digits, the first and the last 3.
    // Other countries write theirs otherwise, so this is a check, not a rule.
    static bool isSaudiNumber(const QString& number);

    // The VAT on a net amount, rounded to the currency's `decimals`; 0 with VAT off.
    double tax(double net, int decimals) const;
    // The VAT an amount that includes it carries, rounded the same way.
    double taxWithin(double gross, int decimals) const;
};
