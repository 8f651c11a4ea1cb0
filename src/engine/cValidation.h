#pragma once

#include "engine/ScreenDefinition.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QWidget;
class RunState;

// Where the operator goes to mend one failed rule.
struct ValidationDetails {
    QString focusFieldName;
    int tabNbr = 0;
};

// One failure listed to the operator. The rules the program ships
// (ENFORCED 1) and the fields' own checks guard the data: no "Save anyway"
// passes over them; an office's own rules may be passed over.
struct ValidationFailure {
    QString message;
    qint64 ruleId = 0;           // 0: a field's own check, whose details follow
    bool enforced = false;
    ValidationDetails details;
};

// Checks a screen before a save: that it shows a record, that every bound
// field holds what its column keeps, then its rules in _WINDOWVALIDATION.
class cValidation {
    Q_DECLARE_TR_FUNCTIONS(cValidation)

public:
    explicit cValidation(RunState& state) : m_state(state) {}

    // True: go on and save (no failure, or the operator chose to save anyway).
    bool ValidateWindow(QWidget* screen = nullptr);
    // The focus field and tab page of one rule.
    ValidationDetails GetValidationDetails(qint64 ruleId);

    void setContinueSave(bool value) { m_continueSave = value; }
    bool continueSave() const { return m_continueSave; }

private:
    bool validate(QWidget* screen);
    QList<ValidationFailure> fieldFailures(QWidget* screen, const ScreenDefinition& definition);

    RunState& m_state;
    bool m_continueSave = false;
};
