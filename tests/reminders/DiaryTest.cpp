#include "core/SqlValue.h"
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
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ScreenChecks::control;

// The "Diary" as the menu shows it.
struct Diary : frmReminder {
    explicit Diary(TestOffice& office) : frmReminder(office.state(), nullptr) { show(); }
    QString name() { return control<QLineEdit>(this, "txtNAME")->text(); }
    qint64 id() { return control<QLineEdit>(this, "txtID")->text().toLongLong(); }
    QDateEdit* date() { return control<QDateEdit>(this, "dfdReminderDate"); }
    QComboBox* frequency() { return control<QComboBox>(this, "dfcFrequency"); }
    QPlainTextEdit* message() { return control<QPlainTextEdit>(this, "dfsComments"); }
};

qint64 addRule(Database& db, const QString& name, int onoff = 1, int type = 1)
{
    return db.insert("_Reminder", "REMINDERID",
                     {{"REMINDERRULENAME", name}, {"ONOFF", onoff}, {"REMINDERTYPE", type}, {"Message", "رسالة"}});
}

// An office without the shipped due list: only a test's own rules.
struct DiaryOffice : TestOffice {
    DiaryOffice() { db().command("delete from _Reminder"); }
};

// The named columns of one rule, in order; empty texts when it is gone.
QStringList columns(Database& db, qint64 key, const QStringList& names)
{
    const RowSet rows = db.execute("select * from _Reminder where REMINDERID = " + SqlValue::number(key));
    QStringList values;
    for (const QString& name : names)
        values << (rows.isEmpty() ? QString() : rows.text(0, name));
    return values;
}

}

// Rules switched off or of another type are neither shown first nor listed;
// the diary's Delete closes only after a confirmed deletion.
TEST(frmReminder, LoadOpenAndDeleteSeeOnlyActiveRulesOfItsType)
{
    DiaryOffice office;
    addRule(office.db(), "متوقفة", 0);
    addRule(office.db(), "نوع آخر", 1, 3);
    addRule(office.db(), "أولى");
    const qint64 last = addRule(office.db(), "أخيرة");
    Diary diary(office);
    EXPECT_EQ(diary.name(), "أولى");

    QStringList listed;
    office.ui().onDialog("frmGeneralOpen", [&](QDialog* dialog) {
        auto* grid = control<QTableView>(dialog, "DataGrid1");
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            listed << grid->model()->index(row, 1).data().toString();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        ScreenChecks::click(dialog, "cmdOk");
    });
    QTest::keyClick(&diary, Qt::Key_F9);
    EXPECT_EQ(listed, (QStringList{"أولى", "أخيرة"}));
    EXPECT_EQ(diary.id(), last);
    EXPECT_EQ(diary.name(), "أخيرة");

    for (const bool answer : {false, true}) {
        office.ui().answers = {answer};
        QTest::keyClick(&diary, Qt::Key_F11);
        EXPECT_EQ(columns(office.db(), last, {"REMINDERID"}).value(0).isEmpty(), answer);
        EXPECT_EQ(diary.isVisible(), !answer);
    }
}

// New makes an active rule of the diary's type, shown with its new number; an
// empty name makes nothing. Its day, frequency and message then survive a save.
TEST(frmReminder, NewThenSaveStoresTheRule)
{
    const struct {
        QString name;
        QDate date;
        QString frequency, message, storedDate;
    } rows[] = {
        {"اتصل بالعميل", QDate(2024, 12, 25), "أسبوعي", "جدد التأمين", "20241225"},
        {"Call O'Neil, today", QDate(2003, 1, 5), "كل ٣ أيام", "it's, due\nnext line", "20030105"},
        {"طويلة", QDate(2030, 2, 28), "شهري", QString(300, QChar(0x0645)), "20300228"},
        {"", {}, {}, {}, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        DiaryOffice office;
        const qint64 existing = addRule(office.db(), "متوقفة", 0);  // not shown: the screen opens empty
        Diary diary(office);
        office.ui().onDialog("frmGeneralN", [&r](QDialog* dialog) {
            ScreenChecks::type(control<QLineEdit>(dialog, "dfName"), r.name);
            QTest::keyClick(dialog, Qt::Key_Return);
        });

        ScreenChecks::click(&diary, "cmdNew");

        EXPECT_EQ(office.db().execute("select count(*) from _Reminder").value(0, 0).toInt(), r.name.isEmpty() ? 1 : 2);
        EXPECT_EQ(diary.id() > existing, !r.name.isEmpty());
        if (r.name.isEmpty())
            continue;
        EXPECT_EQ(diary.name(), r.name);
        diary.date()->setDate(r.date);
        diary.frequency()->setEditText(r.frequency);
        diary.message()->setPlainText(r.message);
        QTest::keyClick(&diary, Qt::Key_F12);
        const QStringList stored{"REMINDERRULENAME", "REMINDERTYPE", "ONOFF", "REMINDERDATE", "FREQUENCY", "Message"};
        EXPECT_EQ(columns(office.db(), diary.id(), stored),
                  (QStringList{r.name, "1", "1", r.storedDate, r.frequency, r.message}));

        Diary again(office);
        EXPECT_EQ(again.date()->date(), r.date);
        EXPECT_EQ((QStringList{again.frequency()->currentText(), again.message()->toPlainText()}),
                  (QStringList{r.frequency, r.message}));
    }
}

// Typing completes from the list; a text the list lacks stays as typed.
TEST(frmReminder, FrequencyOffersItsListAndCompletesTyping)
{
    DiaryOffice office;
    installEngine(office.state());
    addRule(office.db(), "قاعدة");
    Diary diary(office);
    QStringList items;
    for (int i = 0; i < diary.frequency()->count(); ++i)
        items << diary.frequency()->itemText(i);
    EXPECT_EQ(items, (QStringList{"مرة واحدة", "يومي", "أسبوعي", "شهري", "سنوي"}));

    const std::pair<QString, QString> rows[] = {{"ش", "شهري"}, {"أس", "أسبوعي"}, {"كل", "كل"}};
    for (const auto& [typed, shown] : rows) {
        diary.frequency()->clearEditText();
        diary.frequency()->setFocus();
        ScreenChecks::type(diary.frequency()->lineEdit(), typed);
        EXPECT_EQ(diary.frequency()->currentText(), shown) << typed.toStdString();
    }

    // A stored text is shown as stored, even the start of a choice, and an unchanged save
    // writes nothing and journals nothing.
    for (const QString stored : {"شه", "ي", "أسبوعي"}) {
        const qint64 key = addRule(office.db(), "قاعدة أخرى");
        office.db().command("update _Reminder set REMINDERDATE = 20270101, FREQUENCY = '" + stored
                            + "' where REMINDERID = " + QString::number(key));
        diary.frequency()->setFocus();
        ASSERT_TRUE(office.state().service<cWindow>().Read("where REMINDERID = " + QString::number(key), &diary));
        EXPECT_EQ(diary.frequency()->currentText(), stored);
        QTest::keyClick(&diary, Qt::Key_F12);
        EXPECT_EQ(columns(office.db(), key, {"FREQUENCY"}), QStringList{stored});
        EXPECT_EQ(office.db().execute("select count(*) from _JOURNAL").value(0, 0).toInt(), 0) << stored.toStdString();
    }
}

// A query other than one select, one the database refuses and one that runs
// past the reminders' time limit are reported on Save and not stored.
TEST(frmReminder, SaveRefusesAQueryThatWouldQueueNothing)
{
    DiaryOffice office;
    installEngine(office.state());
    const qint64 key = addRule(office.db(), "قاعدة");
    Diary diary(office);
    auto* query = control<QPlainTextEdit>(&diary, "dfsSQLREMINDERLIST");
    const struct {
        QString sql;
        int limitMs;
        bool stored;
    } rows[] = {
        {"delete from car", cReminder::DefaultQueryTimeLimitMs, false},
        {"select nosuchcolumn from car", cReminder::DefaultQueryTimeLimitMs, false},
        {"select count(*) from (with recursive n(i) as (select 1 union all select i + 1 from n where i < 10000000) "
         "select i from n) counted", 1, false},
        {"select name from car", cReminder::DefaultQueryTimeLimitMs, true},
    };
    for (const auto& row : rows) {
        office.ui().messages.clear();
        office.state().service<cReminder>().queryTimeLimitMs = row.limitMs;
        query->setPlainText(row.sql);
        QTest::keyClick(&diary, Qt::Key_F12);
        EXPECT_EQ(columns(office.db(), key, {"SQLREMINDERLIST"}).value(0) == row.sql, row.stored) << row.sql.toStdString();
        EXPECT_EQ(office.ui().messages.isEmpty(), row.stored) << row.sql.toStdString();
    }
}
