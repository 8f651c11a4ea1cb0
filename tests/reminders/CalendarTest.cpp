#include "reminders/POPcalendar.h"
#include "reminders/ReminderScreens.h"
#include "shell/base/ScreenRegistry.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

using ScreenChecks::control;

// A screen with a date written as text, a date field and a label.
std::unique_ptr<QDialog> targetScreen()
{
    auto screen = std::make_unique<QDialog>();
    screen->setObjectName(QStringLiteral("frmTarget"));
    auto* layout = new QVBoxLayout(screen.get());
    auto* text = new QLineEdit(QStringLiteral("untouched"), screen.get());
    text->setObjectName(QStringLiteral("dfsDay"));
    layout->addWidget(text);
    auto* date = new QDateEdit(QDate(2000, 1, 1), screen.get());
    date->setObjectName(QStringLiteral("dfdDay"));
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    layout->addWidget(date);
    auto* notes = new QPlainTextEdit(QStringLiteral("untouched"), screen.get());
    notes->setObjectName(QStringLiteral("dfsNotes"));
    layout->addWidget(notes);
    return screen;
}

QCalendarWidget* calendarOf(QWidget* popup)
{
    return control<QCalendarWidget>(popup, QStringLiteral("calendar1"));
}

// The cell of a day between 15 and 21 of the month on show, as the operator
// sees it: the neighbouring months never show such a day.
QRect cellOf(QCalendarWidget* calendar, int day)
{
    auto* view = calendar->findChild<QTableView*>();
    const QAbstractItemModel* model = view->model();
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (index.data().toInt() == day)
                return view->visualRect(index);
        }
    return {};
}

}

TEST(POPcalendar, ShowsTodayWhenActivated)
{
    TestOffice office;
    POPcalendar popup(office.state(), nullptr);
    calendarOf(&popup)->setSelectedDate(QDate(2001, 1, 1));
    popup.show();
    EXPECT_EQ(calendarOf(&popup)->selectedDate(), QDate::currentDate());

    calendarOf(&popup)->setSelectedDate(QDate(2001, 1, 1));
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&popup, &activation);
    EXPECT_EQ(calendarOf(&popup)->selectedDate(), QDate::currentDate());
    EXPECT_EQ(calendarOf(&popup)->monthShown(), QDate::currentDate().month());
}

TEST(POPcalendar, APickedDayGoesIntoTheNamedControl)
{
    const struct {
        const char* control;
        QDate day;
        QString text;   // what dfsDay shows afterwards
        QDate date;     // what dfdDay holds afterwards
    } rows[] = {
        {"dfsDay", QDate(2024, 3, 15), QStringLiteral("15/03/2024"), QDate(2000, 1, 1)},
        {"DFSDAY", QDate(1999, 12, 31), QStringLiteral("31/12/1999"), QDate(2000, 1, 1)},
        {"dfdDay", QDate(2024, 2, 29), QStringLiteral("untouched"), QDate(2024, 2, 29)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        TestOffice office;
        auto target = targetScreen();
        POPcalendar popup(office.state(), nullptr);
        popup.setTargetScreen(target.get());
        popup.setTargetControl(QLatin1String(r.control));
        popup.show();

        emit calendarOf(&popup)->clicked(r.day);

        EXPECT_FALSE(popup.isVisible());
        EXPECT_EQ(control<QLineEdit>(target.get(), QStringLiteral("dfsDay"))->text(), r.text);
        EXPECT_EQ(control<QDateEdit>(target.get(), QStringLiteral("dfdDay"))->date(), r.date);
    }
}

TEST(POPcalendar, WithoutATargetAClickOnlyCloses)
{
    const struct {
        const char* what;
        bool screen;
        const char* control;
    } rows[] = {
        {"nothing set (the main window)", false, ""},
        {"screen only", true, ""},
        {"control only", false, "dfsDay"},
        {"a control the screen lacks", true, "dfsMissing"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        auto target = targetScreen();
        POPcalendar popup(office.state(), nullptr);
        if (r.screen)
            popup.setTargetScreen(target.get());
        popup.setTargetControl(QLatin1String(r.control));
        popup.show();

        emit calendarOf(&popup)->clicked(QDate(2024, 5, 1));

        EXPECT_FALSE(popup.isVisible());
        EXPECT_EQ(control<QLineEdit>(target.get(), QStringLiteral("dfsDay"))->text(), QStringLiteral("untouched"));
        EXPECT_EQ(control<QDateEdit>(target.get(), QStringLiteral("dfdDay"))->date(), QDate(2000, 1, 1));
    }
}

TEST(POPcalendar, ATargetGoneMeanwhileIsLeftAlone)
{
    TestOffice office;
    POPcalendar popup(office.state(), nullptr);
    {
        auto target = targetScreen();
        popup.setTargetScreen(target.get());
        popup.setTargetControl(QStringLiteral("dfsDay"));
    }
    popup.show();
    emit calendarOf(&popup)->clicked(QDate(2024, 5, 1));
    EXPECT_FALSE(popup.isVisible());
}

TEST(POPcalendar, AMouseClickOnADayOfTheMonth)
{
    TestOffice office;
    auto target = targetScreen();
    POPcalendar popup(office.state(), nullptr);
    popup.setTargetScreen(target.get());
    popup.setTargetControl(QStringLiteral("dfsDay"));
    popup.show();
    QCalendarWidget* calendar = calendarOf(&popup);
    auto* view = calendar->findChild<QTableView*>();
    const QRect cell = cellOf(calendar, 15);
    ASSERT_TRUE(cell.isValid());

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());

    const QDate today = QDate::currentDate();
    EXPECT_EQ(control<QLineEdit>(target.get(), QStringLiteral("dfsDay"))->text(),
              QDate(today.year(), today.month(), 15).toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_FALSE(popup.isVisible());
}

TEST(POPcalendar, EscCloses)
{
    TestOffice office;
    auto target = targetScreen();
    POPcalendar popup(office.state(), nullptr);
    popup.setTargetScreen(target.get());
    popup.setTargetControl(QStringLiteral("dfsDay"));
    popup.show();

    QTest::keyClick(&popup, Qt::Key_Escape);

    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(control<QLineEdit>(target.get(), QStringLiteral("dfsDay"))->text(), QStringLiteral("untouched"));
}

TEST(POPcalendar, OpenedByNameWithOrWithoutATarget)
{
    for (const bool withTarget : {false, true}) {
        SCOPED_TRACE(withTarget);
        TestOffice office;
        registerReminderScreens(office.state().screens());
        auto target = targetScreen();
        bool shown = false;
        office.ui().onDialog(QStringLiteral("POPcalendar"), [&shown](QDialog* popup) {
            shown = popup->isVisible();
            emit calendarOf(popup)->clicked(QDate(2025, 7, 4));
        });

        const int result = office.state().screens().open(QStringLiteral("POPcalendar"), nullptr, {}, [&](QWidget* popup) {
            if (!withTarget)
                return;
            // A caller that only knows the pop-up by name.
            popup->setProperty("targetScreen", QVariant::fromValue<QWidget*>(target.get()));
            popup->setProperty("targetControl", QStringLiteral("dfsDay"));
        });

        EXPECT_TRUE(shown);
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(office.ui().unscripted, QStringList{});
        EXPECT_EQ(control<QLineEdit>(target.get(), QStringLiteral("dfsDay"))->text(),
                  withTarget ? QStringLiteral("04/07/2025") : QStringLiteral("untouched"));
    }
}
