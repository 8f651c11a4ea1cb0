#include "ProbeScreen.h"

#include "schema/MetadataWriter.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

DataScreen::Definition probeDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("CUSTOMERID");
    d.table = QStringLiteral("Customer");
    d.condition = QStringLiteral("where 1 = 1");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

}

ProbeScreen::ProbeScreen(RunState& state, QWidget* parent) : DataScreen(state, probeDefinition(), parent)
{
    setObjectName(Name);
    auto* layout = new QFormLayout(this);
    auto* caption = new QLabel(Caption, this);
    caption->setObjectName(QStringLiteral("lblScreenName"));
    layout->addRow(caption);
    for (const char* name : {"txtID", "txtNAME", "dfsHOMETEL1"}) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        layout->addRow(QLatin1String(name), edit);
    }
    for (const char* name : {"cmdSave", "cmdPL", "command0"}) {
        auto* button = new QPushButton(QLatin1String(name), this);
        button->setObjectName(QLatin1String(name));
        layout->addRow(button);
    }
    connectCommands();
}

void ProbeScreen::install(Database& db)
{
    MetadataWriter m(db, Name);
    const qint64 table = m.table(QStringLiteral("Customer"), 1, Caption);
    m.identifier(table, QStringLiteral("CUSTOMERID"), QStringLiteral("ID"));
    m.field(table, QStringLiteral("txtNAME"), QStringLiteral("name"), MetadataWriter::Text, {}, 2);
    m.field(table, QStringLiteral("dfsHOMETEL1"), QStringLiteral("HOMETEL1"), MetadataWriter::Text);
}
