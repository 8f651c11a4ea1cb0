#include "rental/RecordPicker.h"

#include "core/AppError.h"
#include "core/ScreenOpener.h"
#include "engine/ControlAccess.h"
#include "engine/DataScreen.h"
#include "engine/NumberEdit.h"

#include <QPushButton>

void RecordPicker::open(RunState& state, QWidget* opener, const QString& screen, QPushButton* button,
                        const NumberEdit* key)
{
    if (!button->isEnabled())
        return;
    const qint64 id = key->text().trimmed().toLongLong();
    openScreen(state, opener, screen, opener->objectName() + QLatin1Char('.') + ERROR_SOURCE,
               QStringLiteral("RENTMODE"), [id](QWidget* picker) {
                   for (const char* name : {"cmdSave", "cmdNew", "cmdPRINT"})
                       if (QWidget* w = ControlAccess::find(picker, QLatin1String(name)))
                           w->setEnabled(false);
                   for (QWidget* w : picker->findChildren<QWidget*>())
                       if (w->objectName().startsWith(QLatin1String("Frame"), Qt::CaseInsensitive))
                           w->setEnabled(false);
                   if (auto* data = qobject_cast<DataScreen*>(picker); data && id != 0)
                       data->showFirst(id);
               },
               button->toolTip());
    opener->activateWindow();
}
