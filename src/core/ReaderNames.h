#pragma once

#include <QString>

class QWidget;

// The names a screen reader says for a window's controls: a field is named by
// its label, a button by its caption, a tab page by its tab. Names a window
// gave itself stay.
namespace ReaderNames {
void give(QWidget* window);
// A caption as it is spoken: no accelerator mark, no key hint ("F8", "1-"),
// no closing colon.
QString spoken(const QString& caption);
}
