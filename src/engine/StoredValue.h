#pragma once

#include <QString>
#include <QVariant>

class QWidget;

// A bound field's value in the form its column keeps it, as the save writes it
// (without the quotes of a text): numbers checked and an empty one "0", an
// empty text " ", an empty list text "0", dates yyyymmdd (an empty one 0), times hhmm00. Any
// other type code gives the default value as text. Throws AppError
// (NotANumber) for a number, date or time field holding something else, a
// number with more digits than can be kept exactly, or a text holding a
// character no engine stores.
namespace StoredValue {

enum Type { Number = 0, Text = 1, Date = 2, Flag = 3, ListText = 4, Time = 5 };

QString of(const QWidget* control, int type);
// The same, of the control's default value as already read.
QString of(const QWidget* control, int type, const QVariant& value);
// False for a text with a NUL or half of a surrogate pair in it.
bool storable(const QString& text);

}
