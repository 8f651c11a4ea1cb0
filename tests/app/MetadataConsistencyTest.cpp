#include "app/Wiring.h"
#include "core/AppError.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "engine/ControlAccess.h"
#include "engine/DataScreen.h"
#include "engine/MetadataWriter.h"
#include "engine/cDevelper.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QSet>
#include <QTableView>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// Walks the metadata rows of a database against the screens the program
// registers: every name, control, table and column the rows mention must be
// real. Each check gives its problems, one line each.
class MetadataCheck {
public:
    explicit MetadataCheck(RunState& state) : m_state(state), m_db(state.db()) {}

    QStringList screenNames()
    {
        QStringList names;
        QSet<QString> seen;
        for (const char* table : {"_WINDOWTABLE", "_GRIDTABLE", "_SCREENCOMBOBOX", "_WINDOWVALIDATION"}) {
            const RowSet rows = m_db.execute(QStringLiteral("select distinct WINDOWNAME from ") + QLatin1String(table));
            for (int i = 0; i < rows.count(); ++i) {
                const QString name = rows.text(i, QStringLiteral("WINDOWNAME")).trimmed();
                if (!seen.contains(name.toLower())) {
                    seen.insert(name.toLower());
                    names << name;
                }
            }
        }
        return names;
    }

    QStringList unregisteredScreens()
    {
        QStringList problems;
        for (const QString& name : screenNames())
            if (!m_state.screens().contains(name))
                problems << name + QStringLiteral(" is not registered");
        return problems;
    }

    QStringList missingControls()
    {
        QStringList problems;
        const auto expect = [&](const QString& screenName, const QString& control, const QString& where) {
            QWidget* screen = build(screenName);
            if (!screen)
                return;
            if (control.trimmed().isEmpty() || !ControlAccess::find(screen, control.trimmed()))
                problems << screenName + QStringLiteral(" has no control \"") + control + QStringLiteral("\" (")
                                + where + QLatin1Char(')');
        };
        const RowSet bound = m_db.execute(QStringLiteral(
            "select WT.WINDOWNAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE "
            "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.ONOFF = 1 and WTD.ONOFF = 1"));
        for (int i = 0; i < bound.count(); ++i)
            expect(bound.text(i, QStringLiteral("WINDOWNAME")), bound.text(i, QStringLiteral("WINDOWCONTROL")),
                   QStringLiteral("_WINDOWTABLEDETAILS"));
        const RowSet grids = m_db.execute(QStringLiteral("select * from _GRIDTABLE where ONOFF = 1"));
        for (int i = 0; i < grids.count(); ++i)
            expect(grids.text(i, QStringLiteral("WINDOWNAME")), grids.text(i, QStringLiteral("GRIDNAME")),
                   QStringLiteral("_GRIDTABLE"));
        const RowSet combos = m_db.execute(QStringLiteral("select * from _SCREENCOMBOBOX where ONOFF = 1"));
        for (int i = 0; i < combos.count(); ++i)
            expect(combos.text(i, QStringLiteral("WINDOWNAME")), combos.text(i, QStringLiteral("COLUMNNAME")),
                   QStringLiteral("_SCREENCOMBOBOX"));
        const RowSet rules = m_db.execute(QStringLiteral("select * from _WINDOWVALIDATION where ONOFF = 1"));
        for (int i = 0; i < rules.count(); ++i) {
            const QString screen = rules.text(i, QStringLiteral("WINDOWNAME"));
            const int kind = rules.value(i, QStringLiteral("VALIDATIONTYPEID")).toInt();
            const QString rule = QStringLiteral("_WINDOWVALIDATION ") + rules.text(i, QStringLiteral("WINDOWVALIDATIONID"));
            // Kind 4 holds a statement and its bind list instead of control names;
            // kind 1 looks at one control only.
            if (kind != 4) {
                expect(screen, rules.text(i, QStringLiteral("vldtnname1")), rule);
                const QString second = rules.text(i, QStringLiteral("vldtnname2"));
                if (kind != 1 || !second.trimmed().isEmpty())
                    expect(screen, second, rule);
            }
            expect(screen, rules.text(i, QStringLiteral("FOCUSFIELDNAME")), rule + QStringLiteral(" focus field"));
        }
        return problems;
    }

    QStringList missingColumns()
    {
        QStringList problems;
        const RowSet bound = m_db.execute(QStringLiteral(
            "select WT.WINDOWNAME , WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE "
            "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.ONOFF = 1 and WTD.ONOFF = 1"));
        for (int i = 0; i < bound.count(); ++i)
            expectColumn(problems, bound.text(i, QStringLiteral("TABLENAME")), bound.text(i, QStringLiteral("Column")),
                         bound.text(i, QStringLiteral("WINDOWNAME")) + QLatin1Char('.')
                             + bound.text(i, QStringLiteral("WINDOWCONTROL")));
        // The customer search's older definition tables.
        const RowSet searched = m_db.execute(QStringLiteral(
            "select WT.WINDOWNAME , WT.TABLENAME , WTD.* from WINDOWTABLE WT , WINDOWTABLEDETAILS WTD WHERE "
            "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WTD.ONOFF = 1"));
        for (int i = 0; i < searched.count(); ++i)
            expectColumn(problems, searched.text(i, QStringLiteral("TABLENAME")),
                         searched.text(i, QStringLiteral("Column")),
                         QStringLiteral("WINDOWTABLEDETAILS of ") + searched.text(i, QStringLiteral("WINDOWNAME")));
        return problems;
    }

    QStringList badGridColumns()
    {
        QStringList problems;
        const RowSet columns = m_db.execute(QStringLiteral(
            "select G.WINDOWNAME , G.GRIDNAME , G.TABLENAME , GD.* from _GRIDTABLE G , _GRIDTABLEDETAILS GD WHERE "
            "GD.GRIDTABLEID = G.GRIDTABLEID and G.ONOFF = 1 and GD.ONOFF = 1"));
        for (int i = 0; i < columns.count(); ++i) {
            const QString expression = columns.text(i, QStringLiteral("Column"));
            // The expression is run the way the grid reader runs it, on no rows.
            try {
                m_db.execute(QStringLiteral("SELECT ") + expression + QStringLiteral(" AS [c] FROM ")
                             + columns.text(i, QStringLiteral("TABLENAME")) + QStringLiteral(" WHERE 1 = 0"));
            } catch (const AppError& e) {
                problems << columns.text(i, QStringLiteral("WINDOWNAME")) + QLatin1Char('.')
                                + columns.text(i, QStringLiteral("GRIDNAME")) + QStringLiteral(": \"") + expression
                                + QStringLiteral("\" ") + e.description();
            }
        }
        return problems;
    }

    // A data screen reads, saves and lists through its definition rows: without
    // them it opens empty. Its record (txtID) needs a bound table in force, each
    // of its grids a grid row.
    QStringList dataScreensWithoutRows()
    {
        QStringList problems;
        m_dataScreens.clear();
        for (const QString& name : m_state.screens().names()) {
            auto* screen = qobject_cast<DataScreen*>(build(name));
            if (!screen)
                continue;
            m_dataScreens << name;
            const QString window = QStringLiteral("WINDOWNAME = '") + SqlValue::text(name) + QLatin1Char('\'');
            if (ControlAccess::find(screen, QStringLiteral("txtID"))
                && m_db.execute(QStringLiteral("select * from _WINDOWTABLE where ONOFF = 1 and ") + window).isEmpty())
                problems << name + QStringLiteral(" has no table in force");
            for (const QTableView* grid : screen->findChildren<QTableView*>()) {
                if (grid->objectName().isEmpty() || grid->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                if (m_db.execute(QStringLiteral("select * from _GRIDTABLE where ONOFF = 1 and ") + window
                                 + QStringLiteral(" and GRIDNAME = '") + SqlValue::text(grid->objectName())
                                 + QLatin1Char('\''))
                        .isEmpty())
                    problems << name + QLatin1Char('.') + grid->objectName() + QStringLiteral(" has no grid row");
            }
        }
        return problems;
    }
    // The data screens the last call looked at.
    QStringList dataScreens() const { return m_dataScreens; }

    QStringList identifierCounts()
    {
        QStringList problems;
        const RowSet counts = m_db.execute(QStringLiteral(
            "select WT.WINDOWNAME , sum(WTD.IDENTIFIER) as IDENTIFIERS from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD "
            "WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.ONOFF = 1 and WTD.ONOFF = 1 group by WT.WINDOWNAME"));
        for (int i = 0; i < counts.count(); ++i) {
            const qint64 n = counts.value(i, QStringLiteral("IDENTIFIERS")).toLongLong();
            if (n != 1)
                problems << counts.text(i, QStringLiteral("WINDOWNAME")) + QStringLiteral(" has %1 identifier rows").arg(n);
        }
        return problems;
    }

private:
    // Built once, never shown: building is enough to have every control.
    QWidget* build(const QString& name)
    {
        const QString key = name.toLower();
        if (!m_built.count(key)) {
            QWidget* screen = m_state.screens().contains(name) ? m_state.screens().instance(name, nullptr) : nullptr;
            m_built[key].reset(screen);
        }
        return m_built[key].get();
    }

    void expectColumn(QStringList& problems, const QString& table, const QString& column, const QString& where)
    {
        const QString t = table.trimmed();
        if (!m_columns.count(t.toLower())) {
            QSet<QString> names;
            if (m_db.tableExists(t))
                for (const QString& c : m_db.columnsOf(t))
                    names.insert(c.toLower());
            m_columns[t.toLower()] = names;
        }
        if (!m_columns[t.toLower()].contains(column.trimmed().toLower()))
            problems << where + QStringLiteral(": ") + t + QStringLiteral(" has no column \"") + column
                            + QLatin1Char('"');
    }

    RunState& m_state;
    Database& m_db;
    std::map<QString, std::unique_ptr<QWidget>> m_built;
    std::map<QString, QSet<QString>> m_columns;
    QStringList m_dataScreens;
};

struct WiredOffice {
    WiredOffice() { Wiring::registerScreens(office.state().screens()); }
    TestOffice office;
};

}

TEST(MetadataConsistency, ANewDatabaseDescribesOnlyRealScreensControlsAndColumns)
{
    WiredOffice o;
    MetadataCheck check(o.office.state());
    EXPECT_EQ(check.dataScreensWithoutRows(), QStringList{});
    EXPECT_FALSE(check.dataScreens().isEmpty());
    EXPECT_EQ(check.unregisteredScreens(), QStringList{});
    EXPECT_EQ(check.missingControls(), QStringList{});
    EXPECT_EQ(check.missingColumns(), QStringList{});
    EXPECT_EQ(check.badGridColumns(), QStringList{});
    EXPECT_EQ(check.identifierCounts(), QStringList{});
}

TEST(MetadataConsistency, FindsEveryKindOfBrokenRow)
{
    WiredOffice o;
    Database& db = o.office.db();
    MetadataWriter nowhere(db, QStringLiteral("frmNowhere"));
    nowhere.combo(QStringLiteral("dfcNothing"), {QStringLiteral("a")});

    MetadataWriter accounts(db, QStringLiteral("F1M1"));
    const qint64 table = accounts.table(QStringLiteral("JOURNAL"), 1, QStringLiteral("broken"));
    accounts.field(table, QStringLiteral("dfsNothing"), QStringLiteral("NOCOLUMN"), MetadataWriter::Text);
    accounts.validation(3, QStringLiteral("dfdFrom"), QStringLiteral("dfdNowhen"), QStringLiteral("broken"),
                        QStringLiteral("dfdFrom"), 0);
    const qint64 grid = accounts.grid(QStringLiteral("gridNothing"), QStringLiteral("JOURNAL"));
    accounts.gridColumn(grid, 1, QStringLiteral("NOCOLUMN + 1"), QStringLiteral("broken"), 0);

    MetadataCheck check(o.office.state());
    EXPECT_EQ(check.unregisteredScreens(), QStringList{QStringLiteral("frmNowhere is not registered")});
    const QStringList controls = check.missingControls();
    for (const char* control : {"\"dfsNothing\"", "\"dfdNowhen\"", "\"gridNothing\""})
        EXPECT_EQ(controls.filter(QLatin1String(control)).size(), 1) << control << controls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(controls.size(), 3) << controls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(check.missingColumns(), QStringList{QStringLiteral("F1M1.dfsNothing: JOURNAL has no column \"NOCOLUMN\"")});
    EXPECT_EQ(check.badGridColumns().size(), 1);
    EXPECT_EQ(check.identifierCounts(), QStringList{QStringLiteral("F1M1 has 0 identifier rows")});
}

TEST(MetadataConsistency, FindsADataScreenWhoseRowsAreSwitchedOff)
{
    WiredOffice o;
    Database& db = o.office.db();
    MetadataCheck check(o.office.state());
    ASSERT_EQ(check.dataScreensWithoutRows(), QStringList{});
    // Every data screen that has table or grid rows loses them in turn.
    int tried = 0;
    for (const QString& screen : check.dataScreens()) {
        const QString window = QStringLiteral(" where WINDOWNAME = '") + SqlValue::text(screen) + QLatin1Char('\'');
        if (db.execute(QStringLiteral("select WINDOWNAME from _WINDOWTABLE") + window
                       + QStringLiteral(" union all select WINDOWNAME from _GRIDTABLE") + window)
                .isEmpty())
            continue;
        ++tried;
        db.command(QStringLiteral("update _WINDOWTABLE set ONOFF = 0") + window);
        db.command(QStringLiteral("update _GRIDTABLE set ONOFF = 0") + window);
        const QStringList problems = check.dataScreensWithoutRows();
        EXPECT_TRUE(problems.size() >= 1 && problems.filter(screen).size() == problems.size())
            << qPrintable(screen) << ": " << qPrintable(problems.join(QStringLiteral("; ")));
        db.command(QStringLiteral("update _WINDOWTABLE set ONOFF = 1") + window);
        db.command(QStringLiteral("update _GRIDTABLE set ONOFF = 1") + window);
    }
    EXPECT_GT(tried, 0);
}

// The designer regenerates the customer screen's rows from its controls; with
// the shipped rows put back, every definition is whole again.
TEST(MetadataConsistency, HoldsAfterARegeneratedScreenGetsItsShippedRowsBack)
{
    WiredOffice o;
    Database& db = o.office.db();
    const QString rowsOfScreen = QStringLiteral(" from _WINDOWTABLEDETAILS where WINDOWTABLEID = ")
                               + SqlValue::number(db.execute(QStringLiteral(
                                     "select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmCustomers'"))
                                                      .value(0, 0)
                                                      .toLongLong());
    const auto dump = [&] {
        const RowSet rs = db.execute(QStringLiteral("select *") + rowsOfScreen + QStringLiteral(" order by WINDOWTABLEDETAILSID"));
        QList<QVariantList> rows;
        for (int r = 0; r < rs.count(); ++r) {
            QVariantList row;
            for (int c = 0; c < rs.columns().size(); ++c)
                row << rs.value(r, c);
            rows << row;
        }
        return std::make_pair(rs.columns(), rows);
    };
    const auto shipped = dump();
    QString identifier;
    o.office.ui().onDialog(QStringLiteral("ctrWindowTable"), [&](QDialog* designer) {
        ScreenChecks::click(designer, QStringLiteral("command2"));
        identifier = db.execute(QStringLiteral("select [COLUMN]") + rowsOfScreen + QStringLiteral(" and IDENTIFIER = 1"))
                         .text(0, QStringLiteral("COLUMN"));
    });
    o.office.state().service<cDevelper>().ShowWindowTable(QStringLiteral("frmCustomers"));
    EXPECT_EQ(identifier, QStringLiteral("CustomerID"));

    db.command(QStringLiteral("delete") + rowsOfScreen);
    db.insertRows(QStringLiteral("_WINDOWTABLEDETAILS"), shipped.first, shipped.second);
    EXPECT_TRUE(dump() == shipped);
    MetadataCheck check(o.office.state());
    EXPECT_EQ(check.dataScreensWithoutRows(), QStringList{});
    EXPECT_EQ(check.missingControls(), QStringList{});
    EXPECT_EQ(check.missingColumns(), QStringList{});
    EXPECT_EQ(check.identifierCounts(), QStringList{});
}
