// The screen-definition designer as the administrator uses it: the window
// shown over a screen, buttons pressed, values typed where the cursor is.
#include "core/ScreenRegistry.h"
#include "core/SqlValue.h"
#include "engine/MetadataWriter.h"
#include "engine/cDevelper.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Clerk::press;
using ScreenChecks::click;

const QString Screen = u"frmFive"_s;

// A screen built from "kind:name[:caption]" entries, in that order.
QWidget* buildScreen(const QStringList& controls)
{
    auto* screen = new QDialog;
    screen->setObjectName(Screen);
    for (const QString& entry : controls) {
        const QStringList part = entry.split(u':');
        QWidget* w = nullptr;
        if (part[0] == u"combo"_s)
            w = new QComboBox(screen);
        else if (part[0] == u"date"_s)
            w = new QDateEdit(screen);
        else if (part[0] == u"label"_s)
            w = new QLabel(part.value(2), screen);
        else
            w = new QLineEdit(screen);
        w->setObjectName(part[1]);
    }
    return screen;
}

std::string rows(Database& db, const QString& sql)
{
    const RowSet rs = db.execute(sql);
    QStringList lines;
    for (int r = 0; r < rs.count(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columns().size(); ++c)
            cells << rs.value(r, c).toString();
        lines << cells.join(u'|');
    }
    return lines.join(u' ').toStdString();
}

const QString Details = u"select WINDOWCONTROL, [COLUMN], TYPE, GRIDORDER, IDENTIFIER from _WINDOWTABLEDETAILS where "
                        "WINDOWTABLEID in (select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmFive') "
                        "order by WINDOWTABLEDETAILSID"_s;
const QString Lists = u"select COLUMNNAME, COMBOBOXVALUE, DISPLAYORDER, [DEFAULT] from _SCREENCOMBOBOX where "
                      "WINDOWNAME = 'frmFive' order by SCREENCOMBOBOXID"_s;
const QString Snapshot = u"select CONTROLNAME, CONTROLINDEX, CONTROLVALUE, LANGUAGE, ONOFF from _screencontrol where "
                         "WINDOWNAME = 'frmFive' order by SCREENCONTROLID"_s;
const QString Labels = u"select COLUMNLABEL, [COLUMN] from _WINDOWTABLEDETAILS where WINDOWTABLEID in (select "
                       "WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = 'frmFive')"_s;
const QStringList Five{u"edit:txtID"_s, u"edit:txtNAME"_s, u"edit:dfsComments"_s, u"combo:dfcFrequency"_s,
                       u"date:dfdReminderDate"_s};

using Script = std::function<QString(QDialog*)>;

// Presses the buttons in turn; gives the row count the window then shows, when asked for.
Script clicks(const QStringList& buttons, bool counted = false)
{
    return [buttons, counted](QDialog* d) {
        for (const QString& button : buttons)
            click(d, button);
        return counted ? ScreenChecks::control<QLabel>(d, u"lblDataGrid1"_s)->text() : QString();
    };
}

// Clicks the grid's cell of `column` in the first row, replaces its text by
// `typed` with F2 and stores; gives the window's caption and what the click copied.
Script gridEdit(const char* column, const QString& typed)
{
    return [column, typed](QDialog* d) {
        auto* grid = ScreenChecks::control<QTableView>(d, u"DataGrid1"_s);
        int at = 0;
        // A server gives the column names in lower case.
        while (at < grid->model()->columnCount()
               && grid->model()->headerData(at, Qt::Horizontal).toString().compare(QLatin1String(column), Qt::CaseInsensitive))
            ++at;
        const QModelIndex cell = grid->model()->index(0, at);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        const QString copied = QApplication::clipboard()->text();
        press(Qt::Key_F2);
        press(Qt::Key_A, Qt::ControlModifier);
        Clerk::type(typed);
        press(Qt::Key_Return);
        // The cell takes the text once the editor has closed.
        QApplication::processEvents();
        click(d, u"command3"_s);
        return d->windowTitle() + u' ' + copied;
    };
}

}

// One row per edge of the designer. Of the grid's edits a label, and a column
// the table has, reach the table on Store; any other column is refused with a
// message and nothing is stored. The clicked cell is on the clipboard.
TEST(Designer, EdgeCases)
{
    const auto comments = [](Database& db, qint64 t) {
        MetadataWriter(db, Screen).field(t, u"dfsComments"_s, u"MESSAGE"_s, MetadataWriter::Text, u"ملاحظات"_s, 3);
    };
    const struct {
        const char* what;
        QStringList controls;
        const char* table;  // of the _WINDOWTABLE row; none without
        std::function<void(Database&, qint64)> before;
        QList<bool> answers;
        Script script;
        const QString& dump;
        const char* stored;
        const char* seen;
        int messages;
        const char* told = "Please enter at least one row for this screen in _WindowTable";
    } cases[] = {
        {"regenerating the five-control screen", Five, "_reminder", {}, {},
         clicks({u"command2"_s}, true),
         Details,
         "txtName|NAME|1|2|0 txtID|_reminderID|0|1|1 dfsComments|COMMENTS|1|3|0 dfcFrequency|FREQUENCY|1|4|0 "
         "dfdReminderDate|REMINDERDATE|2|5|0",
         "Rows: 5", 0},
        {"list and time fields", {u"edit:txtID"_s, u"combo:dfgCarID"_s, u"date:dftExitTime"_s, u"edit:dfIDNUM"_s}, "RENT",
         {}, {}, clicks({u"command2"_s}), Details,
         "txtName|NAME|1|2|0 txtID|RENTID|0|1|1 dfgCarID|CARID|4|3|0 dftExitTime|EXITTIME|5|4|0 dfIDNUM|DNUM|1|5|0", "",
         0},
        {"regeneration declined", Five, "_reminder",
         [](Database& db, qint64 t) { MetadataWriter(db, Screen).identifier(t, u"REMINDERID"_s, u"n"_s); }, {false},
         clicks({u"command2"_s}), Details, "txtID|REMINDERID|0|1|1", "", 0},
        {"a failing regeneration keeps the old rows", Five + QStringList{u"edit:dfsBoom"_s}, "_reminder",
         [](Database& db, qint64 t) {
             MetadataWriter(db, Screen).identifier(t, u"REMINDERID"_s, u"n"_s);
             TestOffice::refuseInserts(db, u"boom"_s, u"_WINDOWTABLEDETAILS"_s, u"NEW.WINDOWCONTROL = 'dfsBoom'"_s);
         },
         {}, clicks({u"command2"_s}), Details, "txtID|REMINDERID|0|1|1", "", 0},
        {"new fields only, twice", Five, "_reminder",
         [](Database& db, qint64 t) {
             MetadataWriter m(db, Screen);
             m.identifier(t, u"REMINDERID"_s, u"n"_s);
             m.field(t, u"DFSCOMMENTS"_s, u"MESSAGE"_s, MetadataWriter::Text, {}, 3);
         },
         {}, clicks({u"command6"_s, u"command6"_s}, true),
         Details,
         "txtID|REMINDERID|0|1|1 DFSCOMMENTS|MESSAGE|1|3|0 dfcFrequency|FREQUENCY|1|-1|0 "
         "dfdReminderDate|REMINDERDATE|2|-1|0",
         "Rows: 4", 0},
        {"no _windowtable row", Five, nullptr, {}, {},
         clicks({u"command2"_s, u"command6"_s}),
         Details, "", "", 2},
        {"three values typed in a row", Five, "_reminder",
         [](Database& db, qint64 t) { MetadataWriter(db, Screen).field(t, u"dfcFrequency"_s, u"FREQUENCY"_s, MetadataWriter::Text); },
         {},
         [](QDialog* d) {
             ScreenChecks::control<QTabWidget>(d, u"SSTab1"_s)->setCurrentIndex(1);
             auto* order = ScreenChecks::control<QLineEdit>(d, u"txtOrder"_s);
             order->setFocus();
             order->selectAll();
             QTest::keyClicks(order, u"7"_s);
             press(Qt::Key_Tab);
             for (const QString& value : {u"يومي"_s, u"أسبوعي"_s}) {
                 Clerk::type(value);
                 press(Qt::Key_Return);
             }
             Clerk::type(u"شهري"_s);
             ScreenChecks::control<QAbstractButton>(d, u"dffDefault"_s)->setChecked(true);
             click(d, u"command5"_s);
             const int listed = ScreenChecks::control<QListWidget>(d, u"List1"_s)->count();
             return QString::fromStdString(Clerk::focused()) + u' ' + ScreenChecks::control<QLineEdit>(d, u"txtOrder"_s)->text() + u' '
                  + QString::number(listed);
         },
         Lists, "dfcFrequency|يومي|7|0 dfcFrequency|أسبوعي|8|0 dfcFrequency|شهري|9|1", "txtvalue 10 3", 0},
        {"the layout snapshot, taken twice", {u"edit:txtID"_s, u"label:lblComments:Comments"_s, u"edit:dfsComments"_s},
         "_reminder", {}, {},
         clicks({u"command7"_s, u"command7"_s}),
         Snapshot, "txtID|0||ar-eg|0 lblComments|0|Comments|ar-eg|0 dfsComments|0||ar-eg|0", "", 0},
        {"a label changed in the grid", Five, "_reminder", comments, {}, gridEdit("COLUMNLABEL", u"الملاحظات"_s), Labels,
         "الملاحظات|MESSAGE", "Window Table for frmFive ملاحظات", 0},
        {"a column of the table", Five, "_reminder", comments, {}, gridEdit("COLUMN", u"comments"_s), Labels,
         "ملاحظات|comments", "Window Table for frmFive MESSAGE", 0},
        {"a sub-select for a column", Five, "_reminder", comments, {},
         gridEdit("COLUMN", u"COMMENTS = (select PASSWRD from OPERATOR where OPERATORID=1), NAME"_s), Labels,
         "ملاحظات|MESSAGE", "Window Table for frmFive MESSAGE", 1, "is not a column of the table _reminder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestOffice office;
        Database& db = office.db();
        const QStringList controls = c.controls;
        office.state().screens().add(Screen, [controls](RunState&, QWidget*) { return buildScreen(controls); });
        const qint64 table = c.table ? MetadataWriter(db, Screen).table(QLatin1String(c.table), 1, u"five"_s) : 0;
        if (c.before)
            c.before(db, table);
        const std::string others = rows(db, u"select * from _WINDOWTABLEDETAILS where WINDOWTABLEID <> "_s
                                                + SqlValue::number(table));
        office.ui().answers = c.answers;
        QString seen;
        office.ui().onDialog(u"ctrWindowTable"_s, [&](QDialog* d) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(d));
            seen = c.script(d);
        });
        office.state().service<cDevelper>().ShowWindowTable(Screen);
        EXPECT_EQ(rows(db, c.dump), c.stored);
        EXPECT_EQ(seen.toStdString(), c.seen);
        EXPECT_EQ(office.ui().messages.size(), c.messages);
        for (const auto& m : office.ui().messages)
            EXPECT_TRUE(m.text.contains(QLatin1String(c.told))) << m.text.toStdString();
        EXPECT_EQ(rows(db, u"select * from _WINDOWTABLEDETAILS where WINDOWTABLEID <> "_s + SqlValue::number(table)),
                  others);
    }
}
