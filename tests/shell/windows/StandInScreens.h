#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class RunState;

// Stand-ins for the screens other subsystems build: a dialog with the
// standard command buttons, the name and close controls outside any frame,
// and two frames holding a field each.
namespace StandInScreens {
QDialog* make(const QString& name, QWidget* parent);
void registerAll(RunState& state, const QStringList& names);
// Every name a menu button or a main-window button opens.
QStringList everyTarget();
}
