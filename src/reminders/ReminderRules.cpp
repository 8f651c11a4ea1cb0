#include "reminders/ReminderRules.h"

#include "core/Database.h"

namespace {

// Dates are yyyymmdd numbers; DateAdd keeps them so.
const QString InNextMonth = QStringLiteral(" between Date() and DateAdd('d', 30, Date())");
const QString Car = QStringLiteral("select Nz(PLATENO) & ' ' & Nz(name)");

QString maintenance(int schedule)
{
    const QString n = QString::number(schedule);
    return Car + QStringLiteral(" & ' - ' & MAINTYPE%1 from car where trim(MAINTYPE%1) <> ''"
                                " and ((EVERYDAYS%1 > 0 and DateAdd('d', EVERYDAYS%1, MAINTSTART%1) <= Date())"
                                " or (MAINTMILES%1 > 0 and METER >= MAINTMILESSTART%1 + MAINTMILES%1))"
                                " order by PLATENO")
                     .arg(n);
}

}

namespace ReminderRules {

const QList<Rule>& dueList()
{
    static const QList<Rule> rules{
        {QStringLiteral("تأمين سيارة ينتهي خلال 30 يوماً: "),
         QStringLiteral("تنتهي إحدى وثيقتي تأمين هذه السيارة خلال 30 يوماً: جدّد التأمين قبل أن تؤجرها."),
         Car + QStringLiteral(" from car where INSURANEDC1DATETTO") + InNextMonth
             + QStringLiteral(" or INSURANCE2DATETO") + InNextMonth + QStringLiteral(" order by PLATENO")},
        {QStringLiteral("ترخيص سيارة ينتهي خلال 30 يوماً: "),
         QStringLiteral("ينتهي ترخيص هذه السيارة خلال 30 يوماً: جدّده لدى المرور."),
         Car + QStringLiteral(" from car where LICENSEEXPIRY") + InNextMonth + QStringLiteral(" order by PLATENO")},
        {QStringLiteral("صيانة مستحقة (الجدول 1): "),
         QStringLiteral("حلّ موعد صيانة الجدول الأول لهذه السيارة بالتاريخ أو بالكيلومترات."), maintenance(1)},
        {QStringLiteral("صيانة مستحقة (الجدول 2): "),
         QStringLiteral("حلّ موعد صيانة الجدول الثاني لهذه السيارة بالتاريخ أو بالكيلومترات."), maintenance(2)},
        {QStringLiteral("صيانة مستحقة (الجدول 3): "),
         QStringLiteral("حلّ موعد صيانة الجدول الثالث لهذه السيارة بالتاريخ أو بالكيلومترات."), maintenance(3)},
        {QStringLiteral("عقد تجاوز موعد الإرجاع: "),
         QStringLiteral("لم تُرجع سيارة هذا العقد في الموعد المتفق عليه: اتصل بالعميل."),
         QStringLiteral("select 'عقد ' & RENTID & ' ' & Nz(NAME) & ' - ' & Nz(CUSTOMERNAME) from RENT"
                        " where RETURNED = 0 and RETURNDATE > 0 and RETURNDATE < Date() order by RENTID")},
        {QStringLiteral("رخصة قيادة عميل تنتهي خلال 30 يوماً: "),
         QStringLiteral("تنتهي رخصة قيادة هذا العميل خلال 30 يوماً: اطلب صورة الرخصة الجديدة قبل تأجيره."),
         QStringLiteral("select Nz(name) from Customer where HOMELICENSEEXPIRY") + InNextMonth
             + QStringLiteral(" order by name")},
    };
    return rules;
}

void insert(Database& db)
{
    for (const Rule& rule : dueList())
        db.insert(QStringLiteral("_Reminder"), QStringLiteral("REMINDERID"),
                  {{QStringLiteral("REMINDERRULENAME"), rule.name},
                   {QStringLiteral("REMINDERTYPE"), 1},
                   {QStringLiteral("ONOFF"), 1},
                   {QStringLiteral("Message"), rule.message},
                   // No day of their own: the diary shows 31/12/9999, never today.
                   {QStringLiteral("REMINDERDATE"), 99991231},
                   {QStringLiteral("SQLREMINDERLIST"), rule.query},
                   {QStringLiteral("FREQUENCY"), QStringLiteral("يومي")}});
}

}
