#pragma once

#include "core/RunState.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A stand-in for a screen another subsystem builds.
inline QDialog* makeStandIn(const QString& name, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(name);
    return screen;
}

// The main window of a logged-in administrator; every screen a button opens
// exists as a stand-in unless `standIns` is false.
struct ShellOffice {
    explicit ShellOffice(const QString& rightsSql = {}, bool standIns = true)
    {
        office.loginAs("ADMIN");
        if (!rightsSql.isEmpty())
            office.db().command(rightsSql);
        for (const QString name : {"F1M0", "F1M1", "F2M0", "F2M1", "F2M2", "frmCars", "frmAvailableCars", "frmCustomers", "frmEmployee",
                                   "frmOptions", "frmIncomeRent", "frmIncomeGeneral", "frmExpenseRent",
                                   "frmExpenseGeneral", "frmChartOfAccount", "frmGLEntry", "frmRentCar", "frmReminder",
                                   "frmCustomerMessages", "dlgAbout", "SCRNlogoff", "SCRNlock", "POPcalendar"})
            if (standIns)
                office.state().screens().add(name, [name](RunState&, QWidget* p) { return makeStandIn(name, p); });
    }
    MenuScreen* open(int number) { return window.openMenu(number), window.menu(number); }
    ScriptedUI& ui() { return office.ui(); }
    template <typename T = QWidget>
    T* child(const QString& name) { return window.findChild<T*>(name); }

    TestOffice office;
    MAINT window{office.state()};
};

inline QPushButton* commandButton(QWidget* menu, int n)
{
    return menu->findChild<QPushButton*>(QString("command%1").arg(n));
}
