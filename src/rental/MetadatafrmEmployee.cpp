#include "engine/MetadataWriter.h"
#include "rental/RentalShipped.h"

void ScreenMetadata::frmEmployee(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmEmployee"));
    const qint64 staff = m.table(QStringLiteral("EMPLOYEE"), 1, QStringLiteral("الموظفون"));
    m.identifier(staff, QStringLiteral("EMPID"), QStringLiteral("الرقم"), 60);

    m.fields(staff, {
        {"txtNAME", "NAME", MetadataWriter::Text, "الاسم", 2, 160},
        {"dfIDNUM", "IDNUM", MetadataWriter::Text, "رقم الهوية", 3, 110},
        {"cmbJOB", "JOB", MetadataWriter::Text, "الوظيفة", 4, 110},
        {"dfMOBILE", "MOBILE", MetadataWriter::Text, "الجوال", 5, 80},
        {"dfISSUEEDFROM", "ISSUEEDFROM", MetadataWriter::Text, "جهة إصدار الهوية", 0, 0},
        {"dtBIRTHDATE", "BIRTHDATE", MetadataWriter::Date, "تاريخ الميلاد", 0, 0},
        {"dfBIRTHPLACE", "BIRTHPLACE", MetadataWriter::Text, "مكان الميلاد", 0, 0},
        {"cmbSEX", "SEX", MetadataWriter::Text, "الجنس", 0, 0},
        {"cmbMARITALSTATUS", "MARITALSTATUS", MetadataWriter::Text, "الحالة الاجتماعية", 0, 0},
        {"dfnNOCHILDREN", "NOCHILDREN", MetadataWriter::Number, "عدد الأولاد", 0, 0},
        {"cmbMILITARYSTATUS", "MILITARYSTATUS", MetadataWriter::Text, "الخدمة العسكرية", 0, 0},
        {"cmbQUALIFICATION", "QUALIFICATION", MetadataWriter::Text, "المؤهل", 0, 0},
        {"dfMAJOR", "MAJOR", MetadataWriter::Text, "التخصص", 0, 0},
        {"dfADDRESS", "ADDRESS", MetadataWriter::Text, "العنوان", 0, 0},
        {"dfHOMEPHONE", "HOMEPHONE", MetadataWriter::Text, "هاتف المنزل", 0, 0},
        {"dfNEARESTPHONE", "NEARESTPHONE", MetadataWriter::Text, "هاتف آخر", 0, 0},
        {"cmbDEPARTMENT", "DEPARTMENT", MetadataWriter::Text, "القسم", 0, 0},
        {"cmbWORKTYPE", "WORKTYPE", MetadataWriter::Text, "القطاع", 0, 0},
        {"dfTIMECARDNO", "TIMECARDNO", MetadataWriter::Text, "رقم بطاقة الدوام", 0, 0},
        {"cbFLGMANAGER", "FLGMANAGER", MetadataWriter::Flag, "مدير", 0, 0},
        {"cmbMANAGERID", "MANAGERID", MetadataWriter::Number, "المدير المباشر", 0, 0},
        {"dtDATEJOINED", "DATEJOINED", MetadataWriter::Date, "تاريخ الالتحاق", 0, 0},
        {"dtHIREJOINED", "HIREJOINED", MetadataWriter::Date, "تاريخ التعيين", 0, 0},
        {"dtTERMINATIONDATE", "TERMINATIONDATE", MetadataWriter::Date, "تاريخ انتهاء الخدمة", 0, 0},
        {"dfHeight", "HEIGHT", MetadataWriter::Text, "الطول", 0, 0},
        {"dfWeight", "WEIGHT", MetadataWriter::Text, "الوزن", 0, 0},
        {"dfDress", "DRESS", MetadataWriter::Text, "مقاس الزي", 0, 0},
        {"dfGlove", "GLOVE", MetadataWriter::Text, "مقاس القفاز", 0, 0},
        {"dfHat", "HAT", MetadataWriter::Text, "مقاس القبعة", 0, 0},
        {"dfPants", "PANTS", MetadataWriter::Text, "مقاس البنطال", 0, 0},
        {"dfJacket", "JACKET", MetadataWriter::Text, "مقاس السترة", 0, 0},
        {"dfShirt", "SHIRT", MetadataWriter::Text, "مقاس القميص", 0, 0},
        {"dfShoe", "SHOE", MetadataWriter::Text, "مقاس الحذاء", 0, 0},
        {"dfChest", "CHEST", MetadataWriter::Text, "محيط الصدر", 0, 0},
        {"dfHead", "HEAD", MetadataWriter::Text, "محيط الرأس", 0, 0},
        {"dfHeight2", "HEIGHT2", MetadataWriter::Text, "الطول للتفصيل", 0, 0},
        {"dfNeck", "NECK", MetadataWriter::Text, "محيط الرقبة", 0, 0},
        {"dfShoulder", "SHOULDER", MetadataWriter::Text, "عرض الكتفين", 0, 0},
        {"dfWaist", "WAIST", MetadataWriter::Text, "محيط الخصر", 0, 0},
    });

    m.combo(QStringLiteral("cmbSEX"), {QStringLiteral("ذكر"), QStringLiteral("أنثى")});
    m.combo(QStringLiteral("cmbMARITALSTATUS"),
            {QStringLiteral("أعزب"), QStringLiteral("متزوج"), QStringLiteral("مطلق"), QStringLiteral("أرمل")});
    m.combo(QStringLiteral("cmbMILITARYSTATUS"),
            {QStringLiteral("أدى الخدمة"), QStringLiteral("معفى"), QStringLiteral("مؤجل"),
             QStringLiteral("لم يؤدِّ الخدمة"), QStringLiteral("لا تنطبق")});
    m.combo(QStringLiteral("cmbQUALIFICATION"),
            {QStringLiteral("متوسطة"), QStringLiteral("ثانوية عامة"), QStringLiteral("دبلوم"),
             QStringLiteral("بكالوريوس"), QStringLiteral("ماجستير"), QStringLiteral("دكتوراه")});
    m.combo(QStringLiteral("cmbDEPARTMENT"),
            {QStringLiteral("الإدارة"), QStringLiteral("التأجير"), QStringLiteral("الحجوزات"),
             QStringLiteral("الصيانة"), QStringLiteral("المحاسبة"), QStringLiteral("خدمة العملاء")});
    m.combo(QStringLiteral("cmbJOB"),
            {QStringLiteral("مدير الفرع"), QStringLiteral("مدير الصيانة"), QStringLiteral("موظف استقبال"),
             QStringLiteral("موظفة استقبال"), QStringLiteral("مندوب تأجير"), QStringLiteral("محاسب"),
             QStringLiteral("فني سيارات"), QStringLiteral("سائق توصيل")});
    m.combo(QStringLiteral("cmbWORKTYPE"),
            {QStringLiteral("إداري"), QStringLiteral("فني"), QStringLiteral("مالي"), QStringLiteral("تشغيلي"),
             QStringLiteral("مبيعات")});

    // The office keeps the civil ID of everyone it employs.
    m.validation(1, QStringLiteral("dfIDNUM"), {}, QStringLiteral("اكتب رقم هوية الموظف"), QStringLiteral("dfIDNUM"),
                 0);
}
