#include "engine/RecordListModel.h"
#include "engine/cWindow.h"
#include "shell/base/AppError.h"
#include "support/TestOffice.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

const QString ScreenName = QStringLiteral("frmGridProbe");

struct GridColumn {
    int number;
    QString column;
    QString label;
    QVariant width;
    int onoff = 1;
};

void defineGrid(Database& db, const QString& gridName, const QString& table, const QList<GridColumn>& columns,
                int onoff = 1)
{
    const qint64 id = db.insert(QStringLiteral("_GRIDTABLE"), QStringLiteral("GRIDTABLEID"),
                                {{QStringLiteral("WINDOWNAME"), ScreenName},
                                 {QStringLiteral("GRIDNAME"), gridName},
                                 {QStringLiteral("TABLENAME"), table},
                                 {QStringLiteral("ONOFF"), onoff}});
    for (const GridColumn& c : columns)
        db.insert(QStringLiteral("_GRIDTABLEDETAILS"), QStringLiteral("GRIDTABLEDETAILSID"),
                  {{QStringLiteral("GRIDTABLEID"), id},
                   {QStringLiteral("GRIDCOLUMNNUMBER"), c.number},
                   {QStringLiteral("Column"), c.column},
                   {QStringLiteral("GRIDLABEL"), c.label},
                   {QStringLiteral("ColumnWidth"), c.width},
                   {QStringLiteral("ONOFF"), c.onoff}});
}

void addRents(Database& db, int count)
{
    for (int i = 1; i <= count; ++i)
        db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"),
                  {{QStringLiteral("NAME"), QStringLiteral("contract %1").arg(i)}});
}

class GridScreen : public QWidget {
public:
    GridScreen()
    {
        setObjectName(ScreenName);
        auto* layout = new QVBoxLayout(this);
        grid = new QTableView(this);
        grid->setObjectName(QStringLiteral("grdList"));
        layout->addWidget(grid);
        auto* other = new QWidget(this);
        other->setObjectName(QStringLiteral("notAGrid"));
        layout->addWidget(other);
    }
    QTableView* grid;
};

QStringList headings(const QTableView* grid)
{
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        out << grid->model()->headerData(c, Qt::Horizontal).toString();
    return out;
}

class ReadGridTest : public ::testing::Test {
protected:
    bool readGrid(const QString& gridName, const QString& condition)
    {
        return office.state().service<cWindow>().ReadGrid(&screen, gridName, condition);
    }
    bool errorShown() { return office.ui().dialogsShown.contains(QStringLiteral("dlgError")); }

    TestOffice office;
    GridScreen screen;
};

}

TEST_F(ReadGridTest, FillsTheGridWithLabelsAndWidths)
{
    defineGrid(office.db(), QStringLiteral("grdList"), QStringLiteral("RENT"),
               {{2, QStringLiteral("NAME"), QStringLiteral("الاسم"), 200},
                {1, QStringLiteral("RENTID"), QStringLiteral("No"), 60},
                {3, QStringLiteral("CUSTOMERNAME"), QStringLiteral("off"), 10, 0},
                {4, QStringLiteral("RENTID * 2"), QStringLiteral("Twice]"), QVariant()}});
    addRents(office.db(), 4);
    const int defaultWidth = screen.grid->horizontalHeader()->defaultSectionSize();
    QStringList statements;
    office.db().setStatementHook([&](const QString& sql) { statements << sql; });
    ASSERT_TRUE(readGrid(QStringLiteral("grdList"), QStringLiteral("where RENTID > 1 order by RENTID desc")));
    EXPECT_TRUE(statements.contains(QStringLiteral(
        "select * from _GRIDTABLE where WINDOWNAME = 'frmGridProbe' and  GRIDNAME = 'grdList' and ONOFF = 1 ")))
        << statements.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(statements.contains(QStringLiteral(
        "SELECT RENTID AS [No],NAME AS [الاسم],RENTID * 2 AS [Twice] FROM RENT  where RENTID > 1 order by RENTID desc")))
        << statements.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(headings(screen.grid), (QStringList{QStringLiteral("No"), QStringLiteral("الاسم"), QStringLiteral("Twice")}));
    EXPECT_EQ(screen.grid->columnWidth(0), 60);
    EXPECT_EQ(screen.grid->columnWidth(1), 200);
    EXPECT_EQ(screen.grid->columnWidth(2), defaultWidth);
    const QAbstractItemModel* m = screen.grid->model();
    ASSERT_EQ(m->rowCount(), 3);
    EXPECT_EQ(m->data(m->index(0, 0)).toString(), QStringLiteral("4"));
    EXPECT_EQ(m->data(m->index(0, 1)).toString(), QStringLiteral("contract 4"));
    EXPECT_EQ(m->data(m->index(2, 2)).toString(), QStringLiteral("4"));
    EXPECT_FALSE(errorShown());
}

TEST_F(ReadGridTest, ReadingAgainReplacesTheRows)
{
    defineGrid(office.db(), QStringLiteral("grdList"), QStringLiteral("RENT"),
               {{1, QStringLiteral("RENTID"), QStringLiteral("No"), 60}});
    addRents(office.db(), 5);
    ASSERT_TRUE(readGrid(QStringLiteral("grdList"), QStringLiteral("where RENTID <= 2")));
    const QAbstractItemModel* first = screen.grid->model();
    ASSERT_TRUE(readGrid(QStringLiteral("grdList"), QStringLiteral("where RENTID > 1")));
    EXPECT_EQ(screen.grid->model(), first);
    EXPECT_EQ(screen.grid->model()->rowCount(), 4);
}

TEST_F(ReadGridTest, FailuresAreReportedAndGiveFalse)
{
    defineGrid(office.db(), QStringLiteral("grdList"), QStringLiteral("RENT"),
               {{1, QStringLiteral("RENTID"), QStringLiteral("No"), 60}});
    defineGrid(office.db(), QStringLiteral("notAGrid"), QStringLiteral("RENT"),
               {{1, QStringLiteral("RENTID"), QStringLiteral("No"), 60}});
    defineGrid(office.db(), QStringLiteral("grdMissing"), QStringLiteral("RENT"),
               {{1, QStringLiteral("RENTID"), QStringLiteral("No"), 60}});
    defineGrid(office.db(), QStringLiteral("grdBadColumn"), QStringLiteral("RENT"),
               {{1, QStringLiteral("NOSUCHCOLUMN"), QStringLiteral("No"), 60}});
    const struct {
        const char* what;
        QString grid;
        QString condition;
        bool reported;
    } cases[] = {
        {"no definition", QStringLiteral("grdNothing"), {}, false},
        {"condition the database rejects", QStringLiteral("grdList"), QStringLiteral("where nosuch = 1"), true},
        {"column the database rejects", QStringLiteral("grdBadColumn"), {}, true},
        {"no such control", QStringLiteral("grdMissing"), {}, true},
        {"control that is no grid", QStringLiteral("notAGrid"), {}, true},
        {"grid name with a quote", QStringLiteral("grd'List"), {}, false},
    };
    for (const auto& c : cases) {
        office.ui().dialogsShown.clear();
        EXPECT_FALSE(readGrid(c.grid, c.condition)) << c.what;
        EXPECT_EQ(errorShown(), c.reported) << c.what;
    }
}

TEST_F(ReadGridTest, SwitchedOffGridIsNotRead)
{
    defineGrid(office.db(), QStringLiteral("grdList"), QStringLiteral("RENT"),
               {{1, QStringLiteral("RENTID"), QStringLiteral("No"), 60}}, 0);
    EXPECT_FALSE(readGrid(QStringLiteral("grdList"), {}));
    EXPECT_EQ(screen.grid->model(), nullptr);
}

TEST(RecordList, ReadsPageByPageAndKeepsOnlyAFew)
{
    TestOffice office;
    {
        Transaction fill(office.db());
        addRents(office.db(), 2 * RecordListModel::PageSize * RecordListModel::CachedPages + 7);
        fill.commit();
    }
    RecordListModel list(office.db());
    list.setStatement(QStringLiteral("select RENTID as [No], NAME as [Name] from RENT order by RENTID"));
    ASSERT_EQ(list.rowCount(), 2 * RecordListModel::PageSize * RecordListModel::CachedPages + 7);
    for (int row = 0; row < list.rowCount(); row += 97) {
        EXPECT_EQ(list.data(list.index(row, 0)).toInt(), row + 1) << row;
        EXPECT_LE(list.rowsInMemory(), RecordListModel::PageSize * RecordListModel::CachedPages) << row;
    }
    const int last = list.rowCount() - 1;
    EXPECT_EQ(list.data(list.index(last, 1)).toString(), QStringLiteral("contract %1").arg(last + 1));

    // Rows that vanish after the count show as empty cells once their page is read again.
    office.db().command(QStringLiteral("delete * from RENT where RENTID > 10"));
    EXPECT_EQ(list.data(list.index(2 * RecordListModel::PageSize, 0)).toString(), QString());

    list.filterByKey(QStringLiteral("7"));
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.data(list.index(0, 1)).toString(), QStringLiteral("contract 7"));
    EXPECT_THROW(list.filterByKey(QStringLiteral("7 or 1=1")), AppError);
    list.clearKeyFilter();
    EXPECT_EQ(list.rowCount(), 10);
}
