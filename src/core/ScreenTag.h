#pragma once

#include <QString>
#include <QWidget>

// The mode text a screen is handed before it is shown ("RENTMODE", "Menu",
// the main window's "Exit").
namespace ScreenTag {
inline QString get(const QWidget* w) { return w ? w->property("tag").toString() : QString(); }
inline void set(QWidget* w, const QString& tag) { w->setProperty("tag", tag); }
}
