#include "accounting/AdvanceDeduction.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"

#include <algorithm>
#include <cmath>

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
    // A refund on account pays advances back and reverses their VAT; what is
    // left of them after refunds and earlier deductions is all a contract may
    // deduct, so the oldest advance may come in part.
    const QString customer = QStringLiteral(" = (select CUSTOMERID from RENT where RENTID = ") + contract + QLatin1Char(')');
    double left =
        db.execute(QStringLiteral("select sum(t.GROSSAMOUNT) from TAXINVOICE t, RECEIPT r where t.SOURCE = '")
                   + QLatin1String(TaxInvoice::Receipt) + QStringLiteral("' and t.SOURCEID = r.RECEIPTID and r.CUSTOMERID")
                   + customer)
            .value(0, 0).toDouble()
        - db.execute(QStringLiteral("select sum(AMOUNT) from RECEIPT where REFUND = 1 and Nz(RENTID, 0) = 0 and CUSTOMERID")
                     + customer)
              .value(0, 0).toDouble()
        - db.execute(QStringLiteral("select sum(t.ADVANCENET + t.ADVANCEVAT) from TAXINVOICE t, RENT c where t.SOURCE = '")
                     + QLatin1String(TaxInvoice::Contract) + QStringLiteral("' and t.SOURCEID = c.RENTID and c.RENTID <> ")
                     + contract + QStringLiteral(" and c.CUSTOMERID") + customer)
              .value(0, 0).toDouble();
    QStringList deducted;
    double room = amounts.gross;
    amounts.advanceNet = amounts.advanceVat = 0;
    for (int i = 0; i < advances.count() && left > Slack; ++i) {
        const double gross = advances.value(i, QStringLiteral("GROSSAMOUNT")).toDouble();
        const double share = std::min(gross, left) / gross;
        if (gross * share > room + Slack)
            continue;
        room -= gross * share;
        left -= gross * share;
        amounts.advanceNet += std::round(advances.value(i, QStringLiteral("NETAMOUNT")).toDouble() * share * 1000) / 1000;
        amounts.advanceVat += std::round(advances.value(i, QStringLiteral("VATAMOUNT")).toDouble() * share * 1000) / 1000;
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
