#pragma once

#include <QDate>
#include <QString>

class Database;

// What one customer owes the office (or is owed, below 0): the lines of the
// customers' account in the journals of his contracts, their deposits and
// his receipts. The ledger, not the contracts' remainders, is the account.
namespace CustomerBalance {
// Up to and including `upTo`; every line when it is null.
double of(Database& db, qint64 customerId, const QDate& upTo = {});
// The same as a scalar subquery for documents: `customer` an SQL expression
// of his number, `lines` a condition on the lines' columns
// ("TRANSACTIONDATE <= :2 ") or empty. Gives 0, not null, for a customer
// without lines.
QString sql(const QString& customer, const QString& lines = {});
// His journals as an SQL list ("select JOURNALID ... union ...").
QString journals(const QString& customer);
}
