#pragma once

#include <QList>
#include <QString>

class QWidget;

// A screen opened to pick a record for another ("RENTMODE") hands the
// record over by control names: the opener only needs controls of the
// target names, whatever its class.
namespace PickerCopy {

struct Field {
    QString from;
    QString to;
    bool asNumber = false;   // the number in the text, 0 when there is none
};

// Copies the fields in order; a control missing on either side is passed over.
void copy(const QWidget* picker, QWidget* opener, const QList<Field>& fields);

}
