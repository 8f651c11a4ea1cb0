#include "OdtTemplate.h"
#include "core/OwnerOnly.h"
#include "reports/frmPrint.h"
#include "reports/frmReportPreview.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDir>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

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
        auto* statusBar = ScreenChecks::control<QStatusBar>(&dialog, "StatusBar1");
        EXPECT_EQ(statusBar->currentMessage().contains("libreoffice-writer"), row.standIn.isEmpty());
        const bool printing = QString(row.button).startsWith("Option");
        if (printing) {
            ScreenChecks::control<QRadioButton>(&dialog, row.button)->setChecked(true);
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
