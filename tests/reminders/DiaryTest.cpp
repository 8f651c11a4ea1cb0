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
    // The named columns of one rule, in order; empty texts when it is gone.
    QStringList columns(qint64 key, const QStringList& names)
    {
        const RowSet rows = db().execute("select * from _Reminder where REMINDERID = " + SqlValue::number(key));
        QStringList values;
        for (const QString& name : names)
            values << (rows.isEmpty() ? QString() : rows.text(0, name));
        return values;
    }
};

}

// Rules switched off or of another type are neither shown first nor listed;
// the diary's Delete closes only after a confirmed deletion.
TEST(frmReminder, LoadOpenAndDeleteSeeOnlyActiveRulesOfItsType)
{
    DiaryOffice office;
    office.addRule("متوقفة", 0);
    office.addRule("نوع آخر", 1, 3);
    office.addRule("أولى");
    const qint64 last = office.addRule("أخيرة");
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
        EXPECT_EQ(office.columns(last, {"REMINDERID"}).value(0).isEmpty(), answer);
        EXPECT_EQ(diary.isVisible(), !answer);
    }
}

// New makes an active rule of the diary's type, shown with its new number; an
// empty name makes nothing. Its day, frequency, message and query then
// survive a save; a query other than one select, one the database refuses and
// one that runs past the reminders' time limit are reported and not stored.
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
        {"اتصل بالعميل"},
        {"Call O'Neil, today", "select name from car", true, QDate(2003, 1, 5), "كل ٣ أيام", "it's, due\nnext line"},
        {"طويلة", "  SELECT top 2 name from car;", true, QDate(2030, 2, 28), "شهري", QString(300, QChar(0x0645))},
        {""},
        {"no blank needed", "select*from car"},
        {"not a select", "delete from car", false},
        {"two statements", "select 1; delete from car", false},
        {"not the word select", "selection from car", false},
        {"a query the database refuses", "select nosuchcolumn from car", false},
        {"runs over", "select count(*) from (with recursive n(i) as (select 1 union all select i + 1 from n where i < "
                      "10000000) select i from n) counted", false, {}, {}, {}, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        DiaryOffice office;
        office.db().insert("car", "carid", {{"name", "Kept"}});
        const qint64 existing = office.addRule("متوقفة", 0);  // not shown: the screen opens empty
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
        control<QPlainTextEdit>(&diary, "dfsSQLREMINDERLIST")->setPlainText(r.query);
        office.state().service<cReminder>().queryTimeLimitMs = r.limitMs;
        QTest::keyClick(&diary, Qt::Key_F12);
        EXPECT_EQ(office.ui().messages.isEmpty(), r.stored);
        EXPECT_EQ(office.db().execute("select name from car").text(0, "name"), "Kept");
        const QStringList stored{"REMINDERRULENAME", "REMINDERTYPE", "ONOFF", "REMINDERDATE", "FREQUENCY", "Message",
                                 "SQLREMINDERLIST"};
        if (!r.stored) {
            EXPECT_EQ(office.columns(diary.id(), {"SQLREMINDERLIST"}), QStringList{""});
            continue;
        }
        EXPECT_EQ(office.columns(diary.id(), stored), (QStringList{r.name, "1", "1", r.date.toString("yyyyMMdd"),
                                                                  r.frequency, r.message, r.query}));
        Diary again(office);
        EXPECT_EQ(again.date()->date(), r.date);
        EXPECT_EQ((QStringList{again.frequency()->currentText(), again.message()->toPlainText()}),
                  (QStringList{r.frequency, r.message}));
    }
}

// Typing completes from the list; a text the list lacks stays as typed. A
// stored text is shown as stored, even the start of a choice, and an
// unchanged save writes nothing and journals nothing.
TEST(frmReminder, FrequencyCompletesTypingAndShowsWhatIsStored)
{
    DiaryOffice office;
    office.addRule("قاعدة");
    Diary diary(office);
    const std::pair<QString, QString> rows[] = {{"ش", "شهري"}, {"أس", "أسبوعي"}, {"كل", "كل"}};
    for (const auto& [typed, shown] : rows) {
        diary.frequency()->clearEditText();
        diary.frequency()->setFocus();
        ScreenChecks::type(diary.frequency()->lineEdit(), typed);
        EXPECT_EQ(diary.frequency()->currentText(), shown) << typed.toStdString();
    }
    for (const QString stored : {"شه", "ي", "أسبوعي"}) {
        const qint64 key = office.addRule("قاعدة أخرى");
        office.db().command("update _Reminder set REMINDERDATE = 20270101, FREQUENCY = '" + stored
                            + "' where REMINDERID = " + QString::number(key));
        diary.frequency()->setFocus();
        ASSERT_TRUE(office.state().service<cWindow>().Read("where REMINDERID = " + QString::number(key), &diary));
        EXPECT_EQ(diary.frequency()->currentText(), stored);
        QTest::keyClick(&diary, Qt::Key_F12);
        EXPECT_EQ(office.columns(key, {"FREQUENCY"}), QStringList{stored});
        EXPECT_EQ(office.db().execute("select count(*) from _JOURNAL").value(0, 0).toInt(), 0) << stored.toStdString();
    }
}
