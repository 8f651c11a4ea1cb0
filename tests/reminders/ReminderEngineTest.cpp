#include "core/ErrorLog.h"
#include "core/ScreenRegistry.h"
#include "engine/EngineSetup.h"
#include "engine/cWindow.h"
#include "reminders/ReminderRules.h"
#include "reminders/cReminder.h"
#include "reminders/frmReminder.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

namespace {

qint64 day(int fromToday)
{
    return QDate::currentDate().addDays(fromToday).toString(u"yyyyMMdd"_s).toLongLong();
}

// An office with the shipped due list, or without it so that only a case's own rules fire.
struct ReminderOffice : TestOffice {
    explicit ReminderOffice(bool shipped = false)
    {
        if (!shipped)
            db().command(u"delete from _Reminder"_s);
    }
    qint64 rule(const QString& name, const QVariant& date, const QString& query = {}, int onoff = 1, int type = 1)
    {
        return db().insert(u"_Reminder"_s, u"REMINDERID"_s,
                           {{u"REMINDERRULENAME"_s, name}, {u"ONOFF"_s, onoff}, {u"REMINDERTYPE"_s, type},
                            {u"Message"_s, u"it's due"_s}, {u"REMINDERDATE"_s, date}, {u"SQLREMINDERLIST"_s, query}});
    }
    // The named columns of one rule, in order; nothing when it is gone.
    QStringList columns(qint64 key, const QStringList& names)
    {
        return ScreenChecks::stored(db(), u"_Reminder"_s, u"REMINDERID"_s, key, names);
    }
    QStringList titles()
    {
        const RowSet rows = db().execute(u"select message from reminderqueue order by reminderqueueid"_s);
        QStringList out;
        for (int i = 0; i < rows.count(); ++i)
            out << rows.text(i, u"message"_s);
        return out;
    }
    // How many queued titles hold `text`.
    qsizetype queued(const QString& text) { return titles().filter(text).size(); }
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
        EXPECT_EQ(o.titles(), (c.titles + QStringList{u"  Sound"_s, u"Sounda"_s, u"Soundb"_s, u"Soundc"_s}));
        EXPECT_EQ(depths, QList<int>(depths.size(), 0));
        EXPECT_EQ(o.db().execute(u"select * from car"_s).count(), 1);
        QFile log(errorLogPath(o.state()));
        const QString logged = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        EXPECT_EQ(logged.contains(c.name) && logged.contains(c.logged), !c.logged.isEmpty()) << logged.toStdString();
    }
}

// What expired last week is due as much as what expires this month; a date
// never entered or far off is not. A hit still queued is not queued again at
// the next build, and a contract that came back, like a car insured again,
// leaves the queue. An office made by an earlier version has its shipped rule
// brought to today's by the upgrade, and keeps a rule it wrote itself.
TEST(DueList, ReportsWhatHasExpiredAndDropsWhatNoLongerApplies)
{
    ReminderOffice o(true);
    const QString lapsed = u"select Nz(PLATENO) & ' ' & Nz(name) from car where LICENSEEXPIRY"
                           " between Date() and DateAdd('d', 30, Date()) order by PLATENO"_s;
    o.db().command(u"delete from _Reminder where REMINDERRULENAME = 'ترخيص سيارة منتهٍ أو ينتهي خلال 30 يوماً: '"_s);
    o.rule(u"ترخيص سيارة ينتهي خلال 30 يوماً: "_s, {}, lapsed);
    const qint64 own = o.rule(u"our own licence check: "_s, {}, lapsed);
    ReminderRules::upgrade(o.db());
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
        o.db().insert(u"car"_s, u"carid"_s,
                      {{u"PLATENO"_s, QLatin1String(c.plate)},
                       {QLatin1String(c.column), c.days == 0 ? 0 : day(c.days)}});
    o.db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"LICENCE-LAPSED"_s}, {u"HOMELICENSEEXPIRY"_s, day(-3)}});
    o.db().insert(u"RENT"_s, u"RENTID"_s, {{u"NAME"_s, u"LATE-CONTRACT"_s}, {u"RETURNED"_s, 0}, {u"RETURNDATE"_s, day(-2)}});
    o.engine().BuildReminders();
    for (const auto& c : cars)
        EXPECT_EQ(o.queued(QLatin1String(c.plate)), c.due ? 1 : 0) << c.plate;
    for (const QString& other : {u"LICENCE-LAPSED"_s, u"LATE-CONTRACT"_s})
        EXPECT_EQ(o.queued(other), 1) << other.toStdString();

    o.db().command(u"update RENT set RETURNED = 1 where NAME = 'LATE-CONTRACT'"_s);
    o.db().command(u"update car set INSURANEDC1DATETTO = %1 where PLATENO = 'INS-LAST-WEEK'"_s.arg(day(365)));
    o.engine().BuildReminders();
    for (const auto& [text, count] : {std::pair{u"LATE-CONTRACT"_s, 0}, {u"INS-LAST-WEEK"_s, 0}, {u"LIC-YESTERDAY"_s, 1}})
        EXPECT_EQ(o.queued(text), count) << text.toStdString();
    EXPECT_EQ(o.columns(own, {u"SQLREMINDERLIST"_s}), QStringList{lapsed});
}

// Every queued message in one window: Enter opens the record it is about,
// Delete drops it until the next build finds it again, and the messages can
// still be gone through one by one. In each pop-up the cursor starts in the
// message and Enter is OK; "no more" stops the walk, "do not show again" drops
// that message, and a tick never carries over to the next message.
TEST(MessageList, OpensTheRecordOfAMessageDropsOneAndWalksThemOneByOne)
{
    ReminderOffice o(true);
    installEngine(o.state());
    registerRentalScreens(o.state().screens());
    const qint64 car = o.db().insert(u"car"_s, u"carid"_s, {{u"PLATENO"_s, u"LIC-OLD"_s}, {u"LICENSEEXPIRY"_s, day(-1)}});
    const qint64 rent = o.db().insert(u"RENT"_s, u"RENTID"_s,
                                      {{u"NAME"_s, u"LATE-CONTRACT"_s}, {u"RETURNED"_s, 0}, {u"RETURNDATE"_s, day(-1)}});
    o.rule(u"DIARY-DAY"_s, day(0));
    o.engine().BuildReminders();

    QStringList opened;
    for (const char* screen : {"frmCars", "frmRentCar"})
        o.ui().onDialog(QLatin1String(screen), [&opened](QDialog* d) {
            opened << d->objectName() + u" "_s + control<QLineEdit>(d, u"txtID"_s)->text();
        });
    int popUps = 0;
    o.ui().onDialog(u"POPmessages"_s, [&popUps](QDialog* window) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(Clerk::focused(), "txtmessage");
        if (++popUps <= 2) {
            EXPECT_TRUE(Clerk::tabTo(popUps == 1 ? "dffNoMore" : "dffDeleteMessage"));
            Clerk::press(Qt::Key_Space);
        }
        Clerk::press(Qt::Key_Return);
    });
    QStringList dates;
    int rowsLeft = -1;
    o.ui().onDialog(u"frmMessageList"_s, [&](QDialog* d) {
        ASSERT_TRUE(Clerk::showActive(d));
        const QAbstractItemModel* list = d->findChild<QTableView*>()->model();
        for (int r = 0; r < list->rowCount(); ++r)
            dates << list->index(r, 3).data().toString();
        // The diary's message is about no record: the clerk is told so.
        for (const auto& [row, screen] : {std::pair{u"LIC-OLD"_s, u"frmCars %1"_s.arg(car)},
                                          {u"LATE-CONTRACT"_s, u"frmRentCar %1"_s.arg(rent)}, {u"DIARY-DAY"_s, QString()}}) {
            const qsizetype told = o.ui().messages.size();
            opened.clear();
            ASSERT_TRUE(Clerk::pickRow(d, row)) << row.toStdString();
            EXPECT_EQ(opened.value(0), screen) << row.toStdString();
            EXPECT_EQ(o.ui().messages.size(), told + (screen.isEmpty() ? 1 : 0)) << row.toStdString();
        }
        // Back on the list, the car's message (the first) is dropped.
        ASSERT_TRUE(Clerk::showActive(d));
        Clerk::press(Qt::Key_Home, Qt::ControlModifier);
        Clerk::press(Qt::Key_Delete);
        rowsLeft = list->rowCount();
        ASSERT_TRUE(Clerk::tabTo("cmdOneByOne"));
        Clerk::press(Qt::Key_Space);
    });
    o.engine().ShowMessageList();

    EXPECT_EQ(dates, QStringList(3, QDate::currentDate().toString(u"dd/MM/yyyy"_s)));
    EXPECT_EQ(rowsLeft, 2);
    EXPECT_EQ(popUps, 1);
    o.engine().ShowReminders();
    EXPECT_EQ(popUps, 3);
    o.engine().ShowReminders();
    EXPECT_EQ(popUps, 4);
    EXPECT_EQ(o.titles().size(), 1);
    EXPECT_EQ(o.queued(u"LIC-OLD"_s), 0);
    // Dropped for today: the next build finds them still due.
    o.engine().BuildReminders();
    EXPECT_EQ(o.titles().size(), 3);
    EXPECT_EQ(o.queued(u"LIC-OLD"_s), 1);
}

// New makes an active rule of the diary's type, shown with its new number
// (rules switched off or of another type are not shown first); an empty name
// makes nothing. Its day, frequency, message and query then survive a save; a
// query other than one select, one the database refuses and one that runs past
// the reminders' time limit are reported and not stored. A stored frequency,
// even the start of a choice, is shown and saved back as stored with nothing
// journalled; the diary's Delete closes only after a confirmed deletion.
TEST(frmReminder, NewThenSaveStoresTheRule)
{
    const struct {
        QString name;
        QString query = {};
        bool stored = true;
        QDate date = QDate(2024, 12, 25);
        QString frequency = "أسبوعي";
        QString message = "جدد التأمين";
        int limitMs = cReminder::DefaultQueryTimeLimitMs;
    } rows[] = {
        {"اتصل بالعميل", {}, true, QDate(2024, 12, 25), "شه"},
        {"Call O'Neil, today", "select name from car", true, QDate(2003, 1, 5), "كل ٣ أيام", "it's, due\nnext line"},
        {""},
        {"not a select", "delete from car", false},
        {"two statements", "select 1; delete from car", false},
        {"a query the database refuses", "select nosuchcolumn from car", false},
        {"runs over", "select count(*) from (with recursive n(i) as (select 1 union all select i + 1 from n where i < "
                      "10000000) select i from n) counted", false, {}, {}, {}, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        ReminderOffice office;
        installEngine(office.state());
        office.db().insert("car", "carid", {{"name", "Kept"}});
        const qint64 existing = office.rule("متوقفة", {}, {}, 0);  // not shown: the screen opens empty
        office.rule("نوع آخر", {}, {}, 1, 3);
        frmReminder diary(office.state(), nullptr);
        diary.show();
        office.ui().onDialog("frmGeneralN", [&r](QDialog* dialog) {
            ScreenChecks::type(control<QLineEdit>(dialog, "dfName"), r.name);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        ScreenChecks::click(&diary, "cmdNew");
        EXPECT_EQ(office.db().execute("select count(*) from _Reminder").value(0, 0).toInt(), r.name.isEmpty() ? 2 : 3);
        const qint64 id = control<QLineEdit>(&diary, "txtID")->text().toLongLong();
        auto* frequency = control<QComboBox>(&diary, "dfcFrequency");
        EXPECT_EQ(id > existing, !r.name.isEmpty());
        if (r.name.isEmpty())
            continue;
        control<QDateEdit>(&diary, "dfdReminderDate")->setDate(r.date);
        frequency->setEditText(r.frequency);
        control<QPlainTextEdit>(&diary, "dfsComments")->setPlainText(r.message);
        control<QPlainTextEdit>(&diary, "dfsSQLREMINDERLIST")->setPlainText(r.query);
        office.state().service<cReminder>().queryTimeLimitMs = r.limitMs;
        QTest::keyClick(&diary, Qt::Key_F12);
        EXPECT_EQ(office.ui().messages.isEmpty(), r.stored);
        EXPECT_EQ(office.db().execute("select name from car").text(0, "name"), "Kept");
        const QStringList stored{"REMINDERRULENAME", "REMINDERTYPE", "ONOFF", "REMINDERDATE", "FREQUENCY", "Message",
                                 "SQLREMINDERLIST"};
        EXPECT_EQ(office.columns(id, {"SQLREMINDERLIST"}), QStringList{r.stored ? r.query : ""});
        if (!r.stored)
            continue;
        EXPECT_EQ(office.columns(id, stored), (QStringList{r.name, "1", "1", r.date.toString("yyyyMMdd"),
                                                                  r.frequency, r.message, r.query}));
        const QString journalled = "select count(*) from _JOURNAL";
        const qint64 entries = office.db().execute(journalled).value(0, 0).toLongLong();
        frequency->setFocus();
        ASSERT_TRUE(office.state().service<cWindow>().Read("where REMINDERID = " + QString::number(id), &diary));
        EXPECT_EQ(frequency->currentText(), r.frequency);
        QTest::keyClick(&diary, Qt::Key_F12);
        EXPECT_EQ(office.columns(id, {"FREQUENCY"}), QStringList{r.frequency});
        EXPECT_EQ(office.db().execute(journalled).value(0, 0).toLongLong(), entries);
        for (const bool answer : {false, true}) {
            office.ui().answers = {answer};
            QTest::keyClick(&diary, Qt::Key_F11);
            EXPECT_EQ(office.columns(id, {"REMINDERID"}).isEmpty(), answer);
            EXPECT_EQ(diary.isVisible(), !answer);
        }
    }
}
