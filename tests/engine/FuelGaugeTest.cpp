// The fuel gauge as the clerk works it: keys and digits to the control with
// the cursor, a click on a cell, in both directions of the screen; and the
// number the record binding reads and writes, and what a screen reader hears.
#include "core/AppError.h"
#include "engine/ControlAccess.h"
#include "engine/FuelGauge.h"
#include "support/Clerk.h"

#include <QAccessible>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct KeyRow {
    const char* name;
    Qt::LayoutDirection direction;
    int start;
    std::vector<int> keys;  // Qt::Key values; digits as their keys
    int expected;
};

void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }

class GaugeKeys : public testing::TestWithParam<KeyRow> {};

TEST_P(GaugeKeys, TheFocusedGaugeTakesTheKey)
{
    const KeyRow& r = GetParam();
    QWidget screen;
    screen.setLayoutDirection(r.direction);
    auto* gauge = new FuelGauge(&screen);
    gauge->setObjectName(QStringLiteral("fuel"));
    auto* layout = new QVBoxLayout(&screen);
    layout->addWidget(gauge);
    gauge->setValue(r.start);
    ASSERT_TRUE(Clerk::showActive(&screen));
    gauge->setFocus();
    ASSERT_EQ(Clerk::focused(), "fuel");
    for (const int key : r.keys) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            Clerk::type(QString(QChar(key)));
        else
            Clerk::press(Qt::Key(key));
    }
    EXPECT_EQ(gauge->value(), r.expected);
    EXPECT_EQ(gauge->valueText(), QStringLiteral("%1/8").arg(r.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GaugeKeys,
    testing::Values(KeyRow{"UpFillsAnEighth", Qt::LeftToRight, 3, {Qt::Key_Up}, 4},
                    KeyRow{"DownEmptiesAnEighth", Qt::RightToLeft, 3, {Qt::Key_Down, Qt::Key_Down}, 1},
                    KeyRow{"RightFillsLeftToRight", Qt::LeftToRight, 3, {Qt::Key_Right}, 4},
                    KeyRow{"RightEmptiesRightToLeft", Qt::RightToLeft, 3, {Qt::Key_Right}, 2},
                    KeyRow{"LeftFillsRightToLeft", Qt::RightToLeft, 3, {Qt::Key_Left, Qt::Key_Left}, 5},
                    KeyRow{"NeverAboveFull", Qt::LeftToRight, 7, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}, 8},
                    KeyRow{"NeverBelowEmpty", Qt::RightToLeft, 1, {Qt::Key_Down, Qt::Key_Down}, 0},
                    KeyRow{"ADigitSetsIt", Qt::RightToLeft, 2, {Qt::Key_6}, 6},
                    KeyRow{"EightIsFull", Qt::LeftToRight, 0, {Qt::Key_8}, 8},
                    KeyRow{"NineIsRefused", Qt::LeftToRight, 5, {Qt::Key_9}, 5},
                    KeyRow{"ZeroEmpties", Qt::LeftToRight, 5, {Qt::Key_0}, 0},
                    KeyRow{"EndFills", Qt::RightToLeft, 2, {Qt::Key_End}, 8}),
    testing::PrintToStringParamName());

struct ClickRow {
    const char* name;
    Qt::LayoutDirection direction;
    double across;  // where on the gauge, 0 its left edge, 1 its right
    int expected;
};

void PrintTo(const ClickRow& row, std::ostream* out) { *out << row.name; }

class GaugeClicks : public testing::TestWithParam<ClickRow> {};

TEST_P(GaugeClicks, AClickTakesTheCellUnderTheMouse)
{
    const ClickRow& r = GetParam();
    FuelGauge gauge;
    gauge.setLayoutDirection(r.direction);
    gauge.resize(260, 40);
    gauge.setValue(4);
    ASSERT_TRUE(Clerk::showActive(&gauge));
    QTest::mouseClick(&gauge, Qt::LeftButton, {}, QPoint(int(r.across * gauge.width()), 10));
    EXPECT_EQ(gauge.value(), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, GaugeClicks,
                         testing::Values(ClickRow{"RightEndIsFullLeftToRight", Qt::LeftToRight, 0.88, 8},
                                         ClickRow{"RightEndIsLowRightToLeft", Qt::RightToLeft, 0.88, 1},
                                         ClickRow{"LeftEndIsFullRightToLeft", Qt::RightToLeft, 0.12, 8},
                                         ClickRow{"PastTheFirstCellIsEmpty", Qt::LeftToRight, 0.02, 0},
                                         ClickRow{"ThirdCellLeftToRight", Qt::LeftToRight, 0.35, 3}),
                         testing::PrintToStringParamName());

struct BindingRow {
    const char* name;
    const char* stored;
    int shown;
    bool refused;
};

void PrintTo(const BindingRow& row, std::ostream* out) { *out << row.name; }

class GaugeBinding : public testing::TestWithParam<BindingRow> {};

TEST_P(GaugeBinding, TheRecordReadsAndWritesEighths)
{
    const BindingRow& r = GetParam();
    FuelGauge gauge;
    gauge.setValue(3);
    if (r.refused) {
        EXPECT_THROW(ControlAccess::setValue(&gauge, QString::fromUtf8(r.stored)), AppError);
        EXPECT_EQ(gauge.value(), 3);
        return;
    }
    ControlAccess::setValue(&gauge, QString::fromUtf8(r.stored));
    EXPECT_EQ(gauge.value(), r.shown);
    EXPECT_EQ(ControlAccess::defaultValue(&gauge), QVariant(r.shown));
    EXPECT_EQ(ControlAccess::value(&gauge), QString::number(r.shown));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&gauge);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Value), QStringLiteral("%1/8").arg(r.shown));
}

INSTANTIATE_TEST_SUITE_P(Rows, GaugeBinding,
                         testing::Values(BindingRow{"Stored", "5", 5, false},
                                         BindingRow{"StoredEmptyIsEmptyTank", "", 0, false},
                                         BindingRow{"AboveFullIsFull", "12", 8, false},
                                         BindingRow{"NotANumber", "half", 0, true},
                                         BindingRow{"NotWhole", "2.5", 0, true}),
                         testing::PrintToStringParamName());

}
