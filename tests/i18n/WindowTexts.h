#pragma once

#include <QList>
#include <QString>

class QWidget;

// A text of a window that is part of the window itself, not of its data.
struct WindowText {
    QString where;  // "title", or the control's class and object name
    QString text;
};

// The window's title, and the texts of its labels, buttons, group boxes and tabs.
QList<WindowText> fixedTexts(const QWidget* window);
