#include "schema/SchemaTables.h"

using namespace SchemaTables::col;
using SchemaTables::index;

// Screen definitions: which table a screen edits, which control is bound to
// which column, grids, fixed lists, validation rules and layout snapshots.
// Tables that came without a key get a surrogate one so grids can edit them.
QList<TableDef> SchemaTables::engine()
{
    TableDef windowTable{
        QStringLiteral("_WINDOWTABLE"),
        {key("WINDOWTABLEID"), text("WINDOWNAME"), text("TABLENAME"), onoff(),
         number("TABLEORDER"), text("OPENWINDOWDESC")},
        {index({"WINDOWNAME"})}};

    TableDef windowTableDetails{
        QStringLiteral("_WINDOWTABLEDETAILS"),
        {key("WINDOWTABLEDETAILSID"), number("WINDOWTABLEID"), text("WINDOWCONTROL"),
         text("COLUMN"), number("TYPE"), text("COLUMNLABEL"), onoff(), flag("IDENTIFIER"),
         number("GRIDORDER"), number("gridwidth")},
        {index({"WINDOWTABLEID"})}};

    TableDef gridTable{
        QStringLiteral("_GRIDTABLE"),
        {key("GRIDTABLEID"), text("WINDOWNAME"), text("GRIDNAME"), text("TABLENAME"), onoff()},
        {index({"WINDOWNAME", "GRIDNAME"})}};

    TableDef gridTableDetails{
        QStringLiteral("_GRIDTABLEDETAILS"),
        {key("GRIDTABLEDETAILSID"), number("GRIDTABLEID"), number("GRIDCOLUMNNUMBER"),
         text("Column"), text("GRIDLABEL"), number("ColumnWidth"), onoff()},
        {index({"GRIDTABLEID"})}};

    TableDef screenComboBox{
        QStringLiteral("_SCREENCOMBOBOX"),
        {key("SCREENCOMBOBOXID"), text("WINDOWNAME"), text("COLUMNNAME"), text("COMBOBOXVALUE"),
         flag("DEFAULT"), number("DISPLAYORDER"), onoff()},
        {index({"WINDOWNAME", "COLUMNNAME"})}};

    TableDef windowValidation{
        QStringLiteral("_WINDOWVALIDATION"),
        {key("WINDOWVALIDATIONID"), text("WINDOWNAME"), number("VALIDATIONTYPEID"),
         text("vldtnname1"), text("vldtnname2"), text("ErrorMessage"), text("FOCUSFIELDNAME"),
         number("TABNBR"), onoff()},
        {index({"WINDOWNAME"})}};

    // Written by the designer with ONOFF 0; nothing reads it back.
    TableDef screenControl{
        QStringLiteral("_screencontrol"),
        {key("SCREENCONTROLID"), text("WINDOWNAME"), text("CONTROLNAME"), number("CONTROLINDEX"),
         number("CONTROLTYPE"), text("CONTROLVALUE"), number("DIMTOP"), number("DIMLEFT"),
         number("DIMWIDTH"), number("DIMHEIGHT"), flag("ENABLE"), flag("HIDE"), text("LANGUAGE"),
         flag("ONOFF")},
        {index({"WINDOWNAME"})}};

    // The customer search dialog reads its columns from these two tables (no
    // leading underscore); without rows the search shows nothing.
    // SEARCHFIELD names the search criterion whose text narrows the column.
    TableDef searchWindowTable{
        QStringLiteral("WINDOWTABLE"),
        {key("WINDOWTABLEID"), text("WINDOWNAME"), text("TABLENAME"), onoff()},
        {index({"WINDOWNAME"})}};

    TableDef searchWindowTableDetails{
        QStringLiteral("WINDOWTABLEDETAILS"),
        {key("WINDOWTABLEDETAILSID"), number("WINDOWTABLEID"), text("COLUMN"),
         text("COLUMNLABEL"), onoff(), number("DETAILSORDER"), text("SEARCHFIELD")},
        {index({"WINDOWTABLEID"})}};

    return {windowTable,      windowTableDetails, gridTable,         gridTableDetails,
            screenComboBox,   windowValidation,   screenControl,     searchWindowTable,
            searchWindowTableDetails};
}
