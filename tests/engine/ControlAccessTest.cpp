#include "core/AppError.h"
#include "core/RowSet.h"
#include "engine/ControlAccess.h"
#include "engine/DateEdit.h"
#include "engine/GridCombo.h"
#include "engine/NumberEdit.h"
#include "engine/cWindow.h"
#include "support/TestOffice.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimeEdit>
#include <QValidator>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A row of _SCREENCOMBOBOX.
struct Choice { const char* value; int order; int isDefault = 0; const char* control = "dfcCOLOR";
                const char* window = "frmComboProbe"; int onoff = 1; };

// An editable combo box, the way the data screens have them, with a list from design time.
QComboBox* addBox(QWidget* screen, const char* name)
{
    auto* box = new QComboBox(screen);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->addItems({u"design"_s, u"time"_s});
    box->setEditText(u"typed"_s);
    return box;
}

}

TEST(ControlAccess, FacesOfEveryKind)
{
    const auto date = [] { auto* e = new QDateEdit; e->setDisplayFormat(u"dd/MM/yyyy"_s); return e; };
    const auto time = [] { auto* e = new QTimeEdit; e->setDisplayFormat(u"hh:mm:ss"_s); return e; };
    const auto fixedList = [] { auto* b = new QComboBox; b->addItems({u"أ"_s, u"ب"_s}); return b; };
    const auto check = [] { return new QCheckBox; };
    // Names shown, numbers stood for.
    const auto managers = [] {
        auto* b = new GridCombo;
        b->setRows(RowSet({u"NAME"_s, u"EMPID"_s}, {{u"أحمد"_s, 3}, {u"سارة"_s, 12}}), 0, 1);
        return b;
    };
    // put: through setDefaultValue; defaultValue null: the kind has none; text null: no Text face.
    const struct { const char* kind; std::function<QWidget*()> make; const char* put; QVariant defaultValue; const char* text;
                   const char* value; } cases[] = {
        {"line edit", [] { return new QLineEdit; }, "a,,b", u"a,,b"_s, "a,,b", "a,,b"},
        {"plain text", [] { return new QPlainTextEdit; }, "x\ny", u"x\ny"_s, "x\ny", "x\ny"},
        {"date", date, "05/01/2003", QDate(2003, 1, 5), "05/01/2003", "05/01/2003"},
        {"date yyyymmdd", date, "20031231", QDate(2003, 12, 31), "31/12/2003", "31/12/2003"},
        {"date field left empty", [] { return new DateEdit; }, "", QDate(), "", ""},
        {"time stored", time, "093000", QTime(9, 30), "09:30:00", "09:30:00"},
        {"check true", check, "-1", 1, nullptr, "1"},
        {"fixed list", fixedList, "ب", u"ب"_s, "ب", "ب"},
        {"fixed list, no such choice", fixedList, "ج", QString(), "", ""},
        {"free list", [] { auto* b = new QComboBox; b->setEditable(true); return b; }, "ج", u"ج"_s, "ج", "ج"},
        {"list from a table", managers, "12", u"12"_s, "12", "12"},
        {"list from a table, number as stored", managers, "3.0", u"3"_s, "3", "3"},
        {"list from a table, a number it no longer offers is kept", managers, "7", u"7"_s, "7", "7"},
        {"list from a table, nothing chosen", managers, "", u""_s, "", ""},
        {"label", [] { return new QLabel(u"0"_s); }, "x", QVariant(), nullptr, ""},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> w(c.make());
        ControlAccess::setDefaultValue(w.get(), QString::fromUtf8(c.put));
        EXPECT_EQ(ControlAccess::defaultValue(w.get()), c.defaultValue) << c.kind;
        EXPECT_EQ(ControlAccess::hasText(w.get()), c.text != nullptr) << c.kind;
        EXPECT_EQ(ControlAccess::text(w.get()), QString::fromUtf8(c.text ? c.text : "")) << c.kind;
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.value)) << c.kind;
        // The Value face gives back what it is given.
        ControlAccess::setValue(w.get(), QString::fromUtf8(*c.value ? c.value : c.put));
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.value)) << c.kind;
    }
}

// A date field may be empty: the first digit starts from today at the day, a
// step from empty lands on today, the calendar opens on this month, Delete
// empties it; Backspace on an empty field keeps it empty.
TEST(DateEdit, MayBeEmptyAndIsFilledOrEmptiedByKeys)
{
    const QDate today = QDate::currentDate();
    const struct { const char* what; QDate start; std::function<void(DateEdit&)> keys; QDate shown; } cases[] = {
        {"a digit", {}, [](DateEdit& e) { QTest::keyClicks(&e, u"05"_s); }, QDate(today.year(), today.month(), 5)},
        {"a step up", {}, [](DateEdit& e) { QTest::keyClick(&e, Qt::Key_Up); }, today},
        {"Delete", QDate(2003, 1, 5), [](DateEdit& e) { QTest::keyClick(&e, Qt::Key_Delete); }, {}},
        {"Backspace on empty", {}, [](DateEdit& e) { QTest::keyClick(&e, Qt::Key_Backspace); }, {}},
        {"the calendar", {}, [](DateEdit& e) {
             QStyleOptionComboBox arrow;
             arrow.initFrom(&e);
             arrow.editable = true;
             arrow.subControls = QStyle::SC_All;
             QTest::mouseClick(&e, Qt::LeftButton, {},
                               e.style()->subControlRect(QStyle::CC_ComboBox, &arrow, QStyle::SC_ComboBoxArrow, &e).center());
             EXPECT_TRUE(e.calendarWidget()->isVisible());
             EXPECT_EQ(e.calendarWidget()->yearShown() * 100 + e.calendarWidget()->monthShown(),
                       QDate::currentDate().year() * 100 + QDate::currentDate().month());
             e.calendarWidget()->window()->close();
         }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // As the screens set their dates up: left to right whatever the language.
        DateEdit edit;
        edit.setLayoutDirection(Qt::LeftToRight);
        edit.setDisplayFormat(u"dd/MM/yyyy"_s);
        edit.setCalendarPopup(true);
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
        if (c.start.isValid())
            edit.setDate(c.start);
        edit.setFocus(Qt::TabFocusReason);
        c.keys(edit);
        EXPECT_EQ(edit.isEmpty() ? QDate() : edit.date(), c.shown);
        EXPECT_EQ(ControlAccess::value(&edit), c.shown.isValid() ? c.shown.toString(u"dd/MM/yyyy"_s) : QString());
    }
}

TEST(ControlAccess, RefusesWhatAFieldCannotHold)
{
    const struct { std::function<QWidget*()> make; const char* put; } cases[] = {
        {[] { return new QDateEdit; }, "not a date"}, {[] { return new QDateEdit; }, "31/02/2003"},
        {[] { return new QTimeEdit; }, "25:00:00"},   {[] { return new QCheckBox; }, "yes"}};
    for (const auto& c : cases)
        EXPECT_THROW(ControlAccess::setValue(std::unique_ptr<QWidget>(c.make()).get(), QLatin1String(c.put)), AppError) << c.put;
}

TEST(NumberEdit, TakesSignDigitsAndOnePointMayStayEmptyAndShowsMoneyWithTwoDecimals)
{
    const std::pair<const char*, bool> accepted[] = {{"", true},       {"-", true},       {"-12.5", true}, {".5", true},
                                                     {"abc", false},   {"1.2.3", false},  {"1e5", false},  {"1,5", false},
                                                     {"1-", false},    {" 1", false}};
    NumberEdit edit;
    for (const auto& [text, ok] : accepted) {
        QString t = QLatin1String(text);
        int pos = 0;
        EXPECT_EQ(edit.validator()->validate(t, pos) != QValidator::Invalid, ok) << text;
    }
    QTest::keyClicks(&edit, u"-x4a.5.3"_s);
    EXPECT_EQ(edit.text(), u"-4.53"_s);
    edit.setText(u"4.1"_s);
    edit.setMoney(true);  // formats the value shown
    EXPECT_EQ(edit.text(), u"4.10"_s);
    const std::pair<const char*, const char*> money[] = {{"12.5", "12.50"}, {"3", "3.00"}, {"-0.126", "-0.13"}, {"", ""}, {"0", "0"}};
    for (const auto& [put, shown] : money) {
        edit.setText(QLatin1String(put));
        EXPECT_EQ(edit.text(), QLatin1String(shown)) << put;
    }
}

TEST(FillComboBoxes, ListsFollowTheTable)
{
    const struct { const char* what; QList<Choice> choices; QStringList items; const char* text; } cases[] = {
        {"default placed last and selected", {{"Blue", 1, 1}, {"Red", 2}, {"Green", 3}}, {"Red", "Green", "Blue"}, "Blue"},
        {"of two defaults the later one counts", {{"Red", 1}, {"Blue", 2, 1}, {"Green", 3, 1}}, {"Red", "Green"}, "Green"},
        {"rows switched off, of another screen or another box are not listed",
         {{"Off", 1, 0, "dfcCOLOR", "frmComboProbe", 0}, {"Elsewhere", 2, 1, "dfcCOLOR", "frmOther"}, {"Title", 3, 0, "dfcTITLE"}, {"Red", 4}},
         {"Red"}, "typed"},
        {"no rows: an empty list and the text kept", {}, {}, "typed"},
    };
    TestOffice office;
    for (const auto& c : cases) {
        office.db().command(u"delete from _SCREENCOMBOBOX"_s);
        for (const Choice& ch : c.choices)
            office.db().insert(u"_SCREENCOMBOBOX"_s, u"SCREENCOMBOBOXID"_s,
                               {{u"WINDOWNAME"_s, ch.window}, {u"COLUMNNAME"_s, ch.control}, {u"COMBOBOXVALUE"_s, ch.value},
                                {u"DEFAULT"_s, ch.isDefault}, {u"DISPLAYORDER"_s, ch.order}, {u"ONOFF"_s, ch.onoff}});
        QWidget screen;
        screen.setObjectName(u"frmComboProbe"_s);
        QComboBox* box = addBox(&screen, "dfcCOLOR");
        addBox(&screen, "dfcTITLE");
        office.state().service<cWindow>().FillComboBoxes(&screen);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        EXPECT_EQ(items, c.items) << c.what;
        EXPECT_EQ(box->currentText(), QLatin1String(c.text)) << c.what;
    }
}

// A list from a table is filled by its screen from a statement: the fixed
// lists leave it alone, and the operator's choice replaces a kept value.
TEST(FillGridCombo, ShowsOneColumnAndStandsForAnother)
{
    TestOffice office;
    for (const char* name : {"مدير أول", "مدير ثان"})
        office.db().insert(u"EMPLOYEE"_s, u"EMPID"_s, {{u"NAME"_s, QString::fromUtf8(name)}, {u"FLGMANAGER"_s, 1}});
    office.db().insert(u"EMPLOYEE"_s, u"EMPID"_s, {{u"NAME"_s, u"موظف"_s}, {u"FLGMANAGER"_s, 0}});
    office.db().insert(u"_SCREENCOMBOBOX"_s, u"SCREENCOMBOBOXID"_s,
                       {{u"WINDOWNAME"_s, u"frmGridProbe"_s}, {u"COLUMNNAME"_s, u"cmbMANAGERID"_s},
                        {u"COMBOBOXVALUE"_s, u"fixed"_s}, {u"DISPLAYORDER"_s, 1}, {u"ONOFF"_s, 1}});
    QWidget screen;
    screen.setObjectName(u"frmGridProbe"_s);
    auto* box = new GridCombo(&screen);
    box->setObjectName(u"cmbMANAGERID"_s);
    box->setValue(u"40"_s);
    cWindow& engine = office.state().service<cWindow>();
    engine.FillGridCombo(&screen, u"cmbmanagerid"_s,
                         u"select NAME as [الاسم] , EMPID as [ID:] from EMPLOYEE where FLGMANAGER = 1 order by EMPID"_s, 0, 1);
    engine.FillComboBoxes(&screen);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    EXPECT_EQ(shown, (QStringList{u"مدير أول"_s, u"مدير ثان"_s}));
    EXPECT_EQ(box->model()->headerData(0, Qt::Horizontal).toString(), u"الاسم"_s);
    EXPECT_EQ(ControlAccess::value(box), u"40"_s);
    EXPECT_EQ(box->currentText(), QString());
    box->setCurrentIndex(1);
    emit box->activated(1);
    EXPECT_EQ(ControlAccess::value(box), u"2"_s);
    EXPECT_THROW(engine.FillGridCombo(&screen, u"cmbNOSUCH"_s, u"select 1"_s, 0, 0), AppError);
}

TEST(ComboBoxOnChange, TypeAheadCompletesFromTheList)
{
    // typed: key by key; a final \b selects all and deletes.
    const struct { const char* what; QString typed; QString text; QString selected; int cursor; } cases[] = {
        {"a prefix completes with the rest selected", u"bl"_s, u"Blue"_s, u"ue"_s, 4},
        {"typing on replaces the selection", u"bla"_s, u"Black"_s, u"ck"_s, 5},
        {"the full text takes the list's case", u"blue"_s, u"Blue"_s, {}, 4},
        {"deleting the whole text leaves the box empty", u"blue\b"_s, QString(), {}, 0},
    };
    TestOffice office;
    cWindow& window = office.state().service<cWindow>();
    for (const auto& c : cases) {
        QWidget screen;
        QComboBox* box = addBox(&screen, "dfcCOLOR");
        box->clear();
        box->addItems({u"Red"_s, u"Blue"_s, u"Black"_s});
        box->setEditText(QString());
        QObject::connect(box, &QComboBox::editTextChanged, [&] { window.ComboBoxOnChange(box); });
        if (c.typed.endsWith(u'\b')) {
            QTest::keyClicks(box->lineEdit(), c.typed.chopped(1));
            box->lineEdit()->selectAll();
            QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        } else {
            QTest::keyClicks(box->lineEdit(), c.typed);
        }
        EXPECT_EQ(box->currentText(), c.text) << c.what;
        EXPECT_EQ(box->lineEdit()->selectedText(), c.selected) << c.what;
        EXPECT_EQ(box->lineEdit()->cursorPosition(), c.cursor) << c.what;
    }
}
