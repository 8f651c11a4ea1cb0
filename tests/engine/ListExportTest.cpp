#include "core/OwnerOnly.h"
#include "engine/EngineSetup.h"
#include "engine/ListExport.h"
#include "engine/cWindow.h"
#include "engine/frmGeneralOpen.h"
#include "support/Clerk.h"
#include "support/ProgramRun.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    Transaction fill(office.db());
    office.db().executeNative(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2500) "
                              "INSERT INTO RENT (NAME) SELECT 'contract ' || i FROM n"_s);
    fill.commit();
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
