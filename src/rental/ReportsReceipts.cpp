#include "rental/CustomerBalance.h"
#include "rental/RentalShipped.h"

#include "accounting/LedgerSetup.h"

namespace {

using Step = ReportSetup::Step;

const QString OfficeTitle = QStringLiteral("(select entryvalue from _CONFIG where entry = 'APPTITLE') as OFFICETITLE");

// Stored yyyymmdd numbers as documents show them.
QString shownDate(const QString& value)
{
    return QStringLiteral("(Right('' & %1, 2) & '/' & Mid('' & %1, 5, 2) & '/' & Left('' & %1, 4))").arg(value);
}

QString methodName(const QString& column)
{
    return QStringLiteral("case %1 when 1 then 'بطاقة — Card' when 2 then 'تحويل بنكي — Bank transfer' "
                          "when 3 then 'شيك — Cheque' else 'نقدا — Cash' end")
        .arg(column);
}

QString whenNotZero(const QString& amount)
{
    return QStringLiteral("iif(%1 <> 0, %2, '')").arg(amount, ReportSetup::amountText(amount));
}

ReportSetup::Report receipt()
{
    const QString screen = QStringLiteral("frmReceipt");
    // His balance once this receipt is in: his lines to its day, that day's in the order they were posted.
    const QString after = CustomerBalance::sql(
        QStringLiteral("p.CUSTOMERID"),
        QStringLiteral("TRANSACTIONDATE < p.RECEIPTDATE or (TRANSACTIONDATE = p.RECEIPTDATE and JOURNALID <= p.JOURNALID)"));
    const QString sql =
        QStringLiteral("select p.RECEIPTID, p.NAME, ") + shownDate(QStringLiteral("p.RECEIPTDATE"))
        + QStringLiteral(" as RECEIPTDATE, "
                         "iif(p.REFUND = 1, 'سند صرف — رد مبلغ', 'سند قبض') as KIND, "
                         "iif(p.REFUND = 1, 'Refund Voucher', 'Receipt Voucher') as KINDEN, "
                         "iif(p.REFUND = 1, 'دفعنا إلى', 'استلمنا من') as PARTYLABEL, "
                         "iif(p.REFUND = 1, 'Paid to', 'Received from') as PARTYLABELEN, "
                         "p.CUSTOMERNAME, p.CUSTOMERID as CUSTOMERNO, Nz(c.HOMEMOB) as MOBILE, "
                         "iif(Nz(p.RENTID, 0) > 0, '' & p.RENTID & iif(Nz(r.PLATNO) = '', '', ' — ' & r.PLATNO), '-') "
                         "as CONTRACT, ")
        + ReportSetup::amountText(QStringLiteral("p.AMOUNT")) + QStringLiteral(" as AMOUNTTEXT, p.AMOUNT, ")
        + methodName(QStringLiteral("p.METHOD"))
        + QStringLiteral(" as METHODNAME, iif(Nz(p.REFERENCE) = '', '-', p.REFERENCE) as REFERENCE, "
                         "Nz(p.COMMENTS) as COMMENTS, ")
        + ReportSetup::balanceText(after, true) + QStringLiteral(" as BALANCEAFTER, ") + OfficeTitle
        + QStringLiteral(" from RECEIPT p left join RENT r on r.RENTID = p.RENTID "
                         "left join Customer c on c.CUSTOMERID = p.CUSTOMERID where p.RECEIPTID = :1 ");
    return {10, QStringLiteral("سند القبض"), screen, 1, QStringLiteral("receipt.odt"),
            {{0, 0, sql, QStringLiteral(":1frmReceipt.txtID")}}};
}

ReportSetup::Report statement()
{
    const QString binds = QStringLiteral(":1frmCustomers.txtID,:2frmPrint.dtFrom,:3frmPrint.dtTo");
    const QString customer = QStringLiteral(":1 ");
    const QString opening = CustomerBalance::sql(customer, QStringLiteral("TRANSACTIONDATE < :2 "));
    const QString closing = CustomerBalance::sql(customer, QStringLiteral("TRANSACTIONDATE <= :3 "));
    const QString head =
        QStringLiteral("select c.CUSTOMERID, c.name as CUSTOMERNAME, Nz(c.HOMEMOB) as MOBILE, ")
        + shownDate(QStringLiteral(":2 ")) + QStringLiteral(" as DATEFROM, ") + shownDate(QStringLiteral(":3 "))
        + QStringLiteral(" as DATETO, ") + ReportSetup::balanceText(opening, true) + QStringLiteral(" as OPENING, ")
        + ReportSetup::balanceText(closing, true) + QStringLiteral(" as CLOSING, ") + OfficeTitle
        + QStringLiteral(" from Customer c where c.CUSTOMERID = :1 ");

    // One row per journal of his that moved his account in the period, what
    // made it beside it; deposits taken only tell, they move nothing he owes.
    const QString moved =
        QStringLiteral("select d.TRANSACTIONDATE as DAY, d.JOURNALID as SORTKEY, "
                       "sum(iif(d.DEBITORCREDIT = 1, d.AMOUNT, 0)) as DEBIT, "
                       "sum(iif(d.DEBITORCREDIT = 1, 0, d.AMOUNT)) as CREDIT from JOURNALDETAIL d "
                       "where d.ACCOUNTNUMBER = ")
        + QString::number(qint64(LedgerAccounts::Customers)) + QStringLiteral(" and d.JOURNALID in (")
        + CustomerBalance::journals(customer)
        + QStringLiteral(") and d.TRANSACTIONDATE between :2 and :3 group by d.TRANSACTIONDATE, d.JOURNALID");
    const QString ledger =
        QStringLiteral("select m.DAY, m.SORTKEY, "
                       "case when r.RENTID is not null then 'عقد إيجار — Contract' "
                       "when k.RENTID is not null then 'خصم من التأمين — Deposit kept' "
                       "when p.REFUND = 1 then 'رد مبلغ — Refund' when p.RECEIPTID is not null then 'سند قبض — Receipt' "
                       "else 'قيد — Entry' end as KIND, "
                       "'' & coalesce(r.RENTID, k.RENTID, p.RECEIPTID, m.SORTKEY) as REF, "
                       "case when r.RENTID is not null then Nz(r.PLATNO) "
                       "when k.RENTID is not null then Nz(k.PLATNO) when p.RECEIPTID is not null then ")
        + methodName(QStringLiteral("p.METHOD"))
        + QStringLiteral(" & iif(Nz(p.REFERENCE) = '', '', ' ' & p.REFERENCE) else '' end as DETAIL, "
                         "iif(r.RENTID is null, 0, iif(Nz(r.GROSSTOTAL, 0) > 0, r.GROSSTOTAL, Nz(r.TOTAL, 0))) as TOTAL, "
                         "m.DEBIT, m.CREDIT, 0 as DEPOSIT from (")
        + moved
        + QStringLiteral(") m left join RENT r on r.JOURNALID = m.SORTKEY left join RENT k on k.DEPOSITJOURNALID = m.SORTKEY "
                         "left join RECEIPT p on p.JOURNALID = m.SORTKEY");
    const QString deposits =
        QStringLiteral("select EXITDATE as DAY, 0 as SORTKEY, 'تأمين مستلم — Deposit taken' as KIND, '' & RENTID as REF, ")
        + methodName(QStringLiteral("DEPOSITMETHOD"))
        + QStringLiteral(" & iif(Nz(DEPOSITREFERENCE) = '', '', ' ' & DEPOSITREFERENCE) as DETAIL, 0 as TOTAL, "
                         "0 as DEBIT, 0 as CREDIT, DEPOSIT from RENT where CUSTOMERID = :1  and Nz(DEPOSIT, 0) > 0 "
                         "and EXITDATE between :2 and :3 ");
    // Each row's balance: his lines to its day, that day's to its journal.
    const QString running = CustomerBalance::sql(
        customer, QStringLiteral("TRANSACTIONDATE < t.DAY or (TRANSACTIONDATE = t.DAY and JOURNALID <= t.SORTKEY)"));
    const QString rows = QStringLiteral("select ") + shownDate(QStringLiteral("t.DAY"))
                         + QStringLiteral(" as ROWDATE, t.KIND, t.REF, t.DETAIL, ") + whenNotZero(QStringLiteral("t.TOTAL"))
                         + QStringLiteral(" as CONTRACTTOTAL, ") + whenNotZero(QStringLiteral("t.DEBIT"))
                         + QStringLiteral(" as DEBITTEXT, ") + whenNotZero(QStringLiteral("t.CREDIT"))
                         + QStringLiteral(" as CREDITTEXT, ") + whenNotZero(QStringLiteral("t.DEPOSIT"))
                         + QStringLiteral(" as DEPOSITTEXT, ") + ReportSetup::balanceText(running, false)
                         + QStringLiteral(" as BALANCE from (") + ledger + QStringLiteral(" union all ") + deposits
                         + QStringLiteral(") t order by t.DAY, t.SORTKEY");
    return {11, QStringLiteral("كشف حساب العميل"), QStringLiteral("frmCustomers"), 2, QStringLiteral("statement.odt"),
            {{0, 0, head, binds}, {0, 1, rows, binds}}};
}

}

QList<ReportSetup::Report> ReportSetup::receiptReports()
{
    return {receipt(), statement()};
}

QString ReportSetup::balanceText(const QString& balance, bool english)
{
    return amountText(QStringLiteral("abs(%1)").arg(balance))
           + QStringLiteral(" & iif(%1 > 0.0005, '%2', iif(%1 < -0.0005, '%3', ''))")
                 .arg(balance, english ? QStringLiteral(" عليه — owed by the customer") : QStringLiteral(" عليه"),
                      english ? QStringLiteral(" له — owed to the customer") : QStringLiteral(" له"));
}
