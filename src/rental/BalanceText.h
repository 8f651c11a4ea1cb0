#pragma once

class QLabel;

// A customer's balance as the counter shows it: the amount without a sign,
// the side it stands on, and red while he owes the office.
namespace BalanceText {
void show(QLabel* label, double balance, int decimals);
}
