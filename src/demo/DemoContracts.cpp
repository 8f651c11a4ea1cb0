#include "demo/DemoContracts.h"

#include "core/Database.h"
#include "core/StoredDate.h"

#include <QDate>

namespace {

// Accounts of the shipped chart that a surrendered contract posts to.
constexpr qint64 Cash = 1100;
constexpr qint64 Customers = 1300;
constexpr qint64 RentIncome = 4100;
constexpr qint64 OtherIncome = 4300;

struct Line {
    qint64 account;
    bool debit;
    double amount;
    QString text;
};

qint64 post(Database& db, const QString& name, const QDate& date, double amount, const QList<Line>& lines)
{
    const qint64 journal = db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                                     {{QStringLiteral("NAME"), name},
                                      {QStringLiteral("AMOUNT"), amount},
                                      {QStringLiteral("TRANSACTIONDATE"), StoredDate::number(date)}});
    for (const Line& line : lines)
        db.insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                  {{QStringLiteral("JOURNALID"), journal},
                   {QStringLiteral("TRANSACTIONDATE"), StoredDate::number(date)},
                   {QStringLiteral("AMOUNT"), line.amount},
                   {QStringLiteral("ACCOUNTNUMBER"), line.account},
                   {QStringLiteral("RELATEDDETAIL"), line.text},
                   {QStringLiteral("DEBITORCREDIT"), line.debit ? 1 : 0}});
    return journal;
}

}

void DemoContracts::insert(Database& db)
{
    const QDate today = QDate::currentDate();
    const RowSet customers = db.execute(QStringLiteral(
        "select * from Customer where BLACKLIST = 0 and STOPTRANSACTION = 0 order by CUSTOMERID"));
    const RowSet cars = db.execute(QStringLiteral("select * from car where rented = 0 and STOP = 0 order by carid"));
    const struct {
        const char* name;
        int exitDaysAgo;
        int period;
        bool returned;
        double otherAmounts;
    } contracts[] = {
        {"عقد شهري - شركة", 2, 5, false, 0},
        {"عقد أسبوعي", 10, 3, false, 0},
        {"عقد نهاية الأسبوع", 20, 4, true, 5},
    };
    for (int i = 0; i < int(std::size(contracts)) && i < customers.count() && i < cars.count(); ++i) {
        const auto& c = contracts[i];
        const QDate exit = today.addDays(-c.exitDaysAgo);
        const QDate due = exit.addDays(c.period);
        const qint64 meter = cars.value(i, QStringLiteral("METER")).toLongLong();
        const double fare = cars.value(i, QStringLiteral("FARE")).toDouble();
        const qint64 carId = cars.value(i, QStringLiteral("carid")).toLongLong();
        QList<Database::Field> fields{
            {QStringLiteral("NAME"), QString::fromUtf8(c.name)},
            {QStringLiteral("CUSTOMERID"), customers.value(i, QStringLiteral("CUSTOMERID"))},
            {QStringLiteral("TITLE"), customers.text(i, QStringLiteral("TITLE"))},
            {QStringLiteral("CUSTOMERNAME"), customers.text(i, QStringLiteral("name"))},
            {QStringLiteral("IDTYPE"), customers.text(i, QStringLiteral("IDTYPE"))},
            {QStringLiteral("IDNUMBER"), customers.value(i, QStringLiteral("IDNUMBER"))},
            {QStringLiteral("LICENSENO"), customers.text(i, QStringLiteral("HOMECARLICENSE"))},
            {QStringLiteral("LICENSEEXPIRYDATE"), customers.value(i, QStringLiteral("HOMELICENSEEXPIRY"))},
            {QStringLiteral("NATIONALITY"), customers.text(i, QStringLiteral("NATIONALITY"))},
            {QStringLiteral("JOB"), customers.text(i, QStringLiteral("WORKJOB"))},
            {QStringLiteral("WORKPLACE"), customers.text(i, QStringLiteral("WORKCOMPANY"))},
            {QStringLiteral("CITY"), customers.text(i, QStringLiteral("HOMECITY"))},
            {QStringLiteral("MOB"), customers.text(i, QStringLiteral("HOMEMOB"))},
            {QStringLiteral("CARNO"), carId},
            {QStringLiteral("CARTYPE"), cars.text(i, QStringLiteral("CARTYPE"))},
            {QStringLiteral("PLATNO"), cars.text(i, QStringLiteral("PLATENO"))},
            {QStringLiteral("MODEL"), cars.text(i, QStringLiteral("BRAND"))},
            {QStringLiteral("COLOR"), cars.text(i, QStringLiteral("COLOR"))},
            {QStringLiteral("METER"), meter},
            {QStringLiteral("DAILYRENT"), fare},
            {QStringLiteral("INSURANCE"), 100.0},
            {QStringLiteral("EXITDATE"), StoredDate::number(exit)},
            {QStringLiteral("EXITTIME"), QStringLiteral("093000")},
            {QStringLiteral("RENTPERIOD"), c.period},
            {QStringLiteral("RETURNDATE"), StoredDate::number(due)},
            {QStringLiteral("RETURNED"), c.returned ? 1 : 0}};
        if (!c.returned) {
            db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"), fields);
            db.command(QStringLiteral("update car set rented = 1 where carid = ") + QString::number(carId));
            continue;
        }
        // Back on the agreed day, within the kilometres the days allow.
        const qint64 returnMeter = meter + qint64(c.period) * 90;
        const double rent = fare * c.period;
        const double total = rent + c.otherAmounts;
        const QString name = QString::fromUtf8(c.name);
        const QString customer = customers.text(i, QStringLiteral("name"));
        const qint64 journal = post(db, name, due, total,
                                    {{Customers, true, rent, customer}, {RentIncome, false, rent, name},
                                     {Customers, true, c.otherAmounts, customer}, {OtherIncome, false, c.otherAmounts, name},
                                     {Cash, true, total, name}, {Customers, false, total, customer}});
        fields << Database::Field{QStringLiteral("ACTUALRETURNDATE"), StoredDate::number(due)}
               << Database::Field{QStringLiteral("ACTUALRETURNTIME"), QStringLiteral("180000")}
               << Database::Field{QStringLiteral("ACTUALPERIOD"), c.period}
               << Database::Field{QStringLiteral("RETURNMETER"), returnMeter}
               << Database::Field{QStringLiteral("PERMITTED"), c.period * 100}
               << Database::Field{QStringLiteral("METERDIFFERENCE"), qAbs(returnMeter - meter - c.period * 100)}
               << Database::Field{QStringLiteral("REQUIREDKILOMETERSDIFF"), 0.0}
               << Database::Field{QStringLiteral("REQUIREDAMOUNT"), rent}
               << Database::Field{QStringLiteral("OTHERAMOUNTS"), c.otherAmounts}
               << Database::Field{QStringLiteral("TOTAL"), total}
               << Database::Field{QStringLiteral("PAID"), total}
               << Database::Field{QStringLiteral("REMAINDER"), 0.0}
               << Database::Field{QStringLiteral("JOURNALID"), journal};
        db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"), fields);
        db.command(QStringLiteral("update car set METER = ") + QString::number(returnMeter)
                   + QStringLiteral(" where carid = ") + QString::number(carId));
    }
}
