#pragma once

class QLabel;

class QString;

// A customer's balance as the counter shows it: the amount without a sign,
// with two decimals and the currency as the money fields show it, the side
// it stands on, and red while he owes the office.
namespace BalanceText {
void show(QLabel* label, double balance, const QString& currencySuffix);
}
