#include "accounting/frmVoucher.h"
#include "ui_frmVoucher.h"

#include "accounting/cAccounting.h"
#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/GridCombo.h"
#include "engine/NumberEdit.h"
#include "engine/cValidation.h"

#include <QCoreApplication>
#include <QDate>

namespace {

// Columns of the car lists: name, plate, number.
enum CarColumn { CarName, CarPlate, CarNumber };

DataScreen::Definition voucherDefinition(const frmVoucher::Kind& kind)
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("JOURNALID");
    d.table = QStringLiteral("JOURNAL");
    // Each kind lists and opens its own vouchers only.
    d.condition = QStringLiteral("WHERE WINDOWNAME = ") + SqlValue::quoted(QLatin1String(kind.screen)) + QLatin1Char(' ');
    d.openCaption = QCoreApplication::translate("frmVoucher", kind.caption);
    d.newCaption = QCoreApplication::translate("frmVoucher", kind.newName);
    d.nameField = QStringLiteral("name");
    return d;
}

}

const QList<frmVoucher::Kind>& frmVoucher::kinds()
{
    static const QList<Kind> all{
        {"frmIncomeRent", QT_TRANSLATE_NOOP("frmVoucher", "Car Income"),
         QT_TRANSLATE_NOOP("frmVoucher", "New Car Income "), true,
         "select  name as [Car] , PLATENO as [Plate] , carid as [Car # ]  from car order by carid"},
        {"frmIncomeGeneral", QT_TRANSLATE_NOOP("frmVoucher", "Gen. Income"),
         QT_TRANSLATE_NOOP("frmVoucher", " New Income"), true,
         "select  name as [Car] , PLATENO as [Plate] , carid as [Car # ]  from car order by carid"},
        {"frmExpenseRent", QT_TRANSLATE_NOOP("frmVoucher", "Car Expense"),
         QT_TRANSLATE_NOOP("frmVoucher", "New Car Expense "), false,
         "select  name as [Car] , PLATENO as [Plate] , carid as [car # ]  from car order by carid"},
        {"frmExpenseGeneral", QT_TRANSLATE_NOOP("frmVoucher", "Gen. Expense"),
         QT_TRANSLATE_NOOP("frmVoucher", " New Expense"), false,
         "select  name as [Car] , PLATENO as [Plate] , carid as [Car # ]  from car order by carid"},
    };
    return all;
}

frmVoucher::frmVoucher(RunState& state, const Kind& kind, QWidget* parent)
    : DataScreen(state, voucherDefinition(kind), parent),
      m_kind(kind),
      m_ui(std::make_unique<Ui::frmVoucher>()),
      m_paidInCash(new NumberEdit(this)),
      m_paidByCheque(new NumberEdit(this))
{
    // Named before the form is built, which names it only when nobody did.
    setObjectName(QLatin1String(kind.screen));
    m_ui->setupUi(this);
    // Never shown, and not bound to a column: the ledger rules post each part
    // to its own account, and the part that is 0 posts nothing.
    m_paidInCash->setObjectName(QStringLiteral("txtnPaidInCash"));
    m_paidByCheque->setObjectName(QStringLiteral("txtnPaidByCheque"));
    for (NumberEdit* part : {m_paidInCash, m_paidByCheque})
        part->hide();
    const QString caption = QCoreApplication::translate("frmVoucher", kind.caption);
    setWindowTitle(caption);
    m_ui->lblScreenName->setText(caption);
    connectCommands();
    connect(m_ui->dfgCarID, &QComboBox::activated, this, &frmVoucher::takePlate);
}

frmVoucher::~frmVoucher() = default;

cAccounting& frmVoucher::accounting()
{
    return state().service<cAccounting>();
}

void frmVoucher::fillCars()
{
    // A car table that cannot be read leaves the list empty and the screen usable.
    run(ERROR_SOURCE, [this] {
        window().FillGridCombo(this, QStringLiteral("dfgCarID"), QLatin1String(m_kind.carList), CarName, CarNumber);
        QAbstractItemModel* cars = m_ui->dfgCarID->model();
        cars->setHeaderData(CarName, Qt::Horizontal, tr("Car"));
        cars->setHeaderData(CarPlate, Qt::Horizontal, tr("Plate"));
        cars->setHeaderData(CarNumber, Qt::Horizontal, tr("Car #"));
    });
}

void frmVoucher::takePlate(int row)
{
    m_ui->dfsLICENSENO->setText(m_ui->dfgCarID->model()->index(row, CarPlate).data().toString());
}

void frmVoucher::load()
{
    // The list first, so that the voucher read shows its car by name.
    fillCars();
    DataScreen::load();
    showPayment();
}

cWindow::Fields frmVoucher::newRecordFields() const
{
    cWindow::Fields fields{{QStringLiteral("WINDOWNAME"), QString::fromLatin1(m_kind.screen)}};
    if (m_kind.datedOnNew)
        fields.append(
            {QStringLiteral("TRANSACTIONDATE"), StoredDate::number(QDate::currentDate())});
    return fields;
}

void frmVoucher::New()
{
    DataScreen::New();
    showPayment();
}

void frmVoucher::Open()
{
    DataScreen::Open();
    showPayment();
}

void frmVoucher::showPayment()
{
    if (!SqlValue::isNumber(idText()))
        return;
    run(ERROR_SOURCE, [this] {
        const RowSet rows = state().db().execute(QStringLiteral("select PAIDBYCHEQUE from JOURNAL where JOURNALID = ")
                                                 + SqlValue::number(idText()));
        const bool cheque = !rows.isEmpty() && rows.value(0, QStringLiteral("PAIDBYCHEQUE")).toInt() == 1;
        (cheque ? m_ui->Option2 : m_ui->Option1)->setChecked(true);
    });
}

void frmVoucher::splitPayment()
{
    const bool cheque = m_ui->Option2->isChecked();
    const QString amount = m_ui->dfnAmount->text().trimmed().isEmpty() ? QStringLiteral("0") : m_ui->dfnAmount->text();
    m_paidInCash->setText(cheque ? QStringLiteral("0") : amount);
    m_paidByCheque->setText(cheque ? amount : QStringLiteral("0"));
}

void frmVoucher::storePayment(qint64 journal)
{
    state().db().command(QStringLiteral("update JOURNAL set PAIDBYCHEQUE = ")
                         + SqlValue::number(qint64(m_ui->Option2->isChecked() ? 1 : 0))
                         + QStringLiteral(" where JOURNALID = ") + SqlValue::number(journal));
}

bool frmVoucher::ownJournal(qint64 journal)
{
    // Every journal opens here, but this voucher's rule would replace the lines
    // of a contract or of a manual entry.
    const RowSet owners = state().db().execute(
        QStringLiteral("select count(*) as CountOp from JOURNAL where JOURNALID = ") + SqlValue::number(journal)
        + QStringLiteral(" and (FROMACCOUNT <> 0 or JOURNALID in (select JOURNALID from RENT))"));
    if (owners.value(0, QStringLiteral("CountOp")).toLongLong() == 0)
        return true;
    state().ui().message(
        this, tr("This journal belongs to a rental contract or a ledger entry; change it on the screen that made it."));
    return false;
}

void frmVoucher::Save()
{
    if (idText().isEmpty())
        return;
    run(ERROR_SOURCE, [this] {
        qint64 journal = SqlValue::number(idText(), QStringLiteral("txtID")).toLongLong();
        if (!ownJournal(journal) || !state().service<cValidation>().ValidateWindow(this))
            return;
        try {
            accounting().SaveAndPost(this, keyCondition(), [this, &journal] {
                storePayment(journal);
                splitPayment();
                return accounting().DoGLRule(journal, this);
            });
        } catch (const AppError& e) {
            ReportError(state(), this, QString::number(e.number()), e.description() + QStringLiteral(" Save Failed!"),
                        e.source());
        }
    });
}

void frmVoucher::Delete()
{
    if (idText().isEmpty())
        return;
    bool deleted = false;
    run(ERROR_SOURCE, [this, &deleted] {
        const qint64 journal = SqlValue::number(idText(), QStringLiteral("txtID")).toLongLong();
        deleted = ownJournal(journal) && accounting().DeleteJournal(this, journal);
    });
    if (deleted)
        close();
}
