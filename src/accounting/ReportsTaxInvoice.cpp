#include "accounting/AccountingShipped.h"
#include "accounting/TaxInvoice.h"
#include "core/Database.h"

namespace {

using ReportSetup::Step;

constexpr qint64 ContractInvoice = 40;
constexpr qint64 ReceiptInvoice = 41;
const QString File = QStringLiteral("taxinvoice.odt");

QString config(const char* entry, const char* as)
{
    return QStringLiteral("(select entryvalue from _CONFIG where entry = '%1') as %2")
        .arg(QLatin1String(entry), QLatin1String(as));
}

// The invoice of the screen's record: its number, when it was issued, the
// buyer, the amounts, the office as seller and the QR payload kept with it.
QString invoice(const QString& source, const QString& reference, const QString& from)
{
    const QString issued = QStringLiteral("cast(t.ISSUEDATE as text)");
    // A whole rate without decimals (15 %), any other as it is (2.5 %).
    const QString rate = QStringLiteral(
        "case when t.VATRATE = round(t.VATRATE) then cast(round(t.VATRATE) as integer) & '' else t.VATRATE & '' end");
    return QStringLiteral("select t.INVOICENO, Mid(%1, 7, 2) & '/' & Mid(%1, 5, 2) & '/' & Left(%1, 4) as ISSUEDATE, "
                          "Left(t.ISSUETIME, 2) & ':' & Mid(t.ISSUETIME, 3, 2) & ':' & Mid(t.ISSUETIME, 5, 2) "
                          "as ISSUETIME, t.BUYERNAME, ")
               .arg(issued)
           + reference + QStringLiteral(" as REFERENCE, t.NETAMOUNT, t.VATAMOUNT, t.GROSSAMOUNT, ")
           + ReportSetup::amountText(QStringLiteral("t.NETAMOUNT")) + QStringLiteral(" as NETTEXT, ")
           + ReportSetup::amountText(QStringLiteral("t.VATAMOUNT")) + QStringLiteral(" as VATTEXT, ")
           + ReportSetup::amountText(QStringLiteral("t.GROSSAMOUNT")) + QStringLiteral(" as GROSSTEXT, ") + rate
           + QStringLiteral(" as RATETEXT, t.QRPAYLOAD, ") + config("VATNAMEAR", "SELLERAR") + QStringLiteral(", ")
           + config("VATNAMEEN", "SELLEREN") + QStringLiteral(", ") + config("VATNUMBER", "SELLERVAT")
           + QStringLiteral(", ") + config("CURRENCYSUFFIX", "CURRENCY") + QStringLiteral(" from TAXINVOICE t, ")
           + from + QStringLiteral(" where t.SOURCE = '%1' and t.SOURCEID = :1  and ").arg(source);
}

// Why a record has no invoice to print, in both languages; nothing when it has one.
QString refusal(const QString& source, const QString& table, const QString& key, const QString& reasons)
{
    return QStringLiteral("select case %1 end as NOTHINGTOPRINT from %2 r where r.%3 = :1  and not exists "
                          "(select 1 from TAXINVOICE t where t.SOURCE = '%4' and t.SOURCEID = r.%3 "
                          "and Nz(t.QRPAYLOAD) <> '')")
        .arg(reasons, table, key, source);
}

const QString NoCode = QStringLiteral(
    "else 'ليس لهذه الفاتورة رمز QR: لم يكن اسم البائع أو رقمه الضريبي مسجلاً في الخيارات. سجّلهما ثم احفظ السجل "
    "من جديد.\nThe invoice has no QR code: the seller''s name or tax number was not set in the options. Set them, "
    "then save the record again.'");

Step withRecord(const QString& sql, const QString& screen, int table = 0)
{
    return {0, table, sql, QStringLiteral(":1%1.txtID").arg(screen)};
}

// Under the totals: the advances a contract's invoice deducted (net, VAT)
// and what is left to pay, when it deducted any; on an advance's own
// invoice, that it is one.
constexpr int AfterTotals = 2;

QString afterTotals(const QString& source)
{
    if (source == QLatin1String(TaxInvoice::Receipt))
        return QStringLiteral("select 'دفعة مقدمة تُخصم في فاتورة عقد لاحق' as AR, ")
               + ReportSetup::amountText(QStringLiteral("t.GROSSAMOUNT"))
               + QStringLiteral(" as AMOUNT, 'Advance payment, deducted on the invoice of a later contract' as EN "
                                "from TAXINVOICE t where t.SOURCE = '%1' and t.SOURCEID = :1 ")
                     .arg(source);
    return QStringLiteral(
               "select l.AR, case l.N when 1 then %1 when 2 then %2 else %3 end as AMOUNT, l.EN from TAXINVOICE t, "
               "(select 1 as N, 'دفعات مقدمة مخصومة (غير شاملة الضريبة)' as AR, 'Advances deducted (excluding VAT)' "
               "as EN union all select 2, 'ضريبة القيمة المضافة على الدفعات المخصومة', 'VAT of the advances deducted' "
               "union all select 3, 'المبلغ المستحق', 'Amount due') l where t.SOURCE = '%4' and t.SOURCEID = :1  and "
               "Nz(t.ADVANCENET, 0) + Nz(t.ADVANCEVAT, 0) <> 0 order by l.N")
        .arg(ReportSetup::amountText(QStringLiteral("Nz(t.ADVANCENET, 0)")),
             ReportSetup::amountText(QStringLiteral("Nz(t.ADVANCEVAT, 0)")),
             ReportSetup::amountText(QStringLiteral("t.GROSSAMOUNT - Nz(t.ADVANCENET, 0) - Nz(t.ADVANCEVAT, 0)")), source);
}

ReportSetup::Report contractInvoice()
{
    const QString screen = QStringLiteral("frmRentCar");
    const QString source = QString::fromLatin1(TaxInvoice::Contract);
    const QString main = invoice(source, QStringLiteral("'عقد إيجار رقم ' & r.RENTID & ' — Rental contract no. ' & r.RENTID"),
                                 QStringLiteral("RENT r")) + QStringLiteral("r.RENTID = t.SOURCEID");
    const QString refused = refusal(
        source, QStringLiteral("RENT"), QStringLiteral("RENTID"),
        QStringLiteral("when Nz(r.RETURNED, 0) = 0 then 'لم يُغلق هذا العقد بعد، فليست له فاتورة ضريبية.\nThis "
                       "contract is not closed yet, so it has no tax invoice.' when not exists (select 1 from "
                       "TAXINVOICE t where t.SOURCE = '%1' and t.SOURCEID = r.RENTID) then 'ليست لهذا العقد فاتورة "
                       "ضريبية: كانت ضريبة القيمة المضافة متوقفة حين أُغلق.\nThis contract has no tax invoice: VAT "
                       "was off when it closed.' ")
                .arg(source)
            + NoCode);
    // What the net is made of; the kilometres and other amounts only when charged.
    const QString lines = QStringLiteral(
        "select l.AR, case l.N when 1 then %1 when 2 then %2 else %3 end as AMOUNT, l.EN from RENT r, "
        "(select 1 as N, 'قيمة الإيجار' as AR, 'Rent' as EN union all select 2, 'قيمة الكيلومترات الزائدة', "
        "'Extra kilometres' union all select 3, 'مبالغ أخرى', 'Other amounts') l where r.RENTID = :1  and "
        "(l.N = 1 or (l.N = 2 and Nz(r.REQUIREDKILOMETERSDIFF, 0) <> 0) or (l.N = 3 and Nz(r.OTHERAMOUNTS, 0) <> 0)) "
        "order by l.N")
                              .arg(ReportSetup::amountText(QStringLiteral("Nz(r.REQUIREDAMOUNT, 0)")),
                                   ReportSetup::amountText(QStringLiteral("Nz(r.REQUIREDKILOMETERSDIFF, 0)")),
                                   ReportSetup::amountText(QStringLiteral("Nz(r.OTHERAMOUNTS, 0)")));
    return {ContractInvoice, QStringLiteral("فاتورة ضريبية مبسطة"), screen, 3, File,
            {withRecord(refused, screen), withRecord(main, screen), withRecord(lines, screen, 1),
             withRecord(afterTotals(source), screen, AfterTotals)}};
}

ReportSetup::Report receiptInvoice()
{
    const QString screen = QStringLiteral("frmReceipt");
    const QString source = QString::fromLatin1(TaxInvoice::Receipt);
    const QString main =
        invoice(source,
                QStringLiteral("'سند قبض رقم ' & r.RECEIPTID & case when Nz(r.RENTID, 0) > 0 then ' عن العقد رقم ' "
                               "& r.RENTID else '' end & ' — Receipt no. ' & r.RECEIPTID & case when Nz(r.RENTID, 0) "
                               "> 0 then ' for contract no. ' & r.RENTID else '' end"),
                QStringLiteral("RECEIPT r"))
        + QStringLiteral("r.RECEIPTID = t.SOURCEID");
    const QString refused = refusal(
        source, QStringLiteral("RECEIPT"), QStringLiteral("RECEIPTID"),
        QStringLiteral("when Nz(r.REFUND, 0) = 1 then 'المبلغ المردود إلى العميل لا تصدر له فاتورة ضريبية.\nMoney "
                       "paid back to the customer has no tax invoice.' when Nz(r.RENTID, 0) > 0 then 'يدخل هذا "
                       "المبلغ في الفاتورة الضريبية للعقد رقم ' & r.RENTID & '.\nThis payment is billed on the tax "
                       "invoice of contract no. ' & r.RENTID & '.' when not exists (select 1 from TAXINVOICE t "
                       "where t.SOURCE = '%1' and t.SOURCEID = r.RECEIPTID) then 'ليست لهذا السند فاتورة ضريبية: "
                       "كانت ضريبة القيمة المضافة متوقفة حين حُفظ.\nThis receipt has no tax invoice: VAT was off "
                       "when it was saved.' ")
                .arg(source)
            + NoCode);
    const QString lines = QStringLiteral("select 'مبلغ مستلم (قبل الضريبة)' as AR, ")
                          + ReportSetup::amountText(QStringLiteral("t.NETAMOUNT"))
                          + QStringLiteral(" as AMOUNT, 'Amount received (before VAT)' as EN from TAXINVOICE t "
                                           "where t.SOURCE = '%1' and t.SOURCEID = :1 ")
                                .arg(source);
    return {ReceiptInvoice, QStringLiteral("فاتورة ضريبية مبسطة"), screen, 2, File,
            {withRecord(refused, screen), withRecord(main, screen), withRecord(lines, screen, 1),
             withRecord(afterTotals(source), screen, AfterTotals)}};
}

}

QList<ReportSetup::Report> ReportSetup::taxInvoiceReports()
{
    return {contractInvoice(), receiptInvoice()};
}

void ReportSetup::addTaxInvoiceReports(Database& db)
{
    const auto count = [&db](const QString& sql) { return db.execute(sql).value(0, 0).toInt(); };
    // Only an office that prints the shipped contract; one that made its own
    // documents keeps them alone.
    if (count(QStringLiteral("select count(*) from _RPT where WINDOWNAME = 'frmRentCar' and Rptfilename = 'contract.odt'")) == 0
        || count(QStringLiteral("select count(*) from _RPT where Rptfilename = '") + File + QLatin1Char('\'')) > 0)
        return;
    QList<Report> reports = taxInvoiceReports();
    for (Report& report : reports) {
        // A number the office gave a report of its own stays that report's.
        if (count(QStringLiteral("select count(*) from _RPT where RPTID = ") + QString::number(report.id)) > 0)
            report.id = db.execute(QStringLiteral("select max(RPTID) + 1 from _RPT")).value(0, 0).toLongLong();
        add(db, {report});
    }
}

void ReportSetup::addAdvanceRows(Database& db)
{
    const RowSet invoices = db.execute(QStringLiteral("select r.RPTID, r.WINDOWNAME from _RPT r where r.Rptfilename = '")
                                       + File + QStringLiteral("' and not exists (select 1 from _RPTDETAIL d where "
                                                               "d.RPTID = r.RPTID and d.TABLENBR = %1)").arg(AfterTotals));
    for (int i = 0; i < invoices.count(); ++i) {
        const QString screen = invoices.text(i, QStringLiteral("WINDOWNAME"));
        const QString source = QString::fromLatin1(screen == QLatin1String("frmReceipt") ? TaxInvoice::Receipt
                                                                                         : TaxInvoice::Contract);
        const Step step = withRecord(afterTotals(source), screen, AfterTotals);
        db.insertRows(QStringLiteral("_RPTDETAIL"),
                      {QStringLiteral("RPTID"), QStringLiteral("RPTDETAILTYPE"), QStringLiteral("ONOFF"),
                       QStringLiteral("TABLENBR"), QStringLiteral("SQLStatement"), QStringLiteral("BINDVARS")},
                      {{invoices.value(i, QStringLiteral("RPTID")), step.type, 1, step.table, step.sql, step.bindVariables}});
    }
}
