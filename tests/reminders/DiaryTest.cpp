#include "engine/EngineSetup.h"
#include "engine/cWindow.h"
#include "reminders/cReminder.h"
#include "reminders/frmReminder.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ScreenChecks::control;

// The "Diary" as the menu shows it.
struct Diary : frmReminder {
    explicit Diary(TestOffice& office) : frmReminder(office.state(), nullptr) { show(); }
    qint64 id() { return control<QLineEdit>(this, "txtID")->text().toLongLong(); }
    QComboBox* frequency() { return control<QComboBox>(this, "dfcFrequency"); }
};

// An office without the shipped due list: only a test's own rules.
struct DiaryOffice : TestOffice {
    DiaryOffice()
    {
        db().command("delete from _Reminder");
        installEngine(state());
    }
    qint64 addRule(const QString& name, int onoff = 1, int type = 1)
    {
        return db().insert("_Reminder", "REMINDERID",
                           {{"REMINDERRULENAME", name}, {"ONOFF", onoff}, {"REMINDERTYPE", type}, {"Message", "رسالة"}});
    }
    // The named columns of one rule, in order; nothing when it is gone.
    QStringList columns(qint64 key, const QStringList& names)
    {
        return ScreenChecks::stored(db(), "_Reminder", "REMINDERID", key, names);
    }
};

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
        DiaryOffice office;
        office.db().insert("car", "carid", {{"name", "Kept"}});
        const qint64 existing = office.addRule("متوقفة", 0);  // not shown: the screen opens empty
        office.addRule("نوع آخر", 1, 3);
        Diary diary(office);
        office.ui().onDialog("frmGeneralN", [&r](QDialog* dialog) {
            ScreenChecks::type(control<QLineEdit>(dialog, "dfName"), r.name);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        ScreenChecks::click(&diary, "cmdNew");
        EXPECT_EQ(office.db().execute("select count(*) from _Reminder").value(0, 0).toInt(), r.name.isEmpty() ? 2 : 3);
        EXPECT_EQ(diary.id() > existing, !r.name.isEmpty());
        if (r.name.isEmpty())
            continue;
        EXPECT_EQ(control<QLineEdit>(&diary, "txtNAME")->text(), r.name);
        control<QDateEdit>(&diary, "dfdReminderDate")->setDate(r.date);
        diary.frequency()->setEditText(r.frequency);
        control<QPlainTextEdit>(&diary, "dfsComments")->setPlainText(r.message);
        control<QPlainTextEdit>(&diary, "dfsSQLREMINDERLIST")->setPlainText(r.query);
        office.state().service<cReminder>().queryTimeLimitMs = r.limitMs;
        QTest::keyClick(&diary, Qt::Key_F12);
        EXPECT_EQ(office.ui().messages.isEmpty(), r.stored);
        EXPECT_EQ(office.db().execute("select name from car").text(0, "name"), "Kept");
        const QStringList stored{"REMINDERRULENAME", "REMINDERTYPE", "ONOFF", "REMINDERDATE", "FREQUENCY", "Message",
                                 "SQLREMINDERLIST"};
        EXPECT_EQ(office.columns(diary.id(), {"SQLREMINDERLIST"}), QStringList{r.stored ? r.query : ""});
        if (!r.stored)
            continue;
        EXPECT_EQ(office.columns(diary.id(), stored), (QStringList{r.name, "1", "1", r.date.toString("yyyyMMdd"),
                                                                  r.frequency, r.message, r.query}));
        const qint64 id = diary.id();
        const QString journalled = "select count(*) from _JOURNAL";
        const qint64 entries = office.db().execute(journalled).value(0, 0).toLongLong();
        diary.frequency()->setFocus();
        ASSERT_TRUE(office.state().service<cWindow>().Read("where REMINDERID = " + QString::number(id), &diary));
        EXPECT_EQ(diary.frequency()->currentText(), r.frequency);
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
