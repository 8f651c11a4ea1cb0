#pragma once

#include <QList>

class QAbstractButton;
class QAbstractItemView;

// A text reads in the direction of its own first letter wherever the window
// puts it: on the Arabic desktop "512 MB Ram", "Password=..." and "Animate!"
// read left to right, and Arabic captions stay right to left on an English one.
// Qt draws button captions and list rows in the direction of the application,
// which turns them into "Ram 512 MB" and "!Animate".
namespace OwnDirection {
void captions(const QList<QAbstractButton*>& buttons);
void rows(QAbstractItemView* view);
}
