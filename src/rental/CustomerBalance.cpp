#include "rental/CustomerBalance.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"
#include "core/StoredDate.h"

QString CustomerBalance::journals(const QString& customer)
{
    // Only ever a list to look in: a journal named twice costs nothing, where
    // taking out the repeats costs a sort.
    return QStringLiteral("select JOURNALID from RENT where CUSTOMERID = %1 "
                          "union all select DEPOSITJOURNALID from RENT where CUSTOMERID = %1 "
                          "union all select JOURNALID from RECEIPT where CUSTOMERID = %1 ")
        .arg(customer);
}

QString CustomerBalance::sql(const QString& customer, const QString& lines)
{
    QString sql = QStringLiteral("(select coalesce(sum(AMOUNT * (2 * DEBITORCREDIT - 1)), 0) from JOURNALDETAIL "
                                 "where ACCOUNTNUMBER = ")
                + QString::number(qint64(LedgerAccounts::Customers)) + QStringLiteral(" and JOURNALID in (")
                + journals(customer) + QLatin1Char(')');
    if (!lines.isEmpty())
        sql += QStringLiteral(" and (") + lines + QLatin1Char(')');
    return sql + QLatin1Char(')');
}

double CustomerBalance::of(Database& db, qint64 customerId, const QDate& upTo)
{
    const QString dates =
        upTo.isValid() ? QStringLiteral("TRANSACTIONDATE <= ") + QString::number(StoredDate::number(upTo)) : QString();
    return db.execute(QStringLiteral("select ") + sql(QString::number(customerId), dates) + QStringLiteral(" as BALANCE"))
        .value(0, 0)
        .toDouble();
}
