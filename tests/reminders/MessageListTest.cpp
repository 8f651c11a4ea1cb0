#include "core/Database.h"
#include "core/ScreenRegistry.h"
#include "engine/EngineSetup.h"
#include "reminders/cReminder.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Every queued message in one window: Enter opens the record it is about,
// Delete drops it until the next build finds it again, and the messages can
// still be gone through one by one.
TEST(MessageList, OpensTheRecordOfAMessageDropsOneAndShowsThemOneByOne)
{
    TestOffice office;
    Database& db = office.db();
    installEngine(office.state());
    registerRentalScreens(office.state().screens());
    const auto day = [](int fromToday) {
        return QDate::currentDate().addDays(fromToday).toString(u"yyyyMMdd"_s).toLongLong();
    };
    const qint64 car = db.insert(u"car"_s, u"carid"_s, {{u"PLATENO"_s, u"LIC-OLD"_s}, {u"LICENSEEXPIRY"_s, day(-1)}});
    const qint64 rent = db.insert(u"RENT"_s, u"RENTID"_s,
                                  {{u"NAME"_s, u"LATE-CONTRACT"_s}, {u"RETURNED"_s, 0}, {u"RETURNDATE"_s, day(-1)}});
    db.insert(u"_Reminder"_s, u"REMINDERID"_s, {{u"REMINDERRULENAME"_s, u"DIARY-DAY"_s}, {u"ONOFF"_s, 1},
                                                {u"REMINDERTYPE"_s, 1}, {u"REMINDERDATE"_s, day(0)}});
    cReminder& reminders = office.state().service<cReminder>();
    reminders.BuildReminders();

    const struct { QString row; QString screen; qint64 id; } cases[] = {
        {u"LIC-OLD"_s, u"frmCars"_s, car},
        {u"LATE-CONTRACT"_s, u"frmRentCar"_s, rent},
        {u"DIARY-DAY"_s, {}, 0},  // about no record: the clerk is told so
    };
    QStringList opened;
    for (const char* screen : {"frmCars", "frmRentCar"})
        office.ui().onDialog(QLatin1String(screen), [&opened](QDialog* d) {
            opened << d->objectName() + u" "_s + ScreenChecks::control<QLineEdit>(d, u"txtID"_s)->text();
        });
    int oneByOne = 0;
    office.ui().onDialog(u"POPmessages"_s, [&oneByOne](QDialog*) { ++oneByOne; });
    QStringList dates;
    int rowsLeft = -1;
    office.ui().onDialog(u"frmMessageList"_s, [&](QDialog* d) {
        ASSERT_TRUE(Clerk::showActive(d));
        const QAbstractItemModel* list = d->findChild<QTableView*>()->model();
        for (int r = 0; r < list->rowCount(); ++r)
            dates << list->index(r, 3).data().toString();
        for (const auto& c : cases) {
            const qsizetype told = office.ui().messages.size();
            opened.clear();
            ASSERT_TRUE(Clerk::pickRow(d, c.row)) << c.row.toStdString();
            EXPECT_EQ(opened, c.screen.isEmpty() ? QStringList{} : QStringList{c.screen + u" "_s + QString::number(c.id)})
                << c.row.toStdString();
            EXPECT_EQ(office.ui().messages.size(), told + (c.screen.isEmpty() ? 1 : 0)) << c.row.toStdString();
        }
        // Back on the list, the car's message (the first) is dropped.
        ASSERT_TRUE(Clerk::showActive(d));
        Clerk::press(Qt::Key_Home, Qt::ControlModifier);
        Clerk::press(Qt::Key_Delete);
        rowsLeft = list->rowCount();
        ASSERT_TRUE(Clerk::tabTo("cmdOneByOne"));
        Clerk::press(Qt::Key_Space);
    });
    reminders.ShowMessageList();

    const QString shownToday = QDate::currentDate().toString(u"dd/MM/yyyy"_s);
    EXPECT_EQ(dates, QStringList(3, shownToday));
    EXPECT_EQ(rowsLeft, 2);
    EXPECT_EQ(oneByOne, 2);
    EXPECT_EQ(db.execute(u"select message from reminderqueue where message like '%LIC-OLD%'"_s).count(), 0);
    // Dropped for today: the next build finds the car still due.
    reminders.BuildReminders();
    EXPECT_EQ(db.execute(u"select message from reminderqueue where message like '%LIC-OLD%'"_s).count(), 1);
}
