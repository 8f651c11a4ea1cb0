#include "core/OwnerOnly.h"
#include "engine/EngineSetup.h"
#include "engine/ListExport.h"
#include "engine/MetadataWriter.h"
#include "engine/RecordListModel.h"
#include "engine/cWindow.h"
#include "engine/frmGeneralOpen.h"
#include "support/Clerk.h"
#include "support/ProgramRun.h"
#include "support/TestOffice.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QTableView* grid(QDialog* d) { return d->findChild<QTableView*>(u"DataGrid1"_s); }
QLineEdit* field(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(QLatin1String(name)); }

QStringList headings(const QAbstractItemModel* m)
{
    QStringList out;
    for (int c = 0; c < m->columnCount(); ++c)
        out << m->headerData(c, Qt::Horizontal).toString();
    return out;
}

QString cell(QDialog* d, int row, int column)
{
    const QAbstractItemModel* m = grid(d)->model();
    return m->data(m->index(row, column)).toString();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void addRents(Database& db, int count)
{
    Transaction fill(db);
    db.executeNative(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                     "INSERT INTO RENT (NAME) SELECT 'contract ' || i FROM n"_s.arg(count));
    fill.commit();
}

}

// The screen's detail rows carry only what the open dialog reads: the key and the name in the
// grid (out of order), a label with a bracket, a column left out of the grid and one switched off.
TEST(OpenDialog, ListsAPageAtATimeAndANumberNarrowsThenOpens)
{
    TestOffice office;
    QWidget screen;
    screen.setObjectName(u"frmOpenProbe"_s);
    std::function<void(QDialog*)> operatorActs;
    office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* d) { operatorActs(d); });
    const auto open = [&](const char* condition, std::function<void(QDialog*)> acts) {
        operatorActs = std::move(acts);
        return office.state().service<cWindow>().ShowOpen(&screen, u"فتح عقد"_s, QLatin1String(condition));
    };
    MetadataWriter probe(office.db(), u"frmOpenProbe"_s);
    const qint64 id = probe.table(u"RENT"_s, 1, {});
    probe.fields(id, {{"NAME", "NAME", MetadataWriter::Text, "الاسم", 2, 250},
                      {"CUSTOMERNAME", "CUSTOMERNAME", MetadataWriter::Text, "Customer ]x", 3, 90},
                      {"CARTYPE", "CARTYPE", MetadataWriter::Text, "not in grid", 0, 70},
                      {"MODEL", "MODEL", MetadataWriter::Text, "switched off", 4, 70}});
    probe.identifier(id, u"RENTID"_s, u"رقم العقد"_s);
    office.db().command(u"update _WINDOWTABLEDETAILS set ONOFF = 0 where WINDOWCONTROL = 'MODEL'"_s);

    // An empty table: nothing listed, and OK chooses nothing and keeps the current record.
    office.state().CurrentRecordId = 12;
    bool shown = false;
    EXPECT_FALSE(open("WHERE 1 = 1 ", [&](QDialog* d) {
        shown = true;
        EXPECT_EQ(field(d, "dfrecordcount")->text(), u"0"_s);
        EXPECT_EQ(grid(d)->model()->rowCount(), 0);
        d->findChild<QPushButton*>(u"cmdOk"_s)->click();
    }));
    EXPECT_TRUE(shown);
    EXPECT_EQ(office.state().CurrentRecordId, 12);
    // A list the database refuses is reported, not shown as an empty table.
    EXPECT_FALSE(open("WHERE nosuch = 1 ", [](QDialog*) {}));
    EXPECT_EQ(office.ui().dialogsShown, (QStringList{u"frmGeneralOpen"_s, u"dlgError"_s, u"frmGeneralOpen"_s}));

    addRents(office.db(), 100000);
    const int limit = RecordListModel::CachedPages * RecordListModel::PageSize;
    // Only a row chosen opens, so true says the dialog ran.
    EXPECT_TRUE(open("WHERE 1 = 1 order by RENTID", [&](QDialog* d) {
        auto* list = static_cast<frmGeneralOpen*>(d)->list();
        QTableView* g = grid(d);
        EXPECT_EQ(headings(list), (QStringList{u"رقم العقد"_s, u"الاسم"_s, u"Customer x"_s}));
        EXPECT_EQ((QList<int>{g->columnWidth(0), g->columnWidth(1), g->columnWidth(2)}),
                  (QList<int>{g->horizontalHeader()->defaultSectionSize(), 250, 90}));
        EXPECT_EQ(field(d, "dfrecordcount")->text(), u"100000"_s);
        EXPECT_LE(list->rowsInMemory(), limit);
        g->scrollToBottom();
        QApplication::processEvents();
        EXPECT_EQ(cell(d, 99999, 0), u"100000"_s);
        EXPECT_LE(list->rowsInMemory(), limit);
        // Enter with a number narrows the list to it; Enter with none takes the highlighted row.
        for (const QString& number : {u"5"_s, u"99999"_s}) {
            QTest::keyClicks(field(d, "dfnNumber"), number);
            QTest::keyClick(field(d, "dfnNumber"), Qt::Key_Return);
            EXPECT_EQ(QString::number(list->rowCount()) + u' ' + cell(d, 0, 1), u"1 contract "_s + number);
        }
        QTest::keyClick(field(d, "dfnNumber"), Qt::Key_Return);
    }));
    EXPECT_EQ(office.state().CurrentRecordId, 99999);
}

TEST(ReadGrid, FillsTheGridOrReportsWhyNot)
{
    TestOffice office;
    QWidget screen;
    screen.setObjectName(u"frmGridProbe"_s);
    auto* grid = new QTableView(&screen);
    grid->setObjectName(u"grdList"_s);
    (new QWidget(&screen))->setObjectName(u"notAGrid"_s);
    const auto defineGrid = [&](const char* name, const QList<std::tuple<int, const char*, QString, QVariant, int>>& columns) {
        const qint64 id = office.db().insert(u"_GRIDTABLE"_s, u"GRIDTABLEID"_s, {{u"WINDOWNAME"_s, u"frmGridProbe"_s},
                                             {u"GRIDNAME"_s, name}, {u"TABLENAME"_s, u"RENT"_s}, {u"ONOFF"_s, 1}});
        for (const auto& [number, column, label, width, onoff] : columns)
            office.db().insert(u"_GRIDTABLEDETAILS"_s, u"GRIDTABLEDETAILSID"_s,
                               {{u"GRIDTABLEID"_s, id}, {u"GRIDCOLUMNNUMBER"_s, number}, {u"Column"_s, column},
                                {u"GRIDLABEL"_s, label}, {u"ColumnWidth"_s, width}, {u"ONOFF"_s, onoff}});
    };
    defineGrid("grdList", {{2, "NAME", u"الاسم"_s, 200, 1}, {1, "RENTID", u"No"_s, 60, 1},
                           {3, "CUSTOMERNAME", u"off"_s, 10, 0}, {4, "RENTID * 2", u"Twice]"_s, QVariant(), 1}});
    defineGrid("notAGrid", {{1, "RENTID", u"No"_s, 60, 1}});
    addRents(office.db(), 4);
    cWindow& window = office.state().service<cWindow>();

    ASSERT_TRUE(window.ReadGrid(&screen, u"grdList"_s, u"where RENTID > 1 order by RENTID desc"_s));
    const QAbstractItemModel* m = grid->model();
    EXPECT_EQ(headings(m), (QStringList{u"No"_s, u"الاسم"_s, u"Twice"_s}));
    EXPECT_EQ((QList<int>{grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}),
              (QList<int>{60, 200, grid->horizontalHeader()->defaultSectionSize()}));
    ASSERT_EQ(m->rowCount(), 3);
    EXPECT_EQ(m->data(m->index(0, 1)).toString(), u"contract 4"_s);
    EXPECT_EQ(m->data(m->index(2, 2)).toString(), u"4"_s);
    EXPECT_TRUE(office.ui().dialogsShown.isEmpty());

    // A screen that edits RENT binds its dates as dates; the caller names the exit time. A
    // number column holding what looks like a date stays a number.
    MetadataWriter rentProbe(office.db(), u"frmRentProbe"_s);
    rentProbe.field(rentProbe.table(u"RENT"_s, 1, {}), u"dfdEXITDATE"_s, u"EXITDATE"_s, MetadataWriter::Date);
    auto* dates = new QTableView(&screen);
    dates->setObjectName(u"grdDates"_s);
    defineGrid("grdDates", {{1, "EXITDATE", u"Out"_s, 80, 1}, {2, "EXITTIME", u"At"_s, 80, 1},
                            {3, "CUSTOMERID", u"Customer"_s, 80, 1}, {4, "RETURNDATE", u"Back"_s, 80, 1}});
    office.db().command(u"update RENT set EXITDATE = 20261207, EXITTIME = '005626', CUSTOMERID = 20261207, "
                        "RETURNDATE = 20261208 where RENTID = 1"_s);
    ASSERT_TRUE(window.ReadGrid(&screen, u"grdDates"_s, u"where RENTID = 1"_s, {{u"exittime"_s, 5}}));
    const QAbstractItemModel* dated = dates->model();
    const struct { int column; const char* shown; const char* stored; } cells[] = {
        {0, "07/12/2026", "20261207"}, {1, "00:56:26", "005626"}, {2, "20261207", "20261207"}, {3, "08/12/2026", "20261208"}};
    for (const auto& c : cells) {
        EXPECT_EQ(dated->data(dated->index(0, c.column)).toString(), QLatin1String(c.shown)) << c.column;
        EXPECT_EQ(dated->data(dated->index(0, c.column), Qt::EditRole).toString(), QLatin1String(c.stored)) << c.column;
    }

    const struct { const char* grid; const char* condition; bool reported; } failures[] = {
        {"grdNothing", "", false}, {"grdList", "where nosuch = 1", true}, {"notAGrid", "", true}, {"grd'List", "", false}};
    for (const auto& c : failures) {
        office.ui().dialogsShown.clear();
        EXPECT_FALSE(window.ReadGrid(&screen, QLatin1String(c.grid), QLatin1String(c.condition))) << c.grid << c.condition;
        EXPECT_EQ(office.ui().dialogsShown.contains(u"dlgError"_s), c.reported) << c.grid << c.condition;
    }
}

// What a spreadsheet gets: each cell as the list shows it; amounts and dates
// as numbers and dates, codes with leading zeros kept as text; Arabic, commas,
// quotes and line breaks whole.
TEST(ListExport, CsvAndXlsxHoldTheCellsAsShown)
{
    if (TestOffice::onServer())
        GTEST_SKIP() << "files only: no database";
    const ListExport::Table table{
        {u"الاسم"_s, u"المبلغ"_s, u"الجوال"_s, u"التاريخ"_s, u"رقم"_s},
        {{u"محمد, \"أبو علي\""_s, u"1,250.50"_s, u"0501234567"_s, u"07/12/2026"_s, u"12"_s},
         {u"سطر\nثان"_s, u"-3.50"_s, u"96550001111"_s, u""_s, u"7"_s},
         {u"Ali"_s, u""_s, u"1234"_s, u"29/02/2024"_s, u"1000000"_s}}};
    const struct {
        int column;
        ListExport::Kind kind;
    } kinds[] = {{0, ListExport::Kind::Text}, {1, ListExport::Kind::Number}, {2, ListExport::Kind::Text},
                 {3, ListExport::Kind::Date}, {4, ListExport::Kind::Number}};
    for (const auto& k : kinds)
        EXPECT_EQ(ListExport::kindOf(table, k.column), k.kind) << k.column;

    QTemporaryDir dir;
    QString error;
    const QString csv = dir.filePath(u"list.csv"_s), xlsx = dir.filePath(u"list.xlsx"_s);
    ASSERT_TRUE(ListExport::write(table, csv, true, &error)) << error.toStdString();
    const QByteArray expected = "\xEF\xBB\xBF" + QStringLiteral(
        "الاسم,المبلغ,الجوال,التاريخ,رقم\r\n"
        "\"محمد, \"\"أبو علي\"\"\",\"1,250.50\",0501234567,07/12/2026,12\r\n"
        "\"سطر\nثان\",-3.50,96550001111,,7\r\n"
        "Ali,,1234,29/02/2024,1000000\r\n").toUtf8();
    EXPECT_EQ(bytesOf(csv), expected);
    ASSERT_TRUE(ListExport::write(table, xlsx, true, &error)) << error.toStdString();
    for (const QString& file : {csv, xlsx})
        EXPECT_EQ(OwnerOnly::mode(file), OwnerOnly::File);

    const ProgramRun sheet = runProgram(u"unzip"_s, {u"-p"_s, xlsx, u"xl/worksheets/sheet1.xml"_s}, 30000);
    ASSERT_EQ(sheet.status, 0) << sheet.err.toStdString();
    for (const char* mark : {"rightToLeft=\"1\"", "ySplit=\"1\"", "state=\"frozen\""})
        EXPECT_TRUE(sheet.out.contains(QLatin1String(mark))) << mark;
    // The amount is a number and the date a date serial, not texts.
    EXPECT_TRUE(sheet.out.contains(u"<v>1250.5</v>"_s));
    EXPECT_TRUE(sheet.out.contains(u"<v>46363</v>"_s)) << "07/12/2026 as a date";

    // LibreOffice Calc reads back the same cells, quoting those it holds as texts.
    if (QStandardPaths::findExecutable(u"soffice"_s).isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const ProgramRun calc = runProgram(
        u"soffice"_s,
        {u"-env:UserInstallation=file://"_s + dir.filePath(u"profile"_s), u"--headless"_s, u"--convert-to"_s,
         u"csv:Text - txt - csv (StarCalc):44,34,76,1"_s, u"--outdir"_s, dir.filePath(u"back"_s), xlsx},
        120000);
    ASSERT_EQ(calc.status, 0) << calc.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(bytesOf(dir.filePath(u"back/list.csv"_s))),
              u"\"الاسم\",\"المبلغ\",\"الجوال\",\"التاريخ\",\"رقم\"\n"
              "\"محمد, \"\"أبو علي\"\"\",\"1,250.50\",\"0501234567\",07/12/2026,12\n"
              "\"سطر\nثان\",-3.50,\"96550001111\",,7\n"
              "\"Ali\",,\"1234\",29/02/2024,1000000\n"_s);
}

// Ctrl+E in a screen's list writes every row of it, also the rows a paged
// list has not read yet; a cancelled file chooser writes nothing.
TEST(ListExport, CtrlEInTheOpenDialogWritesEveryRow)
{
    TestOffice office;
    installEngine(office.state());
    addRents(office.db(), 2500);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"contracts.csv"_s);
    QWidget screen;
    screen.setObjectName(u"frmRentCar"_s);
    for (const QStringList& chosen : {QStringList(), QStringList{path}}) {
        office.ui().files = chosen;
        office.ui().onDialog(u"frmGeneralOpen"_s, [](QDialog* d) {
            ASSERT_TRUE(Clerk::showActive(d));
            Clerk::press(Qt::Key_E, Qt::ControlModifier);
            d->reject();
        });
        office.state().service<cWindow>().ShowOpen(&screen, u"فتح عقد"_s, u"WHERE 1 = 1 order by RENTID"_s);
        EXPECT_EQ(QFile::exists(path), !chosen.isEmpty());
    }
    const QList<QByteArray> lines = bytesOf(path).split('\n');
    EXPECT_EQ(lines.size(), 2500 + 2) << "the header, every row and the end of the last line";
    EXPECT_TRUE(lines.value(2500).contains("contract 2500"));
}
