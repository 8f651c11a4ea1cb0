#include "core/Database.h"
#include "journal/JournalShipped.h"

namespace {

struct SearchColumn {
    const char* column;
    const char* label;
    const char* searchField;  // the criterion whose text narrows this column
};

}

// The customer search reads its columns from the older tables WINDOWTABLE and
// WINDOWTABLEDETAILS under the name F3M0. "Name:" narrows the name, "Tel:"
// any of the telephone numbers.
void ScreenMetadata::F3M0O(Database& db)
{
    const qint64 table = db.insert(QStringLiteral("WINDOWTABLE"), QStringLiteral("WINDOWTABLEID"),
                                   {{QStringLiteral("WINDOWNAME"), QStringLiteral("F3M0")},
                                    {QStringLiteral("TABLENAME"), QStringLiteral("Customer")},
                                    {QStringLiteral("ONOFF"), 1}});
    const SearchColumn columns[] = {
        {"name", "الاسم", "txtNAME"},
        {"HOMETEL1", "هاتف المنزل", "txtaddress"},
        {"HOMEMOB", "النقال", "txtaddress"},
        {"WORKTEL1", "هاتف العمل", "txtaddress"},
        {"WORKMOB", "نقال العمل", "txtaddress"},
    };
    int order = 0;
    for (const SearchColumn& c : columns)
        db.insert(QStringLiteral("WINDOWTABLEDETAILS"), QStringLiteral("WINDOWTABLEDETAILSID"),
                  {{QStringLiteral("WINDOWTABLEID"), table},
                   {QStringLiteral("COLUMN"), QString::fromUtf8(c.column)},
                   {QStringLiteral("COLUMNLABEL"), QString::fromUtf8(c.label)},
                   {QStringLiteral("ONOFF"), 1},
                   {QStringLiteral("DETAILSORDER"), ++order},
                   {QStringLiteral("SEARCHFIELD"), QString::fromUtf8(c.searchField)}});
}
