#include "rental/CustomerBalance.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"
#include "core/StoredDate.h"

double CustomerBalance::of(Database& db, qint64 customerId, const QDate& upTo)
{
    const QString customer = QString::number(customerId);
    QString sql = QStringLiteral("select sum(AMOUNT * (2 * DEBITORCREDIT - 1)) from JOURNALDETAIL where ACCOUNTNUMBER = ")
                + QString::number(qint64(LedgerAccounts::Customers))
                + QStringLiteral(" and JOURNALID in (select JOURNALID from RENT where CUSTOMERID = ") + customer
                + QStringLiteral(" union select DEPOSITJOURNALID from RENT where CUSTOMERID = ") + customer
                + QStringLiteral(" union select JOURNALID from RECEIPT where CUSTOMERID = ") + customer
                + QLatin1Char(')');
    if (upTo.isValid())
        sql += QStringLiteral(" and TRANSACTIONDATE <= ") + QString::number(StoredDate::number(upTo));
    return db.execute(sql).value(0, 0).toDouble();
}
