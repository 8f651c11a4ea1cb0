// The print dialog as a clerk works it: shown, active, keys to the cursor.
#include "OdtTemplate.h"
#include "engine/EngineSetup.h"
#include "reports/frmPrint.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

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
