#include "core/Database.h"
#include "core/OwnerOnly.h"
#include "core/ScreenRegistry.h"
#include "engine/EngineSetup.h"
#include "reports/OdtDocument.h"
#include "reports/OdtPackage.h"
#include "reports/cPrint.h"
#include "reports/frmPrint.h"
#include "reports/frmReportPreview.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

namespace {

// The content of a minimal .odt, indented with whitespace between elements
// as Writer lays one out.
QByteArray contentXml(const QString& body)
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<office:document-content"
               " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
               " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
               " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
               " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
               " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
               " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\""
               " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
               " office:version=\"1.3\">\n"
               "  <office:automatic-styles/>\n"
               "  <office:body>\n"
               "    <office:text>\n"
               "      <text:user-field-decls><text:user-field-decl office:value-type=\"string\""
               " office:string-value=\"\" text:name=\"CUSTNAME\"/></text:user-field-decls>\n"
               "%1\n"
               "    </office:text>\n"
               "  </office:body>\n"
               "</office:document-content>\n")
        .arg(body)
        .toUtf8();
}

// A step of a report: its type (-3 drop, -2 build the work table, -1 the
// contract's pictures, 0 data, 1 mail merge), its table number and statement.
struct Step {
    int type;
    int table;
    QString sql;
    int onoff = 1;
    QString bindVariables = "0";
};

// Writes a small .odt whose body is `body` (ODF elements with the office,
// style, text, table, fo, draw and xlink prefixes declared) and returns its path.
QString writeTemplate(const QString& path, const QString& body)
{
    QString error;
    EXPECT_TRUE(OdtPackage::write(path, {{"content.xml", contentXml(body)}}, &error)) << error.toStdString();
    return path;
}

// Replaces the reports a new office starts with by the test's own: _RPT rows
// (RPTID, RPTNAME, WINDOWNAME, ONOFF, displayorder, Rptfilename) and
// _RPTDETAIL rows (RPTDETAILID, RPTID, RPTDETAILTYPE, ONOFF, TABLENBR,
// SQLStatement, BINDVARS).
void defineReports(Database& db, const QList<QVariantList>& reports, const QList<QVariantList>& steps = {})
{
    db.command("delete from _RPTDETAIL");
    db.command("delete from _RPT");
    db.insertRows("_RPT", {"RPTID", "RPTNAME", "WINDOWNAME", "ONOFF", "displayorder", "Rptfilename"}, reports);
    if (!steps.isEmpty())
        db.insertRows("_RPTDETAIL",
                      {"RPTDETAILID", "RPTID", "RPTDETAILTYPE", "ONOFF", "TABLENBR", "SQLStatement", "BINDVARS"},
                      steps);
}

// Report 1, "Letter" on the customers' screen: templates/letter.odt with
// `body`, filled by `steps`.
void defineLetter(TestOffice& office, const QString& body, const QList<Step>& steps)
{
    QDir().mkpath(office.file("templates"));
    writeTemplate(office.file("templates/letter.odt"), body);
    QList<QVariantList> rows;
    for (const Step& step : steps)
        rows.append({rows.size() + 1, 1, step.type, step.onoff, step.table, step.sql, step.bindVariables});
    defineReports(office.db(), {{1, "Letter", "frmCustomers", 1, 1, "letter.odt"}}, rows);
}

// A place for the customer and the plate, and a table of plates and states
// whose row of values starts as a number cell.
const QString Body =
    "      <text:p text:style-name=\"P1\">Dear <text:user-field-get text:name=\"CUSTNAME\">x</text:user-field-get>,"
    " car <text:user-field-get text:name=\"PLATE\">y</text:user-field-get></text:p>\n"
    "      <table:table table:name=\"Table1\">\n"
    "        <table:table-column table:number-columns-repeated=\"2\"/>\n"
    "        <table:table-row><table:table-cell><text:p>Plate</text:p></table:table-cell>"
    "<table:table-cell><text:p>State</text:p></table:table-cell></table:table-row>\n"
    "        <table:table-row><table:table-cell office:value-type=\"float\" office:value=\"0\">"
    "<text:p text:style-name=\"Cell\">0</text:p></table:table-cell>"
    "<table:table-cell><text:p/></table:table-cell></table:table-row>\n"
    "      </table:table>";
const QString Untouched = "Dear x, car y\nPlate\nState\n0\n\n";

}

// The steps of a report against the text of the filled copy, or the message
// the operator gets instead of one. Whatever its steps, a report leaves the
// database as it found it, work table included, and the template as it was;
// the copy is the owner's only, read-only, in the reports folder.
TEST(PrintReport, RunsTheStepsOfAReport)
{
    const struct {
        const char* name;
        QList<Step> steps;
        QString expected;
        QString message = {};
        bool templateThere = true;
    } rows[] = {
        {"places by column name in any case, unknown columns ignored; a table in any step order",
         {{0, 1, "select '11-111' as PLATE, 'Free' as STATE union all select '22-222', 'Rented\tsince May' "
                 "union all select '33', ''"},
          {0, 0, "select 'Salem  Ali' as custname, '12-345' as PLATE, 'z' as UNUSED"}},
         "Dear Salem  Ali, car 12-345\nPlate\nState\n11-111\nFree\n22-222\nRented\tsince May\n33\n\n"},
        {"no result row leaves the places empty", {{0, 0, "select 'x' as CUSTNAME, 'y' as PLATE where 1 = 0"}},
         "Dear , car \nPlate\nState\n0\n\n"},
        {"a table with no result rows keeps its heading", {{0, 1, "select 'x' as PLATE where 1 = 0"}},
         "Dear x, car y\nPlate\nState\n"},
        {"a place and a table the template lacks are skipped",
         {{0, 2, "select 'x' as PLATE"}, {0, 0, "select 'Salem' as CUSTNAME, 'y' as NOPLACE"}},
         "Dear Salem, car y\nPlate\nState\n0\n\n"},
        {"the print dialog's dates reach the queries", {{0, 0, "select ':1 ' as CUSTNAME", 1, ":1frmPrint.dtFrom"}},
         "Dear 20240229, car y\nPlate\nState\n0\n\n"},
        {"a step switched off is skipped", {{0, 0, "select 'Salem' as CUSTNAME", 0}}, Untouched},
        {"no data steps: the template's text", {}, Untouched},
        {"mail merge over a work table dropped first (absent: no failure) then built: a copy per row",
         {{1, 0, {}},
          {-2, 0, "create table tempmessages as select 'Huda' as CUSTNAME, '1' as PLATE union all select 'Omar', '2'"},
          {-3, 0, {}}},
         "Dear Huda, car 1\nPlate\nState\n0\n\n\nDear Omar, car 2\nPlate\nState\n0\n\n"},
        {"a mail merge with nobody to write to says so",
         {{1, 0, {}}, {-2, 0, "create table tempmessages as select 'Huda' as CUSTNAME where 1 = 0"}}, {},
         "nobody to write to"},
        {"a query the database rejects ends the run", {{0, 0, "select nothing from nowhere"}}, {},
         "The report stopped"},
        {"a missing file is named", {}, {}, "letter.odt", false},
        {"a data step runs nothing but a select", {{0, 0, "delete from car"}}, {}, "single select"},
        {"a preparation step touches no other table", {{-2, 0, "delete from car"}}, {}, "work table"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestOffice office;
        office.db().insert("car", "carid", {{"name", "Kept"}});
        defineLetter(office, Body, row.steps);
        if (!row.templateThere)
            QFile::remove(office.file("templates/letter.odt"));
        frmPrint dialog(office.state(), nullptr);
        office.state().screens().adopt("frmPrint", &dialog);
        control<QDateEdit>(&dialog, "dtFrom")->setDate(QDate(2024, 2, 29));
        QList<int> percents;
        const QString copy = cPrint(office.state()).PrintReport(1, [&](int percent, const QString&) {
            percents.append(percent);
        });
        EXPECT_EQ(office.db().execute("select name from car").text(0, "name"), "Kept");
        EXPECT_FALSE(office.db().tableExists("tempmessages"));
        if (!row.message.isEmpty()) {
            EXPECT_TRUE(copy.isEmpty());
            EXPECT_TRUE(office.ui().lastMessage().contains(row.message)) << office.ui().lastMessage().toStdString();
            continue;
        }
        ASSERT_FALSE(copy.isEmpty()) << office.ui().lastMessage().toStdString();
        EXPECT_EQ(QFileInfo(copy).absolutePath(), QFileInfo(office.file("reports")).absoluteFilePath());
        EXPECT_EQ(OwnerOnly::mode(copy), OwnerOnly::ReadOnlyCopy);
        EXPECT_EQ(OwnerOnly::mode(office.file("reports")), OwnerOnly::Folder);
        EXPECT_EQ(percents, (QList<int>{30, 70, 100}));
        QString error;
        EXPECT_EQ(OdtDocument::open(copy, &error)->text(), row.expected);
        EXPECT_EQ(OdtDocument::open(office.file("templates/letter.odt"), &error)->text(), Untouched);
    }
}

// A missing or broken file is refused with a message; a package whose entry
// unpacks past the limit (a zip bomb) is refused before that entry is
// unpacked, whichever entry it is.
TEST(OdtDocument, MissingBrokenOrOversizedFileIsReported)
{
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.odt"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a zip");
    broken.close();
    const QByteArray huge(OdtPackage::MaxEntrySize + 1, ' ');
    const QString sound = writeTemplate(dir.filePath("sound.odt"), "<text:p>x</text:p>");
    QString error;
    ASSERT_TRUE(OdtPackage::write(dir.filePath("content.odt"), {{"content.xml", huge}}, &error));
    ASSERT_TRUE(OdtPackage::update(sound, {{"styles.xml", huge}}, &error));
    const std::pair<QString, QString> rows[] = {{dir.filePath("none.odt"), {}}, {broken.fileName(), {}},
                                                {dir.filePath("content.odt"), "content.xml"}, {sound, "styles.xml"}};
    for (const auto& [path, told] : rows) {
        error.clear();
        EXPECT_FALSE(OdtDocument::open(path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << path.toStdString();
        EXPECT_TRUE(error.contains(told) && error.contains(told.isEmpty() ? "" : "64 MB")) << error.toStdString();
    }
}

// The print dialog as a clerk works it: shown, active, keys to the cursor.
// The reports offered by one screen, numbered in display order, hidden ones
// and other screens' left out; OK only with something to pick; digits pick an
// entry that exists. Nothing in the dialog stands empty: the file name and the
// status line show only while they say something. A date takes the digits of
// the main row, Arabic-Indic on an Arabic keyboard, and of the keypad,
// whichever way the interface reads, and reads day first.
TEST(frmPrint, ListsTheScreensReportsAndTakesTheDigitsOfEitherPartOfTheKeyboard)
{
    for (const Qt::LayoutDirection direction : {Qt::RightToLeft, Qt::LeftToRight}) {
        SCOPED_TRACE(direction == Qt::RightToLeft ? "Arabic, main row" : "English, keypad");
        QApplication::setLayoutDirection(direction);
        TestOffice office;
        installEngine(office.state());
        defineReports(office.db(), {{1, "Card", "frmCustomers", 1, 2, "card.odt"},
                                    {2, "Hidden", "frmCustomers", 0, 0, "h.odt"},
                                    {3, "List", "frmCustomers", 1, 1, "list.odt"},
                                    {4, "Fleet", "frmCars", 1, 1, "fleet.odt"}});
        frmPrint dialog(office.state(), nullptr);
        auto* list = control<QListWidget>(&dialog, "List1");
        for (const auto& [screen, expected] : {std::pair{"frmNothing", QStringList{}},
                                               std::pair{"frmCustomers", QStringList{"1. List", "2. Card"}}}) {
            dialog.ShowReportList(screen);
            QStringList entries;
            for (int i = 0; i < list->count(); ++i)
                entries.append(list->item(i)->text());
            EXPECT_EQ(entries, expected) << screen;
            EXPECT_EQ(control<QPushButton>(&dialog, "cmdOk")->isEnabled(), !expected.isEmpty()) << screen;
        }
        ASSERT_TRUE(Clerk::showActive(&dialog));
        ASSERT_TRUE(Clerk::tabTo("List1"));
        const struct { Qt::Key key; int row; QString file; } keys[] = {
            {Qt::Key_2, 1, "card.odt"}, {Qt::Key_3, 1, "card.odt"}, {Qt::Key_1, 0, "list.odt"}};
        for (const auto& key : keys) {
            Clerk::press(key.key);
            EXPECT_EQ(list->currentRow(), key.row) << key.key;
            EXPECT_EQ(control<QLabel>(&dialog, "lblReportFileName")->text(), key.file) << key.key;
        }
        auto* status = control<QStatusBar>(&dialog, "StatusBar1");
        EXPECT_EQ(status->isVisible(), !status->currentMessage().isEmpty());
        EXPECT_TRUE(control<QLabel>(&dialog, "lblReportFileName")->isVisible());

        ASSERT_TRUE(Clerk::tabTo("dtFrom"));
        auto* date = control<QDateEdit>(&dialog, "dtFrom");
        date->setSelectedSection(QDateTimeEdit::DaySection);
        for (const char digit : std::string("03041990")) {
            const int d = digit - '0';
            if (direction == Qt::LeftToRight) {
                Clerk::press(Qt::Key(Qt::Key_0 + d), Qt::KeypadModifier);
                continue;
            }
            // As an Arabic keyboard sends its main row: the key is the digit itself.
            const QChar arabic(0x0660 + d);
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, arabic.unicode(), Qt::NoModifier, QString(arabic));
                QApplication::sendEvent(QApplication::focusWidget(), &key);
            }
        }
        EXPECT_EQ(date->text(), u"03/04/1990"_s);
    }
    QApplication::setLayoutDirection(Qt::RightToLeft);
}

// With a stand-in for LibreOffice that prints, crashes or hangs, or with none
// at all. "Printer" says the document went to the printer only when
// LibreOffice ended well on a computer with a printer; otherwise the clerk is
// told why nothing was printed or previewed (a hung run is cancelled) and the
// copy is kept. Edit opens the template itself, made writable again, and
// names a template that is not there. Without LibreOffice the dialog says
// from the start which package to install, Edit and Writer say it again, and
// nothing is started. In the preview the page has the cursor and Enter only closes it.
TEST(ReportOutput, TellsWhatLibreOfficeDidWithTheDocument)
{
    const struct {
        const char* what;
        const char* button;  // clicked, or the option picked before Enter in the list
        QString printer;
        QString standIn;       // what LibreOffice's stand-in does; empty: there is none
        QString told = {};     // empty: nothing
        QString started = {};  // the end of the program line started, %1 the template; empty: nothing
        bool templateThere = true;
    } rows[] = {
        {"printed", "Option2", "office", "exit 0"},
        {"no printer", "Option2", {}, "exit 0", "No printer is set up"},
        {"crashed printing", "Option2", "office", "kill -s SEGV $$", "crashed (signal 11)"},
        {"failed printing", "Option2", "office", "echo no such queue; exit 3", "exit status 3. no such queue"},
        {"hung printing", "Option2", "office", "exec sleep 600", "stopped at your request"},
        {"hung previewing", "Option1", {}, "exec sleep 600", "stopped at your request"},
        {"edit", "cmdEdit", {}, "exit 0", {}, "--writer %1"},
        {"edit a template that is not there", "cmdEdit", {}, "exit 0", "letter.odt", {}, false},
        {"edit without LibreOffice", "cmdEdit", {}, {}, "libreoffice-writer"},
        {"Writer", "cmdWord", {}, "exit 0", {}, "--writer"},
        {"Writer without LibreOffice", "cmdWord", {}, {}, "libreoffice-writer"},
    };
    const QByteArray path = qgetenv("PATH");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TestOffice office;
        // A customer letter with the customer's name and an amount in words.
        defineLetter(office,
                     "<text:p>Dear <text:user-field-get text:name=\"CUSTNAME\">x</text:user-field-get></text:p>"
                     "<text:p><text:user-field-get text:name=\"AMOUNT_InWords\">x</text:user-field-get></text:p>",
                     {{0, 0, "select 'Sami Haddad' as CUSTNAME, 150 as AMOUNT"}});
        const QString templateFile = office.file("templates/letter.odt");
        QFile::setPermissions(templateFile, QFileDevice::ReadOwner);
        if (!row.templateThere)
            QFile::remove(templateFile);
        QTemporaryDir bin;
        const QString ran = bin.filePath("ran");
        QFile script(bin.filePath("soffice"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$@\" >> '%1'\n%2\n").arg(ran, row.standIn).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("PATH", row.standIn.isEmpty() ? QByteArray("/nonexistent") : QFile::encodeName(bin.path()) + ':' + path);
        office.ui().printer = row.printer;
        office.ui().cancelWaits = row.standIn.startsWith("exec sleep");

        frmPrint dialog(office.state(), nullptr);
        dialog.ShowReportList("frmCustomers");
        auto* statusBar = control<QStatusBar>(&dialog, "StatusBar1");
        EXPECT_EQ(statusBar->currentMessage().contains("libreoffice-writer"), row.standIn.isEmpty());
        const bool printing = QString(row.button).startsWith("Option");
        if (printing) {
            control<QRadioButton>(&dialog, row.button)->setChecked(true);
            ASSERT_TRUE(Clerk::showActive(&dialog));
            Clerk::press(Qt::Key_Return);
        } else {
            ScreenChecks::click(&dialog, row.button);
        }
        qputenv("PATH", path);
        QFile run(ran);
        const QString args = run.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(run.readAll()) : QString();
        EXPECT_FALSE(office.ui().dialogsShown.contains("frmReportPreview"));
        EXPECT_TRUE(row.told.isEmpty() ? office.ui().messages.isEmpty() : office.ui().lastMessage().contains(row.told))
            << office.ui().lastMessage().toStdString();
        const QStringList started = office.ui().programsStarted;
        EXPECT_EQ(started.size(), row.started.isEmpty() ? 0 : 1);
        if (!row.started.isEmpty()) {
            EXPECT_TRUE(started.value(0).endsWith(row.started.contains("%1") ? row.started.arg(templateFile) : row.started))
                << started.value(0).toStdString();
            EXPECT_EQ(OwnerOnly::mode(templateFile) == OwnerOnly::ReadOnlyCopy, row.button != QString("cmdEdit"));
        }
        if (!printing)
            continue;
        // The one filled copy in the office's reports folder.
        const QStringList copies = QDir(office.file("reports")).entryList({"*.odt"});
        ASSERT_EQ(copies.size(), 1) << office.ui().lastMessage().toStdString();
        const QString copy = QDir(office.file("reports")).filePath(copies.first());
        EXPECT_EQ(statusBar->currentMessage().endsWith("went to the printer."), row.told.isEmpty());
        EXPECT_EQ(args.contains("libreoffice --headless --norestore -p " + copy), !row.printer.isEmpty()) << args.toStdString();
        EXPECT_EQ(args.isEmpty(), row.printer.isEmpty() && row.button == QString("Option2"));
        if (row.told != "No printer is set up")
            continue;
        // The preview's Print says the same, and its Writer window has the program's own profile.
        office.ui().messages.clear();
        // No PDF was made: the copy stands in for one, saved as the owner's only.
        frmReportPreview preview(office.state(), copy, copy, nullptr);
        ScreenChecks::click(&preview, "cmdPrint");
        ScreenChecks::click(&preview, "cmdWriter");
        office.ui().files = {office.file("kept.pdf")};
        ScreenChecks::click(&preview, "cmdSavePdf");
        EXPECT_EQ(OwnerOnly::mode(office.file("kept.pdf")), OwnerOnly::File);
        EXPECT_TRUE(office.ui().lastMessage().contains(row.told)) << office.ui().lastMessage().toStdString();
        ASSERT_EQ(office.ui().programsStarted.size(), 1);
        EXPECT_TRUE(office.ui().programsStarted.first().contains(
            "-env:UserInstallation=" + QUrl::fromLocalFile(office.file("libreoffice-writer")).toString() + " "))
            << office.ui().programsStarted.first().toStdString();
        // The page has the cursor, and Enter closes the preview printing nothing.
        ASSERT_TRUE(Clerk::showActive(&preview));
        EXPECT_EQ(Clerk::focused(), "pdfView");
        const qsizetype told = office.ui().messages.size();
        Clerk::press(Qt::Key_Return);
        EXPECT_FALSE(preview.isVisible());
        EXPECT_EQ(office.ui().programsStarted.size() + office.ui().messages.size(), 1 + told);
    }
}
