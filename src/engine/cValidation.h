#pragma once

#include <QString>

class QWidget;
class RunState;

// Where the operator goes to mend one failed rule.
struct ValidationDetails {
    QString focusFieldName;
    int tabNbr = 0;
};

// Checks a screen against its rules in _WINDOWVALIDATION before a save.
class cValidation {
public:
    explicit cValidation(RunState& state) : m_state(state) {}

    // True: go on and save (no failure, or the operator chose to save anyway).
    bool ValidateWindow(QWidget* screen = nullptr);
    // The focus field and tab page of one rule.
    ValidationDetails GetValidationDetails(qint64 ruleId);

    void setContinueSave(bool value) { m_continueSave = value; }
    bool continueSave() const { return m_continueSave; }
    bool lastResult() const { return m_lastResult; }

private:
    bool validate(QWidget* screen);

    RunState& m_state;
    bool m_continueSave = false;
    bool m_lastResult = false;
};
