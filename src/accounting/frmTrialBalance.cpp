#include "accounting/frmTrialBalance.h"
#include "ui_frmTrialBalance.h"

#include "accounting/AccountBalance.h"
#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/ReaderNames.h"
#include "core/RunState.h"
#include "engine/ListExportKey.h"

#include <QHeaderView>
#include <QStandardItemModel>

namespace {

QStandardItem* amountItem(double amount)
{
    // Embedded left to right, so that a right-to-left table keeps the minus before the digits.
    const QString text = AccountBalance::amountText(amount);
    auto* item = new QStandardItem(text.startsWith(QLatin1Char('-')) ? QChar(0x202A) + text + QChar(0x202C) : text);
    item->setTextAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// Amounts are kept as doubles: a thousandth of a fils is no difference.
bool agree(double a, double b)
{
    return qRound64(a * 1000) == qRound64(b * 1000);
}

}

frmTrialBalance::frmTrialBalance(RunState& state, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_ui(std::make_unique<Ui::frmTrialBalance>())
{
    m_ui->setupUi(this);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::close);
    guarded(m_state, this, ERROR_SOURCE, [this] { fill(); });
    ReaderNames::give(this);
    ListExportKey::attach(m_state, this);
}

frmTrialBalance::~frmTrialBalance() = default;

void frmTrialBalance::fill()
{
    const QList<AccountBalance> balances = AccountBalance::all(m_state.db());
    auto* model = new QStandardItemModel(0, 5, this);
    model->setHorizontalHeaderLabels({tr("Acc #"), tr("Account"), tr("Debit"), tr("Credit"), tr("Balance")});
    double debit = 0;
    double credit = 0;
    for (const AccountBalance& b : balances) {
        model->appendRow({new QStandardItem(QString::number(b.number)), new QStandardItem(b.name), amountItem(b.debit),
                          amountItem(b.credit), amountItem(b.balance())});
        debit += b.debit;
        credit += b.credit;
    }
    QList<QStandardItem*> total{new QStandardItem(), new QStandardItem(tr("Total")), amountItem(debit),
                                amountItem(credit), amountItem(debit - credit)};
    for (QStandardItem* item : total) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    model->appendRow(total);
    m_ui->DataGrid1->setModel(model);
    m_ui->DataGrid1->verticalHeader()->hide();
    m_ui->DataGrid1->resizeColumnsToContents();
    m_ui->DataGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_ui->lblAgree->setText(
        agree(debit, credit)
            ? tr("The debit and credit totals agree.")
            : tr("The debit and credit totals differ by %1.").arg(AccountBalance::amountText(debit - credit)));
}
