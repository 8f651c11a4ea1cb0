#include "core/ScreenRegistry.h"
#include "engine/EngineSetup.h"
#include "rental/RentalScreens.h"
#include "rental/frmAvailableCars.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

qint64 day(int fromToday)
{
    return QDate::currentDate().addDays(fromToday).toString(u"yyyyMMdd"_s).toLongLong();
}

}

// The free cars in service as a list, one line each with the next
// maintenance by date (the sooner of its schedules); Enter opens the chosen
// car to look at, not to change.
TEST(AvailableCars, ListsTheFreeCarsAndEnterOpensTheOneChosen)
{
    TestOffice office;
    Database& db = office.db();
    installEngine(office.state());
    registerRentalScreens(office.state().screens());
    const struct { const char* plate; int rented; int stop; int everyDays1; int start1; int everyDays2; int start2; } cars[] = {
        {"B-FREE", 0, 0, 30, -10, 10, 0},
        {"A-RENTED", 1, 0, 0, 0, 0, 0},
        {"C-STOPPED", 0, 1, 0, 0, 0, 0},
        {"D-FREE", 0, 0, 0, 0, 0, 0},
    };
    QList<qint64> ids;
    for (const auto& c : cars)
        ids << db.insert(u"car"_s, u"carid"_s,
                         {{u"PLATENO"_s, QLatin1String(c.plate)}, {u"MAKE"_s, u"تويوتا"_s}, {u"BRAND"_s, u"كامري"_s},
                          {u"COLOR"_s, u"أبيض"_s}, {u"FARE"_s, 15.5}, {u"METER"_s, 1200}, {u"rented"_s, c.rented},
                          {u"STOP"_s, c.stop}, {u"EVERYDAYS1"_s, c.everyDays1},
                          {u"MAINTSTART1"_s, c.everyDays1 ? day(c.start1) : 0}, {u"EVERYDAYS2"_s, c.everyDays2},
                          {u"MAINTSTART2"_s, c.everyDays2 ? day(c.start2) : 0}});
    QStringList opened;
    office.ui().onDialog(u"frmCars"_s, [&opened](QDialog* d) {
        opened << ScreenChecks::control<QLineEdit>(d, u"txtID"_s)->text()
               << (ScreenChecks::control<QPushButton>(d, u"cmdSave"_s)->isEnabled() ? u"changeable"_s : u"shown"_s);
    });

    frmAvailableCars list(office.state(), nullptr);
    ASSERT_TRUE(Clerk::showActive(&list));
    const QString soonest = QDate::currentDate().addDays(10).toString(u"dd/MM/yyyy"_s);
    EXPECT_EQ(ScreenChecks::listed(&list), (QList<QStringList>{
                  {QString::number(ids.at(0)), u"B-FREE"_s, u"تويوتا"_s, u"كامري"_s, u"أبيض"_s, u"15.50"_s, u"1200"_s, soonest},
                  {QString::number(ids.at(3)), u"D-FREE"_s, u"تويوتا"_s, u"كامري"_s, u"أبيض"_s, u"15.50"_s, u"1200"_s, QString()},
              }));
    EXPECT_EQ(Clerk::focused(), "DataGrid1");
    Clerk::press(Qt::Key_Down);
    Clerk::press(Qt::Key_Return);
    EXPECT_EQ(opened, (QStringList{QString::number(ids.at(3)), u"shown"_s}));
}
