#include "engine/ListExportKey.h"

#include "engine/ListExport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QShortcut>

namespace {

const char* const Attached = "ijarListExport";

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
}
