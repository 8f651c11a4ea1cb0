#include "core/ScreenRegistry.h"
#include "core/SqlValue.h"
#include "rental/frmCustomerMessages.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ScreenChecks::control;

// The customer messages screen as the menu shows it.
struct Messages : frmCustomerMessages {
    explicit Messages(TestOffice& office) : frmCustomerMessages(office.state(), nullptr) { show(); }
    QLineEdit* field(const char* name) { return control<QLineEdit>(this, name); }
    QPlainTextEdit* text() { return control<QPlainTextEdit>(this, "dfsHomeComments"); }
};

// name and text of one message; empty when there is none.
QStringList stored(Database& db, qint64 key)
{
    const RowSet rows = db.execute("select * from CUSTOMERMESSAGE where CUSTOMERMESSAGEID = " + SqlValue::number(key));
    return rows.isEmpty() ? QStringList{} : QStringList{rows.text(0, "name"), rows.text(0, "HOMECOMMENTS")};
}

}

// New inserts a message under the typed name and shows it with its new number;
// its text is then saved. Both come back unchanged. An empty name makes
// nothing, and Delete without a record neither asks nor closes.
TEST(frmCustomerMessages, NewThenSaveKeepsTheTexts)
{
    const QStringList rows[] = {
        {"رسالة تذكير", "عزيزي العميل، نذكّرك بموعد إرجاع السيارة."},
        {"O'Neil's note", "Don't forget: it's due ''today''"},
        {"a,b,c", ",leading, inner,, and trailing,"},
        {QString(500, QChar(0x0639)), QString(250, 'x') + QString(250, QChar(0x0644))},
        {"\"quoted\"", "first line\nsecond; line\t'tab'"},
        {"", ""},
    };
    for (const QStringList& r : rows) {
        SCOPED_TRACE(r.join(' ').left(40).toStdString());
        TestOffice office;
        Messages messages(office);
        office.ui().onDialog("frmGeneralN", [&r](QDialog* dialog) {
            ScreenChecks::type(control<QLineEdit>(dialog, "dfName"), r[0]);
            ScreenChecks::click(dialog, "cmdOk");
        });

        QTest::keyClick(&messages, Qt::Key_F8);

        const qint64 key = messages.field("txtID")->text().toLongLong();
        EXPECT_EQ(office.db().execute("select count(*) from CUSTOMERMESSAGE").value(0, 0).toInt(), r[0].isEmpty() ? 0 : 1);
        if (r[0].isEmpty()) {
            ScreenChecks::click(&messages, "cmdDel");
            EXPECT_TRUE(office.ui().questions.isEmpty() && messages.isVisible() && key == 0);
            continue;
        }
        EXPECT_EQ(office.state().CurrentRecordId, key);
        EXPECT_EQ(messages.field("txtNAME")->text(), r[0]);
        messages.text()->setPlainText(r[1]);
        QTest::keyClick(&messages, Qt::Key_F12);
        EXPECT_EQ(stored(office.db(), key), r);

        Messages again(office);
        EXPECT_EQ((QStringList{again.field("txtID")->text(), again.field("txtNAME")->text(), again.text()->toPlainText()}),
                  QStringList{QString::number(key)} + r);
    }
}

// An empty text breaks the screen's rule: OK then shows the failure and closes
// whatever the operator answers, saving nothing: the rule cannot be passed over. A
// declined Delete keeps the screen open.
TEST(frmCustomerMessages, Commands)
{
    const struct {
        const char* what;
        const char* button;      // clicked; none: the key is pressed
        int key;                 // F12 comes with Save disabled
        const char* validation;  // the answer to a failing rule ("": the dialog closed); none: the rule passes
        const char* stored;      // the name stored afterwards; "": deleted, as the operator confirms
        bool open;
        QStringList dialogs;
    } rows[] = {
        {"OK saves and closes", "cmdOk", 0, nullptr, "جديد", false, {}},
        {"OK, go to the field", "cmdOk", 0, "command1", "قديم", false, {"dlgValidationError"}},
        {"OK, dialog closed", "cmdOk", 0, "", "قديم", false, {"dlgValidationError"}},
        {"OK, save anyway does not pass over the rule", "cmdOk", 0, "command0", "قديم", false, {"dlgValidationError"}},
        {"Delete confirmed", "cmdDel", 0, nullptr, "", false, {}},
        {"Delete declined", "cmdDel", 0, nullptr, "قديم", true, {}},
        {"Print list opens the list window", "cmdPL", 0, nullptr, "قديم", true, {"F3M0O"}},
        {"F12 with Save disabled", nullptr, Qt::Key_F12, nullptr, "قديم", true, {}},
        {"Esc closes unsaved", nullptr, Qt::Key_Escape, nullptr, "قديم", false, {}},
        {"Shift+F9 is held back", nullptr, (Qt::SHIFT | Qt::Key_F9).toCombined(), nullptr, "قديم", true, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        office.state().screens().add("F3M0O", [](RunState&, QWidget* parent) {
            auto* list = new QDialog(parent);
            list->setObjectName("F3M0O");
            return list;
        });
        office.ui().onDialog("dlgValidationError", [button = QString(r.validation)](QDialog* dialog) {
            if (!button.isEmpty())
                ScreenChecks::click(dialog, button);
        });
        office.ui().answers = {!*r.stored};
        const qint64 key = office.db().insert("CUSTOMERMESSAGE", "CUSTOMERMESSAGEID", {{"name", "قديم"}, {"HOMECOMMENTS", "نص"}});
        Messages messages(office);
        messages.field("txtNAME")->setText("جديد");
        if (r.validation)
            messages.text()->clear();
        control<QPushButton>(&messages, "cmdSave")->setEnabled(r.key != Qt::Key_F12);

        if (r.button)
            ScreenChecks::click(&messages, r.button);
        else
            QTest::keyClick(&messages, QKeyCombination::fromCombined(r.key).key(),
                            QKeyCombination::fromCombined(r.key).keyboardModifiers());

        EXPECT_EQ(stored(office.db(), key).value(0), r.stored);
        EXPECT_EQ(office.ui().questions.size(), QString(r.button) == "cmdDel" ? 1 : 0);
        EXPECT_EQ(messages.isVisible(), r.open);
        EXPECT_EQ(office.ui().dialogsShown, r.dialogs);
    }
}
