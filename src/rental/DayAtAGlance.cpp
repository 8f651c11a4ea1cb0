#include "rental/DayAtAGlance.h"

#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/RecordListModel.h"
#include "engine/StoredValue.h"

namespace {

constexpr int Plain = -1;
constexpr int Date = StoredValue::Date;
constexpr int Money = RecordListModel::Money;

QString as(const QString& caption)
{
    return QStringLiteral(" as [") + QString(caption).remove(QLatin1Char(']')) + QLatin1Char(']');
}

QString literal(const QString& text)
{
    return QLatin1Char('\'') + SqlValue::text(text) + QLatin1Char('\'');
}

// A paper that runs out: whose it is, the screen that shows its owner and
// the column of its last day. A date never entered is 0.
struct Paper {
    const char* what;
    const char* table;
    const char* key;
    const char* screen;
    const char* owner;
    const char* expiry;
};
const Paper Papers[] = {
    {QT_TRANSLATE_NOOP("DayAtAGlance", "First insurance"), "car", "carid", "frmCars", "PLATENO", "INSURANEDC1DATETTO"},
    {QT_TRANSLATE_NOOP("DayAtAGlance", "Second insurance"), "car", "carid", "frmCars", "PLATENO",
     "INSURANCE2DATETO"},
    {QT_TRANSLATE_NOOP("DayAtAGlance", "Car licence"), "car", "carid", "frmCars", "PLATENO", "LICENSEEXPIRY"},
    {QT_TRANSLATE_NOOP("DayAtAGlance", "Driving licence"), "Customer", "CUSTOMERID", "frmCustomers", "name",
     "HOMELICENSEEXPIRY"},
};

QString runsOut(const Paper& paper, const QString& lastDay)
{
    return QStringLiteral("%1 > 0 and %1 <= %2").arg(QLatin1String(paper.expiry), lastDay);
}

// An open contract holds its car from the day it went out until it comes
// back; a booked reservation from its pick-up day to its return day.
QString contracts(const QString& today, DayAtAGlance::Item item)
{
    switch (item) {
    case DayAtAGlance::DueBack:
        return QStringLiteral("RETURNED = 0 and RETURNDATE = ") + today;
    case DayAtAGlance::Overdue:
        return QStringLiteral("RETURNED = 0 and RETURNDATE > 0 and RETURNDATE < ") + today;
    default:
        return QStringLiteral("RETURNED = 0 and EXITDATE <= ") + today;
    }
}

QString maintenanceDue(const QString& today)
{
    QStringList schedules;
    for (int n = 1; n <= 3; ++n)
        schedules << QStringLiteral("(c.EVERYDAYS%1 > 0 and c.MAINTSTART%1 > 0 and "
                                    "DateAdd('d', c.EVERYDAYS%1, c.MAINTSTART%1) = %2)")
                         .arg(n)
                         .arg(today);
    return schedules.join(QStringLiteral(" or "));
}

// The cars held today are gathered once (by the open contracts' and the
// booked reservations' own indexes), not looked up car by car.
QString freeCar(const QString& today)
{
    return QStringLiteral("c.STOP = 0 and c.carid not in (select CARNO from RENT where RETURNED = 0 and "
                          "EXITDATE <= %1 and CARNO is not null) and c.carid not in (select CARNO from RESERVATION "
                          "where STATE = 0 and PICKUPDATE <= %1 and RETURNDATE >= %1 and CARNO is not null) and not (")
               .arg(today)
         + maintenanceDue(today) + QLatin1Char(')');
}

QString pickUps(const QString& today)
{
    return QStringLiteral("STATE = 0 and PICKUPDATE = ") + today;
}

QString count(const QString& from, const QString& where)
{
    return QStringLiteral("(select count(*) from ") + from + QStringLiteral(" where ") + where + QLatin1Char(')');
}

// A line's side is 1 for a debit and 0 for a credit: income counts what the
// account was credited, a customer what he was charged.
QString credited(const QString& line = {})
{
    return QStringLiteral("%1AMOUNT * (1 - 2 * %1DEBITORCREDIT)").arg(line);
}

QString charged()
{
    return QStringLiteral("AMOUNT * (2 * DEBITORCREDIT - 1)");
}

}

DayAtAGlance::DayAtAGlance(Database& db, const QDate& today) : m_db(db), m_today(today)
{
}

QString DayAtAGlance::day(int daysFromToday) const
{
    return StoredDate::text(m_today.addDays(daysFromToday));
}

QString DayAtAGlance::thisMonth(const QString& column) const
{
    const QDate first(m_today.year(), m_today.month(), 1);
    return QStringLiteral(" and %1 between %2 and %3")
        .arg(column, StoredDate::text(first), StoredDate::text(first.addDays(m_today.daysInMonth() - 1)));
}

QString DayAtAGlance::caption(Item item)
{
    switch (item) {
    case CarsOut: return tr("Cars out");
    case DueBack: return tr("Due back today");
    case Overdue: return tr("Overdue");
    case PickUps: return tr("To pick up today");
    case FreeCars: return tr("Free cars now");
    case Stopped: return tr("Cars stopped");
    case Documents: return tr("Papers expiring");
    case MonthIncome: return tr("Rent income this month");
    case CustomersOwe: return tr("Customers owe");
    }
    return {};
}

const DayAtAGlance::Accounts& DayAtAGlance::accounts()
{
    if (m_accountsRead)
        return m_accounts;
    const RowSet rule = m_db.execute(
        QStringLiteral("select d.DEBITACCOUNTFIELD, d.CREDITACCOUNTFIELD from _GLRULE r inner join _GLRULEDETAIL d "
                       "on d.GLRULEID = r.GLRULEID where r.WINDOWNAME = 'frmRentCar' and "
                       "r.AMOUNTFIELD = ':dfnRequiredAmount' order by d.GLRULEDETAILID"));
    const auto account = [&](const QString& column) {
        const QString text = rule.isEmpty() ? QString() : rule.text(0, column).trimmed();
        return SqlValue::isNumber(text) ? text.toLongLong() : 0;
    };
    m_accounts = {account(QStringLiteral("DEBITACCOUNTFIELD")), account(QStringLiteral("CREDITACCOUNTFIELD"))};
    m_accountsRead = true;
    return m_accounts;
}

DayAtAGlance::Figures DayAtAGlance::figures()
{
    const Accounts& ledger = accounts();
    const QString today = day();
    QStringList papers;
    for (const Paper& paper : Papers)
        papers << count(QLatin1String(paper.table), runsOut(paper, day(30)));
    const QStringList parts{
        count(QStringLiteral("RENT"), contracts(today, CarsOut)),
        count(QStringLiteral("RENT"), contracts(today, DueBack)),
        count(QStringLiteral("RENT"), contracts(today, Overdue)),
        count(QStringLiteral("RESERVATION"), pickUps(today)),
        count(QStringLiteral("car c"), freeCar(today)),
        count(QStringLiteral("car"), QStringLiteral("STOP <> 0")),
        papers.join(QStringLiteral(" + ")),
        // The ledger's sums come from its months, kept as the lines are written.
        QStringLiteral("(select sum(CREDIT - DEBIT) from ACCOUNTMONTH where ACCOUNTNUMBER = ")
            + SqlValue::number(ledger.rentIncome) + QStringLiteral(" and YEARMONTH = ")
            + QString::number(m_today.year() * 100 + m_today.month()) + QLatin1Char(')'),
        QStringLiteral("(select sum(DEBIT - CREDIT) from ACCOUNTMONTH where ACCOUNTNUMBER = ")
            + SqlValue::number(ledger.customers) + QLatin1Char(')'),
    };
    QStringList columns;
    for (int i = 0; i < ItemCount; ++i)
        columns << parts.at(i) + QStringLiteral(" as n%1").arg(i);
    const RowSet row = m_db.execute(QStringLiteral("select ") + columns.join(QStringLiteral(", ")));
    Figures figures{};
    for (int i = 0; i < ItemCount; ++i)
        figures[i] = row.isEmpty() ? 0 : row.value(0, i).toDouble();
    return figures;
}

DayAtAGlance::List DayAtAGlance::list(Item item)
{
    const QString today = day();
    switch (item) {
    case CarsOut:
    case DueBack:
    case Overdue:
        return {QStringLiteral("select RENTID as recordkey, 'frmRentCar' as screen, RENTID") + as(tr("Contract"))
                    + QStringLiteral(", CUSTOMERNAME") + as(tr("Customer")) + QStringLiteral(", PLATNO")
                    + as(tr("Plate")) + QStringLiteral(", EXITDATE") + as(tr("Out on")) + QStringLiteral(", RETURNDATE")
                    + as(tr("Due back")) + QStringLiteral(" from RENT where ") + contracts(today, item)
                    + QStringLiteral(" order by RETURNDATE, RENTID"),
                {Plain, Plain, Plain, Plain, Plain, Date, Date}};
    case PickUps:
        return {QStringLiteral("select RESERVATIONID as recordkey, 'frmReservation' as screen, RESERVATIONID")
                    + as(tr("Reservation")) + QStringLiteral(", CUSTOMERNAME") + as(tr("Customer"))
                    + QStringLiteral(", MOB") + as(tr("Mobile")) + QStringLiteral(", PLATNO") + as(tr("Plate"))
                    + QStringLiteral(", CARTYPE") + as(tr("Car type")) + QStringLiteral(", PICKUPTIME")
                    + as(tr("Pick-up time")) + QStringLiteral(", RETURNDATE") + as(tr("Return date"))
                    + QStringLiteral(" from RESERVATION where ") + pickUps(today)
                    + QStringLiteral(" order by PICKUPTIME, RESERVATIONID"),
                {Plain, Plain, Plain, Plain, Plain, Plain, Plain, StoredValue::Time, Date}};
    case FreeCars:
    case Stopped:
        return {QStringLiteral("select c.carid as recordkey, 'frmCars' as screen, c.PLATENO") + as(tr("Plate"))
                    + QStringLiteral(", c.MAKE") + as(tr("Make")) + QStringLiteral(", c.BRAND") + as(tr("Model"))
                    + QStringLiteral(", c.CARTYPE") + as(tr("Car type")) + QStringLiteral(", c.FARE")
                    + as(tr("Daily rent")) + QStringLiteral(" from car c where ")
                    + (item == FreeCars ? freeCar(today) : QStringLiteral("c.STOP <> 0"))
                    + QStringLiteral(" order by c.PLATENO, c.carid"),
                {Plain, Plain, Plain, Plain, Plain, Plain, Money}};
    case Documents: {
        QStringList papers;
        for (const Paper& paper : Papers)
            papers << QStringLiteral("select %1 as recordkey, '%2' as screen, %3 as paper, %4 as owner, %5 as expiry "
                                     "from %6 where ")
                              .arg(QLatin1String(paper.key), QLatin1String(paper.screen), literal(tr(paper.what)),
                                   QLatin1String(paper.owner), QLatin1String(paper.expiry), QLatin1String(paper.table))
                          + runsOut(paper, day(30));
        return {QStringLiteral("select recordkey, screen, paper") + as(tr("Paper")) + QStringLiteral(", owner")
                    + as(tr("Car or customer")) + QStringLiteral(", expiry") + as(tr("Last day"))
                    + QStringLiteral(" from (") + papers.join(QStringLiteral(" union all "))
                    + QStringLiteral(") papers order by expiry, owner"),
                {Plain, Plain, Plain, Plain, Date}};
    }
    case MonthIncome:
        // A contract's posting opens its contract, a voucher its voucher
        // screen, anything else the ledger entry. Contracts not yet posted
        // keep journal 0, which no line may match.
        return {QStringLiteral("select coalesce(r.RENTID, j.JOURNALID) as recordkey, case when r.RENTID is not null "
                               "then 'frmRentCar' when j.WINDOWNAME like 'frm%' then j.WINDOWNAME "
                               "else 'frmGLEntry' end as screen, d.TRANSACTIONDATE")
                    + as(tr("Date")) + QStringLiteral(", j.NAME") + as(tr("Entry")) + QStringLiteral(", d.RELATEDDETAIL")
                    + as(tr("Reference")) + QStringLiteral(", ") + credited(QStringLiteral("d.")) + as(tr("Amount"))
                    + QStringLiteral(" from (JOURNALDETAIL d left join JOURNAL j on j.JOURNALID = d.JOURNALID) "
                                     "left join RENT r on r.JOURNALID = d.JOURNALID and r.JOURNALID > 0 where d.ACCOUNTNUMBER = ")
                    + SqlValue::number(accounts().rentIncome) + thisMonth(QStringLiteral("d.TRANSACTIONDATE"))
                    + QStringLiteral(" order by d.TRANSACTIONDATE, d.JOURNALDETAILID"),
                {Plain, Plain, Date, Plain, Plain, Money}};
    case CustomersOwe:
        // The ledger knows a customer by the name his lines carry. The
        // customers are matched by name in one join: a look for each name
        // would read the whole table each time, there being no index on it.
        return {QStringLiteral("select c.CUSTOMERID as recordkey, 'frmCustomers' as screen, customer")
                    + as(tr("Customer")) + QStringLiteral(", owed") + as(tr("Owes"))
                    + QStringLiteral(" from (select RELATEDDETAIL as customer, sum(") + charged()
                    + QStringLiteral(") as owed from JOURNALDETAIL where ACCOUNTNUMBER = ")
                    + SqlValue::number(accounts().customers)
                    + QStringLiteral(" group by RELATEDDETAIL) owing left join (select name, min(CUSTOMERID) as "
                                     "CUSTOMERID from Customer group by name) c on c.name = owing.customer "
                                     "where abs(owed) >= 0.005 order by owed desc"),
                {Plain, Plain, Plain, Money}};
    }
    return {};
}
