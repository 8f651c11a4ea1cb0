#include "engine/MetadataWriter.h"

#include "core/Database.h"

qint64 MetadataWriter::table(const QString& tableName, int order, const QString& description)
{
    return m_db.insert(QStringLiteral("_WINDOWTABLE"), QStringLiteral("WINDOWTABLEID"),
                       {{QStringLiteral("WINDOWNAME"), m_window}, {QStringLiteral("TABLENAME"), tableName},
                        {QStringLiteral("ONOFF"), 1}, {QStringLiteral("TABLEORDER"), order},
                        {QStringLiteral("OPENWINDOWDESC"), description}});
}

void MetadataWriter::identifier(qint64 windowTable, const QString& column, const QString& label, int gridWidth)
{
    m_db.insert(QStringLiteral("_WINDOWTABLEDETAILS"), QStringLiteral("WINDOWTABLEDETAILSID"),
                {{QStringLiteral("WINDOWTABLEID"), windowTable}, {QStringLiteral("WINDOWCONTROL"), QStringLiteral("txtID")},
                 {QStringLiteral("COLUMN"), column}, {QStringLiteral("TYPE"), int(Number)},
                 {QStringLiteral("COLUMNLABEL"), label}, {QStringLiteral("ONOFF"), 1},
                 {QStringLiteral("IDENTIFIER"), 1}, {QStringLiteral("GRIDORDER"), 1},
                 {QStringLiteral("gridwidth"), gridWidth}});
}

void MetadataWriter::field(qint64 windowTable, const QString& control, const QString& column, Type type,
                           const QString& label, int gridOrder, int gridWidth)
{
    m_db.insert(QStringLiteral("_WINDOWTABLEDETAILS"), QStringLiteral("WINDOWTABLEDETAILSID"),
                {{QStringLiteral("WINDOWTABLEID"), windowTable}, {QStringLiteral("WINDOWCONTROL"), control},
                 {QStringLiteral("COLUMN"), column}, {QStringLiteral("TYPE"), int(type)},
                 {QStringLiteral("COLUMNLABEL"), label.isEmpty() ? column : label}, {QStringLiteral("ONOFF"), 1},
                 {QStringLiteral("IDENTIFIER"), 0}, {QStringLiteral("GRIDORDER"), gridOrder},
                 {QStringLiteral("gridwidth"), gridWidth}});
}

void MetadataWriter::combo(const QString& control, const QStringList& values, const QString& defaultValue)
{
    int order = 0;
    for (const QString& v : values)
        m_db.insert(QStringLiteral("_SCREENCOMBOBOX"), QStringLiteral("SCREENCOMBOBOXID"),
                    {{QStringLiteral("WINDOWNAME"), m_window}, {QStringLiteral("COLUMNNAME"), control},
                     {QStringLiteral("COMBOBOXVALUE"), v}, {QStringLiteral("DEFAULT"), v == defaultValue ? 1 : 0},
                     {QStringLiteral("DISPLAYORDER"), ++order}, {QStringLiteral("ONOFF"), 1}});
}

void MetadataWriter::fields(qint64 windowTable, std::initializer_list<FieldRow> rows)
{
    for (const FieldRow& f : rows)
        field(windowTable, QString::fromUtf8(f.control), QString::fromUtf8(f.column), f.type, QString::fromUtf8(f.label),
              f.gridOrder, f.gridWidth);
}

void MetadataWriter::validation(int kind, const QString& operand1, const QString& operand2, const QString& message,
                                const QString& focusField, int tab)
{
    m_db.insert(QStringLiteral("_WINDOWVALIDATION"), QStringLiteral("WINDOWVALIDATIONID"),
                {{QStringLiteral("WINDOWNAME"), m_window}, {QStringLiteral("VALIDATIONTYPEID"), kind},
                 {QStringLiteral("vldtnname1"), operand1}, {QStringLiteral("vldtnname2"), operand2},
                 {QStringLiteral("ErrorMessage"), message}, {QStringLiteral("FOCUSFIELDNAME"), focusField},
                 {QStringLiteral("TABNBR"), tab}, {QStringLiteral("ONOFF"), 1}, {QStringLiteral("ENFORCED"), 1}});
}

qint64 MetadataWriter::grid(const QString& gridName, const QString& tableName)
{
    return m_db.insert(QStringLiteral("_GRIDTABLE"), QStringLiteral("GRIDTABLEID"),
                       {{QStringLiteral("WINDOWNAME"), m_window}, {QStringLiteral("GRIDNAME"), gridName},
                        {QStringLiteral("TABLENAME"), tableName}, {QStringLiteral("ONOFF"), 1}});
}

void MetadataWriter::gridColumn(qint64 grid, int number, const QString& column, const QString& label, int width)
{
    m_db.insert(QStringLiteral("_GRIDTABLEDETAILS"), QStringLiteral("GRIDTABLEDETAILSID"),
                {{QStringLiteral("GRIDTABLEID"), grid}, {QStringLiteral("GRIDCOLUMNNUMBER"), number},
                 {QStringLiteral("Column"), column}, {QStringLiteral("GRIDLABEL"), label},
                 {QStringLiteral("ColumnWidth"), width}, {QStringLiteral("ONOFF"), 1}});
}
