#include "engine/EngineSetup.h"
#include "reminders/ReminderScreens.h"
#include "reminders/frmReminder.h"
#include "shell/base/SqlValue.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

using ScreenChecks::control;

// The "Diary" as the menu shows it.
struct Diary {
    explicit Diary(TestOffice& office) : screen(office.state(), nullptr) { screen.show(); }

    QLineEdit* id() { return control<QLineEdit>(&screen, QStringLiteral("txtID")); }
    QLineEdit* name() { return control<QLineEdit>(&screen, QStringLiteral("txtNAME")); }
    QDateEdit* date() { return control<QDateEdit>(&screen, QStringLiteral("dfdReminderDate")); }
    QComboBox* frequency() { return control<QComboBox>(&screen, QStringLiteral("dfcFrequency")); }
    QLineEdit* onoff() { return control<QLineEdit>(&screen, QStringLiteral("dfnONOFF")); }
    QPlainTextEdit* comments() { return control<QPlainTextEdit>(&screen, QStringLiteral("dfsComments")); }
    void click(const char* button) { ScreenChecks::click(&screen, QLatin1String(button)); }
    void key(int key) { QTest::keyClick(&screen, Qt::Key(key)); }

    frmReminder screen;
};

struct Rule {
    QString name;
    int onoff = 1;
    int type = 1;
    QString message = QStringLiteral("رسالة");
};

qint64 addRule(Database& db, const Rule& rule)
{
    return db.insert(QStringLiteral("_Reminder"), QStringLiteral("REMINDERID"),
                     {{QStringLiteral("REMINDERRULENAME"), rule.name},
                      {QStringLiteral("ONOFF"), rule.onoff},
                      {QStringLiteral("REMINDERTYPE"), rule.type},
                      {QStringLiteral("Message"), rule.message}});
}

QVariant column(Database& db, qint64 key, const QString& name)
{
    const RowSet rows = db.execute(QStringLiteral("select * from _Reminder where REMINDERID = ") + SqlValue::number(key));
    return rows.isEmpty() ? QVariant() : rows.value(0, name);
}

int ruleCount(Database& db)
{
    return db.execute(QStringLiteral("select count(*) as n from _Reminder")).value(0, 0).toInt();
}

}

TEST(frmReminder, MetadataMatchesTheScreenAndTheTable)
{
    TestOffice office;
    Diary diary(office);
    EXPECT_EQ(ScreenChecks::metadataMismatches(office.db(), &diary.screen), QStringList{});
}

TEST(frmReminder, LoadShowsTheFirstActiveRuleOfItsType)
{
    const struct {
        const char* what;
        QList<Rule> rules;
        QString shown;  // empty: the screen opens empty
    } rows[] = {
        {"first rule active", {{QStringLiteral("أولى")}, {QStringLiteral("ثانية")}}, QStringLiteral("أولى")},
        {"switched off first", {{QStringLiteral("متوقفة"), 0}, {QStringLiteral("فعالة")}}, QStringLiteral("فعالة")},
        {"other type first", {{QStringLiteral("نوع آخر"), 1, 2}, {QStringLiteral("مفكرة")}}, QStringLiteral("مفكرة")},
        {"nothing to show", {{QStringLiteral("متوقفة"), 0}, {QStringLiteral("نوع آخر"), 1, 0}}, QString()},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        for (const Rule& rule : r.rules)
            addRule(office.db(), rule);

        Diary diary(office);

        EXPECT_EQ(diary.name()->text(), r.shown);
        EXPECT_EQ(diary.id()->text().isEmpty(), r.shown.isEmpty());
    }
}

TEST(frmReminder, NewCreatesAnActiveRuleAndShowsIt)
{
    const struct {
        QString typed;
        bool inserted;
    } rows[] = {{QStringLiteral("اتصل بالعميل"), true}, {QStringLiteral("Call O'Neil, today"), true}, {QString(), false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed.toStdString());
        TestOffice office;
        const qint64 existing = addRule(office.db(), {QStringLiteral("قائمة")});
        Diary diary(office);
        QString caption;
        office.ui().onDialog(QStringLiteral("frmGeneralN"), [&](QDialog* dialog) {
            caption = dialog->windowTitle();
            ScreenChecks::type(control<QLineEdit>(dialog, QStringLiteral("dfName")), r.typed);
            QTest::keyClick(dialog, Qt::Key_Return);
        });

        diary.click("cmdNew");

        EXPECT_EQ(caption, QStringLiteral("New Message "));
        EXPECT_EQ(ruleCount(office.db()), r.inserted ? 2 : 1);
        if (!r.inserted) {
            EXPECT_EQ(diary.id()->text(), QString::number(existing));
            continue;
        }
        const qint64 key = diary.id()->text().toLongLong();
        EXPECT_GT(key, existing);
        EXPECT_EQ(office.state().CurrentRecordId, key);
        EXPECT_EQ(column(office.db(), key, QStringLiteral("REMINDERRULENAME")).toString(), r.typed);
        EXPECT_EQ(column(office.db(), key, QStringLiteral("REMINDERTYPE")).toInt(), 1);
        EXPECT_EQ(column(office.db(), key, QStringLiteral("ONOFF")).toInt(), 1);
        EXPECT_EQ(diary.name()->text(), r.typed);
        EXPECT_EQ(diary.onoff()->text(), QStringLiteral("1"));
        // A rule without a day shows today.
        EXPECT_EQ(diary.date()->date(), QDate::currentDate());
    }
}

TEST(frmReminder, SaveStoresEveryField)
{
    const struct {
        QDate date;
        QString frequency;
        QString message;
        qint64 storedDate;
    } rows[] = {
        {QDate(2024, 12, 25), QStringLiteral("أسبوعي"), QStringLiteral("جدد التأمين"), 20241225},
        {QDate(2003, 1, 5), QStringLiteral("كل ٣ أيام"), QStringLiteral("it's, due\nnext line"), 20030105},
        {QDate(2030, 2, 28), QStringLiteral("شهري"), QString(300, QChar(0x0645)), 20300228},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.storedDate);
        TestOffice office;
        const qint64 key = addRule(office.db(), {QStringLiteral("قاعدة")});
        {
            Diary diary(office);
            diary.date()->setDate(r.date);
            diary.frequency()->setEditText(r.frequency);
            diary.comments()->setPlainText(r.message);
            diary.key(Qt::Key_F12);
        }
        EXPECT_EQ(column(office.db(), key, QStringLiteral("REMINDERDATE")).toLongLong(), r.storedDate);
        EXPECT_EQ(column(office.db(), key, QStringLiteral("FREQUENCY")).toString(), r.frequency);
        EXPECT_EQ(column(office.db(), key, QStringLiteral("Message")).toString(), r.message);
        EXPECT_EQ(column(office.db(), key, QStringLiteral("ONOFF")).toInt(), 1);

        Diary again(office);
        EXPECT_EQ(again.date()->date(), r.date);
        EXPECT_EQ(again.frequency()->currentText(), r.frequency);
        EXPECT_EQ(again.comments()->toPlainText(), r.message);
    }
}

TEST(frmReminder, FrequencyOffersItsListAndCompletesTyping)
{
    TestOffice office;
    installEngine(office.state());
    addRule(office.db(), {QStringLiteral("قاعدة")});
    Diary diary(office);

    QStringList items;
    for (int i = 0; i < diary.frequency()->count(); ++i)
        items << diary.frequency()->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("مرة واحدة"), QStringLiteral("يومي"), QStringLiteral("أسبوعي"),
                                  QStringLiteral("شهري"), QStringLiteral("سنوي")}));

    const struct {
        QString typed;
        QString shown;
    } rows[] = {{QStringLiteral("ش"), QStringLiteral("شهري")},
                {QStringLiteral("أس"), QStringLiteral("أسبوعي")},
                {QStringLiteral("كل"), QStringLiteral("كل")}};
    for (const auto& r : rows) {
        diary.frequency()->clearEditText();
        diary.frequency()->setFocus();
        ScreenChecks::type(diary.frequency()->lineEdit(), r.typed);
        EXPECT_EQ(diary.frequency()->currentText(), r.shown) << r.typed.toStdString();
    }
}

TEST(frmReminder, OpenListsOnlyActiveRules)
{
    TestOffice office;
    const qint64 first = addRule(office.db(), {QStringLiteral("أولى")});
    addRule(office.db(), {QStringLiteral("متوقفة"), 0});
    addRule(office.db(), {QStringLiteral("نوع آخر"), 1, 3});
    const qint64 last = addRule(office.db(), {QStringLiteral("أخيرة")});
    Diary diary(office);
    ASSERT_EQ(diary.id()->text(), QString::number(first));

    QString caption;
    QStringList listed;
    office.ui().onDialog(QStringLiteral("frmGeneralOpen"), [&](QDialog* dialog) {
        caption = dialog->windowTitle();
        auto* grid = control<QTableView>(dialog, QStringLiteral("DataGrid1"));
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            listed << grid->model()->index(row, 1).data().toString();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        ScreenChecks::click(dialog, QStringLiteral("cmdOk"));
    });

    diary.key(Qt::Key_F9);

    EXPECT_EQ(caption, QStringLiteral("Rent Contracts "));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("أولى"), QStringLiteral("أخيرة")}));
    EXPECT_EQ(diary.id()->text(), QString::number(last));
    EXPECT_EQ(diary.name()->text(), QStringLiteral("أخيرة"));
}

TEST(frmReminder, ARuleSwitchedOffOnTheScreenIsSkippedNextTime)
{
    TestOffice office;
    const qint64 off = addRule(office.db(), {QStringLiteral("سأوقفها")});
    addRule(office.db(), {QStringLiteral("تبقى")});
    {
        Diary diary(office);
        diary.onoff()->setText(QStringLiteral("0"));
        diary.click("cmdOk");
        EXPECT_FALSE(diary.screen.isVisible());
    }
    EXPECT_EQ(column(office.db(), off, QStringLiteral("ONOFF")).toInt(), 0);

    Diary again(office);
    EXPECT_EQ(again.name()->text(), QStringLiteral("تبقى"));
}

TEST(frmReminder, DeleteClosesOnlyAfterAConfirmedDeletion)
{
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        TestOffice office;
        const qint64 key = addRule(office.db(), {QStringLiteral("للحذف")});
        Diary diary(office);
        office.ui().answers = {answer};

        diary.key(Qt::Key_F11);

        EXPECT_EQ(office.ui().questions.size(), 1);
        EXPECT_EQ(column(office.db(), key, QStringLiteral("REMINDERID")).isNull(), answer);
        EXPECT_EQ(diary.screen.isVisible(), !answer);
    }
}

TEST(frmReminder, DeleteWithoutARecordDoesNothing)
{
    TestOffice office;
    Diary diary(office);
    diary.click("cmdDel");
    EXPECT_TRUE(office.ui().questions.isEmpty());
    EXPECT_TRUE(diary.screen.isVisible());
}

TEST(frmReminder, OkWithAFailingRuleAsksAndCloses)
{
    for (const bool saveAnyway : {false, true}) {
        SCOPED_TRACE(saveAnyway);
        TestOffice office;
        const qint64 key = addRule(office.db(), {QStringLiteral("قاعدة")});
        Diary diary(office);
        diary.name()->setText(QStringLiteral("اسم جديد"));
        diary.comments()->setPlainText(QStringLiteral("   "));
        office.ui().onDialog(QStringLiteral("dlgValidationError"), [saveAnyway](QDialog* dialog) {
            ScreenChecks::click(dialog, saveAnyway ? QStringLiteral("command0") : QStringLiteral("command1"));
        });

        diary.click("cmdOk");

        EXPECT_EQ(office.ui().dialogsShown, QStringList{QStringLiteral("dlgValidationError")});
        EXPECT_FALSE(diary.screen.isVisible());
        EXPECT_EQ(column(office.db(), key, QStringLiteral("REMINDERRULENAME")).toString(),
                  saveAnyway ? QStringLiteral("اسم جديد") : QStringLiteral("قاعدة"));
    }
}

TEST(frmReminder, KeysRespectTheButtons)
{
    struct Row {
        const char* what;
        std::function<void(Diary&)> act;
        bool saved;
        bool open;
    };
    const Row rows[] = {
        {"F12 saves", [](Diary& d) { d.key(Qt::Key_F12); }, true, true},
        {"F12 with Save disabled",
         [](Diary& d) {
             control<QPushButton>(&d.screen, QStringLiteral("cmdSave"))->setEnabled(false);
             d.key(Qt::Key_F12);
         },
         false, true},
        {"Esc closes unsaved", [](Diary& d) { d.key(Qt::Key_Escape); }, false, false},
        {"Cancel closes unsaved", [](Diary& d) { d.click("command0"); }, false, false},
        {"Print list does nothing", [](Diary& d) { d.key(Qt::Key_F10); }, false, true},
        {"Shift+F9 is held back",
         [](Diary& d) { QTest::keyClick(&d.screen, Qt::Key_F9, Qt::ShiftModifier); }, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const qint64 key = addRule(office.db(), {QStringLiteral("قاعدة")});
        Diary diary(office);
        diary.name()->setText(QStringLiteral("معدلة"));

        r.act(diary);

        EXPECT_EQ(column(office.db(), key, QStringLiteral("REMINDERRULENAME")).toString(),
                  r.saved ? QStringLiteral("معدلة") : QStringLiteral("قاعدة"));
        EXPECT_EQ(diary.screen.isVisible(), r.open);
        EXPECT_TRUE(office.ui().dialogsShown.isEmpty()) << office.ui().dialogsShown.join(' ').toStdString();
    }
}

TEST(frmReminder, OpensByName)
{
    TestOffice office;
    addRule(office.db(), {QStringLiteral("قاعدة")});
    registerReminderScreens(office.state().screens());
    QString shownName;
    office.ui().onDialog(QStringLiteral("frmReminder"), [&](QDialog* screen) {
        shownName = control<QLineEdit>(screen, QStringLiteral("txtNAME"))->text();
    });

    office.state().screens().open(QStringLiteral("frmReminder"), nullptr);

    EXPECT_EQ(shownName, QStringLiteral("قاعدة"));
}
