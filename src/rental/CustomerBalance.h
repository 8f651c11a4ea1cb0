#pragma once

#include <QDate>

class Database;

// What one customer owes the office (or is owed, below 0): the lines of the
// customers' account in the journals of his contracts, their deposits and
// his receipts. The ledger, not the contracts' remainders, is the account.
namespace CustomerBalance {
// Up to and including `upTo`; every line when it is null.
double of(Database& db, qint64 customerId, const QDate& upTo = {});
}
