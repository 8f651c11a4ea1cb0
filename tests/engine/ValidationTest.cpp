#include "ScreenOffice.h"
#include "core/AppError.h"
#include "engine/BindVariables.h"
#include "engine/cValidation.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The synthetic screen, open, under rules of its own; `script` is what the operator does with the list.
class Validation : public ::testing::Test {
protected:
    Validation()
    {
        s.screen->show();
        fill("txtID", "1");
        s.db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"O'Brien"_s}});
        s.ui().onDialog(u"dlgValidationError"_s, [this](QDialog* dialog) {
            lines.clear();
            const auto* list = dialog->findChild<QListWidget*>(u"List1"_s);
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text() + u'#' + list->item(i)->data(Qt::UserRole).toString();
            if (script)
                script(dialog);
        });
    }

    bool validate() { return s.state().service<cValidation>().ValidateWindow(s.screen.get()); }
    void fill(const char* name, const char* value) { s.set(name, QString::fromUtf8(value)); }
    void clearRules() { s.db().command(u"delete from _WINDOWVALIDATION"_s); }
    // Gives the line the rule shows in the list.
    QString addRule(int kind, const QString& operand1, const QString& operand2, const QString& message,
                    const QString& focusField = {}, int tab = 0, int enforced = 0)
    {
        const qint64 id = s.db().insert(
            u"_WINDOWVALIDATION"_s, u"WINDOWVALIDATIONID"_s,
            {{u"WINDOWNAME"_s, SyntheticScreen::Name}, {u"VALIDATIONTYPEID"_s, kind}, {u"vldtnname1"_s, operand1},
             {u"vldtnname2"_s, operand2}, {u"ErrorMessage"_s, message}, {u"FOCUSFIELDNAME"_s, focusField},
             {u"TABNBR"_s, tab}, {u"ONOFF"_s, 1}, {u"ENFORCED"_s, enforced}});
        return message + u'#' + QString::number(id);
    }

    ScreenOffice s{SyntheticScreen::Name, true, true};
    QStringList lines;  // "message#rule id" of the last list shown
    std::function<void(QDialog*)> script;
};

TEST_F(Validation, EachKindPassesOrFails)
{
    const QString byName = u"select * from Customer where name = ':1 '"_s;
    const QString nameBinding = u":1frmSynthetic.txtNAME"_s;
    const struct {
        const char* what;
        int kind;
        QString operand1, operand2;
        std::vector<std::pair<const char*, const char*>> values;
        bool fails;
        const char* logged = nullptr;  // a broken rule: reported and logged, no list shown
    } cases[] = {
        {"required number holding 0", 1, u"dfnMETER"_s, {}, {{"dfnMETER", "0"}}, true},
        {"required text holding the blank of an empty column", 1, u"txtNAME"_s, {}, {{"txtNAME", " "}}, true},
        {"required text given", 1, u"txtNAME"_s, {}, {{"txtNAME", "علي"}}, false},
        {"required flag cleared", 1, u"dffRETURNED"_s, {}, {{"dffRETURNED", "0"}}, true},
        {"number order 10 then 5", 2, u"dfnMETER"_s, u"dfnSCORE"_s, {{"dfnMETER", "10"}, {"dfnSCORE", "5"}}, true},
        {"number order 9 then 10", 2, u"dfnMETER"_s, u"dfnSCORE"_s, {{"dfnMETER", "9"}, {"dfnSCORE", "10"}}, false},
        {"date order, a day later", 3, u"dfdISSUEDATE"_s, u"dfdUNTIL"_s, {{"dfdISSUEDATE", "06/01/2024"}, {"dfdUNTIL", "05/01/2024"}}, true},
        {"date order across a year", 3, u"dfdISSUEDATE"_s, u"dfdUNTIL"_s, {{"dfdISSUEDATE", "31/12/2023"}, {"dfdUNTIL", "01/01/2024"}}, false},
        {"must not exist, nobody of that name", 4, byName, nameBinding, {{"txtNAME", "Nobody"}}, false},
        {"must not exist, a name with an apostrophe there", 4, byName, nameBinding, {{"txtNAME", "O'Brien"}}, true},
        {"same text differing in letter case", 5, u"txtNAME"_s, u"dfsNOTE"_s, {{"txtNAME", "abc"}, {"dfsNOTE", "aBc"}}, true},
        {"dependent flag, only the first ticked", 6, u"dffRETURNED"_s, u"dffPAID"_s, {{"dffRETURNED", "1"}, {"dffPAID", "0"}}, true},
        {"dependent flag, only the second ticked", 6, u"dffRETURNED"_s, u"dffPAID"_s, {{"dffRETURNED", "0"}, {"dffPAID", "1"}}, false},
        {"a field the screen lacks", 1, u"dfsNOSUCHFIELD"_s, {}, {{"dfnMETER", "0"}}, true, "dfsNOSUCHFIELD"},
        {"a table the office lacks", 4, u"select * from NOSUCHTABLE"_s, {}, {{"dfnMETER", "0"}}, true, "NOSUCHTABLE"},
        {"a text bound as a number", 4, u"select * from Customer where CUSTOMERID = :1 "_s, nameBinding,
         {{"dfnMETER", "0"}, {"txtNAME", "5 or 1=1"}}, true, "frmSynthetic.txtNAME"},
    };
    s.state().config.SHOWERRORS = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearRules();
        for (const auto& [name, value] : c.values)
            fill(name, value);
        // A failing rule before a broken one: the operator still sees no list.
        if (c.logged)
            addRule(1, u"dfnMETER"_s, {}, u"needed"_s);
        const QString line = addRule(c.kind, c.operand1, c.operand2, QString::fromLatin1(c.what));
        lines.clear();
        s.ui().dialogsShown.clear();
        EXPECT_EQ(validate(), !c.fails);
        EXPECT_EQ(lines, c.fails && !c.logged ? QStringList{line} : QStringList{});  // the list shown, if any
        EXPECT_EQ(s.ui().dialogsShown.contains(u"dlgError"_s), c.logged != nullptr);
        // The broken rows come last: until then nothing is logged.
        EXPECT_TRUE(c.logged ? s.errorLog().contains(QLatin1String(c.logged)) : s.errorLog().isEmpty()) << qPrintable(s.errorLog());
    }
}

// A value no column keeps exactly, and a rule the program ships, cannot be saved anyway;
// an office's own rule can. A screen showing no record says so and lists nothing.
TEST_F(Validation, WhatGuardsTheDataCannotBePassedOver)
{
    const QString nul = u"a"_s + QChar(0) + u"b"_s;
    const struct { const char* what; const char* field; QString value; int enforced; const char* line; const char* focus; } cases[] = {
        {"a NUL in a text", "txtNAME", nul, -1, "txtNAME holds a character that cannot be stored", "txtNAME 0"},
        {"a NUL in a list text", "dfgCARTYPE", nul, -1, "dfgCARTYPE holds a character that cannot be stored", "dfgCARTYPE 0"},
        {"more digits than a number keeps", "dfnMETER", u"1234567890123456"_s, -1,
         "dfnMETER takes a number of at most 15 digits, not 1234567890123456.", "dfnMETER 0"},
        {"a number with an exponent", "dfnSCORE", u"1e308"_s, -1, "dfnSCORE holds no number: \"1e308\".", "dfnSCORE 1"},
        {"a rule the program ships", "txtNAME", {}, 1, "needed#", " 0"},
        {"an office's own rule", "txtNAME", {}, 0, "needed#", " 0"},
        {"no record shown", "txtID", {}, -1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearRules();
        for (const auto& [name, value] : {std::pair{"txtID", "1"}, {"txtNAME", "given"}, {"dfgCARTYPE", ""},
                                          {"dfsNOTE", ""}, {"dfnMETER", ""}, {"dfnSCORE", ""}})
            fill(name, value);
        if (c.enforced >= 0)
            addRule(1, u"txtNAME"_s, {}, u"needed"_s, {}, 0, c.enforced);
        s.set(c.field, c.value);
        lines.clear();
        bool offered = false;
        QString focus;
        script = [&](QDialog* d) {
            offered = d->findChild<QPushButton*>(u"command0"_s)->isEnabled();
            focus = d->findChild<QLineEdit*>(u"dfsFOCUSFIELDNAME"_s)->text() + u' '
                  + d->findChild<QLineEdit*>(u"dfnTabNbr"_s)->text();
            d->findChild<QPushButton*>(u"command0"_s)->click();
        };
        s.ui().messages.clear();
        EXPECT_EQ(validate(), c.enforced == 0);
        EXPECT_EQ(offered, c.enforced == 0);
        const QString shown = lines.join(u'|');
        EXPECT_TRUE(c.line ? shown.startsWith(QString::fromUtf8(c.line)) : shown.isEmpty()) << qPrintable(shown);
        EXPECT_EQ(focus, QLatin1String(c.focus));
        EXPECT_EQ(s.ui().lastMessage().startsWith(u"There is no record on this screen to save"_s), !c.line);
    }
}

// Bind variables take the values of the open screen's fields; a text goes only inside a literal.
TEST_F(Validation, BindVariablesTakeFieldValuesAndRefuseWhatCouldChangeTheStatement)
{
    const std::pair<const char*, const char*> values[] = {{"dfnMETER", "15"}, {"dfnSCORE", "-2.5"}, {"txtNAME", "O'Brien"},
                                                          {"dfsNOTE", "x:2 y"}, {"dfsCODE", "5 or 1=1"},
                                                          {"dfdISSUEDATE", "05/01/2024"}, {"txtID", ""}};
    for (const auto& [name, value] : values)
        fill(name, value);
    // expected "!name": refused, naming the field or screen.
    const struct { const char* sql; const char* list; const char* expected; } cases[] = {
        {"where RENTID = :1 order by RENTID", "0", "where RENTID = :1 order by RENTID"},
        {"where RENTID = :1 or OLDID = :1 ", ":1frmSynthetic.dfnMETER", "where RENTID = 15or OLDID = 15"},
        {"where ID = :1 and DAY >= :2 ", ":1frmSynthetic. dfnMETER ,:2frmSynthetic.dfdISSUEDATE", "where ID = 15and DAY >= 20240105"},
        {"where AMOUNT > :1 ", ":1frmSynthetic.dfnSCORE", "where AMOUNT > -2.5"},
        {"where NAME = ':1 '", ":1frmSynthetic.txtNAME", "where NAME = 'O''Brien'"},
        {"where NOTE = 'it''s :1 '", ":1frmSynthetic.txtNAME", "where NOTE = 'it''s O''Brien'"},
        {"where NOTE = ':1 ' and ID = :2 ", ":1frmSynthetic.dfsNOTE,:2frmSynthetic.dfnMETER", "where NOTE = 'x:2 y' and ID = 15"},
        {"where ID = :1 ", ":1frmSynthetic.dfsCODE", "!frmSynthetic.dfsCODE"},
        {"where NAME = 'a' and ID = :1 ", ":1frmSynthetic.dfsCODE", "!frmSynthetic.dfsCODE"},
        {"where NAME = \":1 \"", ":1frmSynthetic.txtNAME", "!frmSynthetic.txtNAME"},
        {"where ID = :1 ", ":1frmNotOpen.txtID", "!frmNotOpen"},
        {"where ID = :1 ", ":1frmSynthetic.txtID", "!frmSynthetic.txtID is empty"},
    };
    for (const auto& c : cases) {
        const QString expected = QString::fromUtf8(c.expected);
        try {
            EXPECT_EQ(PrepareSQLStatement(s.state(), QLatin1String(c.sql), QLatin1String(c.list)), expected)
                << c.sql << " / " << c.list;
        } catch (const AppError& e) {
            EXPECT_TRUE(expected.startsWith(u'!') && e.description().contains(expected.mid(1)))
                << c.sql << " / " << c.list << ": " << qPrintable(e.description());
        }
    }
}

}
