#include "core/ScreenRegistry.h"
#include "reminders/POPcalendar.h"
#include "reminders/ReminderScreens.h"
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

TEST(POPcalendar, ShowsTodayAndEscCloses)
{
    TestOffice office;
    POPcalendar popup(office.state(), nullptr);
    calendarOf(&popup)->setSelectedDate(QDate(2001, 1, 1));
    popup.show();
    EXPECT_EQ(calendarOf(&popup)->selectedDate(), QDate::currentDate());
    QTest::keyClick(&popup, Qt::Key_Escape);
    EXPECT_FALSE(popup.isVisible());
}

// The week starts on Saturday; an Arabic (right-to-left) interface names months and days in Arabic.
TEST(POPcalendar, WeekStartsOnSaturdayWithArabicNamesUnderArabic)
{
    TestOffice office;
    const struct { Qt::LayoutDirection direction; QLocale::Language names; } rows[] = {
        {Qt::LeftToRight, QLocale().language()}, {Qt::RightToLeft, QLocale::Arabic}};
    for (const auto& row : rows) {
        QApplication::setLayoutDirection(row.direction);
        POPcalendar popup(office.state(), nullptr);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        EXPECT_EQ(calendarOf(&popup)->firstDayOfWeek(), Qt::Saturday) << row.direction;
        EXPECT_EQ(calendarOf(&popup)->locale().language(), row.names) << row.direction;
    }
}

// Opened by name, the pop-up takes its target from properties: a clicked day goes into the
// named control as dd/mm/yyyy; without a screen and a control it has, the click only closes.
TEST(POPcalendar, APickedDayGoesIntoTheTargetOrOnlyCloses)
{
    const struct {
        const char* what;
        bool screen;
        const char* control;
        QDate day;
        QString text;  // what dfsDay shows afterwards; null: the screen is gone before the click
        QDate date;    // what dfdDay holds afterwards
    } rows[] = {
        {"text field", true, "dfsDay", QDate(1999, 3, 5), "05/03/1999", QDate(2000, 1, 1)},
        {"date field", true, "dfdDay", QDate(2024, 2, 29), "untouched", QDate(2024, 2, 29)},
        {"nothing set (the main window)", false, "", QDate(2024, 5, 1), "untouched", QDate(2000, 1, 1)},
        {"screen only", true, "", QDate(2024, 5, 1), "untouched", QDate(2000, 1, 1)},
        {"a control the screen lacks", true, "dfsMissing", QDate(2024, 5, 1), "untouched", QDate(2000, 1, 1)},
        {"a screen gone meanwhile", true, "dfsDay", QDate(2024, 5, 1), {}, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        registerReminderScreens(office.state().screens());
        auto target = std::make_unique<Target>();
        bool closed = false;
        office.ui().onDialog("POPcalendar", [&](QDialog* popup) {
            emit calendarOf(popup)->clicked(r.day);
            closed = !popup->isVisible();
        });

        office.state().screens().open("POPcalendar", nullptr, {}, [&](QWidget* popup) {
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
