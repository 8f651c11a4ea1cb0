#include "engine/cValidation.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "core/TextConvert.h"
#include "engine/BindVariables.h"
#include "engine/ControlAccess.h"
#include "engine/NumberRange.h"
#include "engine/StoredValue.h"
#include "engine/cWindow.h"
#include "engine/dlgValidationError.h"

#include <QDate>
#include <QLabel>
#include <QList>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace {

enum RuleKind { Required = 1, NumberOrder, DateOrder, MustNotExist, SameText, DependentFlag };

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
        date = StoredDate::parse(shown);
    if (!date.isValid())
        throw AppError(ErrorNumber::NotANumber,
                       QStringLiteral("The field %1 holds no date: \"%2\"").arg(control->objectName(), shown.left(40)),
                       QStringLiteral("cValidation"));
    return date;
}

// A rule that compares a number it was given with 0 ("select 1 as x where
// cast('20.00' as real) <= 0") is answered here, as either engine would: a
// plain decimal of modest length reads the same in both. Anything else goes
// to the engine.
std::optional<bool> constantRowFound(const QString& sql)
{
    static const QRegularExpression rule(
        QStringLiteral(R"(^\s*select\s+1\s+as\s+\w+\s+where\s+cast\s*\(\s*'\s*([+-]?(?:\d+\.?\d*|\.\d+))\s*'\s+as\s+real\s*\)\s*(<=|>=|<>|<|>|=)\s*0\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = rule.match(sql);
    if (!m.hasMatch() || m.capturedLength(1) > 30)
        return std::nullopt;
    const double v = m.captured(1).toDouble();
    const QString op = m.captured(2);
    if (op == QLatin1String("<="))
        return v <= 0;
    if (op == QLatin1String(">="))
        return v >= 0;
    if (op == QLatin1String("<>"))
        return v != 0;
    if (op == QLatin1String("<"))
        return v < 0;
    if (op == QLatin1String(">"))
        return v > 0;
    return v == 0;
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
        if (const std::optional<bool> found = constantRowFound(sql))
            return *found;
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

// What the operator reads beside a field: its label, else its name.
QString captionOf(const QWidget* screen, const QWidget* control)
{
    for (const QLabel* label : screen->findChildren<QLabel*>()) {
        if (label->buddy() != control)
            continue;
        QString caption = label->text().remove(QLatin1Char('&')).trimmed();
        if (caption.endsWith(QLatin1Char(':')))
            caption.chop(1);
        if (!caption.isEmpty())
            return caption.trimmed();
    }
    return control->objectName();
}

int tabOf(const QWidget* screen, const QWidget* control)
{
    if (const auto* tabs = qobject_cast<const QTabWidget*>(ControlAccess::find(screen, QStringLiteral("SSTAB1"))))
        for (int page = 0; page < tabs->count(); ++page)
            if (tabs->widget(page)->isAncestorOf(control))
                return page;
    return 0;
}

// True when the screen's key field is there and empty.
bool showsNoRecord(const QWidget* screen, const ScreenDefinition& definition)
{
    const ScreenDefinition::Field* identifier = definition.identifier();
    const QWidget* id = identifier ? ControlAccess::find(screen, identifier->control) : nullptr;
    return id && ControlAccess::text(id).trimmed().isEmpty();
}

}

QList<ValidationFailure> cValidation::fieldFailures(QWidget* screen, const ScreenDefinition& definition)
{
    QList<ValidationFailure> failures;
    const ControlAccess::Index controls(screen);
    for (const ScreenDefinition::Table& table : definition.tables()) {
        for (const ScreenDefinition::Field& field : table.fields) {
            QWidget* control = field.identifier ? nullptr : controls.find(field.controlKey);
            const QVariant value = control ? ControlAccess::defaultValue(control) : QVariant();
            if (value.isNull())
                continue;
            // The label is looked for only for a field that fails: a search of the whole screen.
            const auto caption = [screen, control] { return captionOf(screen, control); };
            QString message;
            if (field.type == StoredValue::Number) {
                const QString number = NullToText(value, false).trimmed();
                const NumberRange range = NumberRange::of(table.name, field.columnKey);
                if (!SqlValue::isNumber(number))
                    message = tr("%1 holds no number: \"%2\".").arg(caption(), number.left(40));
                else if (!range.admits(number))
                    message = tr("%1 takes %2, not %3.").arg(caption(), range.describe(), number.left(40));
            } else if (field.type == StoredValue::Text || field.type == StoredValue::ListText) {
                const QString text = field.type == StoredValue::Text
                    ? value.toString()
                    : ControlAccess::text(control);
                if (!StoredValue::storable(text))
                    message = tr("%1 holds a character that cannot be stored (such as a null character): remove it.")
                                  .arg(caption());
            }
            if (!message.isEmpty())
                failures.append({message, 0, true, {control->objectName(), tabOf(screen, control)}});
        }
    }
    return failures;
}

bool cValidation::ValidateWindow(QWidget* screen)
{
    return validate(cWindow::activeScreen(screen));
}

bool cValidation::validate(QWidget* screen)
{
    if (!screen)
        return true;
    const ControlAccess::Index::Keep names(screen);
    QList<ValidationFailure> failures;
    bool noRecord = false;
    const bool checked = guarded(m_state, screen, QStringLiteral("cValidation.ValidateWindow"), [&] {
        const auto [definition, rules] = m_state.service<cWindow>().definitionAndRules(
            screen, QStringLiteral("select * from _WINDOWVALIDATION where WINDOWNAME = '")
                        + SqlValue::text(screen->objectName())
                        + QStringLiteral("' and onoff = 1 order by WINDOWVALIDATIONID"));
        noRecord = showsNoRecord(screen, definition);
        if (noRecord)
            return;
        failures = fieldFailures(screen, definition);
        for (int row = 0; row < rules.count(); ++row) {
            if (fails(m_state, screen, rules.value(row, QStringLiteral("VALIDATIONTYPEID")).toInt(),
                      rules.text(row, QStringLiteral("vldtnname1")), rules.value(row, QStringLiteral("vldtnname2"))))
                failures.append({rules.text(row, QStringLiteral("ErrorMessage")),
                                 rules.value(row, QStringLiteral("WINDOWVALIDATIONID")).toLongLong(),
                                 rules.value(row, QStringLiteral("ENFORCED")).toInt() == 1,
                                 {}});
        }
    });
    if (!checked)
        return false;
    if (noRecord) {
        m_state.ui().message(screen, tr("There is no record on this screen to save. Open one (F9) or make a new one "
                                        "(F8) first."));
        return false;
    }
    if (failures.isEmpty())
        return true;

    dlgValidationError dialog(m_state, screen);
    for (const ValidationFailure& failure : failures)
        dialog.addFailure(failure);
    // Closing the list without either command must not save on an old answer.
    m_continueSave = false;
    m_state.ui().exec(&dialog);
    const bool enforced =
        std::any_of(failures.cbegin(), failures.cend(), [](const ValidationFailure& f) { return f.enforced; });
    return m_continueSave && !enforced;
}

ValidationDetails cValidation::GetValidationDetails(qint64 ruleId)
{
    const RowSet rule = m_state.db().execute(QStringLiteral("select *  FROM _WINDOWVALIDATION WHERE WINDOWVALIDATIONID = ")
                                             + SqlValue::number(ruleId));
    if (rule.isEmpty())
        return {};
    return {rule.text(0, QStringLiteral("FOCUSFIELDNAME")), rule.value(0, QStringLiteral("TABNBR")).toInt()};
}
