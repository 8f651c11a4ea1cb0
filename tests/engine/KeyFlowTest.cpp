// The keyboard as a clerk uses it: each window is shown, the test waits until
// it has the keyboard, and every key goes to whatever widget has the cursor.
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "journal/JournalScreens.h"
#include "reminders/ReminderScreens.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHash>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Clerk::focused;
using Clerk::press;
using Clerk::tabTo;
using Clerk::type;

// A test office with every screen of these flows registered, ADMIN logged in.
struct KeyOffice {
    KeyOffice()
    {
        office.loginAs(u"ADMIN"_s);
        // The diary flows count and number their own rules, not the shipped due list.
        db().command(u"delete from _Reminder"_s);
        installEngine(state());
        registerReminderScreens(state().screens());
        registerRentalScreens(state().screens());
        registerJournalScreens(state().screens());
    }

    RunState& state() { return office.state(); }
    Database& db() { return office.db(); }
    ScriptedUI& ui() { return office.ui(); }

    // The registered screen shown as the menu shows it; the test goes on once it has the keyboard.
    // `name` may carry the menu's mode after a colon: "frmRentCar:RENTMODE".
    QWidget* open(const QString& name)
    {
        const QStringList parts = name.split(u':');
        QWidget* screen = state().screens().instance(parts.first(), nullptr);
        ScreenTag::set(screen, parts.value(1));
        m_screens.emplace_back(screen);
        EXPECT_TRUE(Clerk::showActive(screen)) << name.toStdString();
        return screen;
    }
    std::string text(QWidget* screen, const char* control) const
    {
        return ControlAccess::text(ControlAccess::require(screen, QLatin1String(control))).toStdString();
    }
    // Runs `script` on the dialog, from its next showing on, once it has the keyboard.
    void whenShown(const QString& dialog, std::function<void(QDialog*)> script)
    {
        if (!m_scripts.contains(dialog))
            ui().onDialog(dialog, [this, dialog](QDialog* d) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(d)) << dialog.toStdString();
                m_scripts.value(dialog)(d);
            });
        m_scripts.insert(dialog, std::move(script));
    }
    qint64 addRule(const QString& name, qint64 key = 0)
    {
        QList<Database::Field> fields{{u"REMINDERRULENAME"_s, name}, {u"ONOFF"_s, 1}, {u"REMINDERTYPE"_s, 1}};
        if (key)
            fields.append({u"REMINDERID"_s, key});
        return db().insert(u"_Reminder"_s, u"REMINDERID"_s, fields);
    }
    QVariant stored(const QString& sql) { const RowSet rows = db().execute(sql); return rows.isEmpty() ? QVariant() : rows.value(0, 0); }

    TestOffice office;

private:
    std::vector<std::unique_ptr<QWidget>> m_screens;
    QHash<QString, std::function<void(QDialog*)>> m_scripts;
};

// The names listed in the open dialog's grid (its second column), joined by "|".
std::string listedNames(QDialog* dialog)
{
    QStringList names;
    for (const QStringList& row : ScreenChecks::listed(dialog))
        names << row.value(1);
    return names.join(u'|').toStdString();
}

}

// Each window opens with the cursor where the clerk types first.
TEST(KeyFlow, EveryWindowOpensWhereTheClerkTypesFirst)
{
    const struct { const char* screen; Qt::Key key; const char* dialog; const char* field; } cases[] = {
        {"frmReminder", {}, nullptr, "dfdReminderDate"},
        {"frmCustomers", {}, nullptr, "dfcTITLE"},
        {"frmEmployee", {}, nullptr, "dfIDNUM"},
        {"F1M0", {}, nullptr, "dfdFrom"},
        {"frmReminder", Qt::Key_F8, "frmGeneralN", "dfName"},
        {"frmCustomerMessages", Qt::Key_F10, "F3M0O", "txtNAME"},
        {"frmRentCar:RENTMODE", {}, nullptr, "dfcTITLE"},
        {"frmRentCar:SURRENDMODE", Qt::Key_F9, "frmGeneralOpen", "DataGrid1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.screen) + " " + (c.dialog ? c.dialog : ""));
        KeyOffice o;
        o.addRule(u"أولى"_s);
        o.db().insert(u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s, {{u"name"_s, u"تذكير"_s}});
        o.open(QLatin1String(c.screen));
        if (!c.dialog) {
            EXPECT_EQ(focused(), c.field);
            continue;
        }
        std::string inDialog;
        o.whenShown(QLatin1String(c.dialog), [&](QDialog*) { inDialog = focused(); });
        press(c.key);
        EXPECT_EQ(inDialog, c.field);
    }
}

// F8, the name typed at once, Enter: the record holds exactly what was typed,
// it is shown, and the cursor waits in the first field of the first page.
TEST(KeyFlow, NewRecordTakesTheNameTypedStraightAfterF8)
{
    const struct { const char* what; QString name; bool pasted; } cases[] = {
        {"Arabic, quotes, commas and signs", u"اتصل بـ O'Neil, 50% _off_"_s, false},
        {"longer than a line edit takes by default", QString(40000, QChar(0x0645)), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeyOffice o;
        QWidget* diary = o.open(u"frmReminder"_s);
        o.whenShown(u"frmGeneralN"_s, [&](QDialog*) {
            if (c.pasted) {
                QApplication::clipboard()->setText(c.name);
                press(Qt::Key_V, Qt::ControlModifier);
            } else {
                type(c.name);
            }
            press(Qt::Key_Return);
        });
        press(Qt::Key_F8);

        const QString key = QString::fromStdString(o.text(diary, "txtID"));
        const QString stored =
            o.stored(u"select REMINDERRULENAME from _Reminder where REMINDERID = "_s + SqlValue::number(key, u"txtID"_s)).toString();
        EXPECT_EQ(stored.size(), c.name.size());
        EXPECT_TRUE(stored == c.name) << stored.left(40).toStdString();
        EXPECT_TRUE(o.text(diary, "txtNAME") == c.name.toStdString());
        EXPECT_TRUE(QTest::qWaitForWindowActive(diary));
        EXPECT_EQ(focused(), "dfdReminderDate");
    }
}

// F9, a record number typed on the list, Enter narrows the list to it, Enter opens it; the key
// column is wide enough for six digits.
TEST(KeyFlow, OpenByNumberTypedOnTheList)
{
    KeyOffice o;
    o.addRule(u"أولى"_s, 1);
    o.addRule(u"بعيدة"_s, 123456);
    QWidget* diary = o.open(u"frmReminder"_s);
    std::string countAfterSearch;
    std::string narrowed;
    bool keyReadable = false;
    o.whenShown(u"frmGeneralOpen"_s, [&](QDialog* open) {
        type(u"123456"_s);
        press(Qt::Key_Return);
        countAfterSearch = o.text(open, "dfrecordcount");
        narrowed = listedNames(open);
        auto* grid = ScreenChecks::control<QTableView>(open, "DataGrid1");
        keyReadable = grid->columnWidth(0) >= static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(0);
        press(Qt::Key_Return);
    });
    press(Qt::Key_F9);
    EXPECT_EQ(countAfterSearch, "1");
    EXPECT_TRUE(keyReadable) << "the key column cuts the number";
    EXPECT_EQ(o.text(diary, "txtID"), "123456");
    EXPECT_EQ(o.text(diary, "txtNAME"), narrowed);
}

// Enter in the open dialog's name box narrows the list to the names holding
// the text, quotes and wildcards taken as letters.
TEST(KeyFlow, OpenByNameTypedInTheNameBox)
{
    const struct { const char* typed; const char* found; const char* count; } cases[] = {
        {"o'n", "O'Neil", "1"},
        {"a_b", "a_b", "1"},
        {"", "O'Neil|a_b|axb", "3"},
    };
    KeyOffice o;
    for (const char* name : {"O'Neil", "a_b", "axb"})
        o.addRule(QString::fromUtf8(name));
    QWidget* diary = o.open(u"frmReminder"_s);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(QTest::qWaitForWindowActive(diary));
        std::string found, count;
        o.whenShown(u"frmGeneralOpen"_s, [&](QDialog* open) {
            ASSERT_TRUE(tabTo("txtNAME"));
            type(QString::fromUtf8(c.typed));
            found = listedNames(open);
            count = o.text(open, "dfrecordcount");
            press(Qt::Key_Escape);
        });
        press(Qt::Key_F9);
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(count, c.count);
    }
}

// After a save, F9 then Esc (or Close) reads again the record the screen was
// showing, whatever number the save left behind.
TEST(KeyFlow, LeavingTheOpenDialogKeepsTheScreensRecord)
{
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Esc" : "Close");
        KeyOffice o;
        qint64 third = 0;
        for (const char* name : {"الأولى", "الثانية", "الثالثة"})
            third = o.addRule(QString::fromUtf8(name));
        QWidget* screen = o.open(u"frmReminder"_s);
        // The third record, so that neither the first nor the journal's first entry is it.
        o.whenShown(u"frmGeneralOpen"_s, [&](QDialog*) {
            type(QString::number(third));
            press(Qt::Key_Return);
            press(Qt::Key_Return);
        });
        press(Qt::Key_F9);
        ASSERT_EQ(o.text(screen, "txtID"), std::to_string(third));
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
        ASSERT_TRUE(tabTo("dfsComments"));
        type(u"ملاحظة"_s);
        press(Qt::Key_F12);
        ASSERT_EQ(o.stored(u"select count(*) from _JOURNAL"_s).toInt(), 1);

        // Meanwhile another workstation renames the record: leaving the dialog reads it afresh.
        o.db().command(u"update _Reminder set REMINDERRULENAME = 'الثالثة بعد' where REMINDERID = "_s + QString::number(third));
        o.whenShown(u"frmGeneralOpen"_s, [&](QDialog*) {
            if (escape) {
                press(Qt::Key_Escape);
                return;
            }
            ASSERT_TRUE(tabTo("command0"));
            press(Qt::Key_Space);
        });
        press(Qt::Key_F9);
        EXPECT_EQ(o.text(screen, "txtID"), std::to_string(third));
        EXPECT_EQ(o.text(screen, "txtNAME"), "الثالثة بعد");
    }
}

// Tab leaves a multi-line field; no tab character reaches the record.
TEST(KeyFlow, TabLeavesTheMultiLineField)
{
    KeyOffice o;
    const qint64 key = o.addRule(u"أولى"_s);
    QWidget* diary = o.open(u"frmReminder"_s);
    ASSERT_TRUE(tabTo("dfsComments"));
    press(Qt::Key_A, Qt::ControlModifier);
    type(u"جدد التأمين"_s);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "cmdNew");
    press(Qt::Key_F12);
    EXPECT_EQ(o.stored(u"select Message from _Reminder where REMINDERID = "_s + QString::number(key)).toString(),
              u"جدد التأمين"_s);
    EXPECT_EQ(o.text(diary, "dfsComments"), "جدد التأمين");
}

// The customer list opened from the messages screen is a look-up: choosing a
// customer closes it and the message shown stays, whatever the numbers.
TEST(KeyFlow, CustomerListFromTheMessagesScreenOnlyLooksUp)
{
    KeyOffice o;
    for (const char* customer : {"Salem Ahmad", "Fahad"})
        o.db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, QLatin1String(customer)}});
    for (const char* message : {"الأولى", "الثانية"})
        o.db().insert(u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s, {{u"name"_s, QString::fromUtf8(message)}});
    QWidget* messages = o.open(u"frmCustomerMessages"_s);
    o.whenShown(u"frmGeneralOpen"_s, [&](QDialog*) {
        type(u"2"_s);
        press(Qt::Key_Return);
        press(Qt::Key_Return);
    });
    press(Qt::Key_F9);
    ASSERT_EQ(o.text(messages, "txtID"), "2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(messages));

    std::string listed;
    bool closed = false;
    o.whenShown(u"F3M0O"_s, [&](QDialog* list) {
        type(u"Salem"_s);
        press(Qt::Key_Return);
        listed = o.text(list, "dfrecordcount");
        ASSERT_TRUE(tabTo("cmdOk"));
        press(Qt::Key_Space);
        closed = !list->isVisible() && list->result() == QDialog::Accepted;
    });
    press(Qt::Key_F10);
    EXPECT_EQ(listed, "1");
    EXPECT_TRUE(closed);
    EXPECT_EQ(o.text(messages, "txtID"), "2");
    EXPECT_EQ(o.text(messages, "txtNAME"), "الثانية");
}
