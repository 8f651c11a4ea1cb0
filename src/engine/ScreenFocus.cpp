#include "engine/ScreenFocus.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace ScreenFocus {

static bool takesTyping(const QWidget* w)
{
    if (auto* line = qobject_cast<const QLineEdit*>(w))
        return !line->isReadOnly();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(w))
        return !text->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(w))
        return !text->isReadOnly();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w))
        return !spin->isReadOnly();
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QCheckBox*>(w);
}

// A screen's own field, not a part inside one (qt_spinbox_lineedit and the like).
static bool isField(const QWidget* w, const QWidget* area)
{
    const QString name = w->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"))
        && name.compare(QLatin1String("txtID"), Qt::CaseInsensitive) != 0 && takesTyping(w) && w->isEnabled()
        && w->isVisibleTo(area) && (w->focusPolicy() & Qt::TabFocus);
}

static QWidget* firstIn(QWidget* screen, const QWidget* area)
{
    for (QWidget* w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain())
        if ((area == screen || area->isAncestorOf(w)) && isField(w, area))
            return w;
    return nullptr;
}

static QTabWidget* pages(const QWidget* screen)
{
    for (auto* tabs : screen->findChildren<QTabWidget*>())
        if (tabs->objectName().compare(QLatin1String("SSTab1"), Qt::CaseInsensitive) == 0 && tabs->count() > 0)
            return tabs;
    return nullptr;
}

QWidget* firstField(QWidget* screen)
{
    if (!screen)
        return nullptr;
    // The first page counts even while another page is shown.
    if (QTabWidget* tabs = pages(screen))
        if (QWidget* field = firstIn(screen, tabs->widget(0)))
            return field;
    return firstIn(screen, screen);
}

void toFirstField(QWidget* screen)
{
    QWidget* field = firstField(screen);
    if (!field)
        return;
    QTabWidget* tabs = pages(screen);
    if (tabs && tabs->widget(0)->isAncestorOf(field))
        tabs->setCurrentIndex(0);
    field->setFocus(Qt::OtherFocusReason);
}

}
