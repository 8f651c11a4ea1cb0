#pragma once

#include "accounting/TaxInvoice.h"

#include <QDateTime>
#include <QString>

class Database;

// A payment on account is billed on its own invoice, its VAT declared then.
// The invoice of the customer's next closed contract deducts such advances,
// oldest first, each one whole and only while it fits in the contract's
// gross: one that does not fit waits for a later contract, so no advance is
// ever split between two invoices. What refunds on account paid back is
// not deducted: an advance partly refunded comes in for what is left of it.
namespace AdvanceDeduction {
// The contract's invoice with the advances it deducts; on the contract's
// journal the VAT of the advances goes back from VAT payable to the
// customer, so that the VAT the contract posts is its own less theirs. A
// second save deducts afresh. Gives the invoice's number.
qint64 issue(Database& db, qint64 rent, const QString& buyer, TaxInvoice::Amounts amounts,
             const QDateTime& issued = QDateTime::currentDateTime());
}
