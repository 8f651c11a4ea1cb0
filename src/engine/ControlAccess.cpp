#include "engine/ControlAccess.h"

#include "core/KeyRoutines.h"

#include "core/AppError.h"
#include "engine/DateEdit.h"
#include "engine/GridCombo.h"
#include "engine/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");
const QString TimeFormat = QStringLiteral("hh:mm:ss");
const QString Source = QStringLiteral("ControlAccess");

[[noreturn]] void badValue(const QWidget* control, const QString& text, const char* kind)
{
    throw AppError(ErrorNumber::NotANumber,
                   QStringLiteral("\"%1\" is not a %2 for %3").arg(text, QLatin1String(kind), control->objectName()),
                   Source);
}

QDate parseDate(const QWidget* control, const QString& text)
{
    const QString t = text.trimmed();
    for (const QString& format : {DateFormat, QStringLiteral("d/M/yyyy"), QStringLiteral("yyyyMMdd"),
                                  QStringLiteral("yyyy-MM-dd")}) {
        const QDate d = QDate::fromString(t, format);
        if (d.isValid())
            return d;
    }
    badValue(control, text, "date");
}

QTime parseTime(const QWidget* control, const QString& text)
{
    const QString t = text.trimmed();
    // A time stored empty shows as midnight.
    if (QString(t).remove(QLatin1Char(':')).trimmed().isEmpty())
        return QTime(0, 0);
    for (const QString& format : {TimeFormat, QStringLiteral("h:mm:ss"), QStringLiteral("hh:mm"),
                                  QStringLiteral("h:mm"), QStringLiteral("hhmmss")}) {
        const QTime time = QTime::fromString(t, format);
        if (time.isValid())
            return time;
    }
    badValue(control, text, "time");
}

bool parseFlag(const QWidget* control, const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok)
        badValue(control, text, "number");
    return v != 0;
}

// A fixed list shows nothing when the text is none of its choices.
void setComboText(QComboBox* box, const QString& text)
{
    if (box->isEditable()) {
        box->setCurrentText(text);
        return;
    }
    box->setCurrentIndex(box->findText(text));
}

// An empty text empties a field that may be empty; others refuse it.
void setDate(QDateEdit* edit, const QString& text)
{
    auto* date = qobject_cast<DateEdit*>(edit);
    if (date && text.trimmed().isEmpty())
        date->clear();
    else
        edit->setDate(parseDate(edit, text));
}

bool isEmptyDate(const QWidget* control)
{
    const auto* date = qobject_cast<const DateEdit*>(control);
    return date && date->isEmpty();
}

void setLineText(QLineEdit* edit, const QString& text)
{
    // A stored text longer than the field's limit is shown whole, never cut.
    if (text.size() > edit->maxLength())
        edit->setMaxLength(int(text.size()));
    if (auto* number = qobject_cast<NumberEdit*>(edit))
        number->setText(text);
    else
        edit->setText(text);
}

}

namespace ControlAccess {

QWidget* find(const QWidget* screen, const QString& name)
{
    if (!screen || name.trimmed().isEmpty())
        return nullptr;
    return KeyRoutines::control(screen, name.trimmed());
}

QWidget* require(const QWidget* screen, const QString& name)
{
    if (QWidget* w = find(screen, name))
        return w;
    throw AppError(ErrorNumber::UnknownColumn,
                   QStringLiteral("The screen %1 has no control named \"%2\"")
                       .arg(screen ? screen->objectName() : QStringLiteral("(none)"), name),
                   Source);
}

Index::Index(const QWidget* screen) : m_screen(screen)
{
    if (!screen)
        return;
    // The first in child order wins: the last written stays.
    const QList<QWidget*> children = screen->findChildren<QWidget*>();
    m_byName.reserve(children.size());
    const QWidget* window = screen->window();
    for (qsizetype i = children.size() - 1; i >= 0; --i)
        if (children[i]->window() == window)
            m_byName.insert(children[i]->objectName().toCaseFolded(), children[i]);
}

QWidget* Index::find(const QString& name) const
{
    return m_byName.value(name.toCaseFolded());
}

QWidget* Index::require(const QString& name) const
{
    if (QWidget* w = find(name))
        return w;
    return ControlAccess::require(m_screen, name);
}

QVariant defaultValue(const QWidget* control)
{
    // A list from a table stands for its value column on every face.
    if (auto* e = qobject_cast<const GridCombo*>(control))
        return e->value();
    if (auto* e = qobject_cast<const QLineEdit*>(control))
        return e->text();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(control))
        return e->toPlainText();
    if (auto* e = qobject_cast<const QDateEdit*>(control))
        return isEmptyDate(e) ? QDate() : e->date();
    if (auto* e = qobject_cast<const QTimeEdit*>(control))
        return e->time();
    if (auto* e = qobject_cast<const QCheckBox*>(control))
        return e->isChecked() ? 1 : 0;
    if (auto* e = qobject_cast<const QComboBox*>(control))
        return e->currentText();
    return {};
}

void setDefaultValue(QWidget* control, const QString& text)
{
    if (auto* e = qobject_cast<GridCombo*>(control))
        e->setValue(text);
    else if (auto* e = qobject_cast<QLineEdit*>(control))
        setLineText(e, text);
    else if (auto* e = qobject_cast<QPlainTextEdit*>(control))
        e->setPlainText(text);
    else if (auto* e = qobject_cast<QDateEdit*>(control))
        setDate(e, text);
    else if (auto* e = qobject_cast<QTimeEdit*>(control))
        e->setTime(parseTime(control, text));
    else if (auto* e = qobject_cast<QCheckBox*>(control))
        e->setChecked(parseFlag(control, text));
    else if (auto* e = qobject_cast<QComboBox*>(control))
        setComboText(e, text);
}

bool hasText(const QWidget* control)
{
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control)
        || qobject_cast<const QComboBox*>(control) || qobject_cast<const QDateTimeEdit*>(control);
}

QString text(const QWidget* control)
{
    if (auto* e = qobject_cast<const GridCombo*>(control))
        return e->value();
    if (auto* e = qobject_cast<const QLineEdit*>(control))
        return e->text();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(control))
        return e->toPlainText();
    if (auto* e = qobject_cast<const QComboBox*>(control))
        return e->currentText();
    // As the format writes it: the edit's own text runs backwards on a right-to-left screen.
    if (auto* e = qobject_cast<const QDateTimeEdit*>(control))
        return isEmptyDate(e) ? QString() : e->dateTime().toString(e->displayFormat());
    return {};
}

void setText(QWidget* control, const QString& text)
{
    if (auto* e = qobject_cast<GridCombo*>(control)) {
        e->setValue(text);
    } else if (auto* e = qobject_cast<QLineEdit*>(control)) {
        setLineText(e, text);
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(control)) {
        e->setPlainText(text);
    } else if (auto* e = qobject_cast<QComboBox*>(control)) {
        setComboText(e, text);
    } else if (auto* e = qobject_cast<DateEdit*>(control); e && text.trimmed().isEmpty()) {
        e->clear();
    } else if (auto* e = qobject_cast<QDateEdit*>(control)) {
        const QDate shown = QDate::fromString(text, e->displayFormat());
        if (!shown.isValid())
            badValue(control, text, "date");
        e->setDate(shown);
    } else if (auto* e = qobject_cast<QTimeEdit*>(control)) {
        const QTime shown = QTime::fromString(text, e->displayFormat());
        if (!shown.isValid())
            badValue(control, text, "time");
        e->setTime(shown);
    }
}

QString value(const QWidget* control)
{
    if (auto* e = qobject_cast<const QDateEdit*>(control))
        return isEmptyDate(e) ? QString() : e->date().toString(DateFormat);
    if (auto* e = qobject_cast<const QTimeEdit*>(control))
        return e->time().toString(TimeFormat);
    return defaultValue(control).toString();
}

void setValue(QWidget* control, const QString& text)
{
    setDefaultValue(control, text);
}

}
