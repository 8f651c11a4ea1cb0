#include "engine/MetadataWriter.h"
#include "rental/RentalShipped.h"

namespace {

struct Bound {
    const char* control;
    const char* column;
    MetadataWriter::Type type;
    const char* label;
};

// Every bound field but the open dialog's, in the order of the screen's pages.
const Bound carFields[] = {
    {"dfcCARTYPE", "CARTYPE", MetadataWriter::Text, "نوع السيارة"},
    {"dfcColor", "COLOR", MetadataWriter::Text, "اللون"},
    {"dfcSHAPE", "SHAPE", MetadataWriter::Text, "الشكل"},
    {"dfcMAKE", "MAKE", MetadataWriter::Text, "الصنع"},
    {"dfcGEAR", "GEAR", MetadataWriter::Text, "ناقل الحركة"},
    {"dfsMOTORNO", "MOTORNO", MetadataWriter::Text, "رقم المحرك"},
    {"dfsCHASSISNO", "CHASSISNO", MetadataWriter::Text, "رقم الشاصي"},
    {"dfnMETER", "METER", MetadataWriter::Number, "العداد"},
    {"dfsComments", "COMMENTS", MetadataWriter::Text, "ملاحظات السيارة"},
    {"dfsOWNERNAME", "OWNERNAME", MetadataWriter::Text, "اسم المالك"},
    {"dfsOWNERJOB", "OWNERJOB", MetadataWriter::Text, "وظيفة المالك"},
    {"dfsAddress", "ADDRESS", MetadataWriter::Text, "عنوان المالك"},
    {"dfsCity", "CITY", MetadataWriter::Text, "المدينة"},
    {"dfsGovern", "GOVERN", MetadataWriter::Text, "المحافظة"},
    {"dfsCountry", "COUNTRY", MetadataWriter::Text, "البلد"},
    {"dfsPostalCode", "POSTALCODE", MetadataWriter::Text, "الرمز البريدي"},
    {"dfsTel1", "TEL1", MetadataWriter::Text, "هاتف 1"},
    {"dfsTel2", "TEL2", MetadataWriter::Text, "هاتف 2"},
    {"dfsTel3", "TEL3", MetadataWriter::Text, "هاتف 3"},
    {"dfsMob", "MOB", MetadataWriter::Text, "الجوال"},
    {"dfsExt", "EXT", MetadataWriter::Text, "التحويلة"},
    {"dfsFax", "FAX", MetadataWriter::Text, "الفاكس"},
    {"dfsOWNERComments", "OWNERCOMMENTS", MetadataWriter::Text, "ملاحظات المالك"},
    {"dfcTRAFFIC", "TRAFFIC", MetadataWriter::Text, "إدارة المرور"},
    {"dfsLICENSENO", "LICENSENO", MetadataWriter::Text, "رقم الترخيص"},
    {"dfdLICENSEEXPIRY", "LICENSEEXPIRY", MetadataWriter::Date, "انتهاء الترخيص"},
    {"dfcINSURANCETYPE1", "INSURANCETYPE1", MetadataWriter::Text, "نوع التأمين الأول"},
    {"dfsINSURANCE1", "INSURANCE1", MetadataWriter::Text, "شركة التأمين الأول"},
    {"dfdINSURANCE1FROM", "INSURANCE1FROM", MetadataWriter::Date, "بداية التأمين الأول"},
    {"dfdINSURANEDC1DATETTO", "INSURANEDC1DATETTO", MetadataWriter::Date, "نهاية التأمين الأول"},
    {"dfcINSURANCETYPE2", "INSURANCETYPE2", MetadataWriter::Text, "نوع التأمين الثاني"},
    {"dfsINSURANCE2", "INSURANCE2", MetadataWriter::Text, "شركة التأمين الثاني"},
    {"dfdINSURANCE2DATEFROM", "INSURANCE2DATEFROM", MetadataWriter::Date, "بداية التأمين الثاني"},
    {"dfdINSURANCE2DATETO", "INSURANCE2DATETO", MetadataWriter::Date, "نهاية التأمين الثاني"},
    {"dfsINSURANCECOMMENTS", "INSURANCECOMMENTS", MetadataWriter::Text, "ملاحظات التأمين"},
    {"dffRented", "rented", MetadataWriter::Flag, "مؤجرة"},
    {"dffSTOP", "STOP", MetadataWriter::Flag, "موقوفة"},
    {"dfdCREATEDT", "CREATEDT", MetadataWriter::Date, "تاريخ الإدخال"},
    {"dfdLASTTRAN", "LASTTRAN", MetadataWriter::Date, "آخر تأجير"},
};

// The fields of one maintenance schedule; %1 is its number.
const Bound scheduleFields[] = {
    {"dfcMainType%1", "MAINTYPE%1", MetadataWriter::Text, "نوع الصيانة %1"},
    {"dfnMaintMiles%1", "MAINTMILES%1", MetadataWriter::Number, "الصيانة %1 كل (كم)"},
    {"dfnEveryDays%1", "EVERYDAYS%1", MetadataWriter::Number, "الصيانة %1 كل (يوم)"},
    {"dfnMaintMilesStart%1", "MAINTMILESSTART%1", MetadataWriter::Number, "عداد آخر صيانة %1"},
    {"dfdMaintStart%1", "MAINTSTART%1", MetadataWriter::Date, "تاريخ آخر صيانة %1"},
};

QStringList texts(std::initializer_list<const char*> values)
{
    QStringList list;
    for (const char* v : values)
        list << QString::fromUtf8(v);
    return list;
}

}

void ScreenMetadata::frmCars(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmCars"));
    const qint64 cars = m.table(QStringLiteral("car"), 1, QStringLiteral("السيارات"));
    m.identifier(cars, QStringLiteral("carid"), QStringLiteral("الرقم"), 60);
    m.field(cars, QStringLiteral("txtNAME"), QStringLiteral("name"), MetadataWriter::Text, QStringLiteral("الاسم"), 2, 160);
    m.field(cars, QStringLiteral("dfsPLATENO"), QStringLiteral("PLATENO"), MetadataWriter::Text,
        QStringLiteral("رقم اللوحة"), 3, 100);
    m.field(cars, QStringLiteral("dfsBRAND"), QStringLiteral("BRAND"), MetadataWriter::Text, QStringLiteral("الموديل"),
        4, 130);
    m.field(cars, QStringLiteral("dfnFARE"), QStringLiteral("FARE"), MetadataWriter::Number,
        QStringLiteral("الأجرة اليومية"), 5, 90);
    for (const Bound& f : carFields)
        m.field(cars, QLatin1String(f.control), QLatin1String(f.column), f.type, QString::fromUtf8(f.label));
    for (int schedule = 1; schedule <= 3; ++schedule)
        for (const Bound& f : scheduleFields)
            m.field(cars, QString::fromLatin1(f.control).arg(schedule), QString::fromLatin1(f.column).arg(schedule),
                f.type, QString::fromUtf8(f.label).arg(schedule));
    // Picture n + 1 goes into the contract when tick n is set.
    for (int tick = 1; tick <= 6; ++tick)
        m.field(cars, QStringLiteral("dffPrintinContract%1").arg(tick), QStringLiteral("PRINTINCONTRACT%1").arg(tick),
            MetadataWriter::Flag, QStringLiteral("الصورة %1 في العقد").arg(tick + 1));

    m.combo(QStringLiteral("dfcCARTYPE"),
        texts({ "صالون", "دفع رباعي", "هاتشباك", "رياضية", "فان", "بيك أب", "باص" }));
    m.combo(QStringLiteral("dfcColor"),
        texts({ "أبيض", "أسود", "فضي", "رمادي", "أحمر", "أزرق", "كحلي", "بيج", "ذهبي", "أخضر", "بني" }));
    m.combo(QStringLiteral("dfcSHAPE"),
        texts({ "سيدان 4 أبواب", "هاتشباك 5 أبواب", "كوبيه بابين", "ستيشن", "كروس أوفر", "جيب 4 أبواب",
            "بيك أب غمارة", "بيك أب غمارتين", "فان 8 ركاب", "باص 15 راكباً" }));
    m.combo(QStringLiteral("dfcMAKE"),
        texts({ "تويوتا", "نيسان", "هيونداي", "كيا", "ميتسوبيشي", "شيفروليه", "جي إم سي", "فورد", "هوندا", "مازدا",
            "لكزس", "مرسيدس" }));
    m.combo(QStringLiteral("dfcGEAR"), texts({ "أوتوماتيك", "عادي" }), QStringLiteral("أوتوماتيك"));
    m.combo(QStringLiteral("dfcTRAFFIC"),
        texts({ "مرور العاصمة", "مرور حولي", "مرور الفروانية", "مرور الأحمدي", "مرور الجهراء", "مرور مبارك الكبير" }));
    const QStringList insurances = texts({ "شامل", "ضد الغير", "شامل مع تحمّل", "حوادث شخصية للركاب" });
    m.combo(QStringLiteral("dfcINSURANCETYPE1"), insurances, QStringLiteral("شامل"));
    m.combo(QStringLiteral("dfcINSURANCETYPE2"), insurances, QStringLiteral("ضد الغير"));
    const QStringList maintenance = texts({ "تغيير زيت المحرك والفلتر", "فحص وتبديل الإطارات", "فحص الفرامل",
        "صيانة دورية شاملة", "فحص التكييف", "تغيير البطارية", "تغيير زيت ناقل الحركة" });
    for (int schedule = 1; schedule <= 3; ++schedule)
        m.combo(QStringLiteral("dfcMainType%1").arg(schedule), maintenance);

    // The contract copies the plate and the daily rent.
    m.validation(1, QStringLiteral("dfsPLATENO"), {}, QStringLiteral("اكتب رقم لوحة السيارة"),
        QStringLiteral("dfsPLATENO"), 0);
    // Typed as 0.00 or below zero the rent is no rent either.
    m.validation(4, QStringLiteral("select 1 as notpositive where cast(':1 ' as real) <= 0"),
        QStringLiteral(":1frmCars.dfnFARE"), QStringLiteral("الأجرة اليومية للسيارة يجب أن تكون أكبر من صفر"),
        QStringLiteral("dfnFARE"), 0);
}
