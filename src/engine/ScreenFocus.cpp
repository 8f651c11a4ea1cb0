#include "engine/ScreenFocus.h"

#include "engine/FuelGauge.h"
#include "engine/ListExportKey.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

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
    // The fuel gauge takes digits and arrows as a field takes typing.
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QCheckBox*>(w) || qobject_cast<const FuelGauge*>(w);
}

// A screen's own field, not a part inside one (qt_spinbox_lineedit and the like).
static bool isField(const QWidget* w, const QWidget* area)
{
    const QString name = w->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"))
        && name.compare(QLatin1String("txtID"), Qt::CaseInsensitive) != 0 && takesTyping(w) && w->isEnabled()
        && w->isVisibleTo(area) && (w->focusPolicy() & Qt::TabFocus);
}

// The controls of a widget and of its layouts in reading order. A layout's
// cells are read row by row, a row from its first column, which a right to
// left screen shows at the right.
static void collect(QWidget* w, QList<QWidget*>& controls);

static void collect(QLayout* layout, QList<QWidget*>& controls)
{
    struct Cell {
        int row, column;
        QLayoutItem* item;
    };
    QList<Cell> cells;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    auto* form = qobject_cast<QFormLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = i, column = 0, rowSpan = 1, columnSpan = 1;
        if (grid) {
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        } else if (form) {
            QFormLayout::ItemRole role = QFormLayout::LabelRole;
            form->getItemPosition(i, &row, &role);
            column = int(role);
        }
        cells.append({row, column, layout->itemAt(i)});
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Cell& cell : std::as_const(cells)) {
        if (QWidget* w = cell.item->widget())
            collect(w, controls);
        else if (QLayout* inner = cell.item->layout())
            collect(inner, controls);
    }
}

static void collect(QWidget* w, QList<QWidget*>& controls)
{
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        controls.append(tabs->tabBar());
        for (int i = 0; i < tabs->count(); ++i)
            collect(tabs->widget(i), controls);
        return;
    }
    if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
        if (scroll->widget())
            collect(scroll->widget(), controls);
        return;
    }
    auto* group = qobject_cast<QGroupBox*>(w);
    const bool container = group || w->layout();
    if ((w->focusPolicy() & Qt::TabFocus) && (!container || (group && group->isCheckable())))
        controls.append(w);
    // A list's export button sits on the list, outside every layout.
    if (auto* list = qobject_cast<QAbstractItemView*>(w); list && ListExportKey::buttonOf(list))
        controls.append(ListExportKey::buttonOf(list));
    if (w->layout())
        collect(w->layout(), controls);
}

// The screen's controls in reading order; empty for a screen without layout.
static QList<QWidget*> readingOrder(QWidget* screen)
{
    QList<QWidget*> controls;
    if (screen->layout())
        collect(screen->layout(), controls);
    return controls;
}

static QWidget* firstIn(QWidget* screen, const QWidget* area)
{
    for (QWidget* w : readingOrder(screen))
        if ((area == screen || area->isAncestorOf(w)) && isField(w, area))
            return w;
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

void showPlace(QWidget* screen)
{
    QTabWidget* tabs = pages(screen);
    QWidget* place = screen->focusWidget();
    if (!tabs || !place)
        return;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(place) && tabs->isTabEnabled(i)) {
            tabs->setCurrentIndex(i);
            return;
        }
}

// Ctrl+Tab and Ctrl+Shift+Tab turn SSTab1's pages wherever the cursor is on
// the screen; on the page's tab, Tab enters the page's first field.
class PageKeys : public QObject {
public:
    PageKeys(QWidget* screen, QTabWidget* tabs) : QObject(screen), m_screen(screen), m_tabs(tabs)
    {
        // On every control: a date field would take Ctrl+Tab for a Tab.
        screen->installEventFilter(this);
        for (QWidget* w : screen->findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus)
                w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & Qt::ControlModifier)) {
            turn(key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier) ? -1 : 1);
            return true;
        }
        // A date or time field would spend Tab on its day, month and year (hours,
        // minutes, seconds); typing walks those already, Tab goes on to the next field.
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        if (tab && !(key->modifiers() & Qt::AltModifier) && qobject_cast<QDateTimeEdit*>(watched)
            && moveOn(m_screen, !back))
            return true;
        if (watched == m_tabs->tabBar() && key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier))
            if (QWidget* field = firstIn(m_screen, m_tabs->currentWidget())) {
                field->setFocus(Qt::TabFocusReason);
                return true;
            }
        return QObject::eventFilter(watched, event);
    }

private:
    void turn(int step)
    {
        const int count = m_tabs->count();
        int page = m_tabs->currentIndex();
        for (int n = 0; n < count; ++n) {
            page = (page + step + count) % count;
            if (m_tabs->isTabEnabled(page))
                break;
        }
        // The cursor leaves the page first, or Qt would put it on whatever
        // the new page holds first, a button as soon as a field.
        m_tabs->tabBar()->setFocus(Qt::TabFocusReason);
        m_tabs->setCurrentIndex(page);
    }

    QWidget* m_screen;
    QTabWidget* m_tabs;
};

bool moveOn(QWidget* screen, bool next)
{
    const QList<QWidget*> controls = readingOrder(screen);
    // The control the cursor is in, or the one a part of it belongs to.
    QWidget* current = screen->focusWidget();
    while (current && current != screen && !controls.contains(current))
        current = current->parentWidget();
    const qsizetype at = current ? controls.indexOf(current) : -1;
    if (at < 0)
        return false;
    const qsizetype count = controls.size();
    for (qsizetype step = 1; step < count; ++step) {
        QWidget* w = controls.at(((next ? at + step : at - step) % count + count) % count);
        if (w->isVisibleTo(screen) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void turnPagesByKeyboard(QWidget* screen)
{
    if (screen->property("ijarPageKeys").toBool())
        return;
    if (QTabWidget* tabs = pages(screen)) {
        screen->setProperty("ijarPageKeys", true);
        new PageKeys(screen, tabs);
    }
}

}
