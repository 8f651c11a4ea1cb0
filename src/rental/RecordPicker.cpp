#include "rental/RecordPicker.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "engine/ControlAccess.h"
#include "engine/DataScreen.h"
#include "engine/DateEdit.h"
#include "engine/NumberEdit.h"
#include "rental/WarningRows.h"

#include <QPushButton>

namespace {

// The opener's days: a contract's exit or a reservation's pick-up, to the agreed return.
RentOutChecks::Period period(const QWidget* opener)
{
    const auto day = [opener](const char* name) {
        const auto* field = qobject_cast<const DateEdit*>(ControlAccess::find(opener, QLatin1String(name)));
        return field ? field->value() : QDate();
    };
    const QDate exit = day("dfdExitDate");
    return {exit.isValid() ? exit : day("dfdPickupDate"), day("dfdReturnDate")};
}

}

void RecordPicker::open(RunState& state, QWidget* opener, const QString& screen, QPushButton* button,
                        const NumberEdit* key)
{
    if (!button->isEnabled())
        return;
    const qint64 id = key->text().trimmed().toLongLong();
    const auto kind = screen == QLatin1String("frmCars") ? WarningRows::Kind::Car : WarningRows::Kind::Customer;
    openScreen(state, opener, screen, opener->objectName() + QLatin1Char('.') + ERROR_SOURCE,
               QStringLiteral("RENTMODE"), [id, kind, days = period(opener), &state](QWidget* picker) {
                   new WarningRows(state.db(), kind, days, picker);
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
