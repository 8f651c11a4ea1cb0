#include "rental/frmCustomers.h"
#include "ui_frmCustomers.h"

#include <QCoreApplication>
#include <QDate>

namespace {

DataScreen::Definition customersDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("CUSTOMERID");
    d.table = QStringLiteral("Customer");
    // Black-listed and stopped customers are listed too: nothing filters them.
    d.condition = QStringLiteral("WHERE 1 = 1 ");
    d.openCaption = QCoreApplication::translate("frmCustomers", "Customers");
    d.newCaption = QCoreApplication::translate("frmCustomers", "New Customer ");
    d.nameField = QStringLiteral("name");
    d.newFields = {{QStringLiteral("CREATEDT"), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toLongLong()}};
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

}

frmCustomers::frmCustomers(RunState& state, QWidget* parent)
    : DataScreen(state, customersDefinition(), parent), m_ui(std::make_unique<Ui::frmCustomers>())
{
    m_ui->setupUi(this);
    connectCommands();
}

frmCustomers::~frmCustomers() = default;

void frmCustomers::Delete()
{
    if (idText().isEmpty())
        return;
    run(QStringLiteral("cmdDel_Click"), [this] { window().Delete(QString(), this); });
    close();
}
