#include "engine/ControlAccess.h"

#include "core/KeyRoutines.h"

#include "core/AppError.h"
#include "core/StoredDate.h"
#include "core/TextConvert.h"
#include "engine/DateEdit.h"
#include "engine/GridCombo.h"
#include "engine/NumberEdit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <algorithm>
#include <cmath>

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
    for (const QString& format : {DateFormat, QStringLiteral("d/M/yyyy"), QStringLiteral("yyyy-MM-dd")}) {
        const QDate d = QDate::fromString(t, format);
        if (d.isValid())
            return d;
    }
    if (const QDate d = StoredDate::parse(t); d.isValid())
        return d;
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

// A count stored empty is none.
int parseCount(const QWidget* control, const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || v != std::floor(v))
        badValue(control, text, "whole number");
    return int(v);
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

// How a class's value is read: for the common fields the getter behind its
// user property, called straight (a save reads hundreds of values, and a
// property read costs several times the getter); for the rest the property.
using Reader = QVariant (*)(const QWidget*);

struct ValueAccess {
    QMetaProperty property;
    Reader read = nullptr;
};

template <typename Field, auto getter>
QVariant straight(const QWidget* control)
{
    return (static_cast<const Field*>(control)->*getter)();
}

// A check box stands for 0 or 1, as its column keeps it.
QVariant tick(const QWidget* control)
{
    return static_cast<const QAbstractButton*>(control)->isChecked() ? 1 : 0;
}

Reader readerOf(const QMetaProperty& property)
{
    static const std::pair<const QMetaObject*, Reader> owners[] = {
        {&QLineEdit::staticMetaObject, straight<QLineEdit, &QLineEdit::text>},
        {&NumberEdit::staticMetaObject, straight<QLineEdit, &QLineEdit::text>},
        {&DateEdit::staticMetaObject, straight<DateEdit, &DateEdit::value>},
        {&GridCombo::staticMetaObject, straight<GridCombo, &GridCombo::value>},
        {&QAbstractButton::staticMetaObject, tick},
        {&QDateEdit::staticMetaObject, straight<QDateEdit, &QDateEdit::date>},
        {&QTimeEdit::staticMetaObject, straight<QTimeEdit, &QTimeEdit::time>},
        {&QComboBox::staticMetaObject, straight<QComboBox, &QComboBox::currentText>},
        {&QPlainTextEdit::staticMetaObject, straight<QPlainTextEdit, &QPlainTextEdit::toPlainText>},
    };
    for (const auto& [owner, reader] : owners)
        if (property.enclosingMetaObject() == owner)
            return reader;
    return nullptr;
}

// A control's value is its user property, as QDataWidgetMapper has it; our own
// fields declare theirs. A button's or a group box's "checked" and a list's
// current row are how it stands, not a value: of these only a check box counts.
ValueAccess valueAccess(const QWidget* control)
{
    if (!control)
        return {};
    // The answer is the class's: a save asks it of every field.
    static QHash<const QMetaObject*, ValueAccess> byClass;
    const QMetaObject* meta = control->metaObject();
    auto at = byClass.constFind(meta);
    if (at == byClass.cend()) {
        const bool none = qobject_cast<const QAbstractItemView*>(control) || qobject_cast<const QGroupBox*>(control)
                       || (qobject_cast<const QAbstractButton*>(control) && !qobject_cast<const QCheckBox*>(control));
        const QMetaProperty property = none ? QMetaProperty() : meta->userProperty();
        at = byClass.insert(meta, {property, property.isValid() ? readerOf(property) : nullptr});
    }
    return *at;
}

QMetaProperty valueProperty(const QWidget* control)
{
    return valueAccess(control).property;
}

// The text as the property's type; an empty text is a null date.
QVariant typedValue(const QWidget* control, QMetaType type, const QString& text)
{
    switch (type.id()) {
    case QMetaType::QDate:
        return text.trimmed().isEmpty() ? QDate() : parseDate(control, text);
    case QMetaType::QTime:
        return parseTime(control, text);
    case QMetaType::Bool:
        return parseFlag(control, text);
    case QMetaType::Int:
        return parseCount(control, text);
    default:
        return text;
    }
}

}

namespace ControlAccess {

namespace {

// A control as kept, and the round of lookups that last found it still
// under its name and in its screen's window.
struct KeptControl {
    QPointer<QWidget> widget;
    quint64 round = 0;
    QString name;  // the control's name when it was kept
};

struct KeptScreen {
    QHash<QString, KeptControl> controls;
    int open = 0;        // Keeps alive
    quint64 round = 0;   // moves on as the outermost Keep begins
};

// The screens whose names are kept: only the interface's thread reaches controls.
QHash<const QWidget*, KeptScreen>& kept()
{
    static QHash<const QWidget*, KeptScreen> screens;
    return screens;
}

// A control's name as the indexes keep it. Names are ASCII but for a few:
// folding those by hand spares the Unicode tables on every lookup.
QString folded(const QString& name)
{
    const bool ascii = std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 128; });
    return ascii ? AsciiLower(name) : name.toCaseFolded();
}

Index::Names gather(const QWidget* screen)
{
    // The first in child order wins: the last written stays.
    const QList<QWidget*> children = screen->findChildren<QWidget*>();
    Index::Names byName;
    byName.reserve(children.size());
    const QWidget* window = screen->window();
    for (qsizetype i = children.size() - 1; i >= 0; --i)
        if (children[i]->window() == window)
            byName.insert(folded(children[i]->objectName()), children[i]);
    return byName;
}

// The control of that name among those gathered just now; a control gone
// since is walked for again.
QWidget* lookUp(const QWidget* screen, const Index::Names& names, const QString& name)
{
    // A name asked in lower case, as the screens' definitions keep theirs, is found as given.
    auto at = names.constFind(name);
    if (at == names.cend())
        at = names.constFind(folded(name));
    if (at == names.cend())
        return nullptr;
    return *at ? at->data() : KeyRoutines::control(screen, name.trimmed());
}

// The control of that name among those kept. A kept control is checked once a
// round: one renamed or moved to another window since, gone, or not there at
// all is walked for again, as a screen's own code may have made one.
QWidget* lookUp(const QWidget* screen, KeptScreen& k, const QString& name)
{
    auto at = k.controls.find(name);
    if (at == k.controls.end())
        at = k.controls.find(folded(name));
    if (at != k.controls.end() && at->widget) {
        QWidget* w = at->widget.data();
        if (k.open > 0 && at->round == k.round)
            return w;
        if (w->objectName() == at->name && w->window() == screen->window()) {
            at->round = k.round;
            return w;
        }
    }
    QWidget* w = KeyRoutines::control(screen, name.trimmed());
    if (w)
        k.controls.insert(folded(w->objectName()), {w, k.round, w->objectName()});
    return w;
}

}

QWidget* find(const QWidget* screen, const QString& name)
{
    if (!screen || name.trimmed().isEmpty())
        return nullptr;
    if (const auto at = kept().find(screen); at != kept().end())
        return lookUp(screen, *at, name.trimmed());
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
    m_kept = kept().contains(screen);
    if (!m_kept)
        m_byName = gather(screen);
}

QWidget* Index::find(const QString& name) const
{
    if (!m_screen)
        return nullptr;
    if (!m_kept)
        return lookUp(m_screen, m_byName, name);
    const auto at = kept().find(m_screen);
    return at != kept().end() ? lookUp(m_screen, *at, name) : nullptr;
}

QWidget* Index::require(const QString& name) const
{
    if (QWidget* w = find(name))
        return w;
    return ControlAccess::require(m_screen, name);
}

Index::Keep::Keep(const QWidget* screen) : m_screen(screen)
{
    if (!screen)
        return;
    const bool known = kept().contains(screen);
    KeptScreen& k = kept()[screen];
    if (!known) {
        const Index::Names names = gather(screen);
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            k.controls.insert(it.key(), {it.value(), 0, it.value() ? it.value()->objectName() : QString()});
        QObject::connect(screen, &QObject::destroyed, [screen] { kept().remove(screen); });
    }
    if (k.open++ == 0)
        ++k.round;
}

Index::Keep::~Keep()
{
    if (const auto at = m_screen ? kept().find(m_screen) : kept().end(); at != kept().end())
        --at->open;
}

QVariant defaultValue(const QWidget* control)
{
    const ValueAccess access = valueAccess(control);
    if (!access.property.isValid())
        return {};
    if (access.read)
        return access.read(control);
    const QVariant value = access.property.read(control);
    // Any other flag stands for 0 or 1 too.
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    return value;
}

void setDefaultValue(QWidget* control, const QString& text)
{
    const QMetaProperty property = valueProperty(control);
    if (!property.isValid())
        return;
    if (auto* e = qobject_cast<QLineEdit*>(control); e && text.size() > e->maxLength())
        e->setMaxLength(int(text.size()));
    if (auto* box = qobject_cast<QComboBox*>(control);
        box && property.enclosingMetaObject() == &QComboBox::staticMetaObject) {
        setComboText(box, text);
        return;
    }
    const QVariant value = typedValue(control, property.metaType(), text);
    property.write(control, value);
    // A date field that cannot be empty keeps its date and refuses the empty text.
    if (property.metaType().id() == QMetaType::QDate && value.toDate().isNull()
        && property.read(control).toDate().isValid())
        badValue(control, text, "date");
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
    const QVariant v = defaultValue(control);
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(DateFormat);
    case QMetaType::QTime:
        return v.toTime().toString(TimeFormat);
    default:
        return v.toString();
    }
}

void setValue(QWidget* control, const QString& text)
{
    setDefaultValue(control, text);
}

}
