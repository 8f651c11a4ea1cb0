#include "rental/frmCustomerMessages.h"
#include "ui_frmCustomerMessages.h"

#include "core/AppError.h"

#include <QCoreApplication>

namespace {

DataScreen::Definition messagesDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("CUSTOMERMESSAGEID");
    d.table = QStringLiteral("CUSTOMERMESSAGE");
    d.condition = QStringLiteral("WHERE 1 = 1 ");
    d.openCaption = QCoreApplication::translate("frmCustomerMessages", "Messages");
    d.newCaption = QCoreApplication::translate("frmCustomerMessages", " New Message  ");
    d.nameField = QStringLiteral("name");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

}

frmCustomerMessages::frmCustomerMessages(RunState& state, QWidget* parent)
    : DataScreen(state, messagesDefinition(), parent), m_ui(std::make_unique<Ui::frmCustomerMessages>())
{
    m_ui->setupUi(this);
    connectCommands();
}

frmCustomerMessages::~frmCustomerMessages() = default;
