#include "engine/MetadataWriter.h"
#include "journal/JournalShipped.h"

// The archive lists the change journal; the entry number must stay the first
// column, since a double-click opens the entry it names.
void ScreenMetadata::F1M0(Database& db)
{
    MetadataWriter m(db, QStringLiteral("F1M0"));
    const qint64 grid = m.grid(QStringLiteral("datagrid1"), QStringLiteral("_JOURNAL"));
    m.gridColumn(grid, 1, QStringLiteral("JOURNALID"), QStringLiteral("رقم القيد"), 70);
    m.gridColumn(grid, 2, QStringLiteral("JOURNALDATE"), QStringLiteral("التاريخ"), 90);
    m.gridColumn(grid, 3, QStringLiteral("JOURNALTIME"), QStringLiteral("الوقت"), 70);
    m.gridColumn(grid, 4, QStringLiteral("USER"), QStringLiteral("المستخدم"), 90);
    m.gridColumn(grid, 5, QStringLiteral("FORMNAME"), QStringLiteral("الشاشة"), 140);
    m.gridColumn(grid, 6, QStringLiteral("JOURNALDESCRIPTION"), QStringLiteral("الوصف"), 180);
    m.gridColumn(grid, 7, QStringLiteral("MODIFICATIONDESCRIPTION"), QStringLiteral("نوع التعديل"), 90);
}
