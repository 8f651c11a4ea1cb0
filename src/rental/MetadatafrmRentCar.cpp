#include "accounting/LedgerSetup.h"
#include "core/Database.h"
#include "engine/MetadataWriter.h"
#include "rental/RentalShipped.h"

namespace {

// The deposit taken as the car goes out and what came of it at return, and
// the VAT on the close-out: bound after the fields of the first contract,
// in a new office as in one made before them.
const MetadataWriter::FieldRow CounterMoney[] = {
    {"dfnDeposit", "DEPOSIT", MetadataWriter::Number, "التأمين المستلم", 0, 0},
    {"dfgDepositMethod", "DEPOSITMETHOD", MetadataWriter::Number, "طريقة دفع التأمين", 0, 0},
    {"dfsDepositReference", "DEPOSITREFERENCE", MetadataWriter::Text, "مرجع التأمين", 0, 0},
    {"dfnVatRate", "VATRATE", MetadataWriter::Number, "نسبة الضريبة", 0, 0},
    {"dfnVatAmount", "VATAMOUNT", MetadataWriter::Number, "ضريبة القيمة المضافة", 0, 0},
    {"dfnGrossTotal", "GROSSTOTAL", MetadataWriter::Number, "الإجمالي شامل الضريبة", 0, 0},
    {"dfnDepositKept", "DEPOSITKEPT", MetadataWriter::Number, "المخصوم من التأمين", 0, 0},
    {"dfnDepositRefunded", "DEPOSITREFUNDED", MetadataWriter::Number, "المردود من التأمين", 0, 0},
};

// The fuel as the car went out and came back, and what the missing fuel and
// the new damage cost.
const MetadataWriter::FieldRow CarCondition[] = {
    {"dfnFuelOut", "FUELOUT", MetadataWriter::Number, "الوقود عند الخروج", 0, 0},
    {"dfnFuelIn", "FUELIN", MetadataWriter::Number, "الوقود عند العودة", 0, 0},
    {"dfnFuelCharge", "FUELCHARGE", MetadataWriter::Number, "قيمة الوقود الناقص", 0, 0},
    {"dfnDamageCharge", "DAMAGECHARGE", MetadataWriter::Number, "قيمة الأضرار", 0, 0},
};

// Binds the fields the contract's window lacks.
template <std::size_t N>
void bindMissing(MetadataWriter& m, qint64 rent, Database& db, const MetadataWriter::FieldRow (&rows)[N])
{
    for (const MetadataWriter::FieldRow& f : rows) {
        const QString control = QString::fromLatin1(f.control);
        if (db.execute(QStringLiteral("select WINDOWTABLEDETAILSID from _WINDOWTABLEDETAILS where WINDOWTABLEID = ")
                       + QString::number(rent) + QStringLiteral(" and WINDOWCONTROL = '") + control
                       + QLatin1Char('\''))
                .isEmpty())
            m.field(rent, control, QString::fromLatin1(f.column), f.type, QString::fromUtf8(f.label));
    }
}

}

// Fields in the order of the form, so that a contract read field by field
// fires its rules in the order a clerk fills them.
void ScreenMetadata::frmRentCar(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmRentCar"));
    const qint64 rent = m.table(QStringLiteral("RENT"), 1, QStringLiteral("عقود الإيجار"));
    m.identifier(rent, QStringLiteral("RENTID"), QStringLiteral("الرقم"), 60);
    m.fields(rent, {
        {"txtNAME", "NAME", MetadataWriter::Text, "اسم العقد", 2, 160},
        {"dfnCustomerid", "CUSTOMERID", MetadataWriter::Number, "رقم العميل", 0, 0},
        {"dfcTITLE", "TITLE", MetadataWriter::Text, "اللقب", 0, 0},
        {"dfsCustomerNAME", "CUSTOMERNAME", MetadataWriter::Text, "العميل", 3, 170},
        {"dfcIDType", "IDTYPE", MetadataWriter::Text, "نوع الهوية", 0, 0},
        {"dfnIDNumber", "IDNUMBER", MetadataWriter::Number, "رقم الهوية", 0, 0},
        {"dfsIssuePlace", "ISSUEPLACE", MetadataWriter::Text, "مكان الإصدار", 0, 0},
        {"dfdIssueDate", "ISSUEDATE", MetadataWriter::Date, "تاريخ الإصدار", 0, 0},
        {"dfsLICENSENO", "LICENSENO", MetadataWriter::Text, "رقم الرخصة", 0, 0},
        {"dfdLicenseExpiryDate", "LICENSEEXPIRYDATE", MetadataWriter::Date, "انتهاء الرخصة", 0, 0},
        {"dfsLicenseIssuePlace", "LICENSEISSUEPLACE", MetadataWriter::Text, "مكان إصدار الرخصة", 0, 0},
        {"dfcNationality", "NATIONALITY", MetadataWriter::Text, "الجنسية", 0, 0},
        {"dfsJob", "JOB", MetadataWriter::Text, "الوظيفة", 0, 0},
        {"dfsWorkPlace", "WORKPLACE", MetadataWriter::Text, "جهة العمل", 0, 0},
        {"dfsAddress", "ADDRESS", MetadataWriter::Text, "العنوان", 0, 0},
        {"dfsCity", "CITY", MetadataWriter::Text, "المدينة", 0, 0},
        {"dfsGovern", "GOVERN", MetadataWriter::Text, "المحافظة", 0, 0},
        {"dfsTel1", "TEL1", MetadataWriter::Text, "هاتف 1", 0, 0},
        {"dfsTel2", "TEL2", MetadataWriter::Text, "هاتف 2", 0, 0},
        {"dfsTel3", "TEL3", MetadataWriter::Text, "هاتف 3", 0, 0},
        {"dfsMob", "MOB", MetadataWriter::Text, "الجوال", 0, 0},
        {"dfsExt", "EXT", MetadataWriter::Text, "التحويلة", 0, 0},
        {"dfsFax", "FAX", MetadataWriter::Text, "الفاكس", 0, 0},
        {"dfnCarNo", "CARNO", MetadataWriter::Number, "رقم السيارة", 0, 0},
        {"dfcCARTYPE", "CARTYPE", MetadataWriter::Text, "نوع السيارة", 0, 0},
        {"dfsPlatNo", "PLATNO", MetadataWriter::Text, "رقم اللوحة", 4, 90},
        {"dfsModel", "MODEL", MetadataWriter::Text, "الطراز", 0, 0},
        {"dfsCOLOR", "COLOR", MetadataWriter::Text, "اللون", 0, 0},
        {"dfnMETER", "METER", MetadataWriter::Number, "عداد الخروج", 0, 0},
        {"dfsComments", "COMMENTS", MetadataWriter::Text, "ملاحظات", 0, 0},
        {"dfdExitDate", "EXITDATE", MetadataWriter::Date, "تاريخ الخروج", 5, 90},
        {"dftExitTime", "EXITTIME", MetadataWriter::Time, "وقت الخروج", 0, 0},
        {"dfnRentPeriod", "RENTPERIOD", MetadataWriter::Number, "مدة الإيجار", 0, 0},
        {"dfdReturnDate", "RETURNDATE", MetadataWriter::Date, "تاريخ العودة المتفق عليه", 6, 90},
        {"dfnDailyRent", "DAILYRENT", MetadataWriter::Number, "الأجرة اليومية", 0, 0},
        {"dfnInsurance", "INSURANCE", MetadataWriter::Number, "التأمين", 0, 0},
        {"dfsDailyRentText", "DAILYRENTTEXT", MetadataWriter::Text, "الأجرة اليومية كتابة", 0, 0},
        {"dfsInsuranceText", "INSURANCETEXT", MetadataWriter::Text, "التأمين كتابة", 0, 0},
        {"dffOpenMeter", "OPENMETER", MetadataWriter::Flag, "عداد مفتوح", 0, 0},
        {"dffPrintComments", "PRINTCOMMENTS", MetadataWriter::Flag, "طباعة الملاحظات في العقد", 0, 0},
        {"dfdActualReturnDate", "ACTUALRETURNDATE", MetadataWriter::Date, "تاريخ العودة الفعلي", 0, 0},
        {"dftActualReturnTime", "ACTUALRETURNTIME", MetadataWriter::Time, "وقت العودة الفعلي", 0, 0},
        {"dfnActualPeriod", "ACTUALPERIOD", MetadataWriter::Number, "المدة الفعلية", 0, 0},
        {"dfnReturnMeter", "RETURNMETER", MetadataWriter::Number, "عداد العودة", 0, 0},
        {"dfnPermitted", "PERMITTED", MetadataWriter::Number, "الكيلومترات المسموحة", 0, 0},
        {"dfnMeterDifference", "METERDIFFERENCE", MetadataWriter::Number, "فرق الكيلومترات", 0, 0},
        {"dfnRequiredKilometersDiff", "REQUIREDKILOMETERSDIFF", MetadataWriter::Number, "قيمة فرق الكيلومترات", 0, 0},
        {"dfnRequiredAmount", "REQUIREDAMOUNT", MetadataWriter::Number, "قيمة الإيجار", 0, 0},
        {"dfnOtherAmounts", "OTHERAMOUNTS", MetadataWriter::Number, "مبالغ أخرى", 0, 0},
        {"dfnTotal", "TOTAL", MetadataWriter::Number, "الإجمالي", 0, 0},
        {"dfnPaid", "PAID", MetadataWriter::Number, "المدفوع", 0, 0},
        {"dfnRemainder", "REMAINDER", MetadataWriter::Number, "الباقي", 0, 0},
        {"dffReturned", "RETURNED", MetadataWriter::Flag, "تم تسليم السيارة", 0, 0},
        {"dfsSurrenderComments", "SURRENDERCOMMENTS", MetadataWriter::Text, "ملاحظات التسليم", 0, 0},
    });
    bindMissing(m, rent, db, CounterMoney);
    bindMissing(m, rent, db, CarCondition);

    m.combo(QStringLiteral("dfcTITLE"),
            {QStringLiteral("السيد"), QStringLiteral("السيدة"), QStringLiteral("الآنسة"), QStringLiteral("الدكتور"),
             QStringLiteral("المهندس")});
    m.combo(QStringLiteral("dfcIDType"),
            {QStringLiteral("البطاقة المدنية"), QStringLiteral("جواز سفر"), QStringLiteral("إقامة")});
    m.combo(QStringLiteral("dfcNationality"),
            {QStringLiteral("كويتي"), QStringLiteral("كويتية"), QStringLiteral("سعودي"), QStringLiteral("مصري"),
             QStringLiteral("أردني"), QStringLiteral("سوري"), QStringLiteral("هندي"), QStringLiteral("بريطاني")});

    // A contract names who takes which car, from when, and for how much.
    m.validation(1, QStringLiteral("dfnCustomerid"), {}, QStringLiteral("اختر العميل (F5)"), QStringLiteral("dfnCustomerid"), 0);
    m.validation(1, QStringLiteral("dfnCarNo"), {}, QStringLiteral("اختر السيارة (F6)"), QStringLiteral("dfnCarNo"), 0);
    m.validation(4, QStringLiteral("select 1 as notpositive where cast(':1 ' as real) <= 0"),
                 QStringLiteral(":1frmRentCar.dfnDailyRent"), QStringLiteral("الأجرة اليومية يجب أن تكون أكبر من صفر"),
                 QStringLiteral("dfnDailyRent"), 0);
    m.validation(3, QStringLiteral("dfdExitDate"), QStringLiteral("dfdReturnDate"),
                 QStringLiteral("تاريخ العودة المتفق عليه قبل تاريخ الخروج"), QStringLiteral("dfdReturnDate"), 0);
}

void ScreenMetadata::contractMoney(Database& db)
{
    const RowSet rent = db.execute(QStringLiteral(
        "select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmRentCar' and TABLENAME = 'RENT'"));
    if (!rent.isEmpty()) {
        MetadataWriter m(db, QStringLiteral("frmRentCar"));
        bindMissing(m, rent.value(0, 0).toLongLong(), db, CounterMoney);
    }
    LedgerSetup::addContractMoneyRules(db);
}

void ScreenMetadata::carCondition(Database& db)
{
    const RowSet rent = db.execute(QStringLiteral(
        "select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmRentCar' and TABLENAME = 'RENT'"));
    if (!rent.isEmpty()) {
        MetadataWriter m(db, QStringLiteral("frmRentCar"));
        bindMissing(m, rent.value(0, 0).toLongLong(), db, CarCondition);
    }
    LedgerSetup::addCarConditionLedger(db);
}
