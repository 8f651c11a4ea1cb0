#include "engine/RecordListModel.h"
#include "engine/cWindow.h"
#include "engine/frmGeneralOpen.h"
#include "support/TestOffice.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString ScreenName = QStringLiteral("frmOpenProbe");

struct GridColumn {
    QString column;
    QString label;
    int gridOrder;
    int width = 0;
    int onoff = 1;
};

// A screen definition over `table` whose detail rows carry only what the open
// dialog reads.
void defineScreen(Database& db, const QString& table, const QList<GridColumn>& columns)
{
    const qint64 id = db.insert(QStringLiteral("_WINDOWTABLE"), QStringLiteral("WINDOWTABLEID"),
                                {{QStringLiteral("WINDOWNAME"), ScreenName},
                                 {QStringLiteral("TABLENAME"), table},
                                 {QStringLiteral("ONOFF"), 1},
                                 {QStringLiteral("TABLEORDER"), 1}});
    for (const GridColumn& c : columns)
        db.insert(QStringLiteral("_WINDOWTABLEDETAILS"), QStringLiteral("WINDOWTABLEDETAILSID"),
                  {{QStringLiteral("WINDOWTABLEID"), id},
                   {QStringLiteral("WINDOWCONTROL"), QStringLiteral("dfs") + c.column},
                   {QStringLiteral("COLUMN"), c.column},
                   {QStringLiteral("TYPE"), 1},
                   {QStringLiteral("COLUMNLABEL"), c.label},
                   {QStringLiteral("ONOFF"), c.onoff},
                   {QStringLiteral("IDENTIFIER"), c.gridOrder == 1 ? 1 : 0},
                   {QStringLiteral("GRIDORDER"), c.gridOrder},
                   {QStringLiteral("gridwidth"), c.width}});
}

void defineRentScreen(Database& db)
{
    defineScreen(db, QStringLiteral("RENT"),
                 {{QStringLiteral("RENTID"), QStringLiteral("رقم العقد"), 1},
                  {QStringLiteral("NAME"), QStringLiteral("الاسم"), 2, 250}});
}

void addRents(Database& db, int count)
{
    for (int i = 1; i <= count; ++i)
        db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"),
                  {{QStringLiteral("NAME"), QStringLiteral("contract %1").arg(i)}});
}

QTableView* grid(QDialog* d)
{
    return d->findChild<QTableView*>(QStringLiteral("DataGrid1"));
}

QLineEdit* field(QDialog* d, const char* name)
{
    return d->findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* button(QDialog* d, const char* name)
{
    return d->findChild<QPushButton*>(QString::fromLatin1(name));
}

void selectRow(QDialog* d, int row)
{
    grid(d)->setCurrentIndex(grid(d)->model()->index(row, 1));
}

QString cell(QDialog* d, int row, int column)
{
    const QAbstractItemModel* m = grid(d)->model();
    return m->data(m->index(row, column)).toString();
}

class OpenDialog : public ::testing::Test {
protected:
    OpenDialog()
    {
        screen.setObjectName(ScreenName);
        office.ui().onDialog(QStringLiteral("frmGeneralOpen"), [this](QDialog* d) {
            if (operatorActs)
                operatorActs(d);
        });
    }

    bool open(const QString& condition = QStringLiteral("WHERE 1 = 1 order by RENTID"))
    {
        return office.state().service<cWindow>().ShowOpen(&screen, QStringLiteral("فتح عقد"), condition);
    }

    TestOffice office;
    QWidget screen;
    // What the operator does while the open dialog shows.
    std::function<void(QDialog*)> operatorActs;
};

}

TEST_F(OpenDialog, StatementsAreWrittenAsTheDefinitionSays)
{
    defineRentScreen(office.db());
    addRents(office.db(), 3);
    QStringList statements;
    office.db().setStatementHook([&](const QString& sql) { statements << sql; });
        open(QStringLiteral("WHERE onoff =1 and 1 = 1 "));
    EXPECT_TRUE(statements.contains(QStringLiteral(
        "select WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE "
        "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = 'frmOpenProbe' AND WTD.ONOFF = 1 and "
        "gridorder > 0 ORDER BY GRIDORDER ASC")))
        << statements.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(statements.contains(
        QStringLiteral("SELECT RENTID as [رقم العقد],NAME as [الاسم] FROM RENT WHERE onoff =1 and 1 = 1 ")))
        << statements.join(QLatin1Char('\n')).toStdString();
}

TEST_F(OpenDialog, GridShowsLabelsWidthsCountAndCaption)
{
    defineScreen(office.db(), QStringLiteral("RENT"),
                 {{QStringLiteral("NAME"), QStringLiteral("الاسم"), 2, 250},
                  {QStringLiteral("RENTID"), QStringLiteral("رقم العقد"), 1, 0},
                  {QStringLiteral("CUSTOMERNAME"), QStringLiteral("Customer ]x"), 3, 90},
                  {QStringLiteral("CARTYPE"), QStringLiteral("not in grid"), 0, 70},
                  {QStringLiteral("MODEL"), QStringLiteral("switched off"), 4, 70, 0}});
    addRents(office.db(), 4);
    QStringList headings;
    QList<int> widths;
    int defaultWidth = 0;
    QString count, title, tabText;
    bool wholeRows = false;
    operatorActs = [&](QDialog* d) {
        QTableView* g = grid(d);
        for (int c = 0; c < g->model()->columnCount(); ++c) {
            headings << g->model()->headerData(c, Qt::Horizontal).toString();
            widths << g->columnWidth(c);
        }
        defaultWidth = g->horizontalHeader()->defaultSectionSize();
        count = field(d, "dfrecordcount")->text();
        title = d->windowTitle();
        tabText = d->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->tabText(0);
        selectRow(d, 2);
        wholeRows = g->selectionModel()->isRowSelected(2, {}) && g->selectionModel()->selectedRows().size() == 1;
    };
    open();
    EXPECT_EQ(headings, (QStringList{QStringLiteral("رقم العقد"), QStringLiteral("الاسم"), QStringLiteral("Customer x")}));
    ASSERT_EQ(widths.size(), 3);
    EXPECT_EQ(widths[0], defaultWidth);
    EXPECT_EQ(widths[1], 250);
    EXPECT_EQ(widths[2], 90);
    EXPECT_EQ(count, QStringLiteral("4"));
    EXPECT_EQ(title, QStringLiteral("فتح عقد"));
    EXPECT_EQ(tabText, QStringLiteral("فتح عقد"));
    EXPECT_TRUE(wholeRows);
}

TEST_F(OpenDialog, ChoosingAndClosing)
{
    defineRentScreen(office.db());
    addRents(office.db(), 5);
    const struct {
        const char* what;
        std::function<void(QDialog*)> act;
        qint64 expected;
    } cases[] = {
        {"cmdOk takes the highlighted row", [](QDialog* d) { selectRow(d, 2); button(d, "cmdOk")->click(); }, 3},
        {"Enter with no number takes the highlighted row",
         [](QDialog* d) { selectRow(d, 3); QTest::keyClick(grid(d), Qt::Key_Return); }, 4},
        {"Enter with 0 typed takes the highlighted row",
         [](QDialog* d) { selectRow(d, 1); QTest::keyClicks(field(d, "dfnNumber"), QStringLiteral("0"));
                          QTest::keyClick(field(d, "dfnNumber"), Qt::Key_Enter); }, 2},
        {"the first row is highlighted on opening", [](QDialog* d) { button(d, "cmdOk")->click(); }, 1},
        {"double-click takes the row",
         [](QDialog* d) {
             QTableView* g = grid(d);
             const QRect r = g->visualRect(g->model()->index(4, 1));
             QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
             QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
         }, 5},
        {"command0 closes without a choice", [](QDialog* d) { selectRow(d, 4); button(d, "command0")->click(); }, 42},
        {"Esc closes without a choice", [](QDialog* d) { selectRow(d, 4); QTest::keyClick(grid(d), Qt::Key_Escape); }, 42},
    };
    for (const auto& c : cases) {
        office.state().CurrentRecordId = 42;
        bool closed = false;
        operatorActs = [&](QDialog* d) {
            c.act(d);
            closed = !d->isVisible();
        };
        EXPECT_TRUE(open()) << c.what;
        EXPECT_TRUE(closed) << c.what;
        EXPECT_EQ(office.state().CurrentRecordId, c.expected) << c.what;
    }
}

TEST_F(OpenDialog, NumberNarrowsTheListAndTheSecondEnterChooses)
{
    defineRentScreen(office.db());
    addRents(office.db(), 9);
    int narrowed = -1;
    QString found, numberAfter, count;
    operatorActs = [&](QDialog* d) {
        QLineEdit* number = field(d, "dfnNumber");
        number->clear();
        QTest::keyClicks(number, QStringLiteral("5"));
        QTest::keyClick(number, Qt::Key_Return);
        narrowed = grid(d)->model()->rowCount();
        found = cell(d, 0, 0);
        numberAfter = number->text();
        count = field(d, "dfrecordcount")->text();
        QTest::keyClick(number, Qt::Key_Return);
    };
    EXPECT_TRUE(open());
    EXPECT_EQ(narrowed, 1);
    EXPECT_EQ(found, QStringLiteral("5"));
    EXPECT_EQ(numberAfter, QString());
    EXPECT_EQ(count, QStringLiteral("9"));
    EXPECT_EQ(office.state().CurrentRecordId, 5);
}

TEST_F(OpenDialog, SearchButtonFiltersAndClearsTheFilter)
{
    defineRentScreen(office.db());
    addRents(office.db(), 6);
    const struct {
        const char* typed;
        int rows;
        const char* firstKey;
        const char* numberAfter;
    } cases[] = {
        {"3", 1, "3", "3"},
        {"77", 0, "", "77"},
        {"0", 6, "1", "0"},
        {"", 6, "1", ""},
        {"-", 6, "1", "-"},
        {"4.5", 0, "", "4.5"},
    };
    for (const auto& c : cases) {
        int rows = -1;
        QString first, numberAfter;
        operatorActs = [&](QDialog* d) {
            QLineEdit* number = field(d, "dfnNumber");
            // Narrow first, so that each case also shows the filter being replaced.
            QTest::keyClicks(number, QStringLiteral("2"));
            button(d, "cmdSearch")->click();
            number->clear();
            QTest::keyClicks(number, QString::fromLatin1(c.typed));
            button(d, "cmdSearch")->click();
            rows = grid(d)->model()->rowCount();
            first = rows > 0 ? cell(d, 0, 0) : QString();
            numberAfter = number->text();
        };
        open();
        EXPECT_EQ(rows, c.rows) << c.typed;
        EXPECT_EQ(first, QString::fromLatin1(c.firstKey)) << c.typed;
        EXPECT_EQ(numberAfter, QString::fromLatin1(c.numberAfter)) << c.typed;
    }
}

TEST_F(OpenDialog, NoMatchingRowsOpensAnEmptyListAndKeepsTheRecord)
{
    defineRentScreen(office.db());
    addRents(office.db(), 3);
    const struct {
        const char* what;
        QString condition;
    } cases[] = {
        {"empty table", QStringLiteral("WHERE 1 = 0")},
        {"condition the database rejects", QStringLiteral("WHERE nosuchcolumn = 1")},
        {"filter to a missing key", QStringLiteral("WHERE 1 = 1")},
    };
    for (const auto& c : cases) {
        for (const qint64 before : {qint64(0), qint64(12)}) {
            office.state().CurrentRecordId = before;
            office.ui().dialogsShown.clear();
            QString count;
            int rows = -1;
            operatorActs = [&](QDialog* d) {
                if (QString::fromLatin1(c.what).startsWith(QLatin1String("filter"))) {
                    QTest::keyClicks(field(d, "dfnNumber"), QStringLiteral("99"));
                    QTest::keyClick(field(d, "dfnNumber"), Qt::Key_Return);
                } else {
                    count = field(d, "dfrecordcount")->text();
                }
                rows = grid(d)->model()->rowCount();
                // With nothing highlighted, choosing leaves the record as it was.
                button(d, "cmdOk")->click();
            };
            EXPECT_EQ(open(c.condition), before != 0) << c.what;
            EXPECT_EQ(office.ui().dialogsShown, QStringList{QStringLiteral("frmGeneralOpen")}) << c.what;
            EXPECT_EQ(rows, 0) << c.what;
            if (!count.isNull()) {
                EXPECT_EQ(count, QStringLiteral("0")) << c.what;
            }
            EXPECT_EQ(office.state().CurrentRecordId, before) << c.what;
        }
    }
}

TEST_F(OpenDialog, ScreenWithoutGridColumnsOpensNothing)
{
    defineScreen(office.db(), QStringLiteral("RENT"),
                 {{QStringLiteral("RENTID"), QStringLiteral("No"), 0}, {QStringLiteral("NAME"), QStringLiteral("Name"), 2, 0, 0}});
    office.state().CurrentRecordId = 8;
    EXPECT_FALSE(open());
    EXPECT_TRUE(office.ui().dialogsShown.isEmpty());
    EXPECT_EQ(office.state().CurrentRecordId, 8);
}

TEST_F(OpenDialog, ConditionOrderIsKeptAndTextKeysAreRefused)
{
    defineScreen(office.db(), QStringLiteral("RENT"),
                 {{QStringLiteral("NAME"), QStringLiteral("Name"), 1}, {QStringLiteral("RENTID"), QStringLiteral("No"), 2}});
    addRents(office.db(), 3);
    office.state().CurrentRecordId = 0;
    QString first;
    operatorActs = [&](QDialog* d) {
        first = cell(d, 0, 0);
        button(d, "cmdOk")->click();
    };
    EXPECT_FALSE(open(QStringLiteral("WHERE 1 = 1 order by RENTID desc")));
    EXPECT_EQ(first, QStringLiteral("contract 3"));
    EXPECT_EQ(office.state().CurrentRecordId, 0);
}

TEST_F(OpenDialog, LargeTableOpensWithAFewPagesInMemory)
{
    defineRentScreen(office.db());
    {
        Transaction fill(office.db());
        office.db().executeNative(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
            "INSERT INTO RENT (NAME) SELECT 'contract ' || i FROM n"));
        fill.commit();
    }
    const int limit = RecordListModel::CachedPages * RecordListModel::PageSize;
    QString count, found, last;
    int heldOpen = -1, heldAtEnd = -1, narrowed = -1;
    operatorActs = [&](QDialog* d) {
        auto* list = static_cast<frmGeneralOpen*>(d)->list();
        count = field(d, "dfrecordcount")->text();
        heldOpen = list->rowsInMemory();
        grid(d)->scrollToBottom();
        QApplication::processEvents();
        last = cell(d, 99999, 0);
        heldAtEnd = list->rowsInMemory();
        QTest::keyClicks(field(d, "dfnNumber"), QStringLiteral("99999"));
        QTest::keyClick(field(d, "dfnNumber"), Qt::Key_Return);
        narrowed = list->rowCount();
        found = cell(d, 0, 1);
        QTest::keyClick(grid(d), Qt::Key_Return);
    };
    EXPECT_TRUE(open(QStringLiteral("WHERE 1 = 1 ")));
    EXPECT_EQ(count, QStringLiteral("100000"));
    EXPECT_LE(heldOpen, limit);
    EXPECT_EQ(last, QStringLiteral("100000"));
    EXPECT_LE(heldAtEnd, limit);
    EXPECT_EQ(narrowed, 1);
    EXPECT_EQ(found, QStringLiteral("contract 99999"));
    EXPECT_EQ(office.state().CurrentRecordId, 99999);
}
