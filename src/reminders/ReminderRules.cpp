#include "reminders/ReminderRules.h"

#include "core/Database.h"

namespace {

// Dates are yyyymmdd numbers; DateAdd keeps them so. What has already expired
// is the most urgent of all, so a reminder reaches back without limit; a date
// never entered is 0.
QString dueBy(const QString& column)
{
    return QStringLiteral("(%1 > 0 and %1 <= DateAdd('d', 30, Date()))").arg(column);
}

const QString Car = QStringLiteral("select Nz(PLATENO) & ' ' & Nz(name)");
const QString CarKey = QStringLiteral(", carid");
const QString Cars = QStringLiteral("frmCars");

QString maintenance(int schedule, const QString& key = CarKey)
{
    const QString n = QString::number(schedule);
    return (Car + QStringLiteral(" & ' - ' & MAINTYPE%1") + key + QStringLiteral(" from car where trim(MAINTYPE%1) <> ''"
                                " and ((EVERYDAYS%1 > 0 and DateAdd('d', EVERYDAYS%1, MAINTSTART%1) <= Date())"
                                " or (MAINTMILES%1 > 0 and METER >= MAINTMILESSTART%1 + MAINTMILES%1))"
                                " order by PLATENO"))
        .arg(n);
}

// The rules earlier versions shipped that now read otherwise, by name and
// query as shipped; an office that changed one keeps its own.
struct Replaced {
    QString name;
    QString query;
    int now;  // the position of the rule in dueList()
};

// A reservation as the due list names it: number, customer, the car or the
// type asked for, and the hour of the pick-up.
const QString Booking = QStringLiteral(
    "select 'حجز ' & RESERVATIONID & ' ' & Nz(CUSTOMERNAME) & ' - ' & iif(Nz(PLATNO) = '', Nz(CARTYPE), PLATNO)"
    " & ' - ' & Mid(PICKUPTIME, 1, 2) & ':' & Mid(PICKUPTIME, 3, 2), RESERVATIONID from RESERVATION where STATE = 0 and ");
const QString Now = QStringLiteral("Mid(Now(), 12, 2) & Mid(Now(), 15, 2) & Mid(Now(), 18, 2)");
const QString Reservations = QStringLiteral("frmReservation");

const QList<Replaced>& replaced()
{
    const QString nextMonth = QStringLiteral(" between Date() and DateAdd('d', 30, Date())");
    static const QList<Replaced> rules{
        {QStringLiteral("صيانة مستحقة (الجدول 1): "), maintenance(1, {}), 2},
        {QStringLiteral("صيانة مستحقة (الجدول 2): "), maintenance(2, {}), 3},
        {QStringLiteral("صيانة مستحقة (الجدول 3): "), maintenance(3, {}), 4},
        {QStringLiteral("عقد تجاوز موعد الإرجاع: "),
         QStringLiteral("select 'عقد ' & RENTID & ' ' & Nz(NAME) & ' - ' & Nz(CUSTOMERNAME) from RENT"
                        " where RETURNED = 0 and RETURNDATE > 0 and RETURNDATE < Date() order by RENTID"),
         5},
        {QStringLiteral("تأمين سيارة ينتهي خلال 30 يوماً: "),
         Car + QStringLiteral(" from car where INSURANEDC1DATETTO") + nextMonth + QStringLiteral(" or INSURANCE2DATETO")
             + nextMonth + QStringLiteral(" order by PLATENO"),
         0},
        {QStringLiteral("ترخيص سيارة ينتهي خلال 30 يوماً: "),
         Car + QStringLiteral(" from car where LICENSEEXPIRY") + nextMonth + QStringLiteral(" order by PLATENO"), 1},
        {QStringLiteral("رخصة قيادة عميل تنتهي خلال 30 يوماً: "),
         QStringLiteral("select Nz(name) from Customer where HOMELICENSEEXPIRY") + nextMonth
             + QStringLiteral(" order by name"),
         6},
    };
    return rules;
}

}

namespace ReminderRules {

const QList<Rule>& dueList()
{
    // The earliest date first: what expired longest ago leads.
    static const QList<Rule> rules{
        {QStringLiteral("تأمين سيارة منتهٍ أو ينتهي خلال 30 يوماً: "),
         QStringLiteral("انتهت إحدى وثيقتي تأمين هذه السيارة أو تنتهي خلال 30 يوماً: جدّد التأمين قبل أن تؤجرها."),
         Car + CarKey + QStringLiteral(" from car where ") + dueBy(QStringLiteral("INSURANEDC1DATETTO"))
             + QStringLiteral(" or ") + dueBy(QStringLiteral("INSURANCE2DATETO"))
             + QStringLiteral(" order by PLATENO"),
         Cars},
        {QStringLiteral("ترخيص سيارة منتهٍ أو ينتهي خلال 30 يوماً: "),
         QStringLiteral("انتهى ترخيص هذه السيارة أو ينتهي خلال 30 يوماً: جدّده لدى المرور."),
         Car + CarKey + QStringLiteral(" from car where ") + dueBy(QStringLiteral("LICENSEEXPIRY"))
             + QStringLiteral(" order by LICENSEEXPIRY, PLATENO"),
         Cars},
        {QStringLiteral("صيانة مستحقة (الجدول 1): "),
         QStringLiteral("حلّ موعد صيانة الجدول الأول لهذه السيارة بالتاريخ أو بالكيلومترات."), maintenance(1), Cars},
        {QStringLiteral("صيانة مستحقة (الجدول 2): "),
         QStringLiteral("حلّ موعد صيانة الجدول الثاني لهذه السيارة بالتاريخ أو بالكيلومترات."), maintenance(2), Cars},
        {QStringLiteral("صيانة مستحقة (الجدول 3): "),
         QStringLiteral("حلّ موعد صيانة الجدول الثالث لهذه السيارة بالتاريخ أو بالكيلومترات."), maintenance(3), Cars},
        {QStringLiteral("عقد تجاوز موعد الإرجاع: "),
         QStringLiteral("لم تُرجع سيارة هذا العقد في الموعد المتفق عليه: اتصل بالعميل."),
         QStringLiteral("select 'عقد ' & RENTID & ' ' & Nz(NAME) & ' - ' & Nz(CUSTOMERNAME), RENTID from RENT"
                        " where RETURNED = 0 and RETURNDATE > 0 and RETURNDATE < Date() order by RENTID"),
         QStringLiteral("frmRentCar")},
        {QStringLiteral("رخصة قيادة عميل منتهية أو تنتهي خلال 30 يوماً: "),
         QStringLiteral("انتهت رخصة قيادة هذا العميل أو تنتهي خلال 30 يوماً: اطلب صورة الرخصة الجديدة قبل تأجيره."),
         QStringLiteral("select Nz(name), CUSTOMERID from Customer where ") + dueBy(QStringLiteral("HOMELICENSEEXPIRY"))
             + QStringLiteral(" order by HOMELICENSEEXPIRY, name"),
         QStringLiteral("frmCustomers")},
        {QStringLiteral("حجز يُستلم اليوم: "),
         QStringLiteral("يأتي هذا العميل اليوم لاستلام سيارته المحجوزة: جهّزها قبل موعده."),
         Booking + QStringLiteral("PICKUPDATE = Date() and Nz(PICKUPTIME) >= ") + Now
             + QStringLiteral(" order by PICKUPTIME"),
         Reservations},
        {QStringLiteral("حجز لم يُستلم في موعده: "),
         QStringLiteral("فات موعد استلام هذا الحجز ولم يحضر العميل: اتصل به، ثم سجّل الاستلام أو عدم الحضور."),
         Booking + QStringLiteral("(PICKUPDATE < Date() or (PICKUPDATE = Date() and Nz(PICKUPTIME) < ") + Now
             + QStringLiteral(")) order by PICKUPDATE, PICKUPTIME"),
         Reservations},
    };
    return rules;
}

void upgrade(Database& db)
{
    for (const Replaced& old : replaced()) {
        const Rule& rule = dueList().at(old.now);
        db.executeBound(QStringLiteral("UPDATE _Reminder SET REMINDERRULENAME = ?, Message = ?, SQLREMINDERLIST = ?, "
                                       "RECORDSCREEN = ? WHERE REMINDERRULENAME = ? AND SQLREMINDERLIST = ?"),
                        {rule.name, rule.message, rule.query, rule.screen, old.name, old.query});
    }
}

void insert(Database& db, const Rule& rule)
{
    db.insert(QStringLiteral("_Reminder"), QStringLiteral("REMINDERID"),
              {{QStringLiteral("REMINDERRULENAME"), rule.name},
               {QStringLiteral("REMINDERTYPE"), 1},
               {QStringLiteral("ONOFF"), 1},
               {QStringLiteral("Message"), rule.message},
               // No day of their own: the diary shows 31/12/9999, never today.
               {QStringLiteral("REMINDERDATE"), 99991231},
               {QStringLiteral("SQLREMINDERLIST"), rule.query},
               {QStringLiteral("RECORDSCREEN"), rule.screen},
               {QStringLiteral("FREQUENCY"), QStringLiteral("يومي")}});
}

void insert(Database& db)
{
    for (const Rule& rule : dueList())
        insert(db, rule);
}

void addReservationRules(Database& db)
{
    for (const Rule& rule : dueList())
        if (rule.screen == Reservations
            && db.executeBound(QStringLiteral("SELECT count(*) FROM _Reminder WHERE REMINDERRULENAME = ?"), {rule.name})
                       .value(0, 0)
                       .toInt()
                   == 0)
            insert(db, rule);
}

}
