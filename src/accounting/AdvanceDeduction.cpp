#include "accounting/AdvanceDeduction.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"

namespace {

// Cents left over by adding amounts of two decimals.
constexpr double Slack = 0.0005;

}

qint64 AdvanceDeduction::issue(Database& db, qint64 rent, const QString& buyer, TaxInvoice::Amounts amounts,
                               const QDateTime& issued)
{
    Transaction transaction(db);
    const QString contract = QString::number(rent);
    const RowSet own = db.execute(QStringLiteral("select TAXINVOICEID, INVOICENO from TAXINVOICE where SOURCE = '")
                                  + QLatin1String(TaxInvoice::Contract) + QStringLiteral("' and SOURCEID = ") + contract);
    QString later;
    if (!own.isEmpty()) {
        // What a first save deducted is free again; an advance paid after the
        // invoice was issued is not its business.
        db.command(QStringLiteral("update TAXINVOICE set DEDUCTEDBYID = null where DEDUCTEDBYID = ")
                   + own.text(0, QStringLiteral("TAXINVOICEID")));
        later = QStringLiteral(" and t.INVOICENO < ") + own.text(0, QStringLiteral("INVOICENO"));
    }
    const RowSet advances = db.execute(
        QStringLiteral("select t.TAXINVOICEID, t.NETAMOUNT, t.VATAMOUNT, t.GROSSAMOUNT from TAXINVOICE t, RECEIPT r, "
                       "RENT c where t.SOURCE = '")
        + QLatin1String(TaxInvoice::Receipt)
        + QStringLiteral("' and t.SOURCEID = r.RECEIPTID and r.CUSTOMERID = c.CUSTOMERID and c.RENTID = ") + contract
        + QStringLiteral(" and Nz(t.DEDUCTEDBYID, 0) = 0") + later + QStringLiteral(" order by t.INVOICENO"));
    QStringList deducted;
    double room = amounts.gross;
    amounts.advanceNet = amounts.advanceVat = 0;
    for (int i = 0; i < advances.count(); ++i) {
        const double gross = advances.value(i, QStringLiteral("GROSSAMOUNT")).toDouble();
        if (gross > room + Slack)
            continue;
        room -= gross;
        amounts.advanceNet += advances.value(i, QStringLiteral("NETAMOUNT")).toDouble();
        amounts.advanceVat += advances.value(i, QStringLiteral("VATAMOUNT")).toDouble();
        deducted << advances.text(i, QStringLiteral("TAXINVOICEID"));
    }
    const qint64 number = TaxInvoice::issue(db, QLatin1String(TaxInvoice::Contract), rent, buyer, amounts, issued);
    if (deducted.isEmpty()) {
        transaction.commit();
        return number;
    }
    const QString invoice = db.execute(QStringLiteral("select TAXINVOICEID from TAXINVOICE where INVOICENO = ")
                                       + QString::number(number))
                                .text(0, QStringLiteral("TAXINVOICEID"));
    db.command(QStringLiteral("update TAXINVOICE set DEDUCTEDBYID = ") + invoice
               + QStringLiteral(" where TAXINVOICEID in (") + deducted.join(QLatin1Char(',')) + QLatin1Char(')'));
    const RowSet journal = db.execute(QStringLiteral("select j.JOURNALID, j.TRANSACTIONDATE, c.NAME from RENT c, JOURNAL j "
                                                     "where j.JOURNALID = c.JOURNALID and c.RENTID = ")
                                      + contract);
    if (!journal.isEmpty() && amounts.advanceVat > Slack) {
        using namespace LedgerAccounts;
        for (const auto& [account, text, side] : {std::tuple{qint64(VatPayable), journal.text(0, QStringLiteral("NAME")), 1},
                                                  std::tuple{qint64(Customers), buyer, 0}})
            db.insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                      {{QStringLiteral("JOURNALID"), journal.value(0, QStringLiteral("JOURNALID"))},
                       {QStringLiteral("TRANSACTIONDATE"), journal.value(0, QStringLiteral("TRANSACTIONDATE"))},
                       {QStringLiteral("AMOUNT"), amounts.advanceVat},
                       {QStringLiteral("ACCOUNTNUMBER"), account},
                       {QStringLiteral("RELATEDDETAIL"), text},
                       {QStringLiteral("DEBITORCREDIT"), side}});
    }
    transaction.commit();
    return number;
}
