#include "accounting/AccountBalance.h"

#include "core/Database.h"
#include "core/SqlValue.h"

#include <cmath>

AccountBalance AccountBalance::of(Database& db, qint64 number)
{
    // The account's lines as summed per month while they were written.
    const RowSet rows = db.execute(QStringLiteral("select sum(DEBIT) as DEBIT , sum(CREDIT) as CREDIT from ACCOUNTMONTH "
                                                  "where ACCOUNTNUMBER = ")
                                   + SqlValue::number(number));
    AccountBalance b;
    b.number = number;
    if (!rows.isEmpty()) {
        b.debit = rows.value(0, QStringLiteral("DEBIT")).toDouble();
        b.credit = rows.value(0, QStringLiteral("CREDIT")).toDouble();
    }
    return b;
}

QList<AccountBalance> AccountBalance::all(Database& db)
{
    const RowSet rows = db.execute(
        QStringLiteral("select c.ACCOUNTNUMBER , c.NAME , sum(m.DEBIT) as DEBIT , sum(m.CREDIT) as CREDIT from "
                       "chartofaccount c left join ACCOUNTMONTH m on m.ACCOUNTNUMBER = c.ACCOUNTNUMBER "
                       "group by c.ACCOUNTNUMBER , c.NAME order by c.ACCOUNTNUMBER"));
    QList<AccountBalance> balances;
    balances.reserve(rows.count());
    for (int r = 0; r < rows.count(); ++r)
        balances.append({rows.value(r, QStringLiteral("ACCOUNTNUMBER")).toLongLong(),
                         rows.text(r, QStringLiteral("NAME")).trimmed(),
                         rows.value(r, QStringLiteral("DEBIT")).toDouble(),
                         rows.value(r, QStringLiteral("CREDIT")).toDouble()});
    return balances;
}

QString AccountBalance::amountText(double amount)
{
    // No "-0.00" for a balance that cancels out.
    const double cents = std::round(amount * 100) / 100;
    return QString::number(cents == 0 ? 0.0 : cents, 'f', 2);
}
