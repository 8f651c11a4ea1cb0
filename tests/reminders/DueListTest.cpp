#include "core/Database.h"
#include "reminders/ReminderRules.h"
#include "reminders/cReminder.h"
#include "schema/Schema.h"
#include "support/TestOffice.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

qint64 day(int fromToday)
{
    return QDate::currentDate().addDays(fromToday).toString(u"yyyyMMdd"_s).toLongLong();
}

// The titles queued now that hold `text`.
int queued(Database& db, const QString& text)
{
    const RowSet rows = db.execute(u"select message from reminderqueue"_s);
    int found = 0;
    for (int i = 0; i < rows.count(); ++i)
        found += rows.text(i, u"message"_s).contains(text) ? 1 : 0;
    return found;
}

}

// What expired last week is due as much as what expires this month; a date
// never entered or far off is not. A contract that came back, like a car
// insured again, leaves the queue at the next build.
TEST(DueList, ReportsWhatHasExpiredAndDropsWhatNoLongerApplies)
{
    TestOffice office;
    Database& db = office.db();
    // Days from today; 0 is a date never entered.
    const struct { const char* plate; const char* column; int days; bool due; } cars[] = {
        {"INS-LAST-WEEK", "INSURANEDC1DATETTO", -7, true},
        {"INS2-IN-10", "INSURANCE2DATETO", 10, true},
        {"INS-IN-60", "INSURANEDC1DATETTO", 60, false},
        {"LIC-YESTERDAY", "LICENSEEXPIRY", -1, true},
        {"LIC-IN-31", "LICENSEEXPIRY", 31, false},
        {"LIC-NONE", "LICENSEEXPIRY", 0, false},
    };
    for (const auto& c : cars)
        db.insert(u"car"_s, u"carid"_s,
                  {{u"PLATENO"_s, QLatin1String(c.plate)},
                   {QLatin1String(c.column), c.days == 0 ? 0 : day(c.days)}});
    db.insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"LICENCE-LAPSED"_s}, {u"HOMELICENSEEXPIRY"_s, day(-3)}});
    const qint64 late = db.insert(u"RENT"_s, u"RENTID"_s,
                                  {{u"NAME"_s, u"LATE-CONTRACT"_s}, {u"RETURNED"_s, 0}, {u"RETURNDATE"_s, day(-2)}});

    cReminder reminders(office.state());
    reminders.BuildReminders();
    for (const auto& c : cars)
        EXPECT_EQ(queued(db, QLatin1String(c.plate)), c.due ? 1 : 0) << c.plate;
    EXPECT_EQ(queued(db, u"LICENCE-LAPSED"_s), 1);
    EXPECT_EQ(queued(db, u"LATE-CONTRACT"_s), 1);

    db.command(u"update RENT set RETURNED = 1 where RENTID = %1"_s.arg(late));
    db.command(u"update car set INSURANEDC1DATETTO = %1 where PLATENO = 'INS-LAST-WEEK'"_s.arg(day(365)));
    reminders.BuildReminders();
    EXPECT_EQ(queued(db, u"LATE-CONTRACT"_s), 0);
    EXPECT_EQ(queued(db, u"INS-LAST-WEEK"_s), 0);
    EXPECT_EQ(queued(db, u"LIC-YESTERDAY"_s), 1);
}

// An office made by an earlier version holds the rules as they were shipped
// then: the upgrade brings those to today's, and leaves a rule the office
// wrote itself as it is.
TEST(DueList, AnOldOfficeUpgradesItsShippedRulesAndKeepsItsOwn)
{
    TestOffice office;
    Database& db = office.db();
    const QString lapsed = u"select Nz(PLATENO) & ' ' & Nz(name) from car where LICENSEEXPIRY"
                           " between Date() and DateAdd('d', 30, Date()) order by PLATENO"_s;
    const struct { QString name; QString query; bool upgraded; } rules[] = {
        {u"ترخيص سيارة ينتهي خلال 30 يوماً: "_s, lapsed, true},
        {u"our own licence check: "_s, lapsed, false},
    };
    db.command(u"delete from _Reminder"_s);
    for (const auto& r : rules)
        db.insert(u"_Reminder"_s, u"REMINDERID"_s,
                  {{u"REMINDERRULENAME"_s, r.name}, {u"ONOFF"_s, 1}, {u"REMINDERTYPE"_s, 1},
                   {u"SQLREMINDERLIST"_s, r.query}});
    // The office as the previous version left it.
    for (const char* drop : {"alter table _Reminder drop column RECORDSCREEN",
                             "alter table reminderqueue drop column RECORDID"})
        db.executeNative(QLatin1String(drop));
    db.executeNative(u"update "_s + TableDdl::quoted(QLatin1String(Schema::VersionTable), db.dialect())
                     + u" set VERSION = 7"_s);
    ShippedRows shipped;
    shipped.dueList = ReminderRules::upgrade;
    Schema::upgrade(db, shipped);
    ASSERT_EQ(Schema::version(db), Schema::CurrentVersion);

    db.insert(u"car"_s, u"carid"_s, {{u"PLATENO"_s, u"LIC-LAST-MONTH"_s}, {u"LICENSEEXPIRY"_s, day(-30)}});
    cReminder(office.state()).BuildReminders();
    const RowSet queue = db.execute(u"select message from reminderqueue"_s);
    ASSERT_EQ(queue.count(), 1);
    EXPECT_TRUE(queue.text(0, u"message"_s).contains(u"LIC-LAST-MONTH"_s));
    const RowSet kept = db.execute(u"select SQLREMINDERLIST from _Reminder where REMINDERRULENAME = 'our own licence check: '"_s);
    EXPECT_EQ(kept.text(0, u"SQLREMINDERLIST"_s), lapsed);
}
