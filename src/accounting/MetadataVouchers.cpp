#include "accounting/AccountingShipped.h"
#include "engine/MetadataWriter.h"

// The four voucher screens are one screen class: a voucher is a row of
// JOURNAL, and the ledger rule of its screen posts its lines.
void ScreenMetadata::vouchers(Database& db)
{
    const struct {
        const char* screen;
        const char* description;
        bool forACar;
    } kinds[] = {
        {"frmIncomeRent", "إيرادات السيارات", true},
        {"frmIncomeGeneral", "إيرادات عامة", false},
        {"frmExpenseRent", "مصروفات السيارات", true},
        {"frmExpenseGeneral", "مصروفات عامة", false},
    };
    for (const auto& kind : kinds) {
        const QString screen = QLatin1String(kind.screen);
        MetadataWriter m(db, screen);
        const qint64 journal = m.table(QStringLiteral("JOURNAL"), 1, QString::fromUtf8(kind.description));
        m.identifier(journal, QStringLiteral("JOURNALID"), QStringLiteral("رقم السند"), 70);
        m.field(journal, QStringLiteral("txtNAME"), QStringLiteral("NAME"), MetadataWriter::Text,
                QStringLiteral("البيان"), 2, 200);
        m.field(journal, QStringLiteral("dfdTransactionDate"), QStringLiteral("TRANSACTIONDATE"),
                MetadataWriter::Date, QStringLiteral("التاريخ"), 3, 90);
        m.field(journal, QStringLiteral("dfnAmount"), QStringLiteral("AMOUNT"), MetadataWriter::Number,
                QStringLiteral("المبلغ"), 4, 90);
        m.field(journal, QStringLiteral("dfgCarID"), QStringLiteral("CARID"), MetadataWriter::Number,
                QStringLiteral("رقم السيارة"), kind.forACar ? 5 : 0, 70);
        m.field(journal, QStringLiteral("dfsLICENSENO"), QStringLiteral("LICENSENO"), MetadataWriter::Text,
                QStringLiteral("رقم اللوحة"));
        m.field(journal, QStringLiteral("Text1"), QStringLiteral("CHEQUEDETAILS"), MetadataWriter::Text,
                QStringLiteral("تفاصيل الشيك"));
        m.field(journal, QStringLiteral("dfsNarrative"), QStringLiteral("NARRATIVE"), MetadataWriter::Text,
                QStringLiteral("ملاحظات"));

        m.validation(4, QStringLiteral("select 1 as notpositive where cast(':1 ' as real) <= 0"),
                     QStringLiteral(":1") + screen + QStringLiteral(".dfnAmount"),
                     QStringLiteral("أدخل مبلغا أكبر من صفر"), QStringLiteral("dfnAmount"), 0);
        if (kind.forACar)
            m.validation(1, QStringLiteral("dfgCarID"), {}, QStringLiteral("اختر السيارة"),
                         QStringLiteral("dfgCarID"), 0);
    }
}
