#include "engine/cValidation.h"

#include "engine/BindVariables.h"
#include "engine/ControlAccess.h"
#include "engine/cWindow.h"
#include "engine/dlgValidationError.h"
#include "shell/base/AppError.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/RunState.h"
#include "shell/base/SqlValue.h"
#include "shell/base/TextConvert.h"

#include <QDate>
#include <QList>
#include <QWidget>

namespace {

enum RuleKind { Required = 1, NumberOrder, DateOrder, MustNotExist, SameText, DependentFlag };

struct Failure {
    QString message;
    qint64 ruleId;
};

bool isNumberName(const QString& name)
{
    return name.startsWith(QLatin1String("dfn"), Qt::CaseInsensitive);
}

// The engine shows an empty text column as one blank, so a blank field is empty too.
bool emptyOrZero(const QString& value)
{
    const QString v = value.trimmed();
    return v.isEmpty() || v == QLatin1String("0");
}

// Non-numbers count as 0, as an empty number field does.
double numberOf(const QWidget* control)
{
    return ControlAccess::value(control).trimmed().toDouble();
}

QDate dateOf(const QWidget* control)
{
    const QVariant stored = ControlAccess::defaultValue(control);
    if (stored.typeId() == QMetaType::QDate || stored.typeId() == QMetaType::QDateTime)
        return stored.toDate();
    const QString shown = ControlAccess::value(control).trimmed();
    QDate date = QDate::fromString(shown, QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        date = QDate::fromString(shown, QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        throw AppError(ErrorNumber::NotANumber,
                       QStringLiteral("The field %1 holds no date: \"%2\"").arg(control->objectName(), shown.left(40)),
                       QStringLiteral("cValidation"));
    return date;
}

bool fails(RunState& state, QWidget* screen, int kind, const QString& operand1, const QVariant& operand2)
{
    using namespace ControlAccess;
    const QString name1 = operand1.trimmed();
    const QString name2 = operand2.toString().trimmed();
    switch (kind) {
    case Required: {
        const QWidget* control = require(screen, name1);
        if (isNumberName(name1))
            return emptyOrZero(defaultValue(control).toString());
        // A check box has no Text: its Value says whether it is filled in.
        return emptyOrZero(hasText(control) ? text(control) : value(control));
    }
    case NumberOrder: {
        if (!isNumberName(name1))
            return false;
        const double first = numberOf(require(screen, name1));
        return numberOf(require(screen, name2)) < first;
    }
    case DateOrder: {
        const QDate first = dateOf(require(screen, name1));
        return dateOf(require(screen, name2)).daysTo(first) > 0;
    }
    case MustNotExist: {
        const QString sql = PrepareSQLStatement(state, operand1, NullToText(operand2, false));
        return !state.db().execute(sql).isEmpty();
    }
    case SameText: {
        const QString first = text(require(screen, name1));
        return text(require(screen, name2)) != first;
    }
    case DependentFlag: {
        const double first = numberOf(require(screen, name1));
        return first != 0 && numberOf(require(screen, name2)) == 0;
    }
    default:
        return false;
    }
}

}

bool cValidation::ValidateWindow(QWidget* screen)
{
    m_lastResult = validate(cWindow::activeScreen(screen));
    return m_lastResult;
}

bool cValidation::validate(QWidget* screen)
{
    if (!screen)
        return true;
    QList<Failure> failures;
    const bool checked = guarded(m_state, screen, QStringLiteral("cValidation.ValidateWindow"), [&] {
        const RowSet rules = m_state.db().execute(QStringLiteral("select * from _WINDOWVALIDATION where WINDOWNAME = '")
                                                  + SqlValue::text(screen->objectName())
                                                  + QStringLiteral("' and onoff = 1 order by WINDOWVALIDATIONID"));
        for (int row = 0; row < rules.count(); ++row) {
            if (fails(m_state, screen, rules.value(row, QStringLiteral("VALIDATIONTYPEID")).toInt(),
                      rules.text(row, QStringLiteral("vldtnname1")), rules.value(row, QStringLiteral("vldtnname2"))))
                failures.append({rules.text(row, QStringLiteral("ErrorMessage")),
                                 rules.value(row, QStringLiteral("WINDOWVALIDATIONID")).toLongLong()});
        }
    });
    if (!checked)
        return false;
    if (failures.isEmpty())
        return true;

    dlgValidationError dialog(m_state, screen);
    for (const Failure& failure : failures)
        dialog.addFailure(failure.message, failure.ruleId);
    // Closing the list without either command must not save on an old answer.
    m_continueSave = false;
    m_state.ui().exec(&dialog);
    return m_continueSave;
}

ValidationDetails cValidation::GetValidationDetails(qint64 ruleId)
{
    const RowSet rule = m_state.db().execute(QStringLiteral("select *  FROM _WINDOWVALIDATION WHERE WINDOWVALIDATIONID = ")
                                             + SqlValue::number(ruleId));
    if (rule.isEmpty())
        return {};
    return {rule.text(0, QStringLiteral("FOCUSFIELDNAME")), rule.value(0, QStringLiteral("TABNBR")).toInt()};
}
