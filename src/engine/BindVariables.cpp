#include "engine/BindVariables.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/ControlAccess.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QTime>
#include <QWidget>

namespace {

const QString Source = QStringLiteral("PrepareSQLStatement");

struct Binding {
    QString reference;  // screen.field, for messages
    QString value;
};

[[noreturn]] void refuse(int number, const QString& description)
{
    throw AppError(number, description, Source);
}

// Dates and times go in as they are stored (yyyymmdd, hhmm00), so that stored
// queries can compare them with the columns.
QString fieldValue(const QWidget* control)
{
    const QVariant value = ControlAccess::defaultValue(control);
    switch (value.typeId()) {
    case QMetaType::QDate:
        return StoredDate::text(value.toDate());
    case QMetaType::QDateTime:
        return StoredDate::text(value.toDateTime().date());
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hhmm00"));
    default:
        return value.toString();
    }
}

// The entries :1screen.field,:2screen.field... in the order the list gives them;
// numbering stops at the first number the list lacks.
QHash<QChar, Binding> readBindings(RunState& state, const QString& list)
{
    QHash<QChar, Binding> bindings;
    qsizetype start = 0;
    for (int n = 1; n <= 9; ++n) {
        const QChar digit = QChar(u'0' + n);
        const qsizetype p = list.indexOf(QLatin1Char(':') + digit, start);
        if (p < 0)
            break;
        qsizetype end = list.indexOf(QLatin1Char(','), p);
        if (end < 0)
            end = list.size();
        const qsizetype dot = list.indexOf(QLatin1Char('.'), p);
        if (dot < 0 || dot > end)
            refuse(ErrorNumber::RefusedStatement,
                   QStringLiteral("The bind variable \"%1\" names no screen.field").arg(list.mid(p, end - p)));
        const QString screenName = list.mid(p + 2, dot - p - 2).trimmed();
        const QString fieldName = list.mid(dot + 1, end - dot - 1).trimmed();
        const QWidget* screen = state.screens().find(screenName);
        if (!screen)
            refuse(ErrorNumber::UnknownScreen,
                   QStringLiteral("The bind variable :%1 needs the screen %2, which is not open").arg(digit).arg(screenName));
        const QWidget* field = ControlAccess::require(screen, fieldName);
        bindings.insert(digit, {screenName + QLatin1Char('.') + fieldName, fieldValue(field)});
        start = p;
    }
    return bindings;
}

// A value inside a quoted literal is escaped for it; anywhere else it must be a
// number, so that a typed value can never add to the statement.
QString rendered(const Binding& binding, QChar literal)
{
    if (literal == u'\'')
        return SqlValue::text(binding.value);
    if (literal == u'"')
        refuse(ErrorNumber::RefusedStatement,
               QStringLiteral("The value of %1 lands in a double-quoted text; write it between single quotes")
                   .arg(binding.reference));
    // An empty key is a record not yet saved or opened: the operator's step, not the statement's fault.
    if (binding.value.trimmed().isEmpty())
        refuse(ErrorNumber::RefusedStatement,
               QCoreApplication::translate("PrepareSQLStatement",
                                           "%1 is empty: open a record, or save the new one, first.")
                   .arg(binding.reference));
    if (!SqlValue::isNumber(binding.value))
        refuse(ErrorNumber::RefusedStatement,
               QStringLiteral("The value of %1 stands outside quotes in the statement and must be a number, not \"%2\"")
                   .arg(binding.reference, binding.value.left(40)));
    return SqlValue::number(binding.value, binding.reference);
}

bool isPlaceholder(const QString& sql, qsizetype i)
{
    return sql[i] == u':' && i + 2 < sql.size() && sql[i + 1] >= u'1' && sql[i + 1] <= u'9' && sql[i + 2] == u' ';
}

}

QString PrepareSQLStatement(RunState& state, const QString& sql, const QString& bindVariables)
{
    if (bindVariables == QLatin1String("0"))
        return sql;
    const QHash<QChar, Binding> bindings = readBindings(state, bindVariables);

    // One pass over the statement, knowing at every placeholder whether it sits
    // in a '...' or "..." literal, a [name] or `name`, or the statement itself.
    // Values are never scanned again, so a value holding ":2 " stays as typed.
    QString out;
    out.reserve(sql.size());
    QChar closing;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (isPlaceholder(sql, i) && bindings.contains(sql[i + 1])) {
            const bool inLiteral = closing == u'\'' || closing == u'"';
            out += rendered(bindings.value(sql[i + 1]), inLiteral ? closing : QChar());
            i += 2;
            continue;
        }
        out += c;
        if (closing.isNull()) {
            if (c == u'\'' || c == u'"' || c == u'`')
                closing = c;
            else if (c == u'[')
                closing = u']';
        } else if (c == closing) {
            const bool doubled = (c == u'\'' || c == u'"') && i + 1 < sql.size() && sql[i + 1] == c;
            if (doubled)
                out += sql[++i];
            else
                closing = QChar();
        }
    }
    return out;
}
