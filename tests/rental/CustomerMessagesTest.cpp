#include "core/ScreenRegistry.h"
#include "rental/frmCustomerMessages.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

// An empty text breaks the screen's rule: OK then shows the failure and closes,
// saving nothing. Print list opens the list window; Shift+F9 is held back.
TEST(MessageScreen, Commands)
{
    const struct {
        const char* what;
        const char* button;      // clicked; none: Shift+F9 is pressed
        const char* validation;  // the answer to a failing rule; none: the rule passes
        const char* stored;      // the name stored afterwards
        bool open;
        QStringList dialogs;
    } rows[] = {
        {"OK saves and closes", "cmdOk", nullptr, "جديد", false, {}},
        {"OK, go to the field", "cmdOk", "command1", "قديم", false, {"dlgValidationError"}},
        {"Print list opens the list window", "cmdPL", nullptr, "قديم", true, {"F3M0O"}},
        {"Shift+F9 is held back", nullptr, nullptr, "قديم", true, {}},
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
            ScreenChecks::click(dialog, button);
        });
        const qint64 key = office.db().insert(u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s,
                                              {{u"name"_s, u"قديم"_s}, {u"HOMECOMMENTS"_s, u"نص"_s}});
        frmCustomerMessages messages(office.state(), nullptr);
        messages.show();
        control<QLineEdit>(&messages, u"txtNAME"_s)->setText(u"جديد"_s);
        if (r.validation)
            control<QPlainTextEdit>(&messages, u"dfsHomeComments"_s)->clear();

        if (r.button)
            ScreenChecks::click(&messages, QLatin1String(r.button));
        else
            QTest::keyClick(&messages, Qt::Key_F9, Qt::ShiftModifier);

        EXPECT_EQ(ScreenChecks::stored(office.db(), u"CUSTOMERMESSAGE"_s, u"CUSTOMERMESSAGEID"_s, key, {u"name"_s}),
                  QStringList{QString::fromUtf8(r.stored)});
        EXPECT_EQ(office.db().execute(u"select count(*) from CUSTOMERMESSAGE"_s).value(0, 0).toInt(), 1);
        EXPECT_EQ(messages.isVisible(), r.open);
        EXPECT_EQ(office.ui().dialogsShown, r.dialogs);
    }
}
