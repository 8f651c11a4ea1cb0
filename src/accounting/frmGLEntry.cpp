#include "accounting/frmGLEntry.h"
#include "ui_frmGLEntry.h"

#include "accounting/cAccounting.h"
#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/ControlAccess.h"
#include "engine/GridCombo.h"
#include "engine/WesternDigits.h"
#include "engine/cValidation.h"

#include <QCoreApplication>
#include <QDate>
#include <cmath>

namespace {

const QString AccountList =
    QStringLiteral("select  name as [اسم الحساب] , accountnumber as [رقم الحساب]  from chartofaccount order by accountnumber");

DataScreen::Definition entryDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("JOURNALID");
    d.table = QStringLiteral("JOURNAL");
    d.condition = QStringLiteral("WHERE 1 = 1 ");
    d.openCaption = QCoreApplication::translate("frmGLEntry", " Accounting Entries");
    d.newCaption = QCoreApplication::translate("frmGLEntry", "New GL Entry");
    d.nameField = QStringLiteral("name");
    return d;
}

qint64 accountOf(const GridCombo* list)
{
    const QString value = list->value().trimmed();
    if (!SqlValue::isNumber(value))
        throw AppError(ErrorNumber::NotANumber,
                       QCoreApplication::translate("frmGLEntry", "%1 holds no account number.").arg(list->objectName()),
                       ERROR_SOURCE);
    return qint64(std::nearbyint(value.toDouble()));
}

QString referenceText(const QString& text)
{
    return text.trimmed().isEmpty() ? QStringLiteral("0") : text;
}

}

frmGLEntry::frmGLEntry(RunState& state, QWidget* parent)
    : DataScreen(state, entryDefinition(), parent),
      m_ui(std::make_unique<Ui::frmGLEntry>())
{
    m_ui->setupUi(this);
    connectCommands();
}

frmGLEntry::~frmGLEntry() = default;

cAccounting& frmGLEntry::accounting()
{
    return state().service<cAccounting>();
}

void frmGLEntry::fillAccountLists()
{
    run(ERROR_SOURCE, [this] {
        window().FillGridCombo(this, QStringLiteral("dfgFromAccount"), AccountList, 0, 1);
        window().FillGridCombo(this, QStringLiteral("dfgToAccount"), AccountList, 0, 1);
    });
}

void frmGLEntry::load()
{
    fillAccountLists();
    DataScreen::load();
    showLines();
}

cWindow::Fields frmGLEntry::newRecordFields() const
{
    return {
        {QStringLiteral("TRANSACTIONDATE"), StoredDate::number(QDate::currentDate())}};
}

void frmGLEntry::New()
{
    DataScreen::New();
    showLines();
}

void frmGLEntry::Open()
{
    DataScreen::Open();
    showLines();
}

void frmGLEntry::showLines()
{
    if (!SqlValue::isNumber(idText()))
        return;
    run(ERROR_SOURCE, [this] {
        const RowSet lines = state().db().execute(QStringLiteral("select * from JOURNALDETAIL WHERE JOURNALID = ")
                                                  + SqlValue::number(idText())
                                                  + QStringLiteral(" order by JOURNALDETAILID"));
        // A journal of several pairs shows its last debit and its last credit.
        for (int r = 0; r < lines.count(); ++r) {
            const bool debit = lines.value(r, QStringLiteral("DEBITORCREDIT")).toInt() == 1;
            ControlAccess::setDefaultValue(debit ? m_ui->dfgFromAccount : m_ui->dfgToAccount,
                                           lines.text(r, QStringLiteral("ACCOUNTNUMBER")));
            ControlAccess::setDefaultValue(debit ? m_ui->dfsRelatedDetailDebit : m_ui->dfsRelatedDetailCredit,
                                           lines.text(r, QStringLiteral("RELATEDDETAIL")).trimmed());
        }
    });
}

bool frmGLEntry::post(qint64 journal)
{
    const QString amount = westernDigits(ControlAccess::defaultValue(m_ui->dfnAmount).toString()).trimmed();
    // Saved past its validation, an entry without an amount still posts nothing.
    if (!SqlValue::isNumber(amount) || amount.toDouble() <= 0)
        throw AppError(ErrorNumber::NotANumber, tr("The amount of an entry is a number above 0."),
                       ERROR_SOURCE);
    accounting().LogFinancialTran(amount.toDouble(), journal, accountOf(m_ui->dfgFromAccount),
                                  accountOf(m_ui->dfgToAccount), referenceText(m_ui->dfsRelatedDetailDebit->text()),
                                  referenceText(m_ui->dfsRelatedDetailCredit->text()));
    return true;
}

void frmGLEntry::Save()
{
    if (idText().isEmpty())
        return;
    run(ERROR_SOURCE, [this] {
        if (!state().service<cValidation>().ValidateWindow(this))
            return;
        const qint64 journal = SqlValue::number(idText(), QStringLiteral("txtID")).toLongLong();
        const RowSet lines =
            state().db().execute(QStringLiteral("select count(*) as CountOp from JOURNALDETAIL where JOURNALID = ")
                                 + SqlValue::number(journal));
        // One pair would replace what a ledger rule posted.
        if (lines.value(0, QStringLiteral("CountOp")).toLongLong() > 2) {
            state().ui().message(this,
                                 tr("This journal was posted by a ledger rule in several pairs; change it on "
                                    "the screen that posted it."));
            return;
        }
        try {
            accounting().SaveAndPost(this, keyCondition(), [this, journal] { return post(journal); });
        } catch (const AppError& e) {
            ReportError(state(), this, QString::number(e.number()), e.description() + QStringLiteral(" Save Failed!"),
                        e.source());
        }
    });
}

void frmGLEntry::Delete()
{
    if (idText().isEmpty())
        return;
    bool deleted = false;
    run(ERROR_SOURCE, [this, &deleted] {
        deleted = accounting().DeleteJournal(this, SqlValue::number(idText(), QStringLiteral("txtID")).toLongLong());
    });
    if (deleted)
        close();
}
