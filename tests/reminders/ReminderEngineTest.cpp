#include "core/ErrorLog.h"
#include "core/SqlValue.h"
#include "reminders/ReminderRules.h"
#include "reminders/cReminder.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QCheckBox>
#include <QDialog>
#include <QDate>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

qint64 day(int fromToday)
{
    return QDate::currentDate().addDays(fromToday).toString(u"yyyyMMdd"_s).toLongLong();
}

// An office without the shipped due list, so that only a case's own rules fire.
struct ReminderOffice : TestOffice {
    ReminderOffice() { db().command(u"delete from _Reminder"_s); }

    qint64 rule(const QString& name, const QVariant& date, const QString& query = {}, int onoff = 1)
    {
        return db().insert(u"_Reminder"_s, u"REMINDERID"_s,
                           {{u"REMINDERRULENAME"_s, name}, {u"ONOFF"_s, onoff}, {u"REMINDERTYPE"_s, 1},
                            {u"Message"_s, u"it's due"_s}, {u"REMINDERDATE"_s, date}, {u"SQLREMINDERLIST"_s, query}});
    }
    void queue(qint64 rule, const QString& title, const QVariant& released = {})
    {
        db().insert(u"reminderqueue"_s, u"reminderqueueid"_s,
                    {{u"reminderid"_s, rule}, {u"message"_s, title}, {u"ERRORMESSAGE"_s, u"body of "_s + title},
                     {u"RELEASEDATE"_s, released}});
    }
    QStringList titles(const QString& where = {})
    {
        const RowSet rows = db().execute(u"select message from reminderqueue "_s + where + u" order by reminderqueueid"_s);
        QStringList out;
        for (int i = 0; i < rows.count(); ++i)
            out << rows.text(i, u"message"_s);
        return out;
    }
    cReminder& engine() { return state().service<cReminder>(); }
};

const QString ThreeRows = u"select 'a' union all select 'b' union all select 'c'"_s;

}

// Each case's rule beside a sound one dated today with a query: the sound one
// always queues its date and its query's rows; the case's rule only when it is
// due and switched on. A query that fails or is no single select queues
// nothing, leaves a line in the error log and changes nothing; no rule query
// runs inside the transaction that writes the queue.
TEST(cReminder, BuildQueuesDatedRulesAndQueryRowsOfActiveRulesOnly)
{
    const struct {
        const char* what;
        QString name;
        int onoff;
        QVariant date;
        QString query;
        QStringList titles;
        QString logged = {};
    } cases[] = {
        {"dated tomorrow", u"R"_s, 1, day(1), {}, {}},
        {"switched off", u"R"_s, 0, day(0), ThreeRows, {}},
        {"apostrophe in the name", u"O'Brien "_s, 1, day(0), u"select 'x'"_s, {u"  O'Brien "_s, u"O'Brien x"_s}},
        {"a failing query", u"R"_s, 1, {}, u"select nosuchcolumn from car"_s, {}, u"nosuchcolumn"_s},
        {"not a select", u"R"_s, 1, {}, u"delete from car"_s, {}, u"single select"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReminderOffice o;
        o.db().insert(u"car"_s, u"carid"_s, {{u"name"_s, u"c"_s}});
        o.rule(c.name, c.date, c.query, c.onoff);
        o.rule(u"Sound"_s, day(0), ThreeRows);
        QList<int> depths;
        o.db().setStatementHook([&](const QString& sql) {
            if (sql == c.query || sql == ThreeRows)
                depths << o.db().transactionDepth();
        });
        EXPECT_TRUE(o.engine().BuildReminders());
        o.db().setStatementHook({});
        const QStringList sound{u"  Sound"_s, u"Sounda"_s, u"Soundb"_s, u"Soundc"_s};
        EXPECT_EQ(o.titles(), c.titles + sound);
        EXPECT_EQ(depths, QList<int>(depths.size(), 0));
        EXPECT_EQ(o.db().execute(u"select * from car"_s).count(), 1);
        QFile log(errorLogPath(o.state()));
        const QString logged = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        EXPECT_EQ(logged.contains(c.name) && logged.contains(c.logged), !c.logged.isEmpty()) << logged.toStdString();
    }
}

// A hit already queued, today or on an earlier day, is not queued again;
// one the operator dropped comes back with the next build.
TEST(cReminder, TheSameHitIsQueuedOnceAndStampedWithTheDayItWasQueued)
{
    ReminderOffice o;
    const qint64 rule = o.rule(u"R"_s, day(0), ThreeRows);
    o.queue(rule, u"Rb"_s, day(-3));
    o.engine().BuildReminders();
    o.engine().BuildReminders();
    EXPECT_EQ(o.titles(), (QStringList{u"Rb"_s, u"  R"_s, u"Ra"_s, u"Rc"_s}));
    EXPECT_EQ(o.titles(u"where RELEASEDATE = "_s + SqlValue::number(day(0))).size(), 3);

    o.engine().DeleteQueueMessage(o.db().execute(u"select min(reminderqueueid) from reminderqueue"_s).value(0, 0).toLongLong());
    o.engine().BuildReminders();
    EXPECT_EQ(o.titles().size(), 4);
}

// Five messages in the queue and what the clerk does with the keys on the
// first one (the cursor starts in the message; Enter is OK); the reminders
// button then shows what is left, all of it.
TEST(cReminder, ShowWalksTheQueueUntilTheClerkAsksForNoMore)
{
    const struct {
        const char* what;
        int queued;
        const char* tick;   // ticked on the first message
        int shown;
        int left;
    } cases[] = {
        {"OK on each", 5, nullptr, 5, 5},
        {"no more on the first", 5, "dffNoMore", 1, 5},
        {"do not show again on the first", 5, "dffDeleteMessage", 5, 4},
        {"an empty queue", 0, nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReminderOffice o;
        const qint64 rule = o.rule(u"R"_s, day(0));
        for (int i = 1; i <= c.queued; ++i)
            o.queue(rule, u"m%1"_s.arg(i));
        QStringList captions, bodies;
        bool first = true;
        o.ui().onDialog(u"POPmessages"_s, [&](QDialog* window) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            EXPECT_EQ(Clerk::focused(), "txtmessage");
            captions << window->windowTitle();
            bodies << ScreenChecks::control<QPlainTextEdit>(window, u"txtmessage"_s)->toPlainText();
            for (const char* tick : {"dffNoMore", "dffDeleteMessage"})
                EXPECT_FALSE(ScreenChecks::control<QCheckBox>(window, QString::fromLatin1(tick))->isChecked());
            if (first && c.tick) {
                EXPECT_TRUE(Clerk::tabTo(c.tick));
                Clerk::press(Qt::Key_Space);
            }
            first = false;
            Clerk::press(Qt::Key_Return);
        });
        o.engine().ShowReminders();
        EXPECT_EQ(captions.size(), c.shown);
        if (c.shown > 0) {
            EXPECT_EQ(captions.first(), u"Messages From System-m1"_s);
            EXPECT_EQ(bodies.first(), u"body of m1"_s);
        }
        EXPECT_EQ(o.titles().size(), c.left);
        EXPECT_FALSE(o.titles().contains(u"m1"_s) && c.left < c.queued);

        captions.clear();
        o.engine().ShowReminders();
        EXPECT_EQ(captions.size(), c.left);
    }
}

// Each rule of the shipped due list against an office where exactly the
// cars, contracts and customers named are due.
TEST(ReminderRules, EachShippedRuleFindsExactlyWhatIsDue)
{
    TestOffice office;
    Database& db = office.db();
    const auto car = [&](const QString& plate, QList<Database::Field> fields) {
        fields << Database::Field{u"PLATENO"_s, plate} << Database::Field{u"name"_s, u"x"_s};
        db.insert(u"car"_s, u"carid"_s, fields);
    };
    car(u"I1"_s, {{u"INSURANEDC1DATETTO"_s, day(30)}});
    car(u"I2"_s, {{u"INSURANCE2DATETO"_s, day(0)}});
    car(u"I3"_s, {{u"INSURANEDC1DATETTO"_s, day(31)}, {u"INSURANCE2DATETO"_s, day(-1)}});
    car(u"L1"_s, {{u"LICENSEEXPIRY"_s, day(10)}});
    car(u"L2"_s, {{u"LICENSEEXPIRY"_s, day(31)}});
    for (int s = 1; s <= 3; ++s) {
        const auto f = [s](const char* column) { return QString::fromLatin1(column) + QString::number(s); };
        const QString type = u"t%1"_s.arg(s);
        car(u"D%1"_s.arg(s), {{f("MAINTYPE"), type}, {f("EVERYDAYS"), 90}, {f("MAINTSTART"), day(-90)}});
        car(u"N%1"_s.arg(s), {{f("MAINTYPE"), type}, {f("EVERYDAYS"), 90}, {f("MAINTSTART"), day(-89)}});
        car(u"K%1"_s.arg(s), {{f("MAINTYPE"), type}, {f("MAINTMILES"), 5000}, {f("MAINTMILESSTART"), 5000},
                              {u"METER"_s, 10000}});
        car(u"M%1"_s.arg(s), {{f("MAINTYPE"), type}, {f("MAINTMILES"), 5000}, {f("MAINTMILESSTART"), 5000},
                              {u"METER"_s, 9999}});
        car(u"E%1"_s.arg(s), {{f("MAINTYPE"), u" "_s}, {f("EVERYDAYS"), 90}, {f("MAINTSTART"), day(-200)}});
    }
    const auto contract = [&](const QString& name, int returned, int returnDay) {
        return db.insert(u"RENT"_s, u"RENTID"_s,
                         {{u"NAME"_s, name}, {u"CUSTOMERNAME"_s, u"c"_s}, {u"RETURNED"_s, returned},
                          {u"RETURNDATE"_s, day(returnDay)}});
    };
    const qint64 late = contract(u"late"_s, 0, -1);
    contract(u"due today"_s, 0, 0);
    contract(u"back"_s, 1, -1);
    for (const auto& [name, expiry] : {std::pair{u"c30"_s, 30}, {u"c31"_s, 31}, {u"c-1"_s, -1}})
        db.insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, name}, {u"HOMELICENSEEXPIRY"_s, day(expiry)}});

    office.state().service<cReminder>().BuildReminders();
    const QList<QStringList> expected{
        {u"I1 x"_s, u"I2 x"_s, u"I3 x"_s},
        {u"L1 x"_s},
        {u"D1 x - t1"_s, u"K1 x - t1"_s},
        {u"D2 x - t2"_s, u"K2 x - t2"_s},
        {u"D3 x - t3"_s, u"K3 x - t3"_s},
        {u"عقد %1 late - c"_s.arg(late)},
        {u"c-1"_s, u"c30"_s},
    };
    const QList<ReminderRules::Rule>& rules = ReminderRules::dueList();
    ASSERT_EQ(rules.size(), expected.size());
    for (int i = 0; i < rules.size(); ++i) {
        const RowSet queued = db.execute(u"select q.message from reminderqueue q, _Reminder r"
                                         " where q.reminderid = r.REMINDERID and r.REMINDERRULENAME = "_s
                                         + SqlValue::quoted(rules[i].name) + u" order by q.reminderqueueid"_s);
        QStringList titles;
        for (int r = 0; r < queued.count(); ++r)
            titles << queued.text(r, u"message"_s).mid(rules[i].name.size());
        EXPECT_EQ(titles, expected[i]) << rules[i].name.toStdString();
    }
}
