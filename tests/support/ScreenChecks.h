#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

// Small helpers for the tests of real data screens.
namespace ScreenChecks {

// The screen's control of that name, compared without regard to case.
template <typename W = QWidget>
W* control(const QWidget* screen, const QString& name)
{
    for (W* w : screen->findChildren<W*>())
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}

// Types the text key by key, Arabic letters too (QTest::keyClicks knows
// only the Latin keyboard).
inline void type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

// Clicks the screen's button; a button the screen does not have fails the test,
// or a renamed button would turn the test into one that checks nothing.
inline void click(const QWidget* screen, const QString& button)
{
    if (auto* b = control<QAbstractButton>(screen, button))
        b->click();
    else
        ADD_FAILURE() << "screen " << qPrintable(screen->objectName()) << " has no button " << qPrintable(button);
}

}
