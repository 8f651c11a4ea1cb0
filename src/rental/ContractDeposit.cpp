#include "rental/ContractDeposit.h"
#include "ui_frmRentCar.h"

#include "accounting/LedgerSetup.h"
#include "accounting/cAccounting.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/cUI.h"
#include "engine/GridCombo.h"
#include "engine/NumberEdit.h"

#include <QHeaderView>
#include <QTableView>
#include <cmath>

namespace {

double number(const QLineEdit* field)
{
    return Configuration::toDouble(field->text());
}

QString money(double value)
{
    return QString::number(value, 'f', 2);
}

}

ContractDeposit::ContractDeposit(RunState& state, QWidget* screen, Ui::frmRentCar& ui)
    : m_state(state), m_screen(screen), m_ui(ui)
{
    QList<QVariantList> rows;
    for (int i = 0; i < int(std::size(DepositMethods::All)); ++i)
        rows.append({tr(DepositMethods::All[i].name), i});
    GridCombo* methods = m_ui.dfgDepositMethod;
    methods->setRows(RowSet({QStringLiteral("NAME"), QStringLiteral("METHOD")}, rows), 0, 1);
    if (auto* table = qobject_cast<QTableView*>(methods->view())) {
        table->hideColumn(1);
        table->horizontalHeader()->hide();
    }
    // The rules read the deposit by its way of payment from these; the clerk never sees them.
    for (const DepositMethods::Method& m : DepositMethods::All)
        for (const char* name : {m.takenField, m.refundedField}) {
            auto* field = new NumberEdit(screen);
            field->setObjectName(QLatin1String(name));
            field->hide();
        }
}

int ContractDeposit::method() const
{
    const int method = m_ui.dfgDepositMethod->value().toInt();
    return method >= 0 && method < int(std::size(DepositMethods::All)) ? method : 0;
}

void ContractDeposit::proposeRefund()
{
    if (m_ui.dffReturned->isChecked() || number(m_ui.dfnDeposit) <= 0 || number(m_ui.dfnDepositKept) != 0
        || number(m_ui.dfnDepositRefunded) != 0)
        return;
    const double deposit = number(m_ui.dfnDeposit);
    // Whole numbers stay whole, as the screen writes every number.
    m_ui.dfnDepositRefunded->setText(deposit == double(qint64(deposit)) ? QString::number(qint64(deposit))
                                                                         : QString::number(deposit, 'f', 6));
}

bool ContractDeposit::isSound(bool closing)
{
    const double deposit = number(m_ui.dfnDeposit);
    const double kept = number(m_ui.dfnDepositKept);
    const double refunded = number(m_ui.dfnDepositRefunded);
    QWidget* field = nullptr;
    QString problem;
    if (deposit < 0) {
        field = m_ui.dfnDeposit;
        problem = tr("The deposit taken cannot be below 0.");
    } else if (closing && (kept < 0 || refunded < 0 || std::abs(kept + refunded - deposit) >= 0.005)) {
        // What is kept and what goes back are the whole deposit, no more and no less.
        field = kept < 0 ? m_ui.dfnDepositKept : m_ui.dfnDepositRefunded;
        problem = tr("The deposit kept (%1) and the deposit refunded (%2) must together make the deposit taken (%3).")
                      .arg(money(kept), money(refunded), money(deposit));
    }
    if (!field)
        return true;
    m_state.ui().message(m_screen, problem);
    m_ui.SSTab1->setCurrentIndex(field == m_ui.dfnDeposit ? 0 : 1);
    field->setFocus();
    return false;
}

void ContractDeposit::spread(bool refunded, double amount)
{
    const int chosen = method();
    for (int i = 0; i < int(std::size(DepositMethods::All)); ++i) {
        const DepositMethods::Method& m = DepositMethods::All[i];
        auto* field = m_screen->findChild<NumberEdit*>(QLatin1String(refunded ? m.refundedField : m.takenField));
        field->setText(money(i == chosen ? amount : 0));
    }
}

QString ContractDeposit::post(const QString& rent)
{
    Database& db = m_state.db();
    spread(false, number(m_ui.dfnDeposit));
    // One contract, one journal of its deposit: a second save replaces its lines.
    const RowSet posted = db.execute(QStringLiteral("select DEPOSITJOURNALID from RENT WHERE RENTID = ") + rent);
    qint64 journal = posted.isEmpty() ? 0 : posted.value(0, 0).toLongLong();
    if (!m_state.service<cAccounting>().DoGLRule(journal, m_screen, QString::fromLatin1(DepositMethods::TakenRules)))
        return tr("The contract was not saved: the posting of its deposit to the ledger failed.");
    db.command(QStringLiteral("update RENT set DEPOSITJOURNALID = ") + SqlValue::number(journal)
               + QStringLiteral(" WHERE RENTID = ") + rent);
    return {};
}
