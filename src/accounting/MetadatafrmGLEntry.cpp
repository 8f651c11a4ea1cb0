#include "accounting/AccountingShipped.h"
#include "engine/MetadataWriter.h"

// A ledger entry is a row of JOURNAL; its lines are posted from these fields.
void ScreenMetadata::frmGLEntry(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmGLEntry"));
    const qint64 journal = m.table(QStringLiteral("JOURNAL"), 1, QStringLiteral("القيود"));
    m.identifier(journal, QStringLiteral("JOURNALID"), QStringLiteral("رقم القيد"), 70);
    m.field(journal, QStringLiteral("txtNAME"), QStringLiteral("NAME"), MetadataWriter::Text, QStringLiteral("البيان"),
            2, 200);
    m.field(journal, QStringLiteral("dfdTransactionDate"), QStringLiteral("TRANSACTIONDATE"), MetadataWriter::Date,
            QStringLiteral("التاريخ"), 3, 90);
    m.field(journal, QStringLiteral("dfnAmount"), QStringLiteral("AMOUNT"), MetadataWriter::Number,
            QStringLiteral("المبلغ"), 4, 90);
    m.field(journal, QStringLiteral("dfgFromAccount"), QStringLiteral("FROMACCOUNT"), MetadataWriter::Number,
            QStringLiteral("من حساب"));
    m.field(journal, QStringLiteral("dfsRelatedDetailDebit"), QStringLiteral("RELATEDDETAILDEBIT"),
            MetadataWriter::Text, QStringLiteral("بيان المدين"));
    m.field(journal, QStringLiteral("dfgToAccount"), QStringLiteral("TOACCOUNT"), MetadataWriter::Number,
            QStringLiteral("إلى حساب"));
    m.field(journal, QStringLiteral("dfsRelatedDetailCredit"), QStringLiteral("RELATEDDETAILCREDIT"),
            MetadataWriter::Text, QStringLiteral("بيان الدائن"));
    m.field(journal, QStringLiteral("dfsNarrative"), QStringLiteral("NARRATIVE"), MetadataWriter::Text,
            QStringLiteral("ملاحظات"), 5, 200);

    m.validation(4, QStringLiteral("select 1 as notpositive where cast(':1 ' as real) <= 0"),
                 QStringLiteral(":1frmGLEntry.dfnAmount"), QStringLiteral("أدخل مبلغا أكبر من صفر"),
                 QStringLiteral("dfnAmount"), 0);
    m.validation(1, QStringLiteral("dfgFromAccount"), {}, QStringLiteral("اختر الحساب المدين"),
                 QStringLiteral("dfgFromAccount"), 0);
    m.validation(1, QStringLiteral("dfgToAccount"), {}, QStringLiteral("اختر الحساب الدائن"),
                 QStringLiteral("dfgToAccount"), 0);
    m.validation(4, QStringLiteral("select 1 as sameaccount where ':1 ' = ':2 ' and ':1 ' <> ''"),
                 QStringLiteral(":1frmGLEntry.dfgFromAccount,:2frmGLEntry.dfgToAccount"),
                 QStringLiteral("الحساب المدين والحساب الدائن يجب أن يختلفا"), QStringLiteral("dfgToAccount"), 0);
}
