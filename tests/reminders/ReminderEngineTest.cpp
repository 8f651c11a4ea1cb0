#include "core/ErrorLog.h"
#include "core/SqlValue.h"
#include "reminders/ReminderRules.h"
#include "reminders/cReminder.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDate>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using ScreenChecks::control;

qint64 day(int fromToday)
{
    return QDate::currentDate().addDays(fromToday).toString(u"yyyyMMdd"_s).toLongLong();
}

// An office without the shipped due list, so that only a case's own rules fire.
struct ReminderOffice {
    ReminderOffice() { office.db().command(u"delete from _Reminder"_s); }

    qint64 rule(const QString& name, int onoff, const QVariant& date, const QString& query = {},
                const QString& message = u"نص"_s)
    {
        return office.db().insert(u"_Reminder"_s, u"REMINDERID"_s,
                                  {{u"REMINDERRULENAME"_s, name}, {u"ONOFF"_s, onoff}, {u"REMINDERTYPE"_s, 1},
                                   {u"Message"_s, message}, {u"REMINDERDATE"_s, date},
                                   {u"SQLREMINDERLIST"_s, query}});
    }
    QStringList titles(const QString& where = {})
    {
        const RowSet rows = office.db().execute(u"select message from reminderqueue "_s + where
                                                + u" order by reminderqueueid"_s);
        QStringList out;
        for (int i = 0; i < rows.count(); ++i)
            out << rows.text(i, u"message"_s);
        return out;
    }
    cReminder& engine() { return office.state().service<cReminder>(); }

    TestOffice office;
};

const QString ThreeRows = u"select 'a' union all select 'b' union all select 'c'"_s;
// Counts to ten million: seconds of work on either engine.
const QString SlowQuery = u"select count(*) from (with recursive n(i) as (select 1 union all select i + 1 from n "
                          "where i < 10000000) select i from n) counted"_s;

}

TEST(cReminder, BuildQueuesDatedRulesAndQueryRowsOfActiveRulesOnly)
{
    const struct {
        const char* what;
        QString name;
        int onoff;
        QVariant date;
        QString query;
        QStringList titles;
    } cases[] = {
        {"dated today", u"R"_s, 1, day(0), {}, {u"  R"_s}},
        {"dated tomorrow", u"R"_s, 1, day(1), {}, {}},
        {"today and three rows", u"R"_s, 1, day(0), ThreeRows, {u"  R"_s, u"Ra"_s, u"Rb"_s, u"Rc"_s}},
        {"switched off", u"R"_s, 0, day(0), ThreeRows, {}},
        {"apostrophe in the name", u"O'Brien "_s, 1, day(0), u"select 'x'"_s, {u"  O'Brien "_s, u"O'Brien x"_s}},
        {"a failing query", u"R"_s, 1, {}, u"select nosuchcolumn from car"_s, {}},
        {"not a select", u"R"_s, 1, {}, u"delete from car"_s, {}},
        {"select into", u"R"_s, 1, {}, u"select * into copied from car"_s, {}},
    };
    for (const auto& c : cases) {
        ReminderOffice o;
        o.office.db().insert(u"car"_s, u"carid"_s, {{u"name"_s, u"c"_s}});
        o.rule(c.name, c.onoff, c.date, c.query, u"it's due"_s);
        EXPECT_TRUE(o.engine().BuildReminders());
        EXPECT_EQ(o.titles(), c.titles) << c.what;
        EXPECT_EQ(o.office.db().execute(u"select * from car"_s).count(), 1) << c.what;
        EXPECT_FALSE(o.office.db().tableExists(u"copied"_s)) << c.what;
    }
}

// A hit already queued, today or on an earlier day, is not queued again;
// one the operator dropped comes back with the next build.
TEST(cReminder, TheSameHitIsQueuedOnceAndStampedWithTheDayItWasQueued)
{
    ReminderOffice o;
    const qint64 rule = o.rule(u"R"_s, 1, day(0), ThreeRows);
    o.office.db().insert(u"reminderqueue"_s, u"reminderqueueid"_s,
                         {{u"reminderid"_s, rule}, {u"message"_s, u"Rb"_s}, {u"RELEASEDATE"_s, day(-3)}});
    o.engine().BuildReminders();
    o.engine().BuildReminders();
    EXPECT_EQ(o.titles(), (QStringList{u"Rb"_s, u"  R"_s, u"Ra"_s, u"Rc"_s}));
    EXPECT_EQ(o.titles(u"where RELEASEDATE = "_s + SqlValue::number(day(0))).size(), 3);

    const qint64 first = o.office.db().execute(u"select min(reminderqueueid) as q from reminderqueue"_s)
                             .value(0, u"q"_s).toLongLong();
    o.engine().DeleteQueueMessage(first);
    o.engine().BuildReminders();
    EXPECT_EQ(o.titles().size(), 4);
}

// A rule whose query fails or runs past the time limit queues nothing and
// leaves a line in the error log; the other rules queue their hits. No rule
// query runs inside the transaction that writes the queue.
TEST(cReminder, ARuleThatFailsOrRunsOverIsSkippedAndLogged)
{
    const struct {
        const char* what;
        QString query;
        int limitMs;
        QString logged;
    } cases[] = {
        {"runs over", SlowQuery, 1, u"ran longer than"_s},
        {"fails", u"select nosuchcolumn from car"_s, cReminder::DefaultQueryTimeLimitMs, u"nosuchcolumn"_s},
    };
    for (const auto& c : cases) {
        ReminderOffice o;
        o.rule(u"Broken"_s, 1, {}, c.query);
        o.rule(u"R"_s, 1, {}, ThreeRows);
        o.engine().queryTimeLimitMs = c.limitMs;
        QList<int> depths;
        o.office.db().setStatementHook([&](const QString& sql) {
            if (sql == c.query || sql == ThreeRows)
                depths << o.office.db().transactionDepth();
        });
        o.engine().BuildReminders();
        o.office.db().setStatementHook({});
        EXPECT_EQ(o.titles(), (QStringList{u"Ra"_s, u"Rb"_s, u"Rc"_s})) << c.what;
        EXPECT_EQ(depths, (QList<int>{0, 0})) << c.what;
        QFile log(errorLogPath(o.office.state()));
        const QString logged = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        EXPECT_TRUE(logged.contains(u"Broken"_s) && logged.contains(c.logged)) << logged.toStdString();
    }
}

TEST(cReminder, QueryRefusalAcceptsOneSelectOnly)
{
    const struct {
        const char* sql;
        bool accepted;
    } cases[] = {
        {"select name from car", true},        {"  SELECT top 2 name from car;", true},
        {"select*from car", true},             {"delete from car", false},
        {"update car set name = 'x'", false},  {"select 1; delete from car", false},
        {"select * into t from car", false},   {"selection from car", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cReminder::queryRefusal(QString::fromUtf8(c.sql)).isEmpty(), c.accepted) << c.sql;
}

// Five messages in the queue and what the operator does on the first one.
TEST(cReminder, ShowWalksTheQueueUntilTheOperatorAsksForNoMore)
{
    const struct {
        const char* what;
        int queued;
        const char* tick;   // on the first message
        int shown;
        int left;
    } cases[] = {
        {"OK on each", 5, nullptr, 5, 5},
        {"no more on the first", 5, "dffNoMore", 1, 5},
        {"do not show again on the first", 5, "dffDeleteMessage", 5, 4},
        {"an empty queue", 0, nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        ReminderOffice o;
        const qint64 rule = o.rule(u"R"_s, 1, day(0));
        for (int i = 1; i <= c.queued; ++i)
            o.office.db().insert(u"reminderqueue"_s, u"reminderqueueid"_s,
                                 {{u"reminderid"_s, rule}, {u"message"_s, u"m%1"_s.arg(i)},
                                  {u"ERRORMESSAGE"_s, u"body %1"_s.arg(i)}});
        QStringList captions, bodies;
        bool first = true;
        o.office.ui().onDialog(u"POPmessages"_s, [&](QDialog* window) {
            captions << window->windowTitle();
            bodies << control<QPlainTextEdit>(window, u"txtmessage"_s)->toPlainText();
            EXPECT_FALSE(control<QCheckBox>(window, u"dffNoMore"_s)->isChecked());
            EXPECT_FALSE(control<QCheckBox>(window, u"dffDeleteMessage"_s)->isChecked());
            if (first && c.tick)
                control<QCheckBox>(window, QString::fromLatin1(c.tick))->setChecked(true);
            first = false;
            ScreenChecks::click(window, u"cmdOk"_s);
        });
        o.engine().ShowReminders();
        EXPECT_EQ(captions.size(), c.shown) << c.what;
        if (c.shown > 0) {
            EXPECT_EQ(captions.first(), u"Messages From System-m1"_s) << c.what;
            EXPECT_EQ(bodies.first(), u"body 1"_s) << c.what;
        }
        EXPECT_EQ(o.titles().size(), c.left) << c.what;
        EXPECT_FALSE(o.titles().contains(u"m1"_s) && c.left < c.queued) << c.what;

        // The reminders button shows what is left, all of it.
        captions.clear();
        o.engine().ShowReminders();
        EXPECT_EQ(captions.size(), c.left) << c.what;
    }
}

// The clerk drops a message by keyboard: Tab to the first tick, Space, Enter.
TEST(cReminder, TheKeyboardTicksAMessageAwayAndEnterIsOk)
{
    ReminderOffice o;
    const qint64 rule = o.rule(u"R"_s, 1, day(0));
    for (const char* title : {"m1", "m2"})
        o.office.db().insert(u"reminderqueue"_s, u"reminderqueueid"_s,
                             {{u"reminderid"_s, rule}, {u"message"_s, QString::fromLatin1(title)}});
    o.office.ui().onDialog(u"POPmessages"_s, [](QDialog* window) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), u"txtmessage"_s);
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
    });
    o.engine().ShowReminders();
    EXPECT_EQ(o.titles(), QStringList{});
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
        {u"c30"_s},
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
