#include "demo/DemoFleet.h"

#include "core/Database.h"
#include "core/StoredDate.h"
#include "demo/CarSketch.h"

#include <QDate>

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

struct Owner {
    const char* name;
    const char* job;
    const char* address;
    const char* city;
    const char* govern;
    const char* tel;
    const char* mobile;
    const char* fax;
    const char* comments;
};

// Most cars belong to the office; two partners place theirs with it.
const Owner owners[] = {
    {"شركة إيجار لتأجير السيارات", "تأجير سيارات", "شارع الشويخ الصناعية، قطعة 2، مبنى 14", "الشويخ", "العاصمة",
     "22456789", "99001100", "22456790", "المالك المسجل في دفاتر المرور."},
    {"بدر سالم العتيبي", "رجل أعمال", "ضاحية عبدالله السالم، قطعة 3، شارع 31، منزل 7", "الضاحية", "العاصمة",
     "22512345", "99887711", "", "شريك: تقسم الأجرة مناصفة، يُبلَّغ قبل أي صيانة تزيد عن 100 دينار."},
    {"شركة الريادة للتأجير التمويلي", "تأجير تمويلي", "شارع خالد بن الوليد، برج الريادة، الدور 9", "شرق", "العاصمة",
     "22990011", "", "22990012", "السيارة مؤجرة تمويلياً للمكتب حتى سداد آخر قسط."},
};

struct Car {
    const char* name;
    const char* type;
    const char* shape;
    CarSketch::Body body;
    const char* make;
    const char* model;
    const char* color;
    QRgb rgb;
    const char* gear;
    const char* plate;
    const char* motor;
    const char* chassis;
    int meter;
    double fare;
    int owner;
    int ageDays;          // since the office took the car
    int licenceLeftDays;  // until the licence runs out
    bool stopped;
    const char* comments;
};

const Car cars[] = {
    {"تويوتا كامري", "صالون", "سيدان 4 أبواب", CarSketch::Body::Sedan, "تويوتا", "Camry 2023", "أبيض", 0xf4f4f2,
     "أوتوماتيك", "12/34567", "A25A-0412873", "JTNB11HK5P3012345", 18250, 12.0, 0, 410, 230, false,
     "مزودة بكاميرا خلفية وشاحن هاتف."},
    {"نيسان صني", "صالون", "سيدان 4 أبواب", CarSketch::Body::Sedan, "نيسان", "Sunny 2022", "فضي", 0xb8bcc2,
     "أوتوماتيك", "7/81234", "HR15-7781002", "MDHBN7AD4N0231177", 40310, 8.5, 0, 720, 95, false,
     "خدش بسيط على الباب الخلفي الأيمن، موثق بالصور."},
    {"هيونداي توسان", "دفع رباعي", "كروس أوفر", CarSketch::Body::Suv, "هيونداي", "Tucson 2024", "أسود", 0x202226,
     "أوتوماتيك", "19/55120", "G4KN-2209915", "KMHJ381AGRU408812", 5120, 15.0, 0, 60, 300, false,
     "جديدة؛ لا تؤجر للرحلات البرية."},
    {"ميتسوبيشي باجيرو", "دفع رباعي", "جيب 4 أبواب", CarSketch::Body::Suv, "ميتسوبيشي", "Pajero 2021", "رمادي",
     0x7b7f86, "عادي", "3/90876", "6G72-8817340", "JMYLYV97WMJ000521", 61700, 18.0, 1, 1100, 40, false,
     "مناسبة للبر؛ تحتاج فحص ضغط الإطارات قبل كل تأجير."},
    {"كيا بيكانتو", "هاتشباك", "هاتشباك 5 أبواب", CarSketch::Body::Hatchback, "كيا", "Picanto 2023", "أحمر",
     0xc0282d, "أوتوماتيك", "22/10459", "G3LA-3350981", "KNAB2512APT112908", 12900, 6.0, 0, 380, 180, false,
     "اقتصادية في الوقود، مطلوبة للتأجير الشهري."},
    {"هيونداي أكسنت", "صالون", "سيدان 4 أبواب", CarSketch::Body::Sedan, "هيونداي", "Accent 2022", "أزرق", 0x2f5fa8,
     "أوتوماتيك", "9/44718", "G4FL-1188243", "KMHCT41DANU223410", 35400, 7.5, 0, 650, 150, false, ""},
    {"شيفروليه تاهو", "دفع رباعي", "جيب 4 أبواب", CarSketch::Body::Suv, "شيفروليه", "Tahoe 2022", "كحلي", 0x1f2a44,
     "أوتوماتيك", "5/66003", "L84-5530127", "1GNSKBKD4NR190233", 48200, 28.0, 2, 800, 210, false,
     "سبعة مقاعد؛ تأمين إضافي للسائق الثاني."},
    {"تويوتا هايلكس", "بيك أب", "بيك أب غمارتين", CarSketch::Body::Pickup, "تويوتا", "Hilux 2021", "أبيض",
     0xf2f2ee, "عادي", "14/20981", "2TR-6619024", "MR0HA3CD7M0271456", 72300, 14.0, 0, 1200, 20, false,
     "تؤجر للشركات فقط، الحمولة القصوى 900 كغ."},
    {"تويوتا هايس", "باص", "باص 15 راكباً", CarSketch::Body::Van, "تويوتا", "Hiace 2022", "بيج", 0xd9cba8,
     "عادي", "11/73410", "2TR-7702215", "JTFSX23P6N6123098", 55100, 25.0, 2, 900, 120, false,
     "رخصة عمومية مطلوبة من السائق."},
    {"لكزس ES 350", "صالون", "سيدان 4 أبواب", CarSketch::Body::Sedan, "لكزس", "ES 350 2023", "ذهبي", 0xb8964f,
     "أوتوماتيك", "1/77777", "2GR-9001458", "58ABZ1B18PU140021", 22000, 30.0, 1, 300, 270, false,
     "فئة فاخرة: تأمين الحوادث الشخصية مشمول."},
    {"كيا سيراتو", "صالون", "سيدان 4 أبواب", CarSketch::Body::Sedan, "كيا", "Cerato 2020", "رمادي", 0x6e7278,
     "أوتوماتيك", "8/30552", "G4FG-4477120", "KNAFX411BL5812240", 89600, 7.0, 0, 1500, 60, true,
     "موقوفة: في الورشة بعد حادث في الصدام الأمامي، بانتظار قطع الغيار."},
    {"جي إم سي يوكن", "دفع رباعي", "جيب 4 أبواب", CarSketch::Body::Suv, "جي إم سي", "Yukon 2019", "أسود", 0x1c1c1e,
     "أوتوماتيك", "4/12090", "L83-3390744", "1GKS2BKC9KR305117", 120400, 25.0, 1, 2100, -12, true,
     "موقوفة: انتهى ترخيصها، بانتظار الفحص الفني والتجديد."},
};

const char* const insurers[] = {"شركة الصفوة للتأمين", "شركة الأمان للتأمين التكافلي", "شركة الدرع للتأمين"};

}

void DemoFleet::insert(Database& db)
{
    const QDate today = QDate::currentDate();
    int n = 0;
    for (const Car& car : cars) {
        ++n;
        const Owner& owner = owners[car.owner];
        const QDate taken = today.addDays(-car.ageDays);
        // Policies renew yearly on the day the car came; the passengers' one
        // was taken a season earlier.
        QDate insured = taken;
        while (insured.addYears(1) < today)
            insured = insured.addYears(1);
        const QDate passengers = insured.addMonths(-3);
        const qint64 key = db.insert(
            QStringLiteral("car"), QStringLiteral("carid"),
            {{QStringLiteral("name"), text(car.name)},
             {QStringLiteral("CREATEDT"), StoredDate::number(taken)},
             {QStringLiteral("rented"), 0},
             {QStringLiteral("STOP"), car.stopped ? 1 : 0},
             {QStringLiteral("METER"), car.meter},
             {QStringLiteral("CARTYPE"), text(car.type)},
             {QStringLiteral("PLATENO"), text(car.plate)},
             {QStringLiteral("BRAND"), text(car.model)},
             {QStringLiteral("COLOR"), text(car.color)},
             {QStringLiteral("SHAPE"), text(car.shape)},
             {QStringLiteral("MAKE"), text(car.make)},
             {QStringLiteral("GEAR"), text(car.gear)},
             {QStringLiteral("MOTORNO"), text(car.motor)},
             {QStringLiteral("CHASSISNO"), text(car.chassis)},
             {QStringLiteral("FARE"), car.fare},
             {QStringLiteral("COMMENTS"), text(car.comments)},
             {QStringLiteral("OWNERNAME"), text(owner.name)},
             {QStringLiteral("OWNERJOB"), text(owner.job)},
             {QStringLiteral("ADDRESS"), text(owner.address)},
             {QStringLiteral("CITY"), text(owner.city)},
             {QStringLiteral("GOVERN"), text(owner.govern)},
             {QStringLiteral("COUNTRY"), QStringLiteral("الكويت")},
             {QStringLiteral("POSTALCODE"), QStringLiteral("13001")},
             {QStringLiteral("TEL1"), text(owner.tel)},
             {QStringLiteral("MOB"), text(owner.mobile)},
             {QStringLiteral("FAX"), text(owner.fax)},
             {QStringLiteral("OWNERCOMMENTS"), text(owner.comments)},
             {QStringLiteral("TRAFFIC"), n % 3 ? QStringLiteral("مرور العاصمة") : QStringLiteral("مرور حولي")},
             {QStringLiteral("LICENSENO"), QStringLiteral("%1-%2").arg(taken.year()).arg(40210 + 37 * n)},
             {QStringLiteral("LICENSEEXPIRY"), StoredDate::number(today.addDays(car.licenceLeftDays))},
             {QStringLiteral("INSURANCETYPE1"), QStringLiteral("شامل")},
             {QStringLiteral("INSURANCE1"), text(insurers[n % 3])},
             {QStringLiteral("INSURANCE1FROM"), StoredDate::number(insured)},
             {QStringLiteral("INSURANEDC1DATETTO"), StoredDate::number(insured.addYears(1).addDays(-1))},
             {QStringLiteral("INSURANCETYPE2"), QStringLiteral("حوادث شخصية للركاب")},
             {QStringLiteral("INSURANCE2"), text(insurers[(n + 1) % 3])},
             {QStringLiteral("INSURANCE2DATEFROM"), StoredDate::number(passengers)},
             {QStringLiteral("INSURANCE2DATETO"), StoredDate::number(passengers.addYears(1).addDays(-1))},
             {QStringLiteral("INSURANCECOMMENTS"), QStringLiteral("نسخة الوثيقة في درج السيارة.")},
             // Oil every 5,000 km or three months, tyres every 40,000 km or two
             // years, a full service every 10,000 km or half a year.
             {QStringLiteral("MAINTYPE1"), QStringLiteral("تغيير زيت المحرك والفلتر")},
             {QStringLiteral("MAINTMILES1"), 5000},
             {QStringLiteral("EVERYDAYS1"), 90},
             {QStringLiteral("MAINTMILESSTART1"), car.meter - car.meter % 5000},
             {QStringLiteral("MAINTSTART1"), StoredDate::number(today.addDays(-(n * 7 % 80)))},
             {QStringLiteral("MAINTYPE2"), QStringLiteral("فحص وتبديل الإطارات")},
             {QStringLiteral("MAINTMILES2"), 40000},
             {QStringLiteral("EVERYDAYS2"), 730},
             {QStringLiteral("MAINTMILESSTART2"), car.meter - car.meter % 40000},
             {QStringLiteral("MAINTSTART2"), StoredDate::number(car.meter < 40000 ? taken : taken.addDays(car.ageDays / 2))},
             {QStringLiteral("MAINTYPE3"), QStringLiteral("صيانة دورية شاملة")},
             {QStringLiteral("MAINTMILES3"), 10000},
             {QStringLiteral("EVERYDAYS3"), 180},
             {QStringLiteral("MAINTMILESSTART3"), car.meter - car.meter % 10000},
             {QStringLiteral("MAINTSTART3"), StoredDate::number(today.addDays(-(n * 13 % 170)))},
             {QStringLiteral("LASTTRAN"), StoredDate::number(today.addDays(-(n * 5 % 40) - 1))}});

        const qint64 picture = db.insert(QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTUREID"),
                                         {{QStringLiteral("CARID"), key}, {QStringLiteral("PICTURESEQUENCE"), 1}});
        db.writeBlob(QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTUREID"),
                     picture, CarSketch::png(QColor(car.rgb), car.body));
    }
}
