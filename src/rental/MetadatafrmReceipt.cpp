#include "accounting/ReceiptRules.h"
#include "core/Database.h"
#include "engine/MetadataWriter.h"
#include "rental/RentalShipped.h"

void ScreenMetadata::frmReceipt(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmReceipt"));
    const qint64 receipt = m.table(QStringLiteral("RECEIPT"), 1, QStringLiteral("سندات القبض والرد"));
    m.identifier(receipt, QStringLiteral("RECEIPTID"), QStringLiteral("رقم السند"), 60);
    m.fields(receipt, {
        {"txtNAME", "NAME", MetadataWriter::Text, "البيان", 4, 150},
        {"dfdReceiptDate", "RECEIPTDATE", MetadataWriter::Date, "التاريخ", 2, 80},
        {"dfnCustomerid", "CUSTOMERID", MetadataWriter::Number, "رقم العميل", 0, 0},
        {"dfsCustomerNAME", "CUSTOMERNAME", MetadataWriter::Text, "العميل", 3, 150},
        {"dfnRentId", "RENTID", MetadataWriter::Number, "رقم العقد", 0, 0},
        {"dfnAmount", "AMOUNT", MetadataWriter::Number, "المبلغ", 5, 80},
        {"dfnMethod", "METHOD", MetadataWriter::Number, "طريقة الدفع", 0, 0},
        {"dfsReference", "REFERENCE", MetadataWriter::Text, "المرجع", 0, 0},
        {"dffRefund", "REFUND", MetadataWriter::Flag, "رد مبلغ", 0, 0},
        {"dfsNotes", "COMMENTS", MetadataWriter::Text, "ملاحظات", 0, 0},
    });
    // Whose money, on which day, and how much.
    m.validation(1, QStringLiteral("dfnCustomerid"), {}, QStringLiteral("اختر العميل (F5)"), QStringLiteral("dfnCustomerid"), 0);
    m.validation(1, QStringLiteral("dfdReceiptDate"), {}, QStringLiteral("اكتب تاريخ السند"), QStringLiteral("dfdReceiptDate"), 0);
    m.validation(4, QStringLiteral("select 1 as notpositive where cast(':1 ' as real) <= 0"),
                 QStringLiteral(":1frmReceipt.dfnAmount"), QStringLiteral("أدخل مبلغا أكبر من صفر"),
                 QStringLiteral("dfnAmount"), 0);
}

void ScreenMetadata::receipts(Database& db)
{
    const auto none = [&db](const QString& sql) { return db.execute(sql).value(0, 0).toInt() == 0; };
    // A new office is still empty here: it gets all of it a moment later.
    if (none(QStringLiteral("select count(*) from _WINDOWTABLE")))
        return;
    if (none(QStringLiteral("select count(*) from _WINDOWTABLE where WINDOWNAME = 'frmReceipt'")))
        frmReceipt(db);
    ReceiptRules::addWhenMissing(db);
    // An office without reports got them all, these too, a step before.
    if (!none(QStringLiteral("select count(*) from _RPT"))) {
        QList<ReportSetup::Report> missing;
        for (ReportSetup::Report report : ReportSetup::receiptReports()) {
            if (!none(QStringLiteral("select count(*) from _RPT where RPTFILENAME = '") + report.file + QLatin1Char('\'')))
                continue;
            // A number the office gave a report of its own stays that report's.
            if (!none(QStringLiteral("select count(*) from _RPT where RPTID = ") + QString::number(report.id)))
                report.id = db.execute(QStringLiteral("select max(RPTID) + 1 from _RPT")).value(0, 0).toLongLong();
            missing << report;
        }
        ReportSetup::add(db, missing);
    }
    // Whoever may rent a car may take money for it.
    db.command(QStringLiteral("update group_func set command9 = command1 where menu_name = 'F5M'"));
}
