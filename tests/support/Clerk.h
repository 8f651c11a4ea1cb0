#pragma once

#include "support/ScreenChecks.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

// The keyboard as a clerk uses it: every key goes to whatever widget has the cursor.
namespace Clerk {

// The control the cursor is in; a part Qt builds inside a control counts as the control.
inline std::string focused()
{
    const QWidget* w = QApplication::focusWidget();
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
        w = w->parentWidget();
    return w ? w->objectName().toStdString() : "(nothing)";
}

// One key to wherever the cursor is; no window with the keyboard fails the test.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (QWidget* w = QApplication::focusWidget())
        QTest::keyClick(w, key, modifiers);
    else
        ADD_FAILURE() << "no window has the keyboard for key " << key;
}

// Typed key by key wherever the cursor is, as it moves; Arabic letters too.
inline void type(const QString& text)
{
    for (const QChar ch : text) {
        QWidget* w = QApplication::focusWidget();
        if (!w) {
            ADD_FAILURE() << "no window has the keyboard for " << text.toStdString();
            return;
        }
        ScreenChecks::type(w, QString(ch));
    }
}

// Tab (or Shift+Tab) until the cursor is in `name`; false when it never gets there.
inline bool tabTo(const std::string& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < 40 && focused() != name; ++i)
        press(Qt::Key_Tab, modifiers);
    return focused() == name;
}

// Shows the window and waits until it has the keyboard.
inline bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// In an open dialog's list: Down to the row whose cells hold `text`, then Enter.
// False when no row holds it.
inline bool pickRow(QDialog* dialog, const QString& text)
{
    auto* view = dialog->findChild<QTableView*>();
    if (!view || !view->model())
        return false;
    const QAbstractItemModel* m = view->model();
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->index(r, c).data().toString().contains(text)) {
                view->setFocus();
                view->setCurrentIndex(m->index(r, 0));
                QTest::keyClick(view, Qt::Key_Return);
                return true;
            }
    return false;
}

}
