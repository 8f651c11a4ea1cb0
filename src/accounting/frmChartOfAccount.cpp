#include "accounting/frmChartOfAccount.h"
#include "ui_frmChartOfAccount.h"

#include "accounting/AccountBalance.h"
#include "accounting/frmTrialBalance.h"
#include "core/AppError.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "engine/WesternDigits.h"
#include "engine/cValidation.h"

#include <QCoreApplication>
#include <cmath>

namespace {

DataScreen::Definition chartDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("CHARTOFACCOUNTID");
    d.table = QStringLiteral("chartofaccount");
    d.condition = QStringLiteral("WHERE 1 = 1 ORDER BY ACCOUNTCATEGORYID , ACCOUNTNUMBER ");
    d.openCaption = QCoreApplication::translate("frmChartOfAccount", "Chart of Account");
    d.newCaption = QCoreApplication::translate("frmChartOfAccount", "New Account ");
    d.nameField = QStringLiteral("name");
    return d;
}

}

frmChartOfAccount::frmChartOfAccount(RunState& state, QWidget* parent)
    : DataScreen(state, chartDefinition(), parent),
      m_ui(std::make_unique<Ui::frmChartOfAccount>())
{
    m_ui->setupUi(this);
    connectCommands();
    connect(m_ui->cmdTrialBalance, &QPushButton::clicked, this, &frmChartOfAccount::ShowTrialBalance);
}

frmChartOfAccount::~frmChartOfAccount() = default;

void frmChartOfAccount::load()
{
    run(ERROR_SOURCE, [this] {
        window().FillGridCombo(
            this, QStringLiteral("dfgACCOUNTCATEGORYID"),
            QStringLiteral("select  ACCOUNTCATEGORYID as [كود النوع] , NAME as [نوع الحساب ]  from ACCOUNTCATEGORY order by ACCOUNTCATEGORYID"),
            1, 0);
    });
    DataScreen::load();
    showBalance();
}

cWindow::Fields frmChartOfAccount::newRecordFields() const
{
    return {{QStringLiteral("ACCOUNTNUMBER"), m_nextNumber},
            {QStringLiteral("ACCOUNTCATEGORYID"), 1},
            {QStringLiteral("DESCRIPTION"), QStringLiteral("حساب جديد")}};
}

void frmChartOfAccount::New()
{
    run(ERROR_SOURCE, [this] {
        const RowSet rows =
            state().db().execute(QStringLiteral("select max(accountnumber) + 1 as acctnbr from chartofaccount "));
        const QVariant next = rows.value(0, QStringLiteral("acctnbr"));
        m_nextNumber = next.isNull() ? 1 : next.toLongLong();
    });
    DataScreen::New();
    showBalance();
}

void frmChartOfAccount::Open()
{
    DataScreen::Open();
    showBalance();
}

qint64 frmChartOfAccount::storedNumber()
{
    if (!SqlValue::isNumber(idText()))
        return 0;
    const RowSet rows =
        state().db().execute(QStringLiteral("select ACCOUNTNUMBER from chartofaccount ") + keyCondition());
    return rows.isEmpty() ? 0 : rows.value(0, QStringLiteral("ACCOUNTNUMBER")).toLongLong();
}

qint64 frmChartOfAccount::lineCount(qint64 account)
{
    const RowSet rows =
        state().db().execute(QStringLiteral("select count(*) as CountOp from JOURNALDETAIL where ACCOUNTNUMBER = ")
                             + SqlValue::number(account));
    return rows.value(0, QStringLiteral("CountOp")).toLongLong();
}

void frmChartOfAccount::Save()
{
    run(ERROR_SOURCE, [this] {
        if (!state().service<cValidation>().ValidateWindow(this))
            return;
        const QString typed = westernDigits(m_ui->dfnACCOUNTNUMBER->text()).trimmed();
        if (!SqlValue::isNumber(typed) || std::floor(typed.toDouble()) != typed.toDouble()) {
            state().ui().message(this, tr("An account number is a whole number."));
            return;
        }
        const qint64 stored = storedNumber();
        if (stored != qint64(typed.toDouble()) && lineCount(stored) > 0) {
            state().ui().message(this, tr("The account %1 has journal lines, so its number stays.").arg(stored));
            return;
        }
        window().Save(keyCondition(), this);
    });
    showBalance();
}

void frmChartOfAccount::Delete()
{
    if (idText().isEmpty())
        return;
    bool deleted = false;
    run(ERROR_SOURCE, [this, &deleted] {
        const qint64 account = storedNumber();
        if (lineCount(account) > 0) {
            state().ui().message(this, tr("The account %1 has journal lines and cannot be deleted.").arg(account));
            return;
        }
        deleted = window().Delete(QString(), this);
    });
    if (deleted)
        close();
}

void frmChartOfAccount::ShowTrialBalance()
{
    frmTrialBalance trialBalance(state(), this);
    state().ui().exec(&trialBalance);
    if (isVisible())
        activateWindow();
}

void frmChartOfAccount::showBalance()
{
    run(QStringLiteral("showBalance"), [this] {
        const AccountBalance b = AccountBalance::of(state().db(), storedNumber());
        m_ui->lblDebitAmount->setText(AccountBalance::amountText(b.debit));
        m_ui->lblCreditAmount->setText(AccountBalance::amountText(b.credit));
        m_ui->lblBalanceAmount->setText(AccountBalance::amountText(b.balance()));
    });
}
