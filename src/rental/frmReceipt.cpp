#include "rental/frmReceipt.h"
#include "ui_frmReceipt.h"

#include "accounting/ReceiptRules.h"
#include "accounting/TaxInvoice.h"
#include "accounting/VatSettings.h"
#include "accounting/cAccounting.h"
#include "core/AmountWords.h"
#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "core/cUI.h"
#include "engine/DateEdit.h"
#include "engine/NumberEdit.h"
#include "engine/cValidation.h"
#include "engine/frmGeneralOpen.h"
#include "engine/RecordListModel.h"
#include "engine/StoredValue.h"
#include "rental/BalanceText.h"
#include "rental/CustomerBalance.h"
#include "rental/RecordPicker.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

// METHOD as stored: its money account is the rules' business.
enum Method { Cash, Card, Transfer, Cheque };

DataScreen::Definition receiptDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("RECEIPTID");
    d.table = QStringLiteral("RECEIPT");
    // The latest first: the clerk opens on the one he made last.
    d.condition = QStringLiteral("WHERE 1 = 1 order by RECEIPTDATE desc, RECEIPTID desc");
    d.openCaption = QCoreApplication::translate("frmReceipt", "Receipts and Refunds");
    d.openSearch.alsoSearched = {QStringLiteral("REFERENCE")};
    d.newCaption = QCoreApplication::translate("frmReceipt", "New Receipt");
    d.nameField = QStringLiteral("NAME");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

}

frmReceipt::frmReceipt(RunState& state, QWidget* parent)
    : DataScreen(state, receiptDefinition(), parent), m_ui(std::make_unique<Ui::frmReceipt>())
{
    m_ui->setupUi(this);
    // The stored number and the list shown follow each other.
    connect(m_ui->cboMethod, &QComboBox::currentIndexChanged, this,
            [this](int method) { m_ui->dfnMethod->setText(QString::number(std::max(method, 0))); });
    connect(m_ui->dfnMethod, &QLineEdit::textChanged, this, &frmReceipt::showMethod);
    // Never shown, and not bound to a column: the ledger rules post each to
    // its own accounts, and those that are 0 post nothing.
    for (const char* name : {ReceiptRules::CashIn, ReceiptRules::CardIn, ReceiptRules::BankIn, ReceiptRules::CashOut,
                             ReceiptRules::CardOut, ReceiptRules::BankOut, ReceiptRules::VatIn, ReceiptRules::VatOut}) {
        auto* amount = new NumberEdit(this);
        amount->setObjectName(QLatin1String(name));
        amount->hide();
        m_amounts << amount;
    }
    connect(m_ui->cmdCustomerDetails, &QPushButton::clicked, this, &frmReceipt::pickCustomer);
    connect(m_ui->cmdContract, &QPushButton::clicked, this, &frmReceipt::pickContract);
    connect(m_ui->dfnCustomerid, &QLineEdit::editingFinished, this, &frmReceipt::takeCustomer);
    connect(m_ui->dfnRentId, &QLineEdit::editingFinished, this, &frmReceipt::showCustomer);
    connectCommands();
}

frmReceipt::~frmReceipt() = default;

cAccounting& frmReceipt::accounting()
{
    return state().service<cAccounting>();
}

int frmReceipt::decimals()
{
    return AmountWords::currency(state().config.CURRENCYCODE).decimals;
}

cWindow::Fields frmReceipt::newRecordFields() const
{
    return {{QStringLiteral("RECEIPTDATE"), StoredDate::number(QDate::currentDate())},
            {QStringLiteral("METHOD"), int(Cash)},
            {QStringLiteral("REFUND"), 0},
            {QStringLiteral("JOURNALID"), 0}};
}

void frmReceipt::load()
{
    DataScreen::load();
    showMethod();
    showCustomer();
}

void frmReceipt::New()
{
    DataScreen::New();
    showMethod();
    showCustomer();
}

void frmReceipt::Open()
{
    DataScreen::Open();
    showMethod();
    showCustomer();
}

void frmReceipt::showMethod()
{
    // The screen's set-up empties every list the metadata does not fill.
    if (m_ui->cboMethod->count() != Cheque + 1) {
        const QSignalBlocker quiet(m_ui->cboMethod);
        m_ui->cboMethod->clear();
        m_ui->cboMethod->addItems({tr("Cash"), tr("Card"), tr("Bank transfer"), tr("Cheque")});
    }
    const int method = m_ui->dfnMethod->text().trimmed().toInt();
    m_ui->cboMethod->setCurrentIndex(method >= Cash && method <= Cheque ? method : Cash);
}

void frmReceipt::takeCustomer()
{
    const qint64 customer = m_ui->dfnCustomerid->text().trimmed().toLongLong();
    run(ERROR_SOURCE, [this, customer] {
        const RowSet row = customer > 0 ? state().db().execute(QStringLiteral("select name from Customer where CUSTOMERID = ")
                                                               + QString::number(customer))
                                        : RowSet();
        m_ui->dfsCustomerNAME->setText(row.isEmpty() ? QString() : row.text(0, QStringLiteral("name")));
    });
    showCustomer();
}

void frmReceipt::showCustomer()
{
    const qint64 customer = m_ui->dfnCustomerid->text().trimmed().toLongLong();
    const qint64 contract = m_ui->dfnRentId->text().trimmed().toLongLong();
    m_ui->lblBalance->clear();
    m_ui->lblContract->clear();
    run(ERROR_SOURCE, [this, customer, contract] {
        Database& db = state().db();
        if (customer > 0 && !m_ui->dfsCustomerNAME->text().isEmpty())
            BalanceText::show(m_ui->lblBalance, CustomerBalance::of(db, customer), state().config.CURRENCYSUFFIX);
        if (contract <= 0)
            return;
        const RowSet rent = db.execute(QStringLiteral("select PLATNO, RETURNED, REMAINDER, CUSTOMERID from RENT where RENTID = ")
                                       + QString::number(contract));
        if (rent.isEmpty() || rent.value(0, QStringLiteral("CUSTOMERID")).toLongLong() != customer)
            m_ui->lblContract->setText(tr("Not one of this customer's contracts"));
        else if (rent.value(0, QStringLiteral("RETURNED")).toInt() == 1)
            m_ui->lblContract->setText(tr("%1, returned; remainder %2")
                                           .arg(rent.text(0, QStringLiteral("PLATNO")),
                                                QString::number(rent.value(0, QStringLiteral("REMAINDER")).toDouble(), 'f', 2)));
        else
            m_ui->lblContract->setText(tr("%1, still out").arg(rent.text(0, QStringLiteral("PLATNO"))));
    });
}

void frmReceipt::pickCustomer()
{
    const QString before = m_ui->dfnCustomerid->text();
    RecordPicker::open(state(), this, QStringLiteral("frmCustomers"), m_ui->cmdCustomerDetails, m_ui->dfnCustomerid);
    // Another customer's contract is not his.
    if (m_ui->dfnCustomerid->text() != before)
        m_ui->dfnRentId->clear();
    showCustomer();
}

void frmReceipt::pickContract()
{
    if (!m_ui->cmdContract->isEnabled())
        return;
    // A number typed and not yet left names its customer first.
    takeCustomer();
    const qint64 customer = m_ui->dfnCustomerid->text().trimmed().toLongLong();
    if (customer <= 0 || m_ui->dfsCustomerNAME->text().isEmpty()) {
        state().ui().message(this, tr("Choose the customer first (F5)."));
        m_ui->dfnCustomerid->setFocus();
        return;
    }
    run(ERROR_SOURCE, [this, customer] {
        frmGeneralOpen dialog(state(), this);
        const auto label = [](const QString& text) { return QStringLiteral(" as [") + text + QLatin1Char(']'); };
        dialog.list()->setColumnTypes({StoredValue::Number, StoredValue::Text, StoredValue::Text,
                                       StoredValue::Date, StoredValue::Text, RecordListModel::Money});
        dialog.setList(QStringLiteral("select RENTID") + label(tr("Contract #")) + QStringLiteral(", NAME")
                       + label(tr("Contract")) + QStringLiteral(", PLATNO") + label(tr("Plate #"))
                       + QStringLiteral(", EXITDATE") + label(tr("Out on"))
                       + QStringLiteral(", case when RETURNED = 1 then '") + SqlValue::text(tr("Returned"))
                       + QStringLiteral("' else '") + SqlValue::text(tr("Out")) + QStringLiteral("' end")
                       + label(tr("State")) + QStringLiteral(", REMAINDER") + label(tr("Remainder"))
                       + QStringLiteral(" from RENT where CUSTOMERID = ") + QString::number(customer)
                       + QStringLiteral(" order by RENTID desc"));
        dialog.setCaption(tr("Contracts of %1").arg(m_ui->dfsCustomerNAME->text()));
        const qint64 before = state().CurrentRecordId;
        state().CurrentRecordId = 0;
        if (state().ui().exec(&dialog) == QDialog::Accepted && state().CurrentRecordId != 0)
            m_ui->dfnRentId->setText(QString::number(state().CurrentRecordId));
        state().CurrentRecordId = before;
    });
    showCustomer();
    m_ui->dfnAmount->setFocus();
}

QString frmReceipt::problem()
{
    Database& db = state().db();
    const qint64 customer = m_ui->dfnCustomerid->text().trimmed().toLongLong();
    if (db.execute(QStringLiteral("select CUSTOMERID from Customer where CUSTOMERID = ") + QString::number(customer)).isEmpty())
        return tr("There is no customer number %1: choose him with F5.").arg(customer);
    const qint64 contract = m_ui->dfnRentId->text().trimmed().toLongLong();
    if (contract != 0) {
        const RowSet rent = db.execute(QStringLiteral("select CUSTOMERID from RENT where RENTID = ") + QString::number(contract));
        if (rent.isEmpty() || rent.value(0, 0).toLongLong() != customer)
            return tr("Contract %1 is not one of this customer's: choose it with F6, or leave it empty.").arg(contract);
    }
    return {};
}

void frmReceipt::splitAmount()
{
    const bool refund = m_ui->dffRefund->isChecked();
    const int method = m_ui->cboMethod->currentIndex();
    // Transfers and cheques both reach the bank.
    const int account = method == Cheque ? int(Transfer) : std::max(method, 0);
    const QString amount = m_ui->dfnAmount->text().trimmed().isEmpty() ? QStringLiteral("0") : m_ui->dfnAmount->text();
    const QString tax = QString::number(advanceVat(), 'f', decimals());
    // Three methods each way, then the VAT in and out.
    for (int i = 0; i < m_amounts.size(); ++i)
        m_amounts[i]->setText(i == account + (refund ? 3 : 0) ? amount
                              : i == 6 + (refund ? 1 : 0)     ? tax
                                                              : QStringLiteral("0"));
}

double frmReceipt::advanceVat()
{
    if (m_ui->dfnRentId->text().trimmed().toLongLong() > 0)
        return 0;
    return VatSettings::read(state().db()).taxWithin(m_ui->dfnAmount->text().trimmed().toDouble(), decimals());
}

qint64 frmReceipt::journal()
{
    return state().db().execute(QStringLiteral("select JOURNALID from RECEIPT ") + keyCondition()).value(0, 0).toLongLong();
}

bool frmReceipt::post(qint64 receipt)
{
    Database& db = state().db();
    qint64 posted = journal();
    splitAmount();
    if (!accounting().DoGLRule(posted, this))
        return false;
    if (posted != 0) {
        // The ledger dates the money on the day it changed hands, not on the day it was keyed in.
        const QString day = QString::number(StoredDate::number(m_ui->dfdReceiptDate->value()));
        const QString name = (m_ui->dffRefund->isChecked() ? QStringLiteral("رد مبلغ ") : QStringLiteral("سند قبض "))
                             + QString::number(receipt) + QStringLiteral(" - ") + m_ui->dfsCustomerNAME->text();
        db.command(QStringLiteral("update JOURNAL set TRANSACTIONDATE = ") + day + QStringLiteral(", NAME = ")
                   + SqlValue::quoted(name) + QStringLiteral(" where JOURNALID = ") + QString::number(posted));
        db.command(QStringLiteral("update JOURNALDETAIL set TRANSACTIONDATE = ") + day
                   + QStringLiteral(" where JOURNALID = ") + QString::number(posted));
    }
    db.command(QStringLiteral("update RECEIPT set JOURNALID = ") + QString::number(posted)
               + QStringLiteral(" where RECEIPTID = ") + QString::number(receipt));
    issueInvoice(receipt);
    return true;
}

void frmReceipt::issueInvoice(qint64 receipt)
{
    Database& db = state().db();
    const VatSettings vat = VatSettings::read(db);
    // A payment against a contract is billed on the contract's own invoice at
    // its close; an invoice of its own would charge its VAT twice.
    if (!vat.on || m_ui->dffRefund->isChecked() || m_ui->dfnRentId->text().trimmed().toLongLong() > 0)
        return;
    const double gross = m_ui->dfnAmount->text().trimmed().toDouble();
    const double tax = advanceVat();
    TaxInvoice::issue(db, TaxInvoice::Receipt, receipt, m_ui->dfsCustomerNAME->text(), {gross - tax, vat.rate, tax, gross});
}

bool frmReceipt::saveReceipt()
{
    if (idText().isEmpty())
        return false;
    bool saved = false;
    takeCustomer();
    run(ERROR_SOURCE, [this, &saved] {
        const qint64 receipt = SqlValue::number(idText(), QStringLiteral("txtID")).toLongLong();
        if (!state().service<cValidation>().ValidateWindow(this))
            return;
        if (const QString refusal = problem(); !refusal.isEmpty()) {
            state().ui().message(this, refusal);
            return;
        }
        try {
            saved = accounting().SaveAndPost(this, keyCondition(), [this, receipt] { return post(receipt); });
        } catch (const AppError& e) {
            ReportError(state(), this, QString::number(e.number()), e.description() + QStringLiteral(" Save Failed!"),
                        e.source());
        }
    });
    showCustomer();
    return saved;
}

void frmReceipt::Save()
{
    saveReceipt();
}

void frmReceipt::Ok()
{
    if (pickerMode() || idText().isEmpty() || saveReceipt())
        DataScreen::Ok();
}

void frmReceipt::Print()
{
    if (saveReceipt())
        DataScreen::Print();
}

void frmReceipt::Delete()
{
    if (idText().isEmpty())
        return;
    bool deleted = false;
    run(ERROR_SOURCE, [this, &deleted] {
        Database& db = state().db();
        const qint64 receipt = SqlValue::number(idText(), QStringLiteral("txtID")).toLongLong();
        // A tax invoice once issued is never taken back: a refund answers it.
        if (const qint64 invoice = TaxInvoice::numberOf(db, TaxInvoice::Receipt, receipt); invoice != 0) {
            state().ui().message(this, tr("Receipt %1 has tax invoice %2 and stays; record a refund instead.")
                                           .arg(receipt)
                                           .arg(invoice));
            return;
        }
        const QString posted = QString::number(journal());
        Transaction transaction(db);
        if (!window().Delete(keyCondition(), this))
            return;
        db.command(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = ") + posted);
        db.command(QStringLiteral("delete from JOURNAL where JOURNALID = ") + posted);
        transaction.commit();
        deleted = true;
    });
    if (deleted)
        close();
}

void frmReceipt::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_F5: pickCustomer(); return;
        case Qt::Key_F6: pickContract(); return;
        default: break;
        }
    }
    DataScreen::keyPressEvent(event);
}
