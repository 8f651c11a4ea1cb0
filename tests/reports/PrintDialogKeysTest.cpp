// The print dialog as a clerk works it: shown, active, keys to the cursor.
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "reports/frmPrint.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

// A date takes the digits of the main row, Arabic-Indic on an Arabic keyboard,
// and of the keypad, whichever way the interface reads.
TEST(DateKeys, DatesTakeTheDigitsOfEitherPartOfTheKeyboard)
{
    const struct { const char* what; const char* screen; const char* field; Qt::LayoutDirection direction;
                   bool keypad; } rows[] = {
        {"print dialog, Arabic, main row", "frmPrint", "dtFrom", Qt::RightToLeft, false},
        {"print dialog, Arabic, keypad", "frmPrint", "dtFrom", Qt::RightToLeft, true},
        {"print dialog, English, main row", "frmPrint", "dtTo", Qt::LeftToRight, false},
        {"customers, Arabic, main row", "frmCustomers", "dfdBirthDate", Qt::RightToLeft, false},
        {"customers, English, keypad", "frmCustomers", "dfdBirthDate", Qt::LeftToRight, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        QApplication::setLayoutDirection(r.direction);
        TestOffice office;
        office.loginAs(u"ADMIN"_s);
        installEngine(office.state());
        registerRentalScreens(office.state().screens());
        office.db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"الأول"_s}});
        std::unique_ptr<QWidget> screen(QLatin1String(r.screen) == "frmPrint"_L1
                                            ? new frmPrint(office.state(), nullptr)
                                            : office.state().screens().instance(QLatin1String(r.screen), nullptr));
        ASSERT_TRUE(Clerk::showActive(screen.get()));
        QWidget* field = ControlAccess::require(screen.get(), QLatin1String(r.field));
        if (auto* tabs = screen->findChild<QTabWidget*>(u"SSTab1"_s))
            for (int turn = 0; turn < tabs->count() && !tabs->currentWidget()->isAncestorOf(field); ++turn)
                Clerk::press(Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_TRUE(Clerk::tabTo(r.field));
        auto* date = qobject_cast<QDateEdit*>(field);
        date->setSelectedSection(QDateTimeEdit::DaySection);
        for (const char digit : std::string("03041990")) {
            const int d = digit - '0';
            if (r.keypad) {
                Clerk::press(Qt::Key(Qt::Key_0 + d), Qt::KeypadModifier);
            } else {
                // As an Arabic keyboard sends its main row: the key is the digit itself.
                const QChar arabic(0x0660 + d);
                for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                    QKeyEvent key(type, arabic.unicode(), Qt::NoModifier, QString(arabic));
                    QApplication::sendEvent(QApplication::focusWidget(), &key);
                }
            }
        }
        EXPECT_EQ(date->date(), QDate(1990, 4, 3));
        EXPECT_EQ(date->text(), u"03/04/1990"_s) << "a date reads day first in either language";
    }
    QApplication::setLayoutDirection(Qt::RightToLeft);
}

// Nothing in the print dialog stands empty: the file name and the status line
// show only while they say something.
TEST(DateKeys, ThePrintDialogHasNoEmptyBand)
{
    TestOffice office;
    installEngine(office.state());
    frmPrint dialog(office.state(), nullptr);
    ASSERT_TRUE(Clerk::showActive(&dialog));
    for (QWidget* w : {static_cast<QWidget*>(dialog.findChild<QLabel*>(u"lblReportFileName"_s)),
                       static_cast<QWidget*>(dialog.findChild<QStatusBar*>(u"StatusBar1"_s))}) {
        const QString said = qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                      : qobject_cast<QStatusBar*>(w)->currentMessage();
        EXPECT_EQ(w->isVisible(), !said.isEmpty()) << w->objectName().toStdString();
    }
}
