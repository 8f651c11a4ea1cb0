#include "engine/cValidation.h"

#include "shell/base/ErrorLog.h"
#include "shell/base/SqlValue.h"
#include "support/TestOffice.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

const QString ScreenName = QStringLiteral("frmValidationTest");

// A data screen as its rules see it: a tab set of three pages holding number,
// text, date and flag fields.
QWidget* makeScreen(RunState&, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(ScreenName);
    auto* tabs = new QTabWidget(screen);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    (new QVBoxLayout(screen))->addWidget(tabs);
    const std::vector<std::vector<std::pair<const char*, char>>> pages = {
        {{"dfnLOW", 'l'}, {"dfnHIGH", 'l'}, {"dfsNAME", 'l'}, {"dfsNAME2", 'l'}},
        {{"dfdFROM", 'd'}, {"dfdTO", 'd'}, {"dffFIRST", 'c'}, {"dffSECOND", 'c'}},
        {{"dfsCODE", 'l'}},
    };
    for (const auto& controls : pages) {
        auto* page = new QWidget(tabs);
        auto* layout = new QVBoxLayout(page);
        for (const auto& [name, kind] : controls) {
            QWidget* control = kind == 'l' ? static_cast<QWidget*>(new QLineEdit(page))
                             : kind == 'd' ? static_cast<QWidget*>(new QDateEdit(page))
                                           : static_cast<QWidget*>(new QCheckBox(page));
            if (auto* date = qobject_cast<QDateEdit*>(control))
                date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
            control->setObjectName(QString::fromLatin1(name));
            layout->addWidget(control);
        }
        tabs->addTab(page, QString::number(tabs->count() + 1));
    }
    return screen;
}

struct Line {
    QString text;
    qint64 ruleId;
    bool operator==(const Line&) const = default;
};

class Validation : public ::testing::Test {
protected:
    Validation()
    {
        state().screens().add(ScreenName, makeScreen);
        screen.reset(state().screens().instance(ScreenName, nullptr));
        screen->show();
        office.db().insert(QStringLiteral("Customer"), QStringLiteral("CUSTOMERID"),
                           {{QStringLiteral("name"), QStringLiteral("O'Brien")}});
        ui().onDialog(QStringLiteral("dlgValidationError"), [this](QDialog* dialog) {
            lines.clear();
            const auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
            for (int i = 0; i < list->count(); ++i)
                lines.append({list->item(i)->text(), list->item(i)->data(Qt::UserRole).toLongLong()});
            if (script)
                script(dialog);
        });
    }

    RunState& state() { return office.state(); }
    ScriptedUI& ui() { return office.ui(); }
    cValidation& validation() { return state().service<cValidation>(); }
    bool validate() { return validation().ValidateWindow(screen.get()); }

    qint64 addRule(int kind, const QString& operand1, const QString& operand2, const QString& message,
                   const QString& focusField = {}, int tab = 0, int onoff = 1)
    {
        return office.db().insert(QStringLiteral("_WINDOWVALIDATION"), QStringLiteral("WINDOWVALIDATIONID"),
                                  {{QStringLiteral("WINDOWNAME"), ScreenName},
                                   {QStringLiteral("VALIDATIONTYPEID"), kind},
                                   {QStringLiteral("vldtnname1"), operand1},
                                   {QStringLiteral("vldtnname2"), operand2},
                                   {QStringLiteral("ErrorMessage"), message},
                                   {QStringLiteral("FOCUSFIELDNAME"), focusField},
                                   {QStringLiteral("TABNBR"), tab},
                                   {QStringLiteral("ONOFF"), onoff}});
    }

    void clearRules()
    {
        office.db().command(QStringLiteral("delete from _WINDOWVALIDATION where WINDOWNAME = ")
                            + SqlValue::quoted(ScreenName));
    }

    template <typename T>
    T* control(const char* name) const
    {
        return screen->findChild<T*>(QString::fromLatin1(name));
    }

    // Line edits take the text, date edits a yyyymmdd date, check boxes "1" or "0".
    void fill(const char* name, const char* value) const
    {
        const QString v = QString::fromUtf8(value);
        if (auto* line = control<QLineEdit>(name))
            line->setText(v);
        else if (auto* date = control<QDateEdit>(name))
            date->setDate(QDate::fromString(v, QStringLiteral("yyyyMMdd")));
        else if (auto* box = control<QCheckBox>(name))
            box->setChecked(v == QLatin1String("1"));
        else
            ADD_FAILURE() << "no control " << name;
    }

    QString errorLog()
    {
        QFile file(errorLogPath(office.state()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestOffice office;
    std::unique_ptr<QWidget> screen;
    QList<Line> lines;
    std::function<void(QDialog*)> script;
};

TEST_F(Validation, eachKindPassesOrFails)
{
    const QString byName = QStringLiteral("select * from Customer where name = ':1 '");
    const QString nameBinding = QStringLiteral(":1frmValidationTest.dfsNAME");
    const struct {
        const char* what;
        int kind;
        QString operand1;
        QString operand2;
        std::vector<std::pair<const char*, const char*>> values;
        bool fails;
    } cases[] = {
        {"required number holding 0", 1, "dfnLOW", "", {{"dfnLOW", "0"}}, true},
        {"required number left empty", 1, "dfnLOW", "", {{"dfnLOW", ""}}, true},
        {"required number given", 1, "dfnLOW", "", {{"dfnLOW", "12"}}, false},
        {"required text holding the character 0", 1, "dfsNAME", "", {{"dfsNAME", "0"}}, true},
        {"required text left empty", 1, "dfsNAME", "", {{"dfsNAME", ""}}, true},
        {"required text holding the blank of an empty column", 1, "dfsNAME", "", {{"dfsNAME", " "}}, true},
        {"required text given", 1, "dfsNAME", "", {{"dfsNAME", "علي"}}, false},
        {"required flag cleared", 1, "dffFIRST", "", {{"dffFIRST", "0"}}, true},
        {"number order 10 then 5", 2, "dfnLOW", "dfnHIGH", {{"dfnLOW", "10"}, {"dfnHIGH", "5"}}, true},
        {"number order equal", 2, "dfnLOW", "dfnHIGH", {{"dfnLOW", "7"}, {"dfnHIGH", "7"}}, false},
        {"number order 9 then 10 compares numbers", 2, "dfnLOW", "dfnHIGH", {{"dfnLOW", "9"}, {"dfnHIGH", "10"}}, false},
        {"number order on text fields is not evaluated", 2, "dfsNAME", "dfsNAME2", {{"dfsNAME", "10"}, {"dfsNAME2", "5"}}, false},
        {"date order equal", 3, "dfdFROM", "dfdTO", {{"dfdFROM", "20240105"}, {"dfdTO", "20240105"}}, false},
        {"date order first one day later", 3, "dfdFROM", "dfdTO", {{"dfdFROM", "20240106"}, {"dfdTO", "20240105"}}, true},
        {"date order first one day earlier across a year", 3, "dfdFROM", "dfdTO", {{"dfdFROM", "20231231"}, {"dfdTO", "20240101"}}, false},
        {"must not exist, nobody of that name", 4, byName, nameBinding, {{"dfsNAME", "Nobody"}}, false},
        {"must not exist, a name with an apostrophe already there", 4, byName, nameBinding, {{"dfsNAME", "O'Brien"}}, true},
        {"must not exist, no bind list runs the text as it is", 4, "select * from Customer where name = 'O''Brien'", "", {}, true},
        {"must not exist, a number outside quotes", 4, "select * from Customer where CUSTOMERID = :1 ", ":1frmValidationTest.dfnLOW", {{"dfnLOW", "99"}}, false},
        {"same text equal", 5, "dfsNAME", "dfsNAME2", {{"dfsNAME", "abc"}, {"dfsNAME2", "abc"}}, false},
        {"same text differing in letter case", 5, "dfsNAME", "dfsNAME2", {{"dfsNAME", "abc"}, {"dfsNAME2", "aBc"}}, true},
        {"dependent flag, both ticked", 6, "dffFIRST", "dffSECOND", {{"dffFIRST", "1"}, {"dffSECOND", "1"}}, false},
        {"dependent flag, only the first ticked", 6, "dffFIRST", "dffSECOND", {{"dffFIRST", "1"}, {"dffSECOND", "0"}}, true},
        {"dependent flag, only the second ticked", 6, "dffFIRST", "dffSECOND", {{"dffFIRST", "0"}, {"dffSECOND", "1"}}, false},
        {"dependent flag, neither ticked", 6, "dffFIRST", "dffSECOND", {{"dffFIRST", "0"}, {"dffSECOND", "0"}}, false},
        {"an unknown kind is skipped", 7, "dfsNOSUCHFIELD", "dfsNOSUCHFIELD", {}, false},
        {"kind 0 is skipped", 0, "dfsNOSUCHFIELD", "", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearRules();
        for (const auto& [name, value] : c.values)
            fill(name, value);
        const QString message = QString::fromLatin1(c.what);
        const qint64 id = addRule(c.kind, c.operand1, c.operand2, message);
        const qsizetype shownBefore = ui().dialogsShown.size();
        lines.clear();

        EXPECT_EQ(validate(), !c.fails);
        EXPECT_EQ(ui().dialogsShown.size() - shownBefore, c.fails ? 1 : 0);
        if (c.fails) {
            EXPECT_EQ(lines, QList<Line>({{message, id}}));
        }
    }
    EXPECT_TRUE(errorLog().isEmpty());
}

TEST_F(Validation, aScreenWithoutRulesValidates)
{
    addRule(1, QStringLiteral("dfnLOW"), {}, QStringLiteral("switched off"), {}, 0, 0);
    fill("dfnLOW", "0");
    EXPECT_TRUE(validate());
    EXPECT_TRUE(ui().dialogsShown.isEmpty());
}

TEST_F(Validation, failuresAreListedInRuleOrderWithTheirDetails)
{
    fill("dfnLOW", "");
    fill("dfsNAME", "given");
    fill("dfsCODE", "");
    const qint64 first = addRule(1, QStringLiteral("dfnLOW"), {}, QStringLiteral("first"), QStringLiteral("dfnLOW"), 0);
    addRule(1, QStringLiteral("dfsNAME"), {}, QStringLiteral("passes"), QStringLiteral("dfsNAME"), 0);
    const qint64 third = addRule(1, QStringLiteral("dfsCODE"), {}, QStringLiteral("third"), QStringLiteral("dfsCODE"), 2);

    QStringList shown;
    script = [&](QDialog* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
        const auto field = [dialog](const char* name) {
            return dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
        };
        shown << QString::number(list->currentRow()) + field("dfsMessage") + field("dfsFOCUSFIELDNAME") + field("dfnTabNbr");
        list->setCurrentRow(1);
        shown << QString::number(list->currentRow()) + field("dfsMessage") + field("dfsFOCUSFIELDNAME") + field("dfnTabNbr");
    };
    EXPECT_FALSE(validate());
    EXPECT_EQ(lines, QList<Line>({{QStringLiteral("first"), first}, {QStringLiteral("third"), third}}));
    EXPECT_EQ(shown, QStringList({QStringLiteral("0firstdfnLOW0"), QStringLiteral("1thirddfsCODE2")}));
}

TEST_F(Validation, goToTheFieldShowsItsPageAndSelectsItsText)
{
    const struct {
        const char* how;
        std::function<void(QDialog*)> go;
    } ways[] = {
        {"command1", [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("command1"))->click(); }},
        {"double-click on the line", [](QDialog* d) {
             auto* list = d->findChild<QListWidget*>(QStringLiteral("List1"));
             emit list->itemDoubleClicked(list->item(0));
         }},
    };
    fill("dfsNAME", "");
    fill("dfsCODE", "ABC-123");
    addRule(1, QStringLiteral("dfsNAME"), {}, QStringLiteral("the code is needed"), QStringLiteral("dfsCODE"), 2);
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        auto* tabs = control<QTabWidget>("SSTab1");
        auto* code = control<QLineEdit>("dfsCODE");
        tabs->setCurrentIndex(0);
        code->deselect();
        validation().setContinueSave(true);
        bool hidden = false;
        script = [&](QDialog* dialog) {
            way.go(dialog);
            hidden = !dialog->isVisible();
        };

        EXPECT_FALSE(validate());
        EXPECT_TRUE(hidden);
        EXPECT_FALSE(validation().continueSave());
        EXPECT_EQ(tabs->currentIndex(), 2);
        EXPECT_EQ(screen->focusWidget(), code);
        EXPECT_EQ(code->selectionStart(), 0);
        EXPECT_EQ(code->selectedText(), QStringLiteral("ABC-123"));
    }
}

TEST_F(Validation, goToAFieldTheScreenLacksLeavesTheFocusAlone)
{
    fill("dfsNAME", "");
    addRule(1, QStringLiteral("dfsNAME"), {}, QStringLiteral("needed"), QStringLiteral("dfsNOSUCHFIELD"), 7);
    auto* tabs = control<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(1);
    script = [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("command1"))->click(); };
    EXPECT_FALSE(validate());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(errorLog().isEmpty());
}

TEST_F(Validation, saveAnywayGoesOn)
{
    fill("dfnLOW", "0");
    addRule(1, QStringLiteral("dfnLOW"), {}, QStringLiteral("needed"));
    script = [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("command0"))->click(); };
    EXPECT_TRUE(validate());
    EXPECT_TRUE(validation().continueSave());
    EXPECT_TRUE(validation().lastResult());
}

TEST_F(Validation, closingTheListWithoutAnswerNeverSavesOnAnOldAnswer)
{
    fill("dfnLOW", "0");
    addRule(1, QStringLiteral("dfnLOW"), {}, QStringLiteral("needed"));
    script = [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("command0"))->click(); };
    ASSERT_TRUE(validate());
    script = [](QDialog* d) { d->reject(); };
    EXPECT_FALSE(validate());
}

TEST_F(Validation, theDetailsBoxMakesTheDialogTallerAndShorter)
{
    fill("dfnLOW", "0");
    addRule(1, QStringLiteral("dfnLOW"), {}, QStringLiteral("needed"), QStringLiteral("dfnLOW"), 0);
    struct State {
        bool detailsShown;
        int height;
    };
    QList<State> states;
    int dpi = 0;
    script = [&](QDialog* dialog) {
        dpi = dialog->logicalDpiY();
        auto* details = dialog->findChild<QWidget*>(QStringLiteral("dfsFOCUSFIELDNAME"));
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("dffShowDetails"));
        states.append({details->isVisible(), dialog->height()});
        box->setChecked(true);
        states.append({details->isVisible(), dialog->height()});
        box->setChecked(false);
        states.append({details->isVisible(), dialog->height()});
    };
    EXPECT_FALSE(validate());
    ASSERT_EQ(states.size(), 3);
    const int shortHeight = 2505 * dpi / 1440;
    const int tallHeight = 4815 * dpi / 1440;
    EXPECT_FALSE(states[0].detailsShown);
    EXPECT_EQ(states[0].height, shortHeight);
    EXPECT_TRUE(states[1].detailsShown);
    EXPECT_EQ(states[1].height, tallHeight);
    EXPECT_FALSE(states[2].detailsShown);
    EXPECT_EQ(states[2].height, shortHeight);
}

TEST_F(Validation, aBrokenRuleStopsTheValidationAndIsReported)
{
    const struct {
        const char* what;
        int kind;
        QString operand1;
        QString operand2;
        const char* logged;
    } cases[] = {
        {"a control the screen lacks", 1, "dfsNOSUCHFIELD", "", "dfsNOSUCHFIELD"},
        {"a second control the screen lacks", 5, "dfsNAME", "dfsNOSUCHFIELD2", "dfsNOSUCHFIELD2"},
        {"a statement the database rejects", 4, "select * from NOSUCHTABLE", "", "NOSUCHTABLE"},
        {"a text bound outside quotes", 4, "select * from Customer where CUSTOMERID = :1 ",
         ":1frmValidationTest.dfsNAME", "frmValidationTest.dfsNAME"},
        {"a bind variable naming a screen that is not open", 4, "select * from Customer where CUSTOMERID = :1 ",
         ":1frmNotOpen.txtID", "frmNotOpen"},
    };
    state().config.SHOWERRORS = 1;
    fill("dfnLOW", "0");
    fill("dfsNAME", "5 or 1=1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearRules();
        // A failing rule before the broken one: the operator still sees no list.
        addRule(1, QStringLiteral("dfnLOW"), {}, QStringLiteral("needed"));
        addRule(c.kind, c.operand1, c.operand2, QStringLiteral("broken"));
        ui().dialogsShown.clear();

        EXPECT_FALSE(validate());
        EXPECT_EQ(ui().dialogsShown, QStringList({QStringLiteral("dlgError")}));
        EXPECT_TRUE(errorLog().contains(QString::fromLatin1(c.logged))) << qPrintable(errorLog());
    }
}

}
