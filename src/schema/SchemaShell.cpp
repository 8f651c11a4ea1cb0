#include "schema/SchemaTables.h"

using namespace SchemaTables::col;
using SchemaTables::index;

// Operators, their menu rights and the office-wide settings.
QList<TableDef> SchemaTables::shell()
{
    TableDef operatorTable{
        QStringLiteral("OPERATOR"),
        {key("OPERATORID"), text("LOGINID"), text("PASSWRD"), text("operatorname"),
         flag("storepassword"), flag("OPERATORSUSPENDED"), text("FavouriteWindow"),
         // Kept by the operator screen; nothing consults them.
         date("EXPIRATIONDATE"), real("DISCOUNTPERCENTAGE")},
        {index({"LOGINID"})}};

    TableDef groupFunc{
        QStringLiteral("group_func"),
        // Rights are rewritten as five rows per operator; the surrogate key lets
        // a grid edit them.
        {key("GROUPFUNCID"), number("operatorid"), text("menu_name"), flag("command1"),
         flag("command2"), flag("command3"), flag("command4"), flag("command5"),
         flag("command6"), flag("command7"), flag("command8"), flag("command9")},
        {index({"operatorid", "menu_name"})}};

    // Entries are unique by use (SetConfig updates before it inserts), not by
    // constraint, so the index is a plain one.
    TableDef config{QStringLiteral("_CONFIG"),
                    {key("CONFIGID"), text("entry"), text("entryvalue")},
                    {index({"entry"})}};

    return {operatorTable, groupFunc, config};
}

TableDef SchemaTables::storedLogins()
{
    return {QStringLiteral("_STOREDLOGIN"),
            {key("STOREDLOGINID"), number("OPERATORID"), text("WORKSTATION"), text("TOKENHASH")},
            {index({"OPERATORID", "WORKSTATION"})}};
}
