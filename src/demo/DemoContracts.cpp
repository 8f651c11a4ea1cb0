#include "demo/DemoContracts.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"
#include "core/StoredDate.h"
#include "demo/DemoJournal.h"

#include <QDate>

namespace {

using namespace LedgerAccounts;

using DemoJournal::Line;

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
        // Kilometres the car has run since it came back: the meter of a
        // contract long closed is behind the car's.
        qint64 drivenSince = 0;
        double deposit = 0;
        int method = 0;  // DepositMethods::All
        const char* reference = "";
        double kept = 0;  // of the deposit, against the other amounts
    } contracts[] = {
        {"عقد شهري - شركة", 2, 5, false, 0},
        {"عقد أسبوعي", 10, 3, false, 0},
        {"عقد نهاية الأسبوع", 20, 4, true, 5},
        {"عقد بتأمين مردود", 30, 3, true, 0, 1200, 150, 0},
        {"عقد بتأمين مخصوم منه", 40, 5, true, 60, 800, 200, 1, "VISA-4417", 60},
    };
    for (int i = 0; i < int(std::size(contracts)) && i < customers.count() && i < cars.count(); ++i) {
        const auto& c = contracts[i];
        const QDate exit = today.addDays(-c.exitDaysAgo);
        const QDate due = exit.addDays(c.period);
        const qint64 meter = cars.value(i, QStringLiteral("METER")).toLongLong() - c.drivenSince;
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
        // What the deposit kept covers, the customer does not pay again.
        const double paid = total - c.kept;
        const double refunded = c.deposit - c.kept;
        const QString name = QString::fromUtf8(c.name);
        const QString customer = customers.text(i, QStringLiteral("name"));
        const qint64 money = DepositMethods::All[c.method].account;
        QList<Line> lines{{Customers, true, rent, customer}, {RentIncome, false, rent, name},
                          {Customers, true, c.otherAmounts, customer}, {OtherIncome, false, c.otherAmounts, name},
                          {Cash, true, paid, name}, {Customers, false, paid, customer}};
        if (c.deposit > 0) {
            const qint64 taken = DemoJournal::post(db, QString::fromUtf8("تأمين عقد إيجار - ") + QString::fromUtf8(DepositMethods::All[c.method].arabic),
                                      exit, c.deposit, {{money, true, c.deposit, name}, {DepositsHeld, false, c.deposit, customer}});
            fields << Database::Field{QStringLiteral("DEPOSIT"), c.deposit}
                   << Database::Field{QStringLiteral("DEPOSITMETHOD"), c.method}
                   << Database::Field{QStringLiteral("DEPOSITREFERENCE"), QString::fromLatin1(c.reference)}
                   << Database::Field{QStringLiteral("DEPOSITJOURNALID"), taken}
                   << Database::Field{QStringLiteral("DEPOSITKEPT"), c.kept}
                   << Database::Field{QStringLiteral("DEPOSITREFUNDED"), refunded};
            lines << Line{DepositsHeld, true, c.kept, name} << Line{Customers, false, c.kept, customer}
                  << Line{DepositsHeld, true, refunded, customer} << Line{money, false, refunded, name};
        }
        const qint64 journal = DemoJournal::post(db, name, due, total, lines);
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
               << Database::Field{QStringLiteral("GROSSTOTAL"), total}
               << Database::Field{QStringLiteral("PAID"), paid}
               << Database::Field{QStringLiteral("REMAINDER"), total - paid}
               << Database::Field{QStringLiteral("JOURNALID"), journal};
        db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"), fields);
        if (c.drivenSince == 0)
            db.command(QStringLiteral("update car set METER = ") + QString::number(returnMeter)
                       + QStringLiteral(" where carid = ") + QString::number(carId));
    }
}
