#include "engine/EngineSetup.h"

#include "core/RunState.h"
#include "engine/DateEdit.h"
#include "engine/ListExportKey.h"
#include "engine/NumberEdit.h"
#include "engine/NumberRange.h"
#include "engine/ScreenFocus.h"
#include "engine/StoredValue.h"
#include "engine/WesternDigits.h"
#include "engine/cWindow.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

namespace {

// Dates and times read left to right in every language; mirrored, 07/12/2026
// would show as 2026/12/07. They take the digits of an Arabic keyboard too.
void setUpDateFields(QWidget* screen)
{
    for (QDateTimeEdit* edit : screen->findChildren<QDateTimeEdit*>()) {
        if (edit->property("ijarDateFieldSetUp").toBool())
            continue;
        edit->setProperty("ijarDateFieldSetUp", true);
        // Under right to left the field reversed its sections when it took its
        // format; the format as written, asked for first, is set again.
        const QString format = edit->displayFormat();
        edit->setLayoutDirection(Qt::LeftToRight);
        edit->setDisplayFormat(format);
        edit->installEventFilter(new WesternDigitKeys(edit));
    }
}

// A multi-line field follows the interface's direction, so Arabic paragraphs
// start at the right.
void setUpTextFields(QWidget* screen)
{
    for (QPlainTextEdit* edit : screen->findChildren<QPlainTextEdit*>()) {
        QTextOption option = edit->document()->defaultTextOption();
        option.setTextDirection(QApplication::layoutDirection());
        edit->document()->setDefaultTextOption(option);
    }
}

// A number field takes as it is typed only what its column keeps.
void setUpNumberFields(cWindow& window, QWidget* screen)
{
    const ControlAccess::Index controls(screen);
    const ScreenDefinition definition = window.definitionOf(screen);
    for (const ScreenDefinition::Table& table : definition.tables())
        for (const ScreenDefinition::Field& field : table.fields)
            if (auto* edit = qobject_cast<NumberEdit*>(controls.find(field.control));
                edit && field.type == StoredValue::Number)
                edit->setRange(NumberRange::of(table.name, field.column));
}

}

void showCurrencySuffix(const RunState& state, QWidget* root)
{
    for (NumberEdit* edit : root->findChildren<NumberEdit*>())
        edit->setCurrencySuffix(state.config.CURRENCYSUFFIX);
}

void showHijriDates(const RunState& state, QWidget* root)
{
    for (DateEdit* edit : root->findChildren<DateEdit*>())
        edit->setHijriShown(state.config.HIJRIDATES);
}

void installEngine(RunState& state)
{
    // Before the combo boxes, whose database errors end the set-up.
    state.screenSetupSteps.push_back(ScreenFocus::turnPagesByKeyboard);
    state.screenSetupSteps.push_back(setUpDateFields);
    state.screenSetupSteps.push_back(setUpTextFields);
    state.screenSetupSteps.push_back([&state](QWidget* w) { showCurrencySuffix(state, w); });
    state.screenSetupSteps.push_back([&state](QWidget* w) { showHijriDates(state, w); });
    state.screenSetupSteps.push_back([&state](QWidget* w) { setUpNumberFields(state.service<cWindow>(), w); });
    state.screenSetupSteps.push_back([&state](QWidget* w) { ListExportKey::attach(state, w); });
    state.screenSetupSteps.push_back([&state](QWidget* w) { state.service<cWindow>().FillComboBoxes(w); });
}
