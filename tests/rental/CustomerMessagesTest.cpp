#include "core/ScreenRegistry.h"
#include "rental/frmCustomerMessages.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

// An empty text breaks the screen's rule: OK then shows the failure and closes
// whatever the operator answers, saving nothing. New with no name makes
// nothing. Print list opens the list window; some keys are held back.
TEST(MessageScreen, Commands)
{
    const struct {
        const char* what;
        const char* button;      // clicked; none: the key is pressed
        int key;                 // F12 comes with Save disabled
        const char* validation;  // the answer to a failing rule ("": the dialog closed); none: the rule passes
        const char* stored;      // the name stored afterwards
        bool open;
        QStringList dialogs;
    } rows[] = {
        {"OK saves and closes", "cmdOk", 0, nullptr, "جديد", false, {}},
        {"OK, go to the field", "cmdOk", 0, "command1", "قديم", false, {"dlgValidationError"}},
        {"OK, dialog closed", "cmdOk", 0, "", "قديم", false, {"dlgValidationError"}},
        {"OK, save anyway does not pass over the rule", "cmdOk", 0, "command0", "قديم", false, {"dlgValidationError"}},
        {"New with no name", "cmdNew", 0, nullptr, "قديم", true, {"frmGeneralN"}},
        {"Print list opens the list window", "cmdPL", 0, nullptr, "قديم", true, {"F3M0O"}},
        {"F12 with Save disabled", nullptr, Qt::Key_F12, nullptr, "قديم", true, {}},
        {"Esc closes unsaved", nullptr, Qt::Key_Escape, nullptr, "قديم", false, {}},
        {"Shift+F9 is held back", nullptr, (Qt::SHIFT | Qt::Key_F9).toCombined(), nullptr, "قديم", true, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        office.state().screens().add(u"F3M0O"_s, [](RunState&, QWidget* parent) {
            auto* list = new QDialog(parent);
            list->setObjectName(u"F3M0O"_s);
            return list;
        });
        office.ui().onDialog(u"dlgValidationError"_s, [button = QString::fromLatin1(r.validation)](QDialog* dialog) {
            if (!button.isEmpty())
                ScreenChecks::click(dialog, button);
        });
        office.ui().onDialog(u"frmGeneralN"_s, [](QDialog* dialog) { ScreenChecks::click(dialog, u"cmdOk"_s); });
        const qint64 key = office.db().insert(u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s,
                                              {{u"name"_s, u"قديم"_s}, {u"HOMECOMMENTS"_s, u"نص"_s}});
        frmCustomerMessages messages(office.state(), nullptr);
        messages.show();
        control<QLineEdit>(&messages, u"txtNAME"_s)->setText(u"جديد"_s);
        if (r.validation)
            control<QPlainTextEdit>(&messages, u"dfsHomeComments"_s)->clear();
        control<QPushButton>(&messages, u"cmdSave"_s)->setEnabled(r.key != Qt::Key_F12);

        if (r.button)
            ScreenChecks::click(&messages, QLatin1String(r.button));
        else
            QTest::keyClick(&messages, QKeyCombination::fromCombined(r.key).key(),
                            QKeyCombination::fromCombined(r.key).keyboardModifiers());

        EXPECT_EQ(ScreenChecks::stored(office.db(), u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s, key, {u"name"_s}),
                  QStringList{QString::fromUtf8(r.stored)});
        EXPECT_EQ(office.db().execute(u"select count(*) from CUSTOMERMESSAGE"_s).value(0, 0).toInt(), 1);
        EXPECT_EQ(messages.isVisible(), r.open);
        EXPECT_EQ(office.ui().dialogsShown, r.dialogs);
    }
}
