#include "core/AppError.h"
#include "core/RowSet.h"
#include "engine/ControlAccess.h"
#include "engine/DateEdit.h"
#include "engine/GridCombo.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimeEdit>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

// A field takes what it can hold and shows it as stored; anything else is refused.
TEST(ControlAccess, TakesWhatAFieldCanHoldAndRefusesTheRest)
{
    const auto date = [] { auto* e = new QDateEdit; e->setDisplayFormat(u"dd/MM/yyyy"_s); return e; };
    const auto fixedList = [] { auto* b = new QComboBox; b->addItems({u"أ"_s, u"ب"_s}); return b; };
    // Names shown, numbers stood for.
    const auto managers = [] {
        auto* b = new GridCombo;
        b->setRows(RowSet({u"NAME"_s, u"EMPID"_s}, {{u"أحمد"_s, 3}, {u"سارة"_s, 12}}), 0, 1);
        return b;
    };
    // shown: null when refused.
    const struct { const char* kind; std::function<QWidget*()> make; const char* put; const char* shown; } cases[] = {
        {"date yyyymmdd", date, "20031231", "31/12/2003"},
        {"date field left empty", [] { return new DateEdit; }, "", ""},
        {"fixed list", fixedList, "ب", "ب"},
        {"fixed list, no such choice", fixedList, "ج", ""},
        {"list from a table, number as stored", managers, "3.0", "3"},
        {"list from a table, a number it no longer offers is kept", managers, "7", "7"},
        {"not a date", date, "not a date", nullptr},
        {"no such day", date, "31/02/2003", nullptr},
        {"no such hour", [] { return new QTimeEdit; }, "25:00:00", nullptr},
        {"a tick", [] { return new QCheckBox; }, "yes", nullptr},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> w(c.make());
        if (!c.shown) {
            EXPECT_THROW(ControlAccess::setValue(w.get(), QString::fromUtf8(c.put)), AppError) << c.kind;
            continue;
        }
        ControlAccess::setDefaultValue(w.get(), QString::fromUtf8(c.put));
        EXPECT_EQ(ControlAccess::text(w.get()), QString::fromUtf8(c.shown)) << c.kind;
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.shown)) << c.kind;
        ControlAccess::setValue(w.get(), QString::fromUtf8(c.put));
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.shown)) << c.kind;
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
