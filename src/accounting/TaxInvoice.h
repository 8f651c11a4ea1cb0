#pragma once

#include <QDateTime>
#include <QString>

class Database;

// The simplified tax invoices of closed contracts and receipts. Their numbers
// run in one sequence without gaps: a number is taken inside the transaction
// that writes the invoice, and a rolled-back save gives it back. Several
// workstations take turns on the sequence's one row.
class TaxInvoice {
public:
    struct Amounts {
        double net = 0;
        double rate = 0;  // percent
        double vat = 0;
        double gross = 0;
        // Of earlier advances this invoice deducts: what is left to pay is
        // gross less both, and the VAT it owes is vat less advanceVat.
        double advanceNet = 0;
        double advanceVat = 0;
    };

    // What a contract or a receipt bills.
    static constexpr const char* Contract = "RENT";
    static constexpr const char* Receipt = "RECEIPT";

    // The invoice of a record, in the caller's transaction when there is one:
    // a record billed before keeps its number and gets the amounts and buyer
    // given; otherwise it takes the next number. The QR payload is written
    // when the office's seller name and tax number are set. Gives the number.
    static qint64 issue(Database& db, const QString& source, qint64 sourceId, const QString& buyer,
                        const Amounts& amounts, const QDateTime& issued = QDateTime::currentDateTime());
    // The invoice number of a record; 0 when it has none.
    static qint64 numberOf(Database& db, const QString& source, qint64 sourceId);
};
