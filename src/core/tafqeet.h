#pragma once

#include <QString>

struct ConfigValues;

// Amounts written out in words for printed documents: English number words in
// the Arabic reading order, an Arabic currency name, the fraction in digits.
namespace tafqeet {

// Currency 1 takes its names from the configuration (POUND, TWOPOUNDS, POUNDS,
// FILS); 2 to 5 are fixed; any other code has no names. An amount of 0 gives an
// empty text. Negative amounts and amounts of 100,000,000 or more throw AppError.
QString AmountInWords(double amount, int currency, const ConfigValues& config);

// The words of a whole number from 11 to 99,999,999, before the currency name.
QString NumberWords(qint64 whole);

}
