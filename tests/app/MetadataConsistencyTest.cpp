#include "app/Wiring.h"
#include "core/AppError.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "engine/ControlAccess.h"
#include "engine/DataScreen.h"
#include "engine/DateEdit.h"
#include "support/TestOffice.h"

#include <QSet>
#include <QTableView>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Walks the metadata rows of the database against the screens the program
// registers, one line per problem: every screen they name is registered, every
// control they bind is on its screen (a date one can be left empty), every
// column is in its table, every grid column's expression runs, every bound
// screen has one identifier row, and every data screen has the rows it reads,
// saves and lists through.
QStringList metadataProblems(RunState& state)
{
    Database& db = state.db();
    ScreenRegistry& screens = state.screens();
    QStringList problems;
    // Built once, never shown: building is enough to have every control.
    std::map<QString, std::unique_ptr<QWidget>> built;
    const auto screen = [&](const QString& name) {
        auto& w = built[name.toLower()];
        if (!w && screens.contains(name))
            w.reset(screens.instance(name, nullptr));
        return w.get();
    };
    const auto control = [&](const QString& window, const QString& name, const QString& where) {
        QWidget* w = screen(window);
        QWidget* found = w && !name.trimmed().isEmpty() ? ControlAccess::find(w, name.trimmed()) : nullptr;
        if (w && !found)
            problems << window + u" has no control \""_s + name + u"\" ("_s + where + u')';
        return found;
    };
    std::map<QString, QSet<QString>> columnsOf;  // lower case, by table
    const auto column = [&](const QString& table, const QString& name, const QString& where) {
        const auto [known, first] = columnsOf.try_emplace(table.trimmed().toLower());
        for (const QString& c : first && db.tableExists(table.trimmed()) ? db.columnsOf(table.trimmed()) : QStringList{})
            known->second.insert(c.toLower());
        if (!known->second.contains(name.trimmed().toLower()))
            problems << where + u": "_s + table.trimmed() + u" has no column \""_s + name + u'"';
    };
    // Each row a statement gives, as a column-to-text lookup.
    const auto each = [&db](const QString& sql, const auto& visit) {
        const RowSet rows = db.execute(sql);
        for (int i = 0; i < rows.count(); ++i)
            visit([&](const char* column) { return rows.text(i, QLatin1String(column)); });
    };
    const QString bound = u"from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID "
                          "and WT.ONOFF = 1 and WTD.ONOFF = 1"_s;

    each(u"select WINDOWNAME from _WINDOWTABLE union select WINDOWNAME from _GRIDTABLE union "
         "select WINDOWNAME from _SCREENCOMBOBOX union select WINDOWNAME from _WINDOWVALIDATION"_s, [&](auto row) {
        if (!screens.contains(row("WINDOWNAME").trimmed()))
            problems << row("WINDOWNAME") + u" is not registered"_s;
    });
    each(u"select WT.WINDOWNAME , WT.TABLENAME , WTD.* "_s + bound, [&](auto row) {
        QWidget* field = control(row("WINDOWNAME"), row("WINDOWCONTROL"), u"_WINDOWTABLEDETAILS"_s);
        if (field && row("TYPE").toInt() == 2 && !qobject_cast<DateEdit*>(field))
            problems << row("WINDOWNAME") + u" binds \""_s + row("WINDOWCONTROL") + u"\" as a date but it cannot be left empty"_s;
        column(row("TABLENAME"), row("Column"), row("WINDOWNAME") + u'.' + row("WINDOWCONTROL"));
    });
    // The customer search's older definition tables.
    each(u"select WT.WINDOWNAME , WT.TABLENAME , WTD.* from WINDOWTABLE WT , WINDOWTABLEDETAILS WTD WHERE "
         "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WTD.ONOFF = 1"_s,
         [&](auto row) { column(row("TABLENAME"), row("Column"), u"WINDOWTABLEDETAILS of "_s + row("WINDOWNAME")); });
    each(u"select G.WINDOWNAME , G.GRIDNAME , G.TABLENAME , GD.* from _GRIDTABLE G left join _GRIDTABLEDETAILS GD "
         "on GD.GRIDTABLEID = G.GRIDTABLEID and GD.ONOFF = 1 where G.ONOFF = 1"_s, [&](auto row) {
        control(row("WINDOWNAME"), row("GRIDNAME"), u"_GRIDTABLE"_s);
        try {  // run the way the grid reader runs it, on no rows
            if (!row("Column").isNull())
                db.execute(u"SELECT "_s + row("Column") + u" AS [c] FROM "_s + row("TABLENAME") + u" WHERE 1 = 0"_s);
        } catch (const AppError& e) {
            problems << row("WINDOWNAME") + u'.' + row("GRIDNAME") + u": \""_s + row("Column") + u"\" "_s + e.description();
        }
    });
    each(u"select * from _SCREENCOMBOBOX where ONOFF = 1"_s,
         [&](auto row) { control(row("WINDOWNAME"), row("COLUMNNAME"), u"_SCREENCOMBOBOX"_s); });
    each(u"select * from _WINDOWVALIDATION where ONOFF = 1"_s, [&](auto row) {
        const QString rule = u"_WINDOWVALIDATION "_s + row("WINDOWVALIDATIONID");
        // Kind 4 holds a statement and its bind list instead of control names;
        // kind 1 looks at one control only.
        const int kind = row("VALIDATIONTYPEID").toInt();
        if (kind != 4)
            control(row("WINDOWNAME"), row("vldtnname1"), rule);
        if (kind != 4 && (kind != 1 || !row("vldtnname2").trimmed().isEmpty()))
            control(row("WINDOWNAME"), row("vldtnname2"), rule);
        control(row("WINDOWNAME"), row("FOCUSFIELDNAME"), rule + u" focus field"_s);
    });
    each(u"select WT.WINDOWNAME , sum(WTD.IDENTIFIER) as IDENTIFIERS "_s + bound + u" group by WT.WINDOWNAME"_s, [&](auto row) {
        if (row("IDENTIFIERS").toDouble() != 1)
            problems << row("WINDOWNAME") + u" has "_s + row("IDENTIFIERS") + u" identifier rows"_s;
    });

    // Without its rows a data screen opens empty: its record (txtID) needs a
    // bound table in force, each of its grids a grid row.
    int dataScreens = 0;
    for (const QString& name : screens.names()) {
        auto* data = qobject_cast<DataScreen*>(screen(name));
        dataScreens += data ? 1 : 0;
        const QString window = u"ONOFF = 1 and WINDOWNAME = '"_s + SqlValue::text(name) + u'\'';
        if (data && ControlAccess::find(data, u"txtID"_s) && db.execute(u"select * from _WINDOWTABLE where "_s + window).isEmpty())
            problems << name + u" has no table in force"_s;
        for (const QTableView* grid : data ? data->findChildren<QTableView*>() : QList<QTableView*>{})
            if (!grid->objectName().isEmpty() && !grid->objectName().startsWith(u"qt_"_s)
                && db.execute(u"select * from _GRIDTABLE where "_s + window + u" and GRIDNAME = '"_s
                              + SqlValue::text(grid->objectName()) + u'\'').isEmpty())
                problems << name + u'.' + grid->objectName() + u" has no grid row"_s;
    }
    if (dataScreens == 0)
        problems << u"no data screen is registered"_s;
    return problems;
}

}

TEST(MetadataConsistency, ANewDatabaseDescribesOnlyRealScreensControlsAndColumns)
{
    TestOffice office;
    Wiring::registerScreens(office.state().screens());
    EXPECT_EQ(metadataProblems(office.state()).join(u'\n').toStdString(), "");
}
