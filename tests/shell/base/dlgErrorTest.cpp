#include "shell/base/ErrorLog.h"
#include "shell/base/dlgError.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Shown {
    explicit Shown(TestOffice& office) : dialog(office.state(), nullptr)
    {
        dialog.showError(QStringLiteral("3021"), QStringLiteral("No current record."), QStringLiteral("cWindow"),
                         QStringLiteral("frmCars"), QStringLiteral("txtNAME"));
        dialog.show();
    }
    void click(const char* button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    dlgError dialog;
};

}

TEST(dlgError, LogButtonsOpenTheFilesInTheEditor)
{
    TestOffice office;
    const struct { const char* button; QString path; } rows[] = {
        {"pbSybase", errorLogPath(office.state())},
        {"command1", statementTracePath(office.state(), QDate::currentDate())},
    };
    for (const auto& r : rows) {
        Shown shown(office);
        office.ui().urlsOpened.clear();
        shown.click(r.button);
        EXPECT_EQ(office.ui().urlsOpened, QList<QUrl>{QUrl::fromLocalFile(r.path)}) << r.button;
        EXPECT_TRUE(shown.dialog.isVisible()) << r.button;
    }
    // A day without statements opens a trace that does not exist yet.
    EXPECT_FALSE(QFileInfo::exists(statementTracePath(office.state(), QDate::currentDate())));
}

TEST(dlgError, ContinueCloses)
{
    TestOffice office;
    Shown shown(office);
    shown.click("pbHalt");
    EXPECT_FALSE(shown.dialog.isVisible());
    EXPECT_EQ(shown.dialog.result(), QDialog::Accepted);
}

TEST(dlgError, PrintWithoutPrinterTellsTheOperator)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer; the test would print";
    TestOffice office;
    Shown shown(office);
    shown.click("pbPrintMsgAndHalt");
    ASSERT_EQ(office.ui().messages.size(), 1);
    EXPECT_TRUE(office.ui().lastMessage().contains(QStringLiteral("طابعة")));
    EXPECT_TRUE(shown.dialog.isVisible());
}
