#include "rental/RentalScreens.h"
#include "rental/frmCustomerMessages.h"
#include "shell/base/ScreenRegistry.h"
#include "shell/base/SqlValue.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

using ScreenChecks::control;

const QString Table = QStringLiteral("CUSTOMERMESSAGE");
const QString Key = QStringLiteral("CUSTOMERMESSAGEID");

// The customer messages screen as the menu shows it.
struct Messages {
    explicit Messages(TestOffice& office) : screen(office.state(), nullptr) { screen.show(); }

    QLineEdit* id() { return control<QLineEdit>(&screen, QStringLiteral("txtID")); }
    QLineEdit* name() { return control<QLineEdit>(&screen, QStringLiteral("txtNAME")); }
    QPlainTextEdit* text() { return control<QPlainTextEdit>(&screen, QStringLiteral("dfsHomeComments")); }
    void click(const char* button) { ScreenChecks::click(&screen, QLatin1String(button)); }
    void key(int key) { QTest::keyClick(&screen, Qt::Key(key)); }

    frmCustomerMessages screen;
};

qint64 addMessage(Database& db, const QString& name, const QString& text)
{
    return db.insert(Table, Key, {{QStringLiteral("name"), name}, {QStringLiteral("HOMECOMMENTS"), text}});
}

// name and text of one message; empty when it is gone.
QStringList stored(Database& db, qint64 key)
{
    const RowSet rows = db.execute(QStringLiteral("select name, HOMECOMMENTS from CUSTOMERMESSAGE where ") + Key
                                   + QStringLiteral(" = ") + SqlValue::number(key));
    if (rows.isEmpty())
        return {};
    return {rows.text(0, QStringLiteral("name")), rows.text(0, QStringLiteral("HOMECOMMENTS"))};
}

int messageCount(Database& db)
{
    return db.execute(QStringLiteral("select count(*) as n from CUSTOMERMESSAGE")).value(0, 0).toInt();
}

// The new-record dialog, answered with `name`.
void answerNew(TestOffice& office, const QString& name, QString* caption = nullptr)
{
    office.ui().onDialog(QStringLiteral("frmGeneralN"), [name, caption](QDialog* dialog) {
        if (caption)
            *caption = dialog->windowTitle();
        ScreenChecks::type(control<QLineEdit>(dialog, QStringLiteral("dfName")), name);
        ScreenChecks::click(dialog, QStringLiteral("cmdOk"));
    });
}

}

TEST(frmCustomerMessages, MetadataMatchesTheScreenAndTheTable)
{
    TestOffice office;
    Messages messages(office);
    EXPECT_EQ(ScreenChecks::metadataMismatches(office.db(), &messages.screen), QStringList{});
    // Every column of the table is bound, each once.
    const RowSet bound = office.db().execute(
        QStringLiteral("select WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD where "
                       "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = 'frmCustomerMessages' and WTD.ONOFF = 1"));
    QStringList columns;
    for (int i = 0; i < bound.count(); ++i)
        columns << bound.text(i, QStringLiteral("Column")).trimmed().toUpper();
    QStringList expected;
    for (const QString& column : office.db().columnsOf(Table))
        expected << column.toUpper();
    columns.sort();
    expected.sort();
    EXPECT_EQ(columns, expected);
}

TEST(frmCustomerMessages, LoadShowsTheFirstMessage)
{
    TestOffice office;
    const qint64 first = addMessage(office.db(), QStringLiteral("ترحيب"), QStringLiteral("أهلاً بك"));
    addMessage(office.db(), QStringLiteral("شكر"), QStringLiteral("شكراً لك"));

    Messages messages(office);

    EXPECT_EQ(messages.id()->text(), QString::number(first));
    EXPECT_EQ(messages.name()->text(), QStringLiteral("ترحيب"));
    EXPECT_EQ(messages.text()->toPlainText(), QStringLiteral("أهلاً بك"));
    EXPECT_EQ(office.state().CurrentRecordId, first);
}

TEST(frmCustomerMessages, AnEmptyTableOpensEmptyAndDeleteDoesNothing)
{
    TestOffice office;
    Messages messages(office);
    EXPECT_EQ(messages.id()->text(), QString());
    EXPECT_EQ(messages.name()->text(), QString());

    messages.click("cmdDel");
    messages.key(Qt::Key_F11);

    EXPECT_TRUE(office.ui().questions.isEmpty());
    EXPECT_TRUE(messages.screen.isVisible());
}

TEST(frmCustomerMessages, SavedTextsComeBackUnchanged)
{
    const struct {
        const char* what;
        QString name;
        QString text;
    } rows[] = {
        {"Arabic", QStringLiteral("رسالة تذكير"), QStringLiteral("عزيزي العميل، نذكّرك بموعد إرجاع السيارة.")},
        {"apostrophes", QStringLiteral("O'Neil's note"), QStringLiteral("Don't forget: it's due ''today''")},
        {"commas", QStringLiteral("a,b,c"), QStringLiteral(",leading, inner,, and trailing,")},
        {"500 characters", QString(500, QChar(0x0639)), QString(250, QLatin1Char('x')) + QString(250, QChar(0x0644))},
        {"lines and quotes", QStringLiteral("\"quoted\""), QStringLiteral("first line\nsecond; line\t'tab'")},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const qint64 key = addMessage(office.db(), QStringLiteral("old"), QStringLiteral("old text"));
        {
            Messages messages(office);
            messages.name()->setText(r.name);
            messages.text()->setPlainText(r.text);
            messages.key(Qt::Key_F12);
            EXPECT_TRUE(messages.screen.isVisible());
        }
        EXPECT_EQ(stored(office.db(), key), (QStringList{r.name, r.text}));

        Messages again(office);
        EXPECT_EQ(again.name()->text(), r.name);
        EXPECT_EQ(again.text()->toPlainText(), r.text);
    }
}

TEST(frmCustomerMessages, NewInsertsANamedMessageAndShowsIt)
{
    const struct {
        QString typed;
        bool inserted;
    } rows[] = {{QStringLiteral("رسالة جديدة"), true}, {QStringLiteral("it's, new"), true}, {QString(), false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed.toStdString());
        TestOffice office;
        const qint64 existing = addMessage(office.db(), QStringLiteral("قديمة"), QStringLiteral("نص"));
        Messages messages(office);
        QString caption;
        answerNew(office, r.typed, &caption);

        messages.key(Qt::Key_F8);

        EXPECT_EQ(caption, QStringLiteral(" New Message  "));
        EXPECT_EQ(messageCount(office.db()), r.inserted ? 2 : 1);
        if (r.inserted) {
            const qint64 key = messages.id()->text().toLongLong();
            EXPECT_GT(key, existing);
            EXPECT_EQ(stored(office.db(), key).value(0), r.typed);
            EXPECT_EQ(messages.name()->text(), r.typed);
            EXPECT_EQ(messages.text()->toPlainText().trimmed(), QString());
            EXPECT_EQ(office.state().CurrentRecordId, key);
        } else {
            EXPECT_EQ(messages.id()->text(), QString::number(existing));
        }
    }
}

TEST(frmCustomerMessages, DeleteAsksAndClosesWhateverTheAnswer)
{
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        TestOffice office;
        const qint64 key = addMessage(office.db(), QStringLiteral("للحذف"), QStringLiteral("نص"));
        Messages messages(office);
        office.ui().answers = {answer};

        messages.click("cmdDel");

        EXPECT_EQ(office.ui().questions.size(), 1);
        EXPECT_EQ(stored(office.db(), key).isEmpty(), answer);
        EXPECT_FALSE(messages.screen.isVisible());
    }
}

TEST(frmCustomerMessages, OpenShowsThePickedMessage)
{
    TestOffice office;
    const qint64 first = addMessage(office.db(), QStringLiteral("الأولى"), QStringLiteral("1"));
    addMessage(office.db(), QStringLiteral("الثانية"), QStringLiteral("2"));
    const qint64 third = addMessage(office.db(), QStringLiteral("الثالثة"), QStringLiteral("3"));
    Messages messages(office);
    ASSERT_EQ(messages.id()->text(), QString::number(first));

    QString caption;
    int listed = 0;
    office.ui().onDialog(QStringLiteral("frmGeneralOpen"), [&](QDialog* dialog) {
        caption = dialog->windowTitle();
        auto* grid = control<QTableView>(dialog, QStringLiteral("DataGrid1"));
        listed = grid->model()->rowCount();
        grid->setCurrentIndex(grid->model()->index(2, 1));
        ScreenChecks::click(dialog, QStringLiteral("cmdOk"));
    });
    messages.key(Qt::Key_F9);

    EXPECT_EQ(caption, QStringLiteral("Messages"));
    EXPECT_EQ(listed, 3);
    EXPECT_EQ(messages.id()->text(), QString::number(third));
    EXPECT_EQ(messages.name()->text(), QStringLiteral("الثالثة"));
}

TEST(frmCustomerMessages, CancelledOpenReadsTheCurrentMessageAgain)
{
    TestOffice office;
    const qint64 key = addMessage(office.db(), QStringLiteral("محفوظة"), QStringLiteral("نص محفوظ"));
    addMessage(office.db(), QStringLiteral("أخرى"), QStringLiteral("نص آخر"));
    Messages messages(office);
    messages.name()->setText(QStringLiteral("not saved"));
    office.ui().onDialog(QStringLiteral("frmGeneralOpen"),
                         [](QDialog* dialog) { ScreenChecks::click(dialog, QStringLiteral("command0")); });

    messages.click("cmdOpen");

    EXPECT_EQ(messages.id()->text(), QString::number(key));
    EXPECT_EQ(messages.name()->text(), QStringLiteral("محفوظة"));
}

TEST(frmCustomerMessages, PrintListOpensTheListWindow)
{
    for (const bool byKey : {false, true}) {
        TestOffice office;
        office.state().screens().add(QStringLiteral("F3M0O"), [](RunState&, QWidget* parent) {
            auto* list = new QDialog(parent);
            list->setObjectName(QStringLiteral("F3M0O"));
            return list;
        });
        Messages messages(office);

        if (byKey)
            messages.key(Qt::Key_F10);
        else
            messages.click("cmdPL");

        EXPECT_EQ(office.ui().dialogsShown, QStringList{QStringLiteral("F3M0O")});
    }
}

TEST(frmCustomerMessages, OkWithAFailingRuleAsksAndCloses)
{
    const struct {
        const char* what;
        const char* button;  // of the validation dialog; none: the dialog is closed
        bool saved;
    } rows[] = {{"go to the field", "command1", false}, {"dialog closed", nullptr, false}, {"save anyway", "command0", true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const qint64 key = addMessage(office.db(), QStringLiteral("قديم"), QStringLiteral("نص"));
        Messages messages(office);
        messages.name()->setText(QStringLiteral("جديد"));
        messages.text()->clear();
        QStringList listed;
        const char* button = r.button;
        office.ui().onDialog(QStringLiteral("dlgValidationError"), [&listed, button](QDialog* dialog) {
            listed << control<QWidget>(dialog, QStringLiteral("List1"))->property("count").toString();
            if (button)
                ScreenChecks::click(dialog, QLatin1String(button));
        });

        messages.click("cmdOk");

        EXPECT_EQ(office.ui().dialogsShown, QStringList{QStringLiteral("dlgValidationError")});
        EXPECT_EQ(listed, QStringList{QStringLiteral("1")});
        EXPECT_FALSE(messages.screen.isVisible());
        EXPECT_EQ(stored(office.db(), key).value(0), r.saved ? QStringLiteral("جديد") : QStringLiteral("قديم"));
    }
}

TEST(frmCustomerMessages, KeysRespectTheButtons)
{
    struct Row {
        const char* what;
        std::function<void(Messages&)> act;
        bool saved;
        bool open;
    };
    const Row rows[] = {
        {"F12 saves", [](Messages& m) { m.key(Qt::Key_F12); }, true, true},
        {"F12 with Save disabled",
         [](Messages& m) {
             control<QPushButton>(&m.screen, QStringLiteral("cmdSave"))->setEnabled(false);
             m.key(Qt::Key_F12);
         },
         false, true},
        {"Esc closes unsaved", [](Messages& m) { m.key(Qt::Key_Escape); }, false, false},
        {"Cancel closes unsaved", [](Messages& m) { m.click("command0"); }, false, false},
        {"OK saves and closes", [](Messages& m) { m.click("cmdOk"); }, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const qint64 key = addMessage(office.db(), QStringLiteral("قديم"), QStringLiteral("نص"));
        Messages messages(office);
        messages.name()->setText(QStringLiteral("جديد"));

        r.act(messages);

        EXPECT_EQ(stored(office.db(), key).value(0), r.saved ? QStringLiteral("جديد") : QStringLiteral("قديم"));
        EXPECT_EQ(messages.screen.isVisible(), r.open);
    }
}

TEST(frmCustomerMessages, OpensByNameFromTheRegistry)
{
    TestOffice office;
    addMessage(office.db(), QStringLiteral("رسالة"), QStringLiteral("نص"));
    registerRentalScreens(office.state().screens());
    QString shownName;
    office.ui().onDialog(QStringLiteral("frmCustomerMessages"), [&](QDialog* screen) {
        shownName = control<QLineEdit>(screen, QStringLiteral("txtNAME"))->text();
    });

    office.state().screens().open(QStringLiteral("frmCustomerMessages"), nullptr);

    EXPECT_EQ(shownName, QStringLiteral("رسالة"));
}
