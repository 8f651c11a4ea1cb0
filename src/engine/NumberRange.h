#pragma once

#include <QCoreApplication>
#include <QString>

// What a number field may hold, from the kind of the column it is stored in:
// amounts two decimals and at most 12 digits before the point; meters, counts
// and references whole, not negative and below 10^9; identity numbers whole,
// up to 15 digits. A column the program does not know takes what its engines
// keep exactly: 15 digits in all.
class NumberRange {
    Q_DECLARE_TR_FUNCTIONS(NumberRange)

public:
    static NumberRange of(const QString& table, const QString& column);
    static NumberRange anyNumber() { return {}; }

    // A whole value as it is stored: a sign, digits and at most one point.
    bool admits(const QString& text) const;
    // A value still being typed, which may lack its digits yet ("", "-", ".").
    bool admitsTyping(const QString& text) const;
    // "a whole number from 0 to 999999999", for the operator.
    QString describe() const;

private:
    NumberRange() = default;
    NumberRange(int digits, int decimals, bool negative)
        : m_digits(digits), m_decimals(decimals), m_total(digits + decimals), m_negative(negative) {}
    bool fits(const QString& text, bool typing) const;

    int m_digits = 15;    // before the point, leading zeros aside
    int m_decimals = 15;  // after it, trailing zeros aside
    int m_total = 15;     // both together
    bool m_negative = true;
};
