#include "core/Database.h"
#include "engine/MetadataWriter.h"
#include "rental/RentalShipped.h"

namespace {

void idExpiry(MetadataWriter& m, qint64 customers)
{
    m.field(customers, QStringLiteral("dfdIDExpiryDate"), QStringLiteral("IDEXPIRYDATE"), MetadataWriter::Date,
        QStringLiteral("انتهاء الهوية"));
}

}

void ScreenMetadata::customerIdExpiry(Database& db)
{
    const RowSet customers = db.execute(QStringLiteral(
        "select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmCustomers' and TABLENAME = 'Customer'"));
    if (customers.isEmpty()
        || !db.execute(QStringLiteral("select WINDOWTABLEDETAILSID from _WINDOWTABLEDETAILS where WINDOWTABLEID = ")
                       + QString::number(customers.value(0, 0).toLongLong())
                       + QStringLiteral(" and WINDOWCONTROL = 'dfdIDExpiryDate'"))
                .isEmpty())
        return;
    MetadataWriter m(db, QStringLiteral("frmCustomers"));
    idExpiry(m, customers.value(0, 0).toLongLong());
}

void ScreenMetadata::frmCustomers(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmCustomers"));
    const qint64 customers = m.table(QStringLiteral("Customer"), 1, QStringLiteral("العملاء"));
    m.identifier(customers, QStringLiteral("CUSTOMERID"), QStringLiteral("الرقم"), 60);
    m.field(customers, QStringLiteral("txtNAME"), QStringLiteral("name"), MetadataWriter::Text, QStringLiteral("الاسم"),
        2, 180);
    m.field(customers, QStringLiteral("dfsHomeTel1"), QStringLiteral("HOMETEL1"), MetadataWriter::Text,
        QStringLiteral("الهاتف"), 3, 110);
    m.field(customers, QStringLiteral("dfnIDNumber"), QStringLiteral("IDNUMBER"), MetadataWriter::Number,
        QStringLiteral("رقم الهوية"), 4, 110);
    m.field(
        customers, QStringLiteral("dfcTITLE"), QStringLiteral("TITLE"), MetadataWriter::Text, QStringLiteral("اللقب"));
    m.field(customers, QStringLiteral("dfsLASTNAME"), QStringLiteral("LASTNAME"), MetadataWriter::Text,
        QStringLiteral("اسم العائلة"));
    m.field(customers, QStringLiteral("dfsNICKNAME"), QStringLiteral("NICKNAME"), MetadataWriter::Text,
        QStringLiteral("اسم آخر"));
    m.field(customers, QStringLiteral("dfcIDType"), QStringLiteral("IDTYPE"), MetadataWriter::Text,
        QStringLiteral("نوع الهوية"));
    m.field(customers, QStringLiteral("dfsIssuePlace"), QStringLiteral("ISSUEPLACE"), MetadataWriter::Text,
        QStringLiteral("مكان الإصدار"));
    m.field(customers, QStringLiteral("dfdIssueDate"), QStringLiteral("ISSUEDATE"), MetadataWriter::Date,
        QStringLiteral("تاريخ الإصدار"));
    idExpiry(m, customers);
    m.field(customers, QStringLiteral("dfcLicenseType"), QStringLiteral("LICENSETYPE"), MetadataWriter::Text,
        QStringLiteral("نوع الرخصة"));
    m.field(customers, QStringLiteral("dfsHomeCarLicense"), QStringLiteral("HOMECARLICENSE"), MetadataWriter::Text,
        QStringLiteral("رقم الرخصة"));
    m.field(customers, QStringLiteral("dfcTrafficDepart"), QStringLiteral("TRAFFICDEPART"), MetadataWriter::Text,
        QStringLiteral("إدارة المرور"));
    m.field(customers, QStringLiteral("dfdHomeLicenseExpiry"), QStringLiteral("HOMELICENSEEXPIRY"),
        MetadataWriter::Date, QStringLiteral("انتهاء الرخصة"));
    m.field(customers, QStringLiteral("dfcNationality"), QStringLiteral("NATIONALITY"), MetadataWriter::Text,
        QStringLiteral("الجنسية"));
    m.field(customers, QStringLiteral("dfcSex"), QStringLiteral("SEX"), MetadataWriter::Text, QStringLiteral("الجنس"));
    m.field(customers, QStringLiteral("dffBlackList"), QStringLiteral("BLACKLIST"), MetadataWriter::Flag,
        QStringLiteral("القائمة السوداء"));
    m.field(customers, QStringLiteral("dffStopTransaction"), QStringLiteral("STOPTRANSACTION"), MetadataWriter::Flag,
        QStringLiteral("موقوف"));
    m.field(customers, QStringLiteral("dfdCreationDate"), QStringLiteral("CREATIONDATE"), MetadataWriter::Date,
        QStringLiteral("تاريخ التسجيل"));
    m.field(customers, QStringLiteral("dfdLastTransaction"), QStringLiteral("LASTTRANSACTION"), MetadataWriter::Date,
        QStringLiteral("آخر معاملة"));
    m.field(customers, QStringLiteral("dfnBalance"), QStringLiteral("BALANCE"), MetadataWriter::Number,
        QStringLiteral("الرصيد"));
    m.field(customers, QStringLiteral("dfcReligin"), QStringLiteral("RELIGIN"), MetadataWriter::Text,
        QStringLiteral("الديانة"));
    m.field(customers, QStringLiteral("dfcMaritalStatus"), QStringLiteral("MARITALSTATUS"), MetadataWriter::Text,
        QStringLiteral("الحالة الاجتماعية"));
    m.field(customers, QStringLiteral("dfsReferedBy"), QStringLiteral("REFEREDBY"), MetadataWriter::Text,
        QStringLiteral("بتوصية من"));
    m.field(customers, QStringLiteral("dfdBirthDate"), QStringLiteral("BIRTHDATE"), MetadataWriter::Date,
        QStringLiteral("تاريخ الميلاد"));
    m.field(customers, QStringLiteral("dfsChildren"), QStringLiteral("CHILDREN"), MetadataWriter::Text,
        QStringLiteral("الأولاد"));
    m.field(customers, QStringLiteral("dfsSpouse"), QStringLiteral("SPOUSE"), MetadataWriter::Text,
        QStringLiteral("الزوج"));
    m.field(customers, QStringLiteral("dfsHomeAddress"), QStringLiteral("HOMEADDRESS"), MetadataWriter::Text,
        QStringLiteral("العنوان - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeCity"), QStringLiteral("HOMECITY"), MetadataWriter::Text,
        QStringLiteral("المدينة - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeGovern"), QStringLiteral("HOMEGOVERN"), MetadataWriter::Text,
        QStringLiteral("المحافظة - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeCountry"), QStringLiteral("HOMECOUNTRY"), MetadataWriter::Text,
        QStringLiteral("البلد - المنزل"));
    m.field(customers, QStringLiteral("dfsHomePostalCode"), QStringLiteral("HOMEPOSTALCODE"), MetadataWriter::Text,
        QStringLiteral("الرمز البريدي - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeTel2"), QStringLiteral("HOMETEL2"), MetadataWriter::Text,
        QStringLiteral("هاتف 2 - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeTel3"), QStringLiteral("HOMETEL3"), MetadataWriter::Text,
        QStringLiteral("هاتف 3 - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeMob"), QStringLiteral("HOMEMOB"), MetadataWriter::Text,
        QStringLiteral("الجوال - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeExt"), QStringLiteral("HOMEEXT"), MetadataWriter::Text,
        QStringLiteral("التحويلة - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeFax"), QStringLiteral("HOMEFAX"), MetadataWriter::Text,
        QStringLiteral("الفاكس - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeEmail"), QStringLiteral("HOMEEMAIL"), MetadataWriter::Text,
        QStringLiteral("البريد الإلكتروني - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeWebSite"), QStringLiteral("HOMEWEBSITE"), MetadataWriter::Text,
        QStringLiteral("الموقع - المنزل"));
    m.field(customers, QStringLiteral("dfsHomeComments"), QStringLiteral("HOMECOMMENTS"), MetadataWriter::Text,
        QStringLiteral("ملاحظات - المنزل"));
    m.field(customers, QStringLiteral("dfsWorkCompany"), QStringLiteral("WORKCOMPANY"), MetadataWriter::Text,
        QStringLiteral("الشركة"));
    m.field(customers, QStringLiteral("dfsWorkJob"), QStringLiteral("WORKJOB"), MetadataWriter::Text,
        QStringLiteral("الوظيفة"));
    m.field(customers, QStringLiteral("dfsWorkDepartment"), QStringLiteral("WORKDEPARTMENT"), MetadataWriter::Text,
        QStringLiteral("القسم"));
    m.field(customers, QStringLiteral("dfsWorkAssistant"), QStringLiteral("WORKASSISTANT"), MetadataWriter::Text,
        QStringLiteral("المساعد"));
    m.field(customers, QStringLiteral("dfsWorkAddress"), QStringLiteral("WORKADDRESS"), MetadataWriter::Text,
        QStringLiteral("العنوان - العمل"));
    m.field(customers, QStringLiteral("dfsWorkCity"), QStringLiteral("WORKCITY"), MetadataWriter::Text,
        QStringLiteral("المدينة - العمل"));
    m.field(customers, QStringLiteral("dfsWorkGovern"), QStringLiteral("WORKGOVERN"), MetadataWriter::Text,
        QStringLiteral("المحافظة - العمل"));
    m.field(customers, QStringLiteral("dfsWorkCountry"), QStringLiteral("WORKCOUNTRY"), MetadataWriter::Text,
        QStringLiteral("البلد - العمل"));
    m.field(customers, QStringLiteral("dfsWorkPostalCode"), QStringLiteral("WORKPOSTALCODE"), MetadataWriter::Text,
        QStringLiteral("الرمز البريدي - العمل"));
    m.field(customers, QStringLiteral("dfsWorkTel1"), QStringLiteral("WORKTEL1"), MetadataWriter::Text,
        QStringLiteral("هاتف 1 - العمل"));
    m.field(customers, QStringLiteral("dfsWorkTel2"), QStringLiteral("WORKTEL2"), MetadataWriter::Text,
        QStringLiteral("هاتف 2 - العمل"));
    m.field(customers, QStringLiteral("dfsWorkTel3"), QStringLiteral("WORKTEL3"), MetadataWriter::Text,
        QStringLiteral("هاتف 3 - العمل"));
    m.field(customers, QStringLiteral("dfsWorkMob"), QStringLiteral("WORKMOB"), MetadataWriter::Text,
        QStringLiteral("الجوال - العمل"));
    m.field(customers, QStringLiteral("dfsWorkExt"), QStringLiteral("WORKEXT"), MetadataWriter::Text,
        QStringLiteral("التحويلة - العمل"));
    m.field(customers, QStringLiteral("dfsWorkFax"), QStringLiteral("WORKFAX"), MetadataWriter::Text,
        QStringLiteral("الفاكس - العمل"));
    m.field(customers, QStringLiteral("dfsWorkEmail"), QStringLiteral("WORKEMAIL"), MetadataWriter::Text,
        QStringLiteral("البريد الإلكتروني - العمل"));
    m.field(customers, QStringLiteral("dfsWorkWebsite"), QStringLiteral("WORKWEBSITE"), MetadataWriter::Text,
        QStringLiteral("الموقع - العمل"));
    m.field(customers, QStringLiteral("dfsWorkComments"), QStringLiteral("WORKCOMMENTS"), MetadataWriter::Text,
        QStringLiteral("ملاحظات - العمل"));
    m.field(customers, QStringLiteral("dfsWorkCarNo"), QStringLiteral("WORKCARNO"), MetadataWriter::Text,
        QStringLiteral("رقم سيارة العمل"));
    m.field(customers, QStringLiteral("dfsWorkCarLicenseNo"), QStringLiteral("WORKCARLICENSENO"), MetadataWriter::Text,
        QStringLiteral("رخصة سيارة العمل"));
    m.field(customers, QStringLiteral("dfsWorkCarTraffic"), QStringLiteral("WORKCARTRAFFIC"), MetadataWriter::Text,
        QStringLiteral("مرور سيارة العمل"));

    m.combo(QStringLiteral("dfcTITLE"),
        { QStringLiteral("السيد"), QStringLiteral("السيدة"), QStringLiteral("الآنسة"), QStringLiteral("الدكتور"),
            QStringLiteral("المهندس") });
    m.combo(QStringLiteral("dfcIDType"),
        { QStringLiteral("البطاقة المدنية"), QStringLiteral("جواز سفر"), QStringLiteral("إقامة") });
    m.combo(QStringLiteral("dfcLicenseType"),
        { QStringLiteral("خاصة"), QStringLiteral("عمومية"), QStringLiteral("دولية"), QStringLiteral("مؤقتة") });
    m.combo(QStringLiteral("dfcNationality"),
        { QStringLiteral("كويتي"), QStringLiteral("كويتية"), QStringLiteral("سعودي"), QStringLiteral("مصري"),
            QStringLiteral("أردني"), QStringLiteral("سوري"), QStringLiteral("هندي"), QStringLiteral("بريطاني") });
    m.combo(QStringLiteral("dfcSex"), { QStringLiteral("ذكر"), QStringLiteral("أنثى") });
    m.combo(QStringLiteral("dfcReligin"), { QStringLiteral("مسلم"), QStringLiteral("مسيحي"), QStringLiteral("أخرى") });
    m.combo(QStringLiteral("dfcMaritalStatus"),
        { QStringLiteral("أعزب"), QStringLiteral("متزوج"), QStringLiteral("مطلق"), QStringLiteral("أرمل") });
    m.combo(QStringLiteral("dfcTrafficDepart"),
        { QStringLiteral("مرور العاصمة"), QStringLiteral("مرور حولي"), QStringLiteral("مرور الفروانية"),
            QStringLiteral("مرور الأحمدي"), QStringLiteral("مرور الجهراء"), QStringLiteral("مرور مبارك الكبير") });

    // The contract copies the ID number; a customer without one cannot rent.
    m.validation(
        1, QStringLiteral("dfnIDNumber"), {}, QStringLiteral("اكتب رقم هوية العميل"), QStringLiteral("dfnIDNumber"), 1);
}
