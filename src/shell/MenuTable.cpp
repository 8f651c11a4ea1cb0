#include "shell/MenuTable.h"

#include "core/KeyRoutines.h"
#include "core/ScreenOpener.h"
#include "core/cSecurity.h"

#include <QCoreApplication>
#include <QWidget>

namespace MenuTable {

QString menuName(int menu)
{
    return QStringLiteral("F%1M").arg(menu);
}

QString frameTitle(int menu)
{
    switch (menu) {
    case 1: return QCoreApplication::translate("MenuTable", "Archive");
    case 2: return QCoreApplication::translate("MenuTable", "Security");
    case 3: return QCoreApplication::translate("MenuTable", "Sys Data");
    case 4: return QCoreApplication::translate("MenuTable", "Accounting");
    case 5: return QCoreApplication::translate("MenuTable", "Rent");
    default: return {};
    }
}

QString backCaption()
{
    return QCoreApplication::translate("MenuTable", "0- Back");
}

QString caption(const MenuCommand& command)
{
    return QCoreApplication::translate("MenuTable", command.caption);
}

const QList<MenuCommand>& commands()
{
    static const QList<MenuCommand> table{
        {1, 1, QT_TRANSLATE_NOOP("MenuTable", "1- Operation"), QStringLiteral("F1M0"), {}},
        {1, 2, QT_TRANSLATE_NOOP("MenuTable", "2- Accounting"), QStringLiteral("F1M1"), {}},
        {2, 1, QT_TRANSLATE_NOOP("MenuTable", "1- Password"), QStringLiteral("F2M0"), {}},
        {2, 2, QT_TRANSLATE_NOOP("MenuTable", "2- Users"), QStringLiteral("F2M1"), {}},
        {2, 3, QT_TRANSLATE_NOOP("MenuTable", "3- User rights"), QStringLiteral("F2M2"), {}},
        {3, 1, QT_TRANSLATE_NOOP("MenuTable", "1- Cars"), QStringLiteral("frmCars"), {}},
        {3, 2, QT_TRANSLATE_NOOP("MenuTable", "2- Customers"), QStringLiteral("frmCustomers"), {}},
        {3, 3, QT_TRANSLATE_NOOP("MenuTable", "3- Employees"), QStringLiteral("frmEmployee"), {}},
        {3, 4, QT_TRANSLATE_NOOP("MenuTable", "4- Options"), QStringLiteral("frmOptions"), {}},
        {4, 1, QT_TRANSLATE_NOOP("MenuTable", "1- Car Income"), QStringLiteral("frmIncomeRent"), {}},
        {4, 2, QT_TRANSLATE_NOOP("MenuTable", "2- Gen. Income"), QStringLiteral("frmIncomeGeneral"), {}},
        {4, 3, QT_TRANSLATE_NOOP("MenuTable", "3- Car Expense"), QStringLiteral("frmExpenseRent"), {}},
        {4, 4, QT_TRANSLATE_NOOP("MenuTable", "4- Gen. Expense"), QStringLiteral("frmExpenseGeneral"), {}},
        {4, 5, QT_TRANSLATE_NOOP("MenuTable", "5- Chart of Account"), QStringLiteral("frmChartOfAccount"), {}},
        {4, 6, QT_TRANSLATE_NOOP("MenuTable", "6- Gen Ledger"), QStringLiteral("frmGLEntry"), {}},
        {5, 1, QT_TRANSLATE_NOOP("MenuTable", "1- Rent Car"), QStringLiteral("frmRentCar"), QStringLiteral("RENTMODE")},
        {5, 2, QT_TRANSLATE_NOOP("MenuTable", "2- Rent Contracts"), QStringLiteral("frmRentCar"), {},
         MenuPreparation::ContractLookup},
        {5, 3, QT_TRANSLATE_NOOP("MenuTable", "3- Surrend Car"), QStringLiteral("frmRentCar"),
         QStringLiteral("SURRENDMODE")},
        {5, 4, QT_TRANSLATE_NOOP("MenuTable", "4- Available Cars"), QStringLiteral("frmAvailableCars"), {}},
        {5, 5, QT_TRANSLATE_NOOP("MenuTable", "5- Diary"), QStringLiteral("frmReminder"), {}},
        {5, 6, QT_TRANSLATE_NOOP("MenuTable", "6- Customer Msg"), QStringLiteral("frmCustomerMessages"), {}},
        {5, 7, QT_TRANSLATE_NOOP("MenuTable", "7- Reservations"), QStringLiteral("frmReservation"), {}},
        {5, 8, QT_TRANSLATE_NOOP("MenuTable", "8- Planning Board"), QStringLiteral("frmPlanningBoard"), {}},
        {5, 9, QT_TRANSLATE_NOOP("MenuTable", "9- Receipts"), QStringLiteral("frmReceipt"), {}},
    };
    return table;
}

const MenuCommand* find(int menu, int button)
{
    for (const MenuCommand& c : commands())
        if (c.menu == menu && c.button == button)
            return &c;
    return nullptr;
}

const MenuCommand* firstAllowed(RunState& state, const QString& screen)
{
    for (const MenuCommand& c : commands())
        if (c.screen == screen && cSecurity(state).HasMenuRight(menuName(c.menu), c.button))
            return &c;
    return nullptr;
}

void open(RunState& state, QWidget* parent, const MenuCommand& command, const QString& where)
{
    const MenuPreparation preparation = command.preparation;
    openScreen(state, parent, command.screen, where, command.mode,
               [preparation](QWidget* screen) { prepare(preparation, screen); }, caption(command));
}

static bool startsWith(const QWidget* w, const char* prefix)
{
    return w->objectName().startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

static void setEnabled(QWidget* screen, const char* name, bool enabled)
{
    if (QWidget* w = KeyRoutines::control(screen, QLatin1String(name)))
        w->setEnabled(enabled);
}

void prepare(MenuPreparation preparation, QWidget* screen)
{
    switch (preparation) {
    case MenuPreparation::None:
        break;
    case MenuPreparation::ContractLookup:
        for (QWidget* w : screen->findChildren<QWidget*>())
            if (startsWith(w, "cmd") || startsWith(w, "Frame"))
                w->setEnabled(false);
        setEnabled(screen, "cmdOpen", true);
        setEnabled(screen, "cmdPRINT", true);
        break;
    }
}

}
