#include "engine/MetadataWriter.h"
#include "journal/JournalShipped.h"

// The accounting archive lists one row per journal, dated by its event.
void ScreenMetadata::F1M1(Database& db)
{
    MetadataWriter m(db, QStringLiteral("F1M1"));
    const qint64 grid = m.grid(QStringLiteral("datagrid1"), QStringLiteral("JOURNAL"));
    m.gridColumn(grid, 1, QStringLiteral("JOURNALID"), QStringLiteral("رقم القيد"), 70);
    m.gridColumn(grid, 2, QStringLiteral("TRANSACTIONDATE"), QStringLiteral("التاريخ"), 90);
    m.gridColumn(grid, 3, QStringLiteral("NAME"), QStringLiteral("البيان"), 200);
    m.gridColumn(grid, 4, QStringLiteral("AMOUNT"), QStringLiteral("المبلغ"), 90);
    m.gridColumn(grid, 5, QStringLiteral("NARRATIVE"), QStringLiteral("ملاحظات"), 180);
}
