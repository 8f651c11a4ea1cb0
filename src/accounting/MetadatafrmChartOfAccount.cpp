#include "accounting/AccountingShipped.h"
#include "engine/MetadataWriter.h"

void ScreenMetadata::frmChartOfAccount(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmChartOfAccount"));
    const qint64 accounts = m.table(QStringLiteral("chartofaccount"), 1, QStringLiteral("دليل الحسابات"));
    m.identifier(accounts, QStringLiteral("CHARTOFACCOUNTID"), QStringLiteral("الرقم"), 60);
    m.field(accounts, QStringLiteral("txtNAME"), QStringLiteral("NAME"), MetadataWriter::Text,
            QStringLiteral("اسم الحساب"), 3, 200);
    m.field(accounts, QStringLiteral("dfnACCOUNTNUMBER"), QStringLiteral("ACCOUNTNUMBER"), MetadataWriter::Number,
            QStringLiteral("رقم الحساب"), 2, 90);
    m.field(accounts, QStringLiteral("dfgACCOUNTCATEGORYID"), QStringLiteral("ACCOUNTCATEGORYID"),
            MetadataWriter::Number, QStringLiteral("نوع الحساب"), 4, 80);
    m.field(accounts, QStringLiteral("dfsDescription"), QStringLiteral("DESCRIPTION"), MetadataWriter::Text,
            QStringLiteral("الوصف"), 5, 220);

    m.validation(1, QStringLiteral("dfnACCOUNTNUMBER"), {}, QStringLiteral("أدخل رقم الحساب"),
                 QStringLiteral("dfnACCOUNTNUMBER"), 0);
    // Lines find their account by its number: no two accounts share one.
    m.validation(4,
                 QStringLiteral("select ACCOUNTNUMBER from chartofaccount where ACCOUNTNUMBER = ':1 ' "
                                "and CHARTOFACCOUNTID <> ':2 '"),
                 QStringLiteral(":1frmChartOfAccount.dfnACCOUNTNUMBER,:2frmChartOfAccount.txtID"),
                 QStringLiteral("رقم الحساب مستخدم لحساب آخر"), QStringLiteral("dfnACCOUNTNUMBER"), 0);
    m.validation(1, QStringLiteral("dfgACCOUNTCATEGORYID"), {}, QStringLiteral("اختر نوع الحساب"),
                 QStringLiteral("dfgACCOUNTCATEGORYID"), 0);
}
