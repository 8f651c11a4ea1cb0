#include "support/Clerk.h"

#include "support/ScreenChecks.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace Clerk {

std::string focused()
{
    const QWidget* w = QApplication::focusWidget();
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
        w = w->parentWidget();
    return w ? w->objectName().toStdString() : "(nothing)";
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWidget* w = QApplication::focusWidget())
        QTest::keyClick(w, key, modifiers);
    else
        ADD_FAILURE() << "no window has the keyboard for key " << key;
}

void type(const QString& text)
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

bool tabTo(const std::string& name, Qt::KeyboardModifiers modifiers)
{
    for (int i = 0; i < 40 && focused() != name; ++i)
        press(Qt::Key_Tab, modifiers);
    return focused() == name;
}

bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool pickRow(QDialog* dialog, const QString& text)
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
