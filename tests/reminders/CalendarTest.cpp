#include "core/ScreenRegistry.h"
#include "reminders/POPcalendar.h"
#include "reminders/ReminderScreens.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A screen with a date written as text and a date field.
struct Target : QDialog {
    Target()
    {
        text->setObjectName("dfsDay");
        date->setObjectName("dfdDay");
        date->setDisplayFormat("dd/MM/yyyy");
    }
    QLineEdit* text = new QLineEdit("untouched", this);
    QDateEdit* date = new QDateEdit(QDate(2000, 1, 1), this);
};

QCalendarWidget* calendarOf(QWidget* popup) { return ScreenChecks::control<QCalendarWidget>(popup, "calendar1"); }

}

// Opened by name, the calendar shows today from Saturday, in Arabic under a
// right-to-left interface, and takes its target from properties: a clicked
// day goes into the named control as dd/mm/yyyy; without a screen and a
// control it has, the click only closes. Esc closes and changes nothing.
TEST(POPcalendar, APickedDayGoesIntoTheTargetOrOnlyCloses)
{
    const struct {
        const char* what;
        bool screen;
        const char* control;
        QDate day;     // null: Esc
        QString text;  // what dfsDay shows afterwards; null: the screen is gone before the click
        QDate date;    // what dfdDay holds afterwards
    } rows[] = {
        {"text field", true, "dfsDay", QDate(1999, 3, 5), "05/03/1999", QDate(2000, 1, 1)},
        {"date field", true, "dfdDay", QDate(2024, 2, 29), "untouched", QDate(2024, 2, 29)},
        {"nothing set (the main window)", false, "", QDate(2024, 5, 1), "untouched", QDate(2000, 1, 1)},
        {"a control the screen lacks", true, "dfsMissing", QDate(2024, 5, 1), "untouched", QDate(2000, 1, 1)},
        {"a screen gone meanwhile", true, "dfsDay", QDate(2024, 5, 1), {}, {}},
        {"Esc", true, "dfsDay", {}, "untouched", QDate(2000, 1, 1)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        registerReminderScreens(office.state().screens());
        auto target = std::make_unique<Target>();
        bool closed = false;
        office.ui().onDialog("POPcalendar", [&](QDialog* popup) {
            QCalendarWidget* calendar = calendarOf(popup);
            EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
            EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Saturday);
            EXPECT_EQ(calendar->locale().language(), QLocale::Arabic);
            if (r.day.isValid()) {
                emit calendar->clicked(r.day);
            } else {
                EXPECT_TRUE(QTest::qWaitForWindowActive(popup));
                Clerk::press(Qt::Key_Escape);
            }
            closed = !popup->isVisible();
        });
        QApplication::setLayoutDirection(Qt::RightToLeft);
        office.state().screens().open("POPcalendar", nullptr, {}, [&](QWidget* popup) {
            QApplication::setLayoutDirection(Qt::LeftToRight);
            popup->setProperty("targetScreen", QVariant::fromValue<QWidget*>(r.screen ? target.get() : nullptr));
            popup->setProperty("targetControl", r.control);
            if (r.text.isNull())
                target.reset();
        });
        EXPECT_TRUE(closed);
        if (target) {
            EXPECT_EQ(std::pair(target->text->text(), target->date->date()), std::pair(r.text, r.date));
        }
    }
}

// Under a left-to-right interface the calendar keeps the interface's language.
TEST(POPcalendar, LeftToRightKeepsTheInterfaceLanguage)
{
    TestOffice office;
    QApplication::setLayoutDirection(Qt::LeftToRight);
    POPcalendar popup(office.state(), nullptr);
    EXPECT_EQ(calendarOf(&popup)->locale().language(), QLocale().language());
}
