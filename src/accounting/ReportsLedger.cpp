#include "accounting/AccountingShipped.h"

namespace {

using ReportSetup::Step;

// Dates are stored as yyyymmdd numbers; documents show them as dd/mm/yyyy.
// The '' & turns the number into text on every engine.
QString shownDate(const QString& value)
{
    return QStringLiteral("(Right('' & %1, 2) & '/' & Mid('' & %1, 5, 2) & '/' & Left('' & %1, 4))").arg(value);
}

// An amount of 0 or more with its two decimals always written (SQLite would
// print 84.0 and 45.5). The parentheses keep || from binding before / and %.
QString debitOf(const QString& line) { return QStringLiteral("iif(%1.DEBITORCREDIT = 1, %1.AMOUNT, 0)").arg(line); }
QString creditOf(const QString& line) { return QStringLiteral("iif(%1.DEBITORCREDIT = 1, 0, %1.AMOUNT)").arg(line); }

// A line's amount in its debit or its credit column, the other one empty.
QString sidesShown(const QString& line)
{
    const QString amount = ReportSetup::amountText(line + QStringLiteral(".AMOUNT"));
    return QStringLiteral("iif(%1.DEBITORCREDIT = 1, %2, '') as DEBIT, iif(%1.DEBITORCREDIT = 1, '', %2) as CREDIT")
        .arg(line, amount);
}

QString totalsShown(const QString& line)
{
    return ReportSetup::amountText(QStringLiteral("Nz(sum(%1), 0)").arg(debitOf(line))) + QStringLiteral(" as TOTALDEBIT, ")
           + ReportSetup::amountText(QStringLiteral("Nz(sum(%1), 0)").arg(creditOf(line))) + QStringLiteral(" as TOTALCREDIT");
}

// Every document's heading: the office's title and the day it was printed.
Step office()
{
    return {0, 0,
            QStringLiteral("select entryvalue as OFFICETITLE, ") + shownDate(QStringLiteral("Date()"))
                + QStringLiteral(" as PRINTDATE from _CONFIG where entry = 'APPTITLE'")};
}

// One document, four screens: the screen's voucher, its kind's account being
// the credit line of an income and the debit line of an expense. A voucher
// names no payer or payee, so the receipt leaves that line for the pen.
QList<ReportSetup::Report> vouchers()
{
    const struct {
        qint64 id;
        const char* screen;
        bool income;
    } kinds[] = {
        {20, "frmIncomeRent", true},
        {21, "frmIncomeGeneral", true},
        {22, "frmExpenseRent", false},
        {23, "frmExpenseGeneral", false},
    };
    QList<ReportSetup::Report> reports;
    for (const auto& kind : kinds) {
        const QString screen = QLatin1String(kind.screen);
        const QString title = kind.income ? QStringLiteral("سند قبض") : QStringLiteral("سند صرف");
        const QString sql =
            QStringLiteral("select '%1' as VOUCHERKIND, '%2' as VOUCHERKINDEN, '%3' as PARTYLABEL, "
                           "j.JOURNALID as VOUCHERNO, ")
                .arg(title, kind.income ? QStringLiteral("Receipt Voucher") : QStringLiteral("Payment Voucher"),
                     kind.income ? QStringLiteral("استلمنا من") : QStringLiteral("صرفنا إلى"))
            + shownDate(QStringLiteral("j.TRANSACTIONDATE")) + QStringLiteral(" as VOUCHERDATE, ")
            + ReportSetup::amountText(QStringLiteral("j.AMOUNT"))
            + QStringLiteral(
                  " as AMOUNTTEXT, j.AMOUNT, j.NAME as STATEMENT, d.ACCOUNTNUMBER & ' - ' & Nz(c.NAME) as ACCOUNT, "
                  "iif(Nz(j.LICENSENO) = '', '-', j.LICENSENO) as PLATE, "
                  "iif(j.PAIDBYCHEQUE = 1, 'شيك' & iif(Nz(j.CHEQUEDETAILS) = '', '', ' - ' & j.CHEQUEDETAILS), "
                  "'نقدا') as PAYMENT, "
                  "Nz(j.NARRATIVE) as NARRATIVE "
                  "from (JOURNAL j inner join JOURNALDETAIL d on d.JOURNALID = j.JOURNALID) "
                  "left join chartofaccount c on c.ACCOUNTNUMBER = d.ACCOUNTNUMBER "
                  "where j.JOURNALID = :1 and d.DEBITORCREDIT = %1 order by d.JOURNALDETAILID")
                  .arg(kind.income ? 0 : 1);
        reports.append({kind.id, title, screen, 1, QStringLiteral("voucher.odt"),
                        {office(), {0, 0, sql, QStringLiteral(":1") + screen + QStringLiteral(".txtID")}}});
    }
    return reports;
}

ReportSetup::Report ledgerEntry()
{
    const QString entry = QStringLiteral(":1frmGLEntry.txtID");
    const QString header = QStringLiteral("select JOURNALID as ENTRYNO, ")
                           + shownDate(QStringLiteral("TRANSACTIONDATE"))
                           + QStringLiteral(" as ENTRYDATE, NAME as STATEMENT, ")
                           + ReportSetup::amountText(QStringLiteral("AMOUNT"))
                           + QStringLiteral(" as AMOUNTTEXT, Nz(NARRATIVE) as NARRATIVE from JOURNAL "
                                            "where JOURNALID = :1 ");
    const QString lines = QStringLiteral("select d.ACCOUNTNUMBER, Nz(c.NAME) as ACCOUNTNAME, ") + sidesShown("d")
                          + QStringLiteral(", Nz(d.RELATEDDETAIL) as DETAIL from JOURNALDETAIL d "
                                           "left join chartofaccount c on c.ACCOUNTNUMBER = d.ACCOUNTNUMBER "
                                           "where d.JOURNALID = :1 order by d.DEBITORCREDIT desc, d.JOURNALDETAILID");
    const QString totals = QStringLiteral("select ") + totalsShown("d")
                           + QStringLiteral(" from JOURNALDETAIL d where d.JOURNALID = :1 ");
    return {24, QStringLiteral("قيد اليومية"), QStringLiteral("frmGLEntry"), 1, QStringLiteral("ledgerentry.odt"),
            {office(), {0, 0, header, entry}, {0, 0, totals, entry}, {0, 1, lines, entry}}};
}

// The print dialog's date range, shown in the heading of the period reports.
const QString Period = QStringLiteral(":1frmPrint.dtFrom,:2frmPrint.dtTo");

Step periodShown()
{
    return {0, 0,
            QStringLiteral("select ") + shownDate(QStringLiteral(":1 ")) + QStringLiteral(" as DATEFROM, ")
                + shownDate(QStringLiteral(":2 ")) + QStringLiteral(" as DATETO"),
            Period};
}

QList<Step> journalSteps()
{
    const QString lines =
        QStringLiteral("from (JOURNAL j inner join JOURNALDETAIL d on d.JOURNALID = j.JOURNALID) "
                       "left join chartofaccount c on c.ACCOUNTNUMBER = d.ACCOUNTNUMBER "
                       "where j.TRANSACTIONDATE between :1 and :2 and d.AMOUNT <> 0");
    // An entry's date, number and statement head its first line only, the
    // line no other line of the entry comes before.
    const QString firstLine = QStringLiteral(
        "iif(not exists (select 1 from JOURNALDETAIL x where x.JOURNALID = d.JOURNALID and x.AMOUNT <> 0 and "
        "(x.DEBITORCREDIT > d.DEBITORCREDIT or (x.DEBITORCREDIT = d.DEBITORCREDIT and "
        "x.JOURNALDETAILID < d.JOURNALDETAILID))), 1, 0) as FIRSTLINE");
    const QString listing =
        QStringLiteral("select iif(FIRSTLINE = 1, ENTRYDATE, '') as ENTRYDATE, iif(FIRSTLINE = 1, '' & ENTRYNO, '') "
                       "as ENTRYNO, iif(FIRSTLINE = 1, STATEMENT, '') as STATEMENT, ACCOUNTNUMBER, ACCOUNTNAME, "
                       "DEBIT, CREDIT from (select ")
        + shownDate(QStringLiteral("j.TRANSACTIONDATE"))
        + QStringLiteral(" as ENTRYDATE, j.JOURNALID as ENTRYNO, j.NAME as STATEMENT, d.ACCOUNTNUMBER, "
                         "Nz(c.NAME) as ACCOUNTNAME, ")
        + sidesShown("d") + QStringLiteral(", ") + firstLine
        + QStringLiteral(", j.TRANSACTIONDATE as DAY, d.DEBITORCREDIT as SIDE, d.JOURNALDETAILID as LINE ") + lines
        + QStringLiteral(") t order by DAY, t.ENTRYNO, SIDE desc, LINE");
    const QString totals = QStringLiteral("select ") + totalsShown("d")
                           + QStringLiteral(", count(distinct j.JOURNALID) as ENTRIES ") + lines;
    return {office(), periodShown(), {0, 0, totals, Period}, {0, 1, listing, Period}};
}

// The balance is written without a sign, followed by the side it stands on.
QString balanceShown(const QString& debit, const QString& credit)
{
    const QString difference = QStringLiteral("(%1) - (%2)").arg(debit, credit);
    return ReportSetup::amountText(QStringLiteral("abs(%1)").arg(difference))
           + QStringLiteral(" & iif(round((%1) * 100) > 0, ' مدين', iif(round((%1) * 100) < 0, ' دائن', ''))")
                 .arg(difference);
}

QList<Step> trialBalanceSteps()
{
    const QString moved = QStringLiteral("from chartofaccount c inner join JOURNALDETAIL d on d.ACCOUNTNUMBER = "
                                         "c.ACCOUNTNUMBER where d.TRANSACTIONDATE between :1 and :2 ");
    const QString sums = QStringLiteral("sum(") + debitOf("d") + QStringLiteral(") as DEBIT, sum(") + creditOf("d")
                         + QStringLiteral(") as CREDIT ");
    const QString accounts =
        QStringLiteral("select ACCOUNTNUMBER, ACCOUNTNAME, ") + ReportSetup::amountText("DEBIT") + QStringLiteral(" as DEBITTEXT, ")
        + ReportSetup::amountText("CREDIT") + QStringLiteral(" as CREDITTEXT, ") + balanceShown("DEBIT", "CREDIT")
        + QStringLiteral(" as BALANCE from (select c.ACCOUNTNUMBER, c.NAME as ACCOUNTNAME, ") + sums + moved
        + QStringLiteral("group by c.ACCOUNTNUMBER, c.NAME) t order by ACCOUNTNUMBER");
    const QString totals = QStringLiteral("select ") + ReportSetup::amountText("Nz(DEBIT, 0)")
                           + QStringLiteral(" as TOTALDEBIT, ") + ReportSetup::amountText("Nz(CREDIT, 0)")
                           + QStringLiteral(" as TOTALCREDIT, ") + balanceShown("Nz(DEBIT, 0)", "Nz(CREDIT, 0)")
                           + QStringLiteral(" as TOTALBALANCE from (select ") + sums + moved + QStringLiteral(") t");
    return {office(), periodShown(), {0, 0, totals, Period}, {0, 1, accounts, Period}};
}

// A letter to each customer whose driving licence ends within 30 days; the
// work table is made afresh on every run. Written as Jet's select ... into,
// which becomes create table tempmessages as select with the Jet functions
// translated (a create statement is passed to the engine as it is).
ReportSetup::Report licenceLetters()
{
    const QString letters =
        QStringLiteral("select name as CUSTOMERNAME, Nz(TITLE) as CUSTOMERTITLE, "
                       "iif(SEX = 'أنثى' or SEX = 'Female', 'المحترمة', 'المحترم') as HONORIFIC, "
                       "Nz(HOMECARLICENSE) as LICENCENO, ")
        + shownDate(QStringLiteral("HOMELICENSEEXPIRY"))
        + QStringLiteral(" as EXPIRYDATE into tempmessages from Customer where HOMELICENSEEXPIRY between Date() and "
                         "DateAdd('d', 30, Date()) order by HOMELICENSEEXPIRY, name");
    return {29, QStringLiteral("رسائل تجديد رخص القيادة"), QStringLiteral("frmCustomers"), 5,
            QStringLiteral("licenceletters.odt"),
            {{-3, 0, {}}, {-2, 0, letters}, office(), {1, 0, {}}}};
}

}

QList<ReportSetup::Report> ReportSetup::ledgerReports()
{
    const QString journal = QStringLiteral("دفتر اليومية للفترة");
    const QString trialBalance = QStringLiteral("ميزان المراجعة للفترة");
    return vouchers()
           + QList<Report>{
               ledgerEntry(),
               {25, journal, QStringLiteral("frmGLEntry"), 2, QStringLiteral("journal.odt"), journalSteps()},
               {26, trialBalance, QStringLiteral("frmGLEntry"), 3, QStringLiteral("trialbalance.odt"),
                trialBalanceSteps()},
               {27, journal, QStringLiteral("frmChartOfAccount"), 1, QStringLiteral("journal.odt"), journalSteps()},
               {28, trialBalance, QStringLiteral("frmChartOfAccount"), 2, QStringLiteral("trialbalance.odt"),
                trialBalanceSteps()},
               licenceLetters()};
}
