#include "engine/ctrWindowTable.h"
#include "ui_ctrWindowTable.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/ReaderNames.h"
#include "core/RunState.h"
#include "engine/EditableRowsModel.h"
#include "engine/cDevelper.h"

#include <QApplication>
#include <QClipboard>
#include <functional>
#include <tuple>

ctrWindowTable::ctrWindowTable(RunState& state, cDevelper& developer, QWidget* parent)
    : QDialog(parent), m_state(state), m_developer(developer), m_ui(std::make_unique<Ui::ctrWindowTable>())
{
    m_ui->setupUi(this);
    EditableRowsModel& rows = developer.rows();
    m_ui->DataGrid1->setModel(&rows);
    connect(&rows, &QAbstractItemModel::modelReset, this, &ctrWindowTable::showRowCount);
    connect(m_ui->DataGrid1, &QAbstractItemView::clicked, this, &ctrWindowTable::copyCell);

    const std::tuple<QPushButton*, QString, std::function<void()>> commands[] = {
        {m_ui->command1, QStringLiteral("cDevelper::ReadWindowTable"), [this] { m_developer.ReadWindowTable(); }},
        {m_ui->command6, QStringLiteral("cDevelper::ReadPlusDifference"), [this] { m_developer.ReadPlusDifference(); }},
        {m_ui->command3, QStringLiteral("cDevelper::StoreGrid"), [this] { m_developer.StoreGrid(); }},
        {m_ui->command7, QStringLiteral("cDevelper::CreateControlDefaults"),
         [this] { m_developer.CreateControlDefaults(); }},
    };
    for (const auto& [button, name, operation] : commands)
        connect(button, &QPushButton::clicked, this, [this, where = name, op = operation] { run(where, op); });
    // A regeneration changes the rows whose fixed lists page 1 offers.
    connect(m_ui->command2, &QPushButton::clicked, this, [this] {
        if (run(QStringLiteral("cDevelper::PopulateWindowTable"), [this] { m_developer.PopulateWindowTable(); }))
            reloadCombos();
    });
    connect(m_ui->command4, &QPushButton::clicked, this, &ctrWindowTable::reloadCombos);
    connect(m_ui->Combo1, &QComboBox::currentTextChanged, this, [this] {
        m_ui->txtOrder->setText(QStringLiteral("0"));
        showValues();
    });
    connect(m_ui->command5, &QPushButton::clicked, this, &ctrWindowTable::addValue);
    // Enter takes the value typed, so that a list is typed value after value.
    connect(m_ui->txtvalue, &QLineEdit::returnPressed, this, &ctrWindowTable::addValue);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::reject);

    // The rows and lists the screen has now, before any command.
    run(ERROR_SOURCE, [this] { m_developer.ReadWindowTable(); });
    reloadCombos();
    m_ui->SSTab1->setCurrentIndex(0);
    m_ui->DataGrid1->setFocus(Qt::OtherFocusReason);
    ReaderNames::give(this);
}

ctrWindowTable::~ctrWindowTable() = default;

bool ctrWindowTable::run(const QString& where, const std::function<void()>& work)
{
    return guarded(m_state, this, objectName() + QLatin1Char('.') + where, work);
}

void ctrWindowTable::showRowCount()
{
    m_ui->lblDataGrid1->setText(tr("Rows: %1").arg(m_developer.rows().rowCount()));
    m_ui->DataGrid1->resizeColumnsToContents();
}

void ctrWindowTable::copyCell(const QModelIndex& index)
{
    QApplication::clipboard()->setText(index.data().toString());
}

void ctrWindowTable::reloadCombos()
{
    run(ERROR_SOURCE, [this] {
        const QStringList combos = m_developer.ComboBoxes();
        m_ui->Combo1->clear();
        m_ui->Combo1->addItems(combos);
    });
}

void ctrWindowTable::showValues()
{
    run(ERROR_SOURCE, [this] {
        m_ui->List1->clear();
        if (!m_ui->Combo1->currentText().isEmpty())
            m_ui->List1->addItems(m_developer.ComboValues(m_ui->Combo1->currentText()));
    });
}

void ctrWindowTable::addValue()
{
    const QString combo = m_ui->Combo1->currentText();
    if (combo.isEmpty())
        return;
    const bool added = run(ERROR_SOURCE, [this, &combo] {
        m_developer.AddComboValue(combo, m_ui->txtOrder->text().toInt(), m_ui->txtvalue->text(),
                                  m_ui->dffDefault->isChecked());
    });
    if (!added)
        return;
    m_ui->txtOrder->setText(QString::number(m_ui->txtOrder->text().toInt() + 1));
    m_ui->dffDefault->setChecked(false);
    m_ui->txtvalue->clear();
    m_ui->txtvalue->setFocus(Qt::OtherFocusReason);
    showValues();
}
