#include "engine/PickerCopy.h"

#include "engine/ControlAccess.h"

#include <QWidget>

namespace PickerCopy {

void copy(const QWidget* picker, QWidget* opener, const QList<Field>& fields)
{
    if (!picker || !opener)
        return;
    for (const Field& field : fields) {
        const QWidget* source = ControlAccess::find(picker, field.from);
        QWidget* target = ControlAccess::find(opener, field.to);
        if (!source || !target)
            continue;
        QString value = ControlAccess::value(source);
        if (field.asNumber) {
            bool ok = false;
            const double number = value.trimmed().toDouble(&ok);
            value = QString::number(ok ? number : 0, 'g', 15);
        }
        ControlAccess::setValue(target, value);
    }
}

}
