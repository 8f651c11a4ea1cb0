#include "accounting/TaxInvoice.h"

#include "accounting/VatSettings.h"
#include "core/AmountWords.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "reports/InvoiceQr.h"

namespace {

QString sourceCondition(const QString& source, qint64 sourceId)
{
    return QStringLiteral(" where SOURCE = '") + SqlValue::text(source) + QStringLiteral("' and SOURCEID = ")
         + QString::number(sourceId);
}

QString qrPayload(Database& db, const TaxInvoice::Amounts& amounts, const QDateTime& issued)
{
    const VatSettings vat = VatSettings::read(db);
    InvoiceQr::Fields fields;
    fields.decimals =
        AmountWords::currency(Configuration(db).GetConfig(QStringLiteral("CURRENCYCODE"), QString())).decimals;
    fields.seller = vat.nameArabic.isEmpty() ? vat.nameEnglish : vat.nameArabic;
    fields.vatNumber = vat.number;
    fields.issued = issued;
    // The code tells what this invoice still charges: the VAT of an advance
    // was declared on the advance's own invoice.
    fields.total = amounts.gross - amounts.advanceNet - amounts.advanceVat;
    fields.vat = amounts.vat - amounts.advanceVat;
    QString error;
    return InvoiceQr::payload(fields, &error).value_or(QString());
}

}

qint64 TaxInvoice::issue(Database& db, const QString& source, qint64 sourceId, const QString& buyer,
                         const Amounts& amounts, const QDateTime& issued)
{
    Transaction transaction(db);
    const QList<Database::Field> fields{
        {QStringLiteral("ISSUEDATE"), StoredDate::number(issued.date())},
        {QStringLiteral("ISSUETIME"), issued.time().toString(QStringLiteral("hhmmss"))},
        {QStringLiteral("BUYERNAME"), buyer},
        {QStringLiteral("NETAMOUNT"), amounts.net},
        {QStringLiteral("VATRATE"), amounts.rate},
        {QStringLiteral("VATAMOUNT"), amounts.vat},
        {QStringLiteral("GROSSAMOUNT"), amounts.gross},
        {QStringLiteral("ADVANCENET"), amounts.advanceNet},
        {QStringLiteral("ADVANCEVAT"), amounts.advanceVat},
        {QStringLiteral("QRPAYLOAD"), qrPayload(db, amounts, issued)}};
    qint64 number = numberOf(db, source, sourceId);
    if (number > 0) {
        QStringList sets;
        QVariantList values;
        for (const Database::Field& f : fields) {
            sets << f.first + QStringLiteral(" = ?");
            values << f.second;
        }
        values << number;
        db.executeBound(QStringLiteral("update TAXINVOICE set ") + sets.join(QStringLiteral(", "))
                            + QStringLiteral(" where INVOICENO = ?"),
                        values);
    } else {
        // The update takes the sequence's row lock (the write lock on SQLite)
        // until this transaction ends: the next workstation waits for it.
        db.command(QStringLiteral("update INVOICESEQUENCE set LASTNUMBER = LASTNUMBER + 1"));
        number = db.execute(QStringLiteral("select LASTNUMBER from INVOICESEQUENCE")).value(0, 0).toLongLong();
        QList<Database::Field> row{{QStringLiteral("INVOICENO"), number},
                                   {QStringLiteral("SOURCE"), source},
                                   {QStringLiteral("SOURCEID"), sourceId}};
        db.insert(QStringLiteral("TAXINVOICE"), QStringLiteral("TAXINVOICEID"), row + fields);
    }
    transaction.commit();
    return number;
}

qint64 TaxInvoice::numberOf(Database& db, const QString& source, qint64 sourceId)
{
    const RowSet rows = db.execute(QStringLiteral("select INVOICENO from TAXINVOICE") + sourceCondition(source, sourceId));
    return rows.isEmpty() ? 0 : rows.value(0, 0).toLongLong();
}
