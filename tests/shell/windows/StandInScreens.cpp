#include "StandInScreens.h"

#include "shell/base/RunState.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace StandInScreens {

QDialog* make(const QString& name, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(name);
    auto* layout = new QVBoxLayout(screen);
    const auto add = [](QWidget* w, const QString& objectName, QLayout* into) {
        w->setObjectName(objectName);
        into->addWidget(w);
    };
    add(new QLineEdit(screen), QStringLiteral("txtNAME"), layout);
    for (const char* frameName : {"Frame1", "Frame2"}) {
        auto* frame = new QGroupBox(screen);
        auto* inner = new QVBoxLayout(frame);
        add(new QLineEdit(frame), QStringLiteral("dfs%1").arg(QLatin1String(frameName)), inner);
        add(frame, QLatin1String(frameName), layout);
    }
    for (const char* button : {"cmdNew", "cmdOpen", "cmdSave", "cmdDel", "cmdPL", "cmdPRINT", "cmdOk", "command0"})
        add(new QPushButton(QLatin1String(button), screen), QLatin1String(button), layout);
    return screen;
}

void registerAll(RunState& state, const QStringList& names)
{
    for (const QString& name : names)
        state.screens().add(name, [name](RunState&, QWidget* parent) { return make(name, parent); });
}

QStringList everyTarget()
{
    return {"F1M0", "F1M1", "F2M0", "F2M1", "F2M2", "frmCars", "frmCustomers", "frmEmployee",
            "frmOptions", "frmIncomeRent", "frmIncomeGeneral", "frmExpenseRent", "frmExpenseGeneral",
            "frmChartOfAccount", "frmGLEntry", "frmRentCar", "frmReminder", "frmCustomerMessages",
            "dlgAbout", "SCRNlogoff", "SCRNlock", "POPcalendar"};
}

}
