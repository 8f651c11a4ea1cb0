#include "app/Wiring.h"
#include "engine/ControlAccess.h"
#include "engine/DataScreen.h"
#include "shell/base/AppError.h"
#include "shell/base/RunState.h"
#include "shell/base/SqlValue.h"
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
// control they bind is on its screen, every column is in its table, every grid
// column's expression runs, every bound screen has one identifier row, and
// every data screen has the rows it reads, saves and lists through.
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
        if (QWidget* w = screen(window); w && (name.trimmed().isEmpty() || !ControlAccess::find(w, name.trimmed())))
            problems << window + u" has no control \""_s + name + u"\" ("_s + where + u')';
    };
    std::map<QString, QSet<QString>> columnsOf;
    const auto column = [&](const QString& table, const QString& name, const QString& where) {
        const QString t = table.trimmed();
        if (!columnsOf.count(t.toLower())) {
            QSet<QString>& names = columnsOf[t.toLower()];
            for (const QString& c : db.tableExists(t) ? db.columnsOf(t) : QStringList{})
                names.insert(c.toLower());
        }
        if (!columnsOf[t.toLower()].contains(name.trimmed().toLower()))
            problems << where + u": "_s + t + u" has no column \""_s + name + u'"';
    };

    const RowSet named = db.execute(u"select WINDOWNAME from _WINDOWTABLE union select WINDOWNAME from _GRIDTABLE "
                                    "union select WINDOWNAME from _SCREENCOMBOBOX "
                                    "union select WINDOWNAME from _WINDOWVALIDATION"_s);
    for (int i = 0; i < named.count(); ++i)
        if (!screens.contains(named.text(i, u"WINDOWNAME"_s).trimmed()))
            problems << named.text(i, u"WINDOWNAME"_s) + u" is not registered"_s;

    const RowSet bound = db.execute(u"select WT.WINDOWNAME , WT.TABLENAME , WTD.* from _WINDOWTABLE WT , "
                                    "_WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and "
                                    "WT.ONOFF = 1 and WTD.ONOFF = 1"_s);
    for (int i = 0; i < bound.count(); ++i) {
        const QString window = bound.text(i, u"WINDOWNAME"_s), name = bound.text(i, u"WINDOWCONTROL"_s);
        control(window, name, u"_WINDOWTABLEDETAILS"_s);
        column(bound.text(i, u"TABLENAME"_s), bound.text(i, u"Column"_s), window + u'.' + name);
    }
    // The customer search's older definition tables.
    const RowSet searched = db.execute(u"select WT.WINDOWNAME , WT.TABLENAME , WTD.* from WINDOWTABLE WT , "
                                       "WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and "
                                       "WTD.ONOFF = 1"_s);
    for (int i = 0; i < searched.count(); ++i)
        column(searched.text(i, u"TABLENAME"_s), searched.text(i, u"Column"_s),
               u"WINDOWTABLEDETAILS of "_s + searched.text(i, u"WINDOWNAME"_s));

    const RowSet grids = db.execute(u"select * from _GRIDTABLE where ONOFF = 1"_s);
    for (int i = 0; i < grids.count(); ++i)
        control(grids.text(i, u"WINDOWNAME"_s), grids.text(i, u"GRIDNAME"_s), u"_GRIDTABLE"_s);
    const RowSet gridColumns = db.execute(u"select G.WINDOWNAME , G.GRIDNAME , G.TABLENAME , GD.* from _GRIDTABLE G , "
                                          "_GRIDTABLEDETAILS GD WHERE GD.GRIDTABLEID = G.GRIDTABLEID and "
                                          "G.ONOFF = 1 and GD.ONOFF = 1"_s);
    for (int i = 0; i < gridColumns.count(); ++i) {
        const QString expression = gridColumns.text(i, u"Column"_s);
        // Run the way the grid reader runs it, on no rows.
        try {
            db.execute(u"SELECT "_s + expression + u" AS [c] FROM "_s + gridColumns.text(i, u"TABLENAME"_s)
                       + u" WHERE 1 = 0"_s);
        } catch (const AppError& e) {
            problems << gridColumns.text(i, u"WINDOWNAME"_s) + u'.' + gridColumns.text(i, u"GRIDNAME"_s) + u": \""_s
                            + expression + u"\" "_s + e.description();
        }
    }

    const RowSet combos = db.execute(u"select * from _SCREENCOMBOBOX where ONOFF = 1"_s);
    for (int i = 0; i < combos.count(); ++i)
        control(combos.text(i, u"WINDOWNAME"_s), combos.text(i, u"COLUMNNAME"_s), u"_SCREENCOMBOBOX"_s);

    const RowSet rules = db.execute(u"select * from _WINDOWVALIDATION where ONOFF = 1"_s);
    for (int i = 0; i < rules.count(); ++i) {
        const QString window = rules.text(i, u"WINDOWNAME"_s);
        const int kind = rules.value(i, u"VALIDATIONTYPEID"_s).toInt();
        const QString rule = u"_WINDOWVALIDATION "_s + rules.text(i, u"WINDOWVALIDATIONID"_s);
        // Kind 4 holds a statement and its bind list instead of control names;
        // kind 1 looks at one control only.
        if (kind != 4) {
            control(window, rules.text(i, u"vldtnname1"_s), rule);
            if (kind != 1 || !rules.text(i, u"vldtnname2"_s).trimmed().isEmpty())
                control(window, rules.text(i, u"vldtnname2"_s), rule);
        }
        control(window, rules.text(i, u"FOCUSFIELDNAME"_s), rule + u" focus field"_s);
    }

    const RowSet identifiers = db.execute(u"select WT.WINDOWNAME , sum(WTD.IDENTIFIER) as IDENTIFIERS from "
                                          "_WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = "
                                          "WT.WINDOWTABLEID and WT.ONOFF = 1 and WTD.ONOFF = 1 group by WT.WINDOWNAME"_s);
    for (int i = 0; i < identifiers.count(); ++i)
        if (const qint64 n = identifiers.value(i, u"IDENTIFIERS"_s).toLongLong(); n != 1)
            problems << identifiers.text(i, u"WINDOWNAME"_s) + u" has %1 identifier rows"_s.arg(n);

    // Without its rows a data screen opens empty: its record (txtID) needs a
    // bound table in force, each of its grids a grid row.
    int dataScreens = 0;
    for (const QString& name : screens.names()) {
        auto* data = qobject_cast<DataScreen*>(screen(name));
        if (!data)
            continue;
        ++dataScreens;
        const QString window = u"WINDOWNAME = '"_s + SqlValue::text(name) + u'\'';
        if (ControlAccess::find(data, u"txtID"_s)
            && db.execute(u"select * from _WINDOWTABLE where ONOFF = 1 and "_s + window).isEmpty())
            problems << name + u" has no table in force"_s;
        for (const QTableView* grid : data->findChildren<QTableView*>())
            if (!grid->objectName().isEmpty() && !grid->objectName().startsWith(u"qt_"_s)
                && db.execute(u"select * from _GRIDTABLE where ONOFF = 1 and "_s + window + u" and GRIDNAME = '"_s
                              + SqlValue::text(grid->objectName()) + u'\'')
                       .isEmpty())
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
