#include "engine/ControlAccess.h"
#include "engine/NumberEdit.h"
#include "shell/base/AppError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

TEST(ControlAccess, FindsByNameWithoutRegardToCaseFirstInChildOrder)
{
    QWidget screen;
    auto* frame = new QGroupBox(&screen);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* inner = new QLineEdit(frame);
    inner->setObjectName(QStringLiteral("txtName"));
    auto* later = new QLineEdit(&screen);
    later->setObjectName(QStringLiteral("TXTNAME"));
    auto* deep = new QLineEdit(new QWidget(frame));
    deep->setObjectName(QStringLiteral("dfsDeep"));

    const struct {
        const char* name;
        QWidget* found;
    } cases[] = {
        {"txtNAME", inner}, {"txtname", inner}, {" txtName ", inner}, {"frame1", frame},
        {"DFSDEEP", deep},  {"nothing", nullptr}, {"", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ControlAccess::find(&screen, QString::fromLatin1(c.name)), c.found) << c.name;

    EXPECT_EQ(ControlAccess::find(nullptr, QStringLiteral("txtName")), nullptr);
    EXPECT_EQ(ControlAccess::require(&screen, QStringLiteral("dfsdeep")), deep);
    screen.setObjectName(QStringLiteral("frmTest"));
    try {
        ControlAccess::require(&screen, QStringLiteral("dfsMissing"));
        ADD_FAILURE() << "a missing control was found";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("frmTest")));
        EXPECT_TRUE(e.description().contains(QStringLiteral("dfsMissing")));
    }
}

TEST(ControlAccess, FacesOfEveryKind)
{
    using Make = std::function<QWidget*()>;
    const auto dateEdit = [] {
        auto* e = new QDateEdit;
        e->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        return e;
    };
    const auto timeEdit = [] {
        auto* e = new QTimeEdit;
        e->setDisplayFormat(QStringLiteral("hh:mm:ss"));
        return e;
    };
    const auto fixedList = [] {
        auto* b = new QComboBox;
        b->addItems({QStringLiteral("أ"), QStringLiteral("ب")});
        return b;
    };
    const auto freeList = [] {
        auto* b = new QComboBox;
        b->setEditable(true);
        return b;
    };
    const struct {
        const char* kind;
        Make make;
        const char* put;         // through setDefaultValue
        QVariant defaultValue;   // null: the kind has none
        bool hasText;
        const char* text;
        const char* value;
    } cases[] = {
        {"line edit", [] { return new QLineEdit; }, "a,,b", QStringLiteral("a,,b"), true, "a,,b", "a,,b"},
        {"number edit", [] { return new NumberEdit; }, "12", QStringLiteral("12"), true, "12", "12"},
        {"plain text", [] { return new QPlainTextEdit; }, "x\ny", QStringLiteral("x\ny"), true, "x\ny", "x\ny"},
        {"date", dateEdit, "05/01/2003", QDate(2003, 1, 5), true, "05/01/2003", "05/01/2003"},
        {"date yyyymmdd", dateEdit, "20031231", QDate(2003, 12, 31), true, "31/12/2003", "31/12/2003"},
        {"date far", dateEdit, "31/12/9999", QDate(9999, 12, 31), true, "31/12/9999", "31/12/9999"},
        {"time", timeEdit, "14:30:05", QTime(14, 30, 5), true, "14:30:05", "14:30:05"},
        {"time short", timeEdit, "00:00", QTime(0, 0), true, "00:00:00", "00:00:00"},
        {"time stored", timeEdit, "093000", QTime(9, 30), true, "09:30:00", "09:30:00"},
        {"check on", [] { return new QCheckBox; }, "1", 1, false, "", "1"},
        {"check true", [] { return new QCheckBox; }, "-1", 1, false, "", "1"},
        {"check off", [] { return new QCheckBox; }, "0", 0, false, "", "0"},
        {"fixed list", fixedList, "ب", QStringLiteral("ب"), true, "ب", "ب"},
        {"fixed list, no such choice", fixedList, "ج", QString(), true, "", ""},
        {"free list", freeList, "ج", QStringLiteral("ج"), true, "ج", "ج"},
        {"label", [] { return new QLabel(QStringLiteral("0")); }, "x", QVariant(), false, "", ""},
        {"tab set", [] { return new QTabWidget; }, "x", QVariant(), false, "", ""},
        {"button", [] { return new QPushButton(QStringLiteral("0")); }, "x", QVariant(), false, "", ""},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> w(c.make());
        ControlAccess::setDefaultValue(w.get(), QString::fromUtf8(c.put));
        EXPECT_EQ(ControlAccess::defaultValue(w.get()), c.defaultValue) << c.kind;
        EXPECT_EQ(ControlAccess::defaultValue(w.get()).isNull(), c.defaultValue.isNull()) << c.kind;
        EXPECT_EQ(ControlAccess::hasText(w.get()), c.hasText) << c.kind;
        EXPECT_EQ(ControlAccess::text(w.get()), QString::fromUtf8(c.text)) << c.kind;
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.value)) << c.kind;

        // Value and Text faces give back what they are given.
        if (ControlAccess::hasText(w.get()) && !QString::fromUtf8(c.text).isEmpty()) {
            ControlAccess::setText(w.get(), QString::fromUtf8(c.text));
            EXPECT_EQ(ControlAccess::text(w.get()), QString::fromUtf8(c.text)) << c.kind;
        }
        ControlAccess::setValue(w.get(), QString::fromUtf8(c.value).isEmpty() ? QString::fromUtf8(c.put) : QString::fromUtf8(c.value));
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.value)) << c.kind;
    }
}

TEST(ControlAccess, RefusesWhatAFieldCannotHold)
{
    const struct {
        const char* kind;
        std::function<QWidget*()> make;
        const char* put;
    } cases[] = {
        {"date", [] { return new QDateEdit; }, "not a date"},
        {"date", [] { return new QDateEdit; }, "31/02/2003"},
        {"time", [] { return new QTimeEdit; }, "25:00:00"},
        {"check", [] { return new QCheckBox; }, "yes"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> w(c.make());
        w->setObjectName(QStringLiteral("dfxField"));
        EXPECT_THROW(ControlAccess::setValue(w.get(), QString::fromLatin1(c.put)), AppError) << c.kind << " " << c.put;
    }
}

TEST(ControlAccess, EmptyTimeShowsMidnight)
{
    QTimeEdit edit(QTime(10, 0));
    for (const char* empty : {"", "::", " "}) {
        edit.setTime(QTime(10, 0));
        ControlAccess::setValue(&edit, QString::fromLatin1(empty));
        EXPECT_EQ(edit.time(), QTime(0, 0)) << '"' << empty << '"';
    }
}
