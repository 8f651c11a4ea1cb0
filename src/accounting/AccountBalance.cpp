#include "accounting/AccountBalance.h"

#include "core/Database.h"
#include "core/SqlValue.h"

#include <cmath>

namespace {

// A line's side is 1 for a debit and 0 for a credit; one pass sums both, each
// line's amount added where its side says (cheaper than an amount times the side).
const QString Sums = QStringLiteral("sum(d.AMOUNT) filter (where d.DEBITORCREDIT = 1) as DEBIT , "
                                    "sum(d.AMOUNT) filter (where d.DEBITORCREDIT = 0) as CREDIT ");

}

AccountBalance AccountBalance::of(Database& db, qint64 number)
{
    const RowSet rows =
        db.execute(QStringLiteral("select ") + Sums + QStringLiteral(" from JOURNALDETAIL d where d.ACCOUNTNUMBER = ")
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
    // The lines are summed per account first, in one pass over the account's
    // index, and only then joined to the chart: joined first, every line
    // would be sorted by the account's name too.
    const RowSet rows = db.execute(
        QStringLiteral("select c.ACCOUNTNUMBER , c.NAME , sum(d.DEBIT) as DEBIT , sum(d.CREDIT) as CREDIT "
                       "from chartofaccount c left join (select d.ACCOUNTNUMBER , ")
        + Sums
        + QStringLiteral(" from JOURNALDETAIL d group by d.ACCOUNTNUMBER) d on d.ACCOUNTNUMBER = c.ACCOUNTNUMBER "
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
