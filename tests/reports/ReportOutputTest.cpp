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

// The clerk picks "Screen" or "Printer" and presses Enter in the list: the
// screen gets a PDF preview made by LibreOffice (its text holds the
// customer's name and the amount in words; it can be saved and opened in
// Writer), the printer gets the document without any window; the copy is
// read-only either way.
TEST(ReportOutput, ScreenPreviewsAndPrinterPrints)
{
    if (LibreOffice::program().isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const struct {
        const char* option;
        bool preview;
    } rows[] = {{"Option1", true}, {"Option2", false}};
    for (const auto& row : rows) {
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
        ScreenChecks::control<QRadioButton>(&dialog, row.option)->setChecked(true);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        const QStringList copies = QDir(office.file("reports")).entryList({"*.odt"});
        ASSERT_EQ(copies.size(), 1) << office.ui().lastMessage().toStdString();
        const QString copy = QDir(office.file("reports")).filePath(copies.first());
        EXPECT_TRUE(readOnly(copy)) << row.option;
        EXPECT_EQ(office.ui().dialogsShown.contains("frmReportPreview"), row.preview) << row.option;
        ASSERT_FALSE(office.ui().programsStarted.isEmpty()) << office.ui().lastMessage().toStdString();
        const QString started = office.ui().programsStarted.last();
        if (row.preview) {
            EXPECT_TRUE(inked);
            EXPECT_TRUE(focusedOnPage);
            EXPECT_TRUE(closedByEnter);
            EXPECT_EQ(missingWords("Sami Haddad " + numberWords(words), text), QStringList()) << text.toStdString();
            EXPECT_TRUE(started.endsWith("--view " + copy)) << started.toStdString();
            EXPECT_TRUE(readOnly(QString(copy).replace(".odt", ".pdf")));
        } else {
            EXPECT_TRUE(started.endsWith("-p " + copy)) << started.toStdString();
            EXPECT_FALSE(QFileInfo::exists(saved));
        }
    }
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
