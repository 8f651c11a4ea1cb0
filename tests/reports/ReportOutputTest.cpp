#include "GoldenReport.h"
#include "OdtTemplate.h"
#include "core/Database.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/tafqeet.h"
#include "reports/LibreOffice.h"
#include "reports/frmPrint.h"
#include "reports/frmReportPreview.h"
#include "support/ScreenChecks.h"
#include "support/ScriptedUI.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A customer letter with the customer's name and an amount in words.
void addLetter(TestOffice& office)
{
    QDir().mkpath(office.file("templates"));
    writeTemplate(office.file("templates/letter.odt"),
                  "<text:p>Dear <text:user-field-get text:name=\"CUSTNAME\">x</text:user-field-get></text:p>"
                  "<text:p><text:user-field-get text:name=\"AMOUNT_InWords\">x</text:user-field-get></text:p>");
    defineReports(office.db(), {{1, "Letter", "frmCustomers", 1, 1, "letter.odt"}},
                  {{1, 1, 0, 1, 0, "select 'Sami Haddad' as CUSTNAME, 150 as AMOUNT", "0"}});
}

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

bool readOnly(const QString& path)
{
    return QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

}

// The clerk picks "Screen" and presses Enter in the list: the screen gets a
// PDF preview made by LibreOffice (its text holds the customer's name and the
// amount in words; it can be saved and opened in Writer); the copy is
// read-only.
TEST(ReportOutput, ScreenPreviewsTheDocument)
{
    if (LibreOffice::program().isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    TestOffice office;
    addLetter(office);
    const QString words = tafqeet::AmountInWords(150, 1, office.state().config);
    const QString saved = office.file("kept.pdf");
    office.ui().files = {saved};
    QString text;
    bool inked = false;
    bool focusedOnPage = false;
    bool closedByEnter = false;
    office.ui().onDialog("frmReportPreview", [&](QDialog* dialog) {
        auto* preview = static_cast<frmReportPreview*>(dialog);
        inked = preview->pageCount() == 1 && hasInk(preview->renderPage(0, 400));
        ScreenChecks::click(dialog, "cmdSavePdf");
        ScreenChecks::click(dialog, "cmdWriter");
        text = pdfText(saved);
        // The clerk reads with the keys: the page has the cursor, Enter closes and prints nothing.
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        focusedOnPage = QApplication::focusWidget()->objectName() == "pdfView";
        const qsizetype started = office.ui().programsStarted.size();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        closedByEnter = !dialog->isVisible() && office.ui().programsStarted.size() == started;
    });
    frmPrint dialog(office.state(), nullptr);
    office.state().screens().adopt("frmPrint", &dialog);
    dialog.ShowReportList("frmCustomers");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    const QStringList copies = QDir(office.file("reports")).entryList({"*.odt"});
    ASSERT_EQ(copies.size(), 1) << office.ui().lastMessage().toStdString();
    const QString copy = QDir(office.file("reports")).filePath(copies.first());
    EXPECT_TRUE(readOnly(copy));
    ASSERT_TRUE(office.ui().dialogsShown.contains("frmReportPreview"));
    EXPECT_TRUE(inked);
    EXPECT_TRUE(focusedOnPage);
    EXPECT_TRUE(closedByEnter);
    EXPECT_EQ(missingWords("Sami Haddad " + numberWords(words), text), QStringList()) << text.toStdString();
    ASSERT_FALSE(office.ui().programsStarted.isEmpty()) << office.ui().lastMessage().toStdString();
    EXPECT_TRUE(office.ui().programsStarted.last().endsWith("--view " + copy));
    EXPECT_TRUE(readOnly(QString(copy).replace(".odt", ".pdf")));
}

// With a stand-in for LibreOffice that prints, crashes or hangs: "Printer"
// says the document went to the printer only when LibreOffice ended well on a
// computer with a printer; otherwise the clerk is told why nothing was
// printed or previewed (a hung run is cancelled) and the copy is kept. The
// preview's Print does the same, and its Writer window has the program's
// own profile.
TEST(ReportOutput, TellsWhatLibreOfficeDidWithTheDocument)
{
    const struct {
        const char* what;
        const char* option;
        QString printer;
        QString standIn;
        QString told;  // empty: printed
    } rows[] = {
        {"printed", "Option2", "office", "exit 0", {}},
        {"no printer", "Option2", {}, "exit 0", "No printer is set up"},
        {"crashed printing", "Option2", "office", "kill -s SEGV $$", "crashed (signal 11)"},
        {"failed printing", "Option2", "office", "echo no such queue; exit 3", "exit status 3. no such queue"},
        {"hung printing", "Option2", "office", "exec sleep 600", "stopped at your request"},
        {"crashed previewing", "Option1", {}, "kill -s SEGV $$", "crashed (signal 11)"},
        {"hung previewing", "Option1", {}, "exec sleep 600", "stopped at your request"},
    };
    const QByteArray path = qgetenv("PATH");
    for (const auto& row : rows) {
        TestOffice office;
        addLetter(office);
        QTemporaryDir bin;
        const QString ran = bin.filePath("ran");
        QFile script(bin.filePath("soffice"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$@\" >> '%1'\n%2\n").arg(ran, row.standIn).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        office.ui().printer = row.printer;
        office.ui().cancelWaits = row.standIn.startsWith("exec sleep");

        frmPrint dialog(office.state(), nullptr);
        dialog.ShowReportList("frmCustomers");
        ScreenChecks::control<QRadioButton>(&dialog, row.option)->setChecked(true);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        const QStringList copies = QDir(office.file("reports")).entryList({"*.odt"});
        ASSERT_EQ(copies.size(), 1) << row.what;
        const QString copy = QDir(office.file("reports")).filePath(copies.first());
        const QString status = ScreenChecks::control<QStatusBar>(&dialog, "StatusBar1")->currentMessage();
        QFile run(ran);
        const QString args = run.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(run.readAll()) : QString();
        EXPECT_FALSE(office.ui().dialogsShown.contains("frmReportPreview")) << row.what;
        if (row.told.isEmpty()) {
            EXPECT_TRUE(office.ui().messages.isEmpty()) << office.ui().lastMessage().toStdString();
            EXPECT_TRUE(status.endsWith("went to the printer.")) << status.toStdString();
            EXPECT_TRUE(args.contains("libreoffice --headless --norestore -p " + copy)) << args.toStdString();
        } else {
            EXPECT_TRUE(office.ui().lastMessage().contains(row.told)) << office.ui().lastMessage().toStdString();
            EXPECT_FALSE(status.contains("went to the printer")) << row.what;
            EXPECT_TRUE(QFileInfo::exists(copy)) << row.what;
            EXPECT_EQ(args.isEmpty(), row.printer.isEmpty() && row.option == QString("Option2")) << row.what;
        }

        if (row.told != "No printer is set up")
            continue;
        office.ui().messages.clear();
        frmReportPreview preview(office.state(), copy, office.file("none.pdf"), nullptr);
        ScreenChecks::click(&preview, "cmdPrint");
        ScreenChecks::click(&preview, "cmdWriter");
        EXPECT_TRUE(office.ui().lastMessage().contains(row.told)) << office.ui().lastMessage().toStdString();
        ASSERT_EQ(office.ui().programsStarted.size(), 1);
        EXPECT_TRUE(office.ui().programsStarted.first().contains(
            "-env:UserInstallation=" + QUrl::fromLocalFile(office.file("libreoffice-writer")).toString() + " "))
            << office.ui().programsStarted.first().toStdString();
        qputenv("PATH", path);
    }
    qputenv("PATH", path);
}

// Edit opens the template itself, made writable again; a template that is not
// there is named; without LibreOffice the dialog says from the start which
// package to install, the Writer button and Edit say it again, and nothing is
// started.
TEST(ReportOutput, EditAndWriterNeedLibreOffice)
{
    const struct {
        const char* button;
        bool officeInstalled;
        bool templateThere;
        QString started;  // the end of the program line, or empty
        QString told;
    } rows[] = {
        {"cmdEdit", true, true, "--writer %1", {}},
        {"cmdEdit", true, false, {}, "letter.odt"},
        {"cmdEdit", false, true, {}, "libreoffice-writer"},
        {"cmdWord", true, true, "--writer", {}},
        {"cmdWord", false, true, {}, "libreoffice-writer"},
    };
    const QByteArray path = qgetenv("PATH");
    for (const auto& row : rows) {
        TestOffice office;
        addLetter(office);
        const QString templateFile = office.file("templates/letter.odt");
        QFile::setPermissions(templateFile, QFileDevice::ReadOwner);
        if (!row.templateThere)
            QFile::remove(templateFile);
        if (!row.officeInstalled)
            qputenv("PATH", "/nonexistent");
        else if (LibreOffice::program().isEmpty())
            continue;
        frmPrint dialog(office.state(), nullptr);
        dialog.ShowReportList("frmCustomers");
        const QString status = ScreenChecks::control<QStatusBar>(&dialog, "StatusBar1")->currentMessage();
        EXPECT_EQ(status.contains("libreoffice-writer"), !row.officeInstalled) << status.toStdString();
        ScreenChecks::click(&dialog, row.button);
        qputenv("PATH", path);
        const QString what = QString(row.button) + (row.officeInstalled ? " installed" : " missing");
        if (row.started.isEmpty()) {
            EXPECT_TRUE(office.ui().programsStarted.isEmpty()) << what.toStdString();
            EXPECT_TRUE(office.ui().lastMessage().contains(row.told)) << office.ui().lastMessage().toStdString();
        } else {
            ASSERT_EQ(office.ui().programsStarted.size(), 1) << what.toStdString();
            const QString expected = row.started.contains("%1") ? row.started.arg(templateFile) : row.started;
            EXPECT_TRUE(office.ui().programsStarted.first().endsWith(expected))
                << office.ui().programsStarted.first().toStdString();
            if (row.button == QString("cmdEdit")) {
                EXPECT_FALSE(readOnly(templateFile));
            }
        }
    }
}
