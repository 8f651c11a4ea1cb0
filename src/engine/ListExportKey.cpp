#include "engine/ListExportKey.h"

#include "engine/ListExport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

static void loadIcons()
{
    Q_INIT_RESOURCE(engine);
}

namespace {

const char* const Attached = "ijarListExport";
const char* const ButtonName = "cmdExportList";
const int Side = 24;

QHeaderView* headerOf(QAbstractItemView* view)
{
    if (auto* table = qobject_cast<QTableView*>(view))
        return table->horizontalHeader();
    if (auto* tree = qobject_cast<QTreeView*>(view))
        return tree->header();
    return nullptr;
}

// Sits on the list, in the empty corner above the row headers (made wide
// enough for it), else over the far end of the header row; it follows the
// headers as the list is resized. Enter presses it too, not the dialog's
// default button.
class ExportButton : public QToolButton {
public:
    ExportButton(QAbstractItemView* view, QHeaderView* header)
        : QToolButton(view), m_header(header)
    {
        auto* table = qobject_cast<QTableView*>(view);
        if (table && !table->verticalHeader()->isHidden()) {
            m_rows = table->verticalHeader();
            m_rows->setMinimumWidth(Side);
        }
        setObjectName(QLatin1String(ButtonName));
        setIcon(QIcon(QStringLiteral(":/engine/export.svg")));
        setAutoRaise(true);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(ListExport::tr("Export the list"));
        setToolTip(ListExport::tr("Export the list to a spreadsheet (%1)")
                       .arg(QKeySequence(Qt::CTRL | Qt::Key_E).toString(QKeySequence::NativeText)));
        header->installEventFilter(this);
        if (m_rows)
            m_rows->installEventFilter(this);
        // Tab goes from the list to its button; the arrows move within the list.
        view->setTabKeyNavigation(false);
        QWidget::setTabOrder(view, this);
        place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Show)
            place();
        return QToolButton::eventFilter(watched, event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            click();
        else
            QToolButton::keyPressEvent(event);
    }

private:
    void place()
    {
        const int height = m_header->height() > 0 ? m_header->height() : m_header->sizeHint().height();
        const int side = std::min(height, Side);
        // Out of sight, and of Tab, while the list has no columns yet. A screen
        // sets itself up as it is shown, after its children were: shown here.
        setVisible(side > 6);
        setIconSize(QSize(side - 6, side - 6));
        QRect room = m_header->geometry();
        Qt::Alignment where = Qt::AlignRight;
        if (m_rows) {
            room = QRect(m_rows->x(), m_header->y(), m_rows->width(), height);
            where = Qt::AlignHCenter;
        }
        setGeometry(QStyle::alignedRect(layoutDirection(), where | Qt::AlignVCenter, QSize(side, side), room));
        raise();
    }

    QHeaderView* m_header;
    QHeaderView* m_rows = nullptr;
};

QList<QAbstractItemView*> listsOf(QWidget* window)
{
    QList<QAbstractItemView*> lists;
    for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
        // The drop-down of a combo box is a window of its own, not the screen's list.
        if (view->window() == window)
            lists << view;
    }
    return lists;
}

}

QWidget* ListExportKey::buttonOf(QAbstractItemView* view)
{
    return view->findChild<QToolButton*>(QLatin1String(ButtonName), Qt::FindDirectChildrenOnly);
}

QAbstractItemView* ListExportKey::listFor(QWidget* focus)
{
    for (QWidget* w = focus; w; w = w->parentWidget()) {
        if (auto* view = qobject_cast<QAbstractItemView*>(w))
            return view;
    }
    if (!focus)
        return nullptr;
    QAbstractItemView* found = nullptr;
    for (QAbstractItemView* view : listsOf(focus->window())) {
        if (!view->isVisible())
            continue;
        if (found)
            return nullptr;
        found = view;
    }
    return found;
}

void ListExportKey::attach(RunState& state, QWidget* screen)
{
    const QList<QAbstractItemView*> lists = listsOf(screen->window());
    if (lists.isEmpty() || screen->property(Attached).toBool())
        return;
    screen->setProperty(Attached, true);
    loadIcons();
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), screen);
    key->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, screen, [&state, screen] {
        if (QAbstractItemView* view = listFor(QApplication::focusWidget()))
            ListExport::exportView(state, view, screen);
    });
    for (QAbstractItemView* view : lists) {
        if (view->contextMenuPolicy() != Qt::DefaultContextMenu)
            continue;
        auto* action = new QAction(ListExport::tr("Export the list...") + QLatin1Char('\t')
                                       + QKeySequence(Qt::CTRL | Qt::Key_E).toString(QKeySequence::NativeText),
                                   view);
        QObject::connect(action, &QAction::triggered, view, [&state, view] { ListExport::exportView(state, view, view->window()); });
        view->addAction(action);
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    for (QAbstractItemView* view : lists) {
        QHeaderView* header = headerOf(view);
        if (!header || header->isHidden() || buttonOf(view))
            continue;
        auto* button = new ExportButton(view, header);
        QObject::connect(button, &QToolButton::clicked, view, [&state, view] { ListExport::exportView(state, view, view->window()); });
    }
}
