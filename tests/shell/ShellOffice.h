#pragma once

#include "core/RunState.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// A stand-in for a screen another subsystem builds: the standard command
// buttons, a name field and two frames holding a field each.
inline QDialog* makeStandIn(const QString& name, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(name);
    auto* layout = new QVBoxLayout(screen);
    const auto add = [](QWidget* w, const QString& objectName, QLayout* into) {
        w->setObjectName(objectName);
        into->addWidget(w);
    };
    add(new QLineEdit(screen), "txtNAME", layout);
    for (const QString frameName : {"Frame1", "Frame2"}) {
        auto* frame = new QGroupBox(screen);
        add(new QLineEdit(frame), "dfs" + frameName, new QVBoxLayout(frame));
        add(frame, frameName, layout);
    }
    for (const QString button : {"cmdNew", "cmdOpen", "cmdSave", "cmdDel", "cmdPL", "cmdPRINT", "cmdOk", "command0"})
        add(new QPushButton(button, screen), button, layout);
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
