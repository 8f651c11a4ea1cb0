#include "demo/DemoOffice.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"
#include "core/StoredDate.h"
#include "demo/DemoContracts.h"
#include "demo/DemoDueList.h"
#include "demo/DemoFleet.h"
#include "demo/DemoReceipts.h"
#include "demo/DemoReservations.h"
#include "demo/DemoVat.h"
#include "demo/DemoVouchers.h"

#include <QDate>


void DemoOffice::insert(Database& db, bool vat)
{
    const QDate today = QDate::currentDate();
    const qint64 created = StoredDate::number(today);

    DemoFleet::insert(db);

    struct DemoCustomer {
        const char* name;
        const char* title;
        const char* nationality;
        const char* sex;
        qint64 idNumber;
        const char* licence;
        const char* city;
        const char* mobile;
        const char* company;
        const char* job;
        bool blackListed = false;
    };
    const DemoCustomer customers[] = {
        {"أحمد عبدالله الصالح", "السيد", "كويتي", "ذكر", 285010101234LL, "L-448120", "الجهراء", "99887766", "بنك الكويت الوطني", "محاسب"},
        {"سارة محمد العلي", "السيدة", "كويتية", "أنثى", 290030405678LL, "L-512907", "حولي", "66554433", "وزارة التربية", "معلمة"},
        {"John Smith", "Mr.", "British", "Male", 279112209876LL, "L-600311", "السالمية", "55001122", "Gulf Oil Services", "Engineer"},
        {"محمود حسن إبراهيم", "السيد", "مصري", "ذكر", 283070712345LL, "L-377450", "الفروانية", "97778899", "شركة المقاولات المتحدة", "مهندس مدني"},
        {"خالد فهد المطيري", "السيد", "كويتي", "ذكر", 281020203456LL, "L-401122", "الأحمدي", "99112233", "شركة نفط الكويت", "فني تشغيل"},
        {"نورة سعد العنزي", "الآنسة", "كويتية", "أنثى", 296050506789LL, "L-655091", "الجهراء", "66223344", "جامعة الكويت", "باحثة"},
        {"راجيش كومار", "Mr.", "هندي", "ذكر", 280080801122LL, "L-702214", "الفروانية", "55667788", "مستشفى الصباح", "ممرض"},
        {"فاطمة يوسف الكندري", "السيدة", "كويتية", "أنثى", 288121209988LL, "L-488390", "حولي", "97001234", "بيت التمويل الكويتي", "موظفة خدمة عملاء"},
        {"عمر سالم باوزير", "السيد", "سعودي", "ذكر", 284040405566LL, "L-530772", "العاصمة", "99445566", "مجموعة الخليج التجارية", "مندوب مبيعات", true},
        {"هاني جميل الخطيب", "المهندس", "أردني", "ذكر", 282060607788LL, "L-419903", "السالمية", "66889900", "شركة الاتصالات المتنقلة", "مهندس شبكات"},
        {"منى عادل شحادة", "الدكتور", "سورية", "أنثى", 285090903344LL, "L-566128", "حولي", "55443322", "عيادات الشفاء", "طبيبة أسنان"},
        {"Peter Brown", "Mr.", "British", "Male", 277010106655LL, "L-610447", "الفنطاس", "94556677", "British Council", "Teacher"},
        {"بدر ناصر الرشيدي", "السيد", "كويتي", "ذكر", 291111101212LL, "L-701558", "مبارك الكبير", "65998877", "وزارة الداخلية", "ضابط"},
        {"ريم عبدالعزيز الشمري", "الآنسة", "كويتية", "أنثى", 298020207878LL, "L-720036", "الجهراء", "51234567", "طالبة جامعية", "طالبة"},
        {"أيمن فتحي عبدالرحمن", "السيد", "مصري", "ذكر", 279030304545LL, "L-395617", "الفروانية", "99887700", "شركة المقاولات المتحدة", "مراقب موقع", true},
        {"جاسم محمد الفيلكاوي", "السيد", "كويتي", "ذكر", 276070709090LL, "L-350284", "العاصمة", "96655443", "متقاعد", "متقاعد"},
        {"لطيفة حمد البناي", "السيدة", "كويتية", "أنثى", 287101002323LL, "L-477319", "الأحمدي", "60102030", "وزارة الصحة", "صيدلانية"},
        {"ماجد طارق الحربي", "السيد", "سعودي", "ذكر", 289050508181LL, "L-540662", "الخفجي", "97334455", "شركة نقل البضائع", "سائق"},
        {"سعاد إبراهيم النجار", "السيدة", "أردنية", "أنثى", 286080801717LL, "L-498805", "السالمية", "55778899", "مدرسة النجاح الخاصة", "مديرة مدرسة"},
        {"يوسف عيسى العوضي", "المهندس", "كويتي", "ذكر", 283121206464LL, "L-459930", "حولي", "99001122", "بلدية الكويت", "مهندس معماري"},
    };
    for (const DemoCustomer& customer : customers) {
        db.insert(QStringLiteral("Customer"), QStringLiteral("CUSTOMERID"),
                  {{QStringLiteral("name"), QString::fromUtf8(customer.name)},
                   {QStringLiteral("CREATEDT"), created},
                   {QStringLiteral("CREATIONDATE"), created},
                   {QStringLiteral("TITLE"), QString::fromUtf8(customer.title)},
                   {QStringLiteral("IDTYPE"), QStringLiteral("البطاقة المدنية")},
                   {QStringLiteral("IDNUMBER"), customer.idNumber},
                   {QStringLiteral("ISSUEPLACE"), QStringLiteral("الكويت")},
                   {QStringLiteral("LICENSETYPE"), QStringLiteral("خاصة")},
                   {QStringLiteral("HOMECARLICENSE"), QString::fromUtf8(customer.licence)},
                   {QStringLiteral("HOMELICENSEEXPIRY"), StoredDate::number(today.addYears(2))},
                   {QStringLiteral("NATIONALITY"), QString::fromUtf8(customer.nationality)},
                   {QStringLiteral("SEX"), QString::fromUtf8(customer.sex)},
                   {QStringLiteral("BLACKLIST"), customer.blackListed ? 1 : 0},
                   {QStringLiteral("STOPTRANSACTION"), 0},
                   {QStringLiteral("BALANCE"), 0.0},
                   {QStringLiteral("HOMECITY"), QString::fromUtf8(customer.city)},
                   {QStringLiteral("HOMEGOVERN"), QString::fromUtf8(customer.city)},
                   {QStringLiteral("HOMECOUNTRY"), QStringLiteral("الكويت")},
                   {QStringLiteral("HOMEMOB"), QString::fromUtf8(customer.mobile)},
                   {QStringLiteral("WORKCOMPANY"), QString::fromUtf8(customer.company)},
                   {QStringLiteral("WORKJOB"), QString::fromUtf8(customer.job)}});
    }

    // Managers come before their staff, so that each can name his direct manager.
    const struct {
        const char* name;
        const char* idNumber;
        qint64 birth;  // yyyymmdd
        const char* birthPlace;
        const char* sex;
        const char* marital;
        int children;
        const char* military;
        const char* qualification;
        const char* major;
        const char* address;
        const char* homePhone;
        const char* nearestPhone;
        const char* mobile;
        const char* department;
        const char* job;
        const char* sector;
        const char* timeCard;
        bool manager;
        int directManager;  // row of this table; -1: nobody
        int yearsAgo;
        const char* height;
        const char* weight;
        const char* shirt;
        const char* pants;
        const char* shoe;
    } staff[] = {
        {"خالد يوسف المطيري", "276050512345", 19760505, "الكويت", "ذكر", "متزوج", 3, "أدى الخدمة", "بكالوريوس",
         "إدارة أعمال", "الجهراء، قطعة 4، شارع 12، منزل 7", "24556677", "99887711", "90001111", "الإدارة",
         "مدير الفرع", "إداري", "1001", true, -1, 12, "178", "84", "XL", "36", "44"},
        {"سامي عبدالرحمن الكندري", "281110301478", 19811103, "الكويت", "ذكر", "متزوج", 2, "أدى الخدمة", "دبلوم",
         "ميكانيكا السيارات", "حولي، قطعة 2، شارع المثنى، منزل 15", "22614455", "", "90004444", "الصيانة",
         "مدير الصيانة", "فني", "1002", true, 0, 9, "172", "80", "L", "34", "42"},
        {"فاطمة علي الرشيدي", "294021205566", 19940212, "الكويت", "أنثى", "أعزب", 0, "لا تنطبق", "بكالوريوس",
         "لغة إنجليزية", "الفروانية، قطعة 1، شارع 5، منزل 22", "24881234", "66554400", "90002222", "الحجوزات",
         "موظفة استقبال", "تشغيلي", "1003", false, 0, 2, "162", "58", "S", "28", "38"},
        {"أحمد سعيد العجمي", "290090907788", 19900909, "الكويت", "ذكر", "أعزب", 0, "أدى الخدمة", "بكالوريوس",
         "محاسبة", "الأحمدي، قطعة 3، شارع 20، منزل 9", "23981122", "", "90005555", "المحاسبة", "محاسب", "مالي",
         "1004", false, 0, 5, "175", "77", "L", "34", "43"},
        {"راجو كومار", "285070100931", 19850701, "كيرالا - الهند", "ذكر", "متزوج", 2, "لا تنطبق", "دبلوم", "ميكانيكا",
         "المهبولة، قطعة 1، بناية 14، شقة 6", "", "55117788", "90003333", "الصيانة", "فني سيارات", "فني", "1005",
         false, 1, 4, "168", "70", "M", "32", "41"},
        {"جوزيف توماس", "288031502244", 19880315, "مانيلا - الفلبين", "ذكر", "متزوج", 1, "لا تنطبق", "ثانوية عامة",
         "", "خيطان، قطعة 6، بناية 3، شقة 11", "", "", "90006666", "الصيانة", "سائق توصيل", "تشغيلي", "1006", false,
         1, 3, "170", "68", "M", "32", "42"},
    };
    QList<qint64> employees;
    for (const auto& employee : staff) {
        const QDate joined = today.addYears(-employee.yearsAgo);
        employees << db.insert(
            QStringLiteral("EMPLOYEE"), QStringLiteral("EMPID"),
            {{QStringLiteral("NAME"), QString::fromUtf8(employee.name)},
             {QStringLiteral("IDNUM"), QString::fromUtf8(employee.idNumber)},
             {QStringLiteral("ISSUEEDFROM"), QStringLiteral("الهيئة العامة للمعلومات المدنية")},
             {QStringLiteral("BIRTHDATE"), employee.birth},
             {QStringLiteral("BIRTHPLACE"), QString::fromUtf8(employee.birthPlace)},
             {QStringLiteral("SEX"), QString::fromUtf8(employee.sex)},
             {QStringLiteral("MARITALSTATUS"), QString::fromUtf8(employee.marital)},
             {QStringLiteral("NOCHILDREN"), employee.children},
             {QStringLiteral("MILITARYSTATUS"), QString::fromUtf8(employee.military)},
             {QStringLiteral("QUALIFICATION"), QString::fromUtf8(employee.qualification)},
             {QStringLiteral("MAJOR"), QString::fromUtf8(employee.major)},
             {QStringLiteral("ADDRESS"), QString::fromUtf8(employee.address)},
             {QStringLiteral("HOMEPHONE"), QString::fromUtf8(employee.homePhone)},
             {QStringLiteral("NEARESTPHONE"), QString::fromUtf8(employee.nearestPhone)},
             {QStringLiteral("MOBILE"), QString::fromUtf8(employee.mobile)},
             {QStringLiteral("DEPARTMENT"), QString::fromUtf8(employee.department)},
             {QStringLiteral("JOB"), QString::fromUtf8(employee.job)},
             {QStringLiteral("WORKTYPE"), QString::fromUtf8(employee.sector)},
             {QStringLiteral("TIMECARDNO"), QString::fromUtf8(employee.timeCard)},
             {QStringLiteral("FLGMANAGER"), employee.manager ? 1 : 0},
             {QStringLiteral("MANAGERID"), employee.directManager < 0 ? 0 : employees.at(employee.directManager)},
             {QStringLiteral("DATEJOINED"), StoredDate::number(joined)},
             // Hired for good after three months on trial.
             {QStringLiteral("HIREJOINED"), StoredDate::number(joined.addMonths(3))},
             {QStringLiteral("HEIGHT"), QString::fromUtf8(employee.height)},
             {QStringLiteral("WEIGHT"), QString::fromUtf8(employee.weight)},
             {QStringLiteral("SHIRT"), QString::fromUtf8(employee.shirt)},
             {QStringLiteral("PANTS"), QString::fromUtf8(employee.pants)},
             {QStringLiteral("SHOE"), QString::fromUtf8(employee.shoe)}});
    }

    const struct {
        const char* name;
        const char* text;
    } messages[] = {
        {"ترحيب بعميل جديد", "أهلاً بك عميلاً لدينا، يسعدنا خدمتك في أي وقت."},
        {"تذكير بموعد الإرجاع", "نذكّركم بأن موعد إرجاع السيارة غداً، يرجى إحضارها قبل الساعة 12 ظهراً."},
        {"شكر بعد انتهاء العقد", "شكراً لاختياركم خدماتنا، نتطلع لخدمتكم مرة أخرى."},
    };
    for (const auto& message : messages) {
        db.insert(QStringLiteral("CUSTOMERMESSAGE"), QStringLiteral("CUSTOMERMESSAGEID"),
                  {{QStringLiteral("name"), QString::fromUtf8(message.name)},
                   {QStringLiteral("HOMECOMMENTS"), QString::fromUtf8(message.text)}});
    }

    // Diary rules: one falls due today, so the first start shows a reminder.
    const struct {
        const char* name;
        const char* message;
        int inDays;
        const char* frequency;
    } rules[] = {
        {"مراجعة العقود المفتوحة", "راجع العقود التي لم تُسلَّم سياراتها بعد واتصل بالعملاء المتأخرين.", 0, "يومي"},
        {"تجديد تأمين الأسطول", "تنتهي وثائق التأمين الشامل قريباً، اطلب عروض التجديد من شركة التأمين.", 30, "سنوي"},
        {"صيانة دورية", "موعد الصيانة الدورية لسيارات الأسطول: تغيير الزيت وفحص الإطارات.", 7, "شهري"},
    };
    for (const auto& rule : rules) {
        db.insert(QStringLiteral("_Reminder"), QStringLiteral("REMINDERID"),
                  {{QStringLiteral("REMINDERRULENAME"), QString::fromUtf8(rule.name)},
                   {QStringLiteral("REMINDERTYPE"), 1},
                   {QStringLiteral("ONOFF"), 1},
                   {QStringLiteral("Message"), QString::fromUtf8(rule.message)},
                   {QStringLiteral("REMINDERDATE"), StoredDate::number(today.addDays(rule.inDays))},
                   {QStringLiteral("FREQUENCY"), QString::fromUtf8(rule.frequency)}});
    }
    LedgerSetup::insertDemoEntries(db);
    DemoContracts::insert(db);
    DemoReservations::insert(db);
    DemoVouchers::insert(db);
    DemoDueList::insert(db);
    DemoReceipts::insert(db);
    if (vat)
        DemoVat::insert(db);
}
