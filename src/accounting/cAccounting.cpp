#include "accounting/cAccounting.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ShellFrame.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/ControlAccess.h"
#include "engine/GridCombo.h"
#include "engine/ReadSnapshot.h"
#include "engine/WesternDigits.h"
#include "engine/cWindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QWidget>
#include <cmath>
#include <functional>

namespace {

const QString Source = QStringLiteral("cAccounting.DoGLRule");
const QString MissingValueTail =
    QStringLiteral(" Error Getting value of field, Check that you have defined the amount field in _GLRULE table");
// Larger numbers lose their units digit in a double.
constexpr double LargestAccount = 9e15;

struct PostingPair {
    double amount = 0;
    qint64 debit = 0;
    qint64 credit = 0;
    QString debitText;
    QString creditText;
};

QString ruleStatement(const QString& window)
{
    return QStringLiteral("SELECT [_GLRULEDETAIL].*, [_GLRULE].* ")
        + QStringLiteral(" FROM _GLRULE INNER JOIN _GLRULEDETAIL ON [_GLRULE].GLRULEID = [_GLRULEDETAIL].GLRULEID ")
        + QStringLiteral(" WHERE ((([_GLRULE].WINDOWNAME)= '") + SqlValue::text(window) + QStringLiteral("'))");
}

qint64 today()
{
    return StoredDate::number(QDate::currentDate());
}

[[noreturn]] void refuse(const QString& description)
{
    throw AppError(ErrorNumber::NotANumber, description, Source);
}

QString required(const RowSet& rows, int row, const QString& column, const QString& window)
{
    const QString value = rows.text(row, column).trimmed();
    if (value.isEmpty())
        refuse(QCoreApplication::translate("cAccounting", "The ledger rule of %1 gives no %2.").arg(window, column)
               + MissingValueTail);
    return value;
}

QString textReference(const RowSet& rows, int row, const QString& column)
{
    const QString value = rows.text(row, column);
    return value.trimmed().isEmpty() ? QStringLiteral("0") : value;
}

// A field of the screen by name; null when it has none.
using Lookup = std::function<const QWidget*(const QString& name)>;

QString fieldText(const QString& reference, const Lookup& find)
{
    const QString ref = reference.isEmpty() ? QStringLiteral("0") : reference;
    if (!ref.contains(QLatin1Char(':')))
        return ref;
    const QWidget* control = find(ref.mid(1, 100).trimmed());
    if (!control)
        return {};
    QString text = ControlAccess::hasText(control) ? ControlAccess::text(control) : ControlAccess::value(control);
    // A list from a table stands for a key but shows a name: a line tells its
    // reader the car, not its number. A key the list no longer offers stays.
    if (const auto* list = qobject_cast<const GridCombo*>(control); list && !list->currentText().trimmed().isEmpty())
        text = list->currentText();
    return text.trimmed().isEmpty() ? QStringLiteral("0") : text;
}

std::optional<double> fieldValue(const QString& reference, const Lookup& find)
{
    QString text = reference.trimmed();
    bool numberField = false;
    if (reference.contains(QLatin1Char(':'))) {
        const QString name = reference.mid(1, 100).trimmed();
        const QWidget* control = find(name);
        if (!control)
            return std::nullopt;
        numberField = name.startsWith(QLatin1String("dfn"), Qt::CaseInsensitive);
        text = numberField
            ? ControlAccess::defaultValue(control).toString()
            : (ControlAccess::hasText(control) ? ControlAccess::text(control) : ControlAccess::value(control));
        text = westernDigits(text).trimmed();
    }
    if (text.isEmpty() && numberField)
        return 0.0;
    return SqlValue::decimal(text);
}

}

cAccounting::cAccounting(RunState& state) : m_state(state)
{
    Q_INIT_RESOURCE(accounting);
}

QString cAccounting::GetFieldText(const QString& reference, QWidget* screen)
{
    return fieldText(reference, [screen](const QString& name) { return screen ? ControlAccess::find(screen, name) : nullptr; });
}

std::optional<double> cAccounting::GetFieldValue(const QString& reference, QWidget* screen)
{
    return fieldValue(reference, [screen](const QString& name) { return screen ? ControlAccess::find(screen, name) : nullptr; });
}

QSet<qint64> cAccounting::chartAccounts()
{
    // The chart is short; one statement for a posting of any length.
    const RowSet rows = m_state.service<cWindow>().ruleRows(QStringLiteral("select ACCOUNTNUMBER from chartofaccount"));
    QSet<qint64> accounts;
    for (int r = 0; r < rows.count(); ++r)
        accounts.insert(rows.value(r, 0).toLongLong());
    return accounts;
}

void cAccounting::checkAccount(qint64 account, const QSet<qint64>& chart)
{
    if (!chart.contains(account))
        throw AppError(
            ErrorNumber::NotANumber,
            QCoreApplication::translate("cAccounting", "The account %1 is not in the chart of accounts.").arg(account),
            QStringLiteral("cAccounting"));
}

void cAccounting::LogFinancialTran(double amount, qint64 journalId, qint64 debitAccount, qint64 creditAccount,
                                   const QString& debitText, const QString& creditText)
{
    const QSet<qint64> chart = chartAccounts();
    checkAccount(debitAccount, chart);
    checkAccount(creditAccount, chart);
    Database& db = m_state.db();
    const qint64 date = today();
    Transaction transaction(db);
    db.command(QStringLiteral("delete from journaldetail where journalid = ") + SqlValue::number(journalId));
    for (const auto& [account, text, side] :
         {std::tuple{debitAccount, debitText, 1}, std::tuple{creditAccount, creditText, 0}}) {
        m_state.LastInsertedId = db.insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                                           {{QStringLiteral("TRANSACTIONDATE"), date},
                                            {QStringLiteral("AMOUNT"), amount},
                                            {QStringLiteral("JOURNALID"), journalId},
                                            {QStringLiteral("ACCOUNTNUMBER"), account},
                                            {QStringLiteral("RELATEDDETAIL"), text},
                                            {QStringLiteral("DEBITORCREDIT"), side}});
        m_state.CurrentRecordId = m_state.LastInsertedId;
    }
    transaction.commit();
    showLedgerPicture();
}

bool cAccounting::DoGLRule(qint64& journalId, QWidget* screen, const QString& rules)
{
    QWidget* w = cWindow::activeScreen(screen);
    if (!w || w->objectName().isEmpty())
        return true;
    const QString window = rules.isEmpty() ? w->objectName() : rules;
    Database& db = m_state.db();
    bool anyAmount = false;
    std::optional<QSet<qint64>> chart;
    try {
        const RowSet rows = m_state.service<cWindow>().ruleRows(ruleStatement(window));
        if (rows.isEmpty())
            return true;
        // Every value is read before anything is written, its field found in one look at the screen.
        const ControlAccess::Index controls(w);
        const Lookup find = [&controls](const QString& name) -> const QWidget* {
            return name.trimmed().isEmpty() ? nullptr : controls.find(name.trimmed());
        };
        QList<PostingPair> pairs;
        for (int r = 0; r < rows.count(); ++r) {
            PostingPair p;
            const QString amountField = required(rows, r, QStringLiteral("amountfield"), window);
            const std::optional<double> amount = fieldValue(amountField, find);
            if (!amount || *amount < 0)
                refuse(QCoreApplication::translate(
                           "cAccounting", "The amount of the ledger rule of %1 (%2) is not a number of 0 or more.")
                           .arg(window, amountField));
            p.amount = *amount;
            const auto account = [&](const QString& column) {
                const QString field = required(rows, r, column, window);
                const std::optional<double> number = fieldValue(field, find);
                if (!number || std::fabs(*number) > LargestAccount)
                    refuse(QCoreApplication::translate("cAccounting",
                                                       "The account of the ledger rule of %1 (%2) is not a number.")
                               .arg(window, field));
                // Halves go to the even number.
                return qint64(std::nearbyint(*number));
            };
            p.debit = account(QStringLiteral("debitaccountfield"));
            p.credit = account(QStringLiteral("creditaccountfield"));
            p.debitText = fieldText(textReference(rows, r, QStringLiteral("relateddetaildebitfield")), find);
            p.creditText = fieldText(textReference(rows, r, QStringLiteral("relateddetailcreditfield")), find);
            if (p.amount != 0) {
                anyAmount = true;
                if (!chart)
                    chart = chartAccounts();
                checkAccount(p.debit, *chart);
                checkAccount(p.credit, *chart);
            }
            pairs << p;
        }
        // Amounts of 0 post no lines: a new journal is not made, an old one loses its lines.
        qint64 journal = journalId;
        const qint64 date = today();
        Transaction transaction(db);
        if (journal == 0 && anyAmount) {
            // The journal is named and valued after its first rule that posts.
            int first = 0;
            while (pairs[first].amount == 0)
                ++first;
            const QString name = rows.text(first, QStringLiteral("name"));
            journal = db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                                {{QStringLiteral("AMOUNT"), pairs[first].amount},
                                 {QStringLiteral("NAME"), name.trimmed().isEmpty() ? QStringLiteral("0") : name},
                                 {QStringLiteral("TRANSACTIONDATE"), date}});
            m_state.LastInsertedId = journal;
        }
        // The old lines go in the same round as the new ones.
        if (journal != 0)
            db.commandWithNext(QStringLiteral("delete from journaldetail where journalid = ") + SqlValue::number(journal));
        QList<QVariantList> lines;
        for (const PostingPair& p : pairs) {
            if (p.amount == 0)
                continue;
            lines << QVariantList{date, p.amount, journal, p.debit, p.debitText, 1}
                  << QVariantList{date, p.amount, journal, p.credit, p.creditText, 0};
        }
        if (!lines.isEmpty()) {
            m_state.LastInsertedId =
                db.insertRows(QStringLiteral("JOURNALDETAIL"),
                              {QStringLiteral("TRANSACTIONDATE"), QStringLiteral("AMOUNT"), QStringLiteral("JOURNALID"),
                               QStringLiteral("ACCOUNTNUMBER"), QStringLiteral("RELATEDDETAIL"),
                               QStringLiteral("DEBITORCREDIT")},
                              lines, QStringLiteral("JOURNALDETAILID"));
            m_state.CurrentRecordId = m_state.LastInsertedId;
        }
        transaction.commit();
        journalId = journal;
    } catch (const AppError& e) {
        ReportError(m_state, w, QString::number(e.number()), e.description(), e.source());
        return false;
    }
    if (anyAmount)
        showLedgerPicture();
    return true;
}

bool cAccounting::SaveAndPost(QWidget* screen, const QString& where, const std::function<bool()>& post)
{
    // What the screen knew of its record before this save, for the next save
    // when this one is rolled back.
    const ReadSnapshot* before = ReadSnapshot::of(screen, where);
    const bool hadSnapshot = before != nullptr;
    const auto stored = hadSnapshot ? before->stored : decltype(before->stored){};
    const auto shown = hadSnapshot ? before->shown : decltype(before->shown){};
    const auto filled = hadSnapshot ? before->filled : decltype(before->filled){};
    const auto undo = [&] {
        if (hadSnapshot) {
            ReadSnapshot* snapshot = ReadSnapshot::take(screen, where);
            snapshot->stored = stored;
            snapshot->shown = shown;
            snapshot->filled = filled;
        }
        m_state.ui().ShowStatusMessage(
            QCoreApplication::translate("cAccounting", "Nothing was saved: the posting failed."));
    };

    Transaction transaction(m_state.db());
    if (!m_state.service<cWindow>().Save(where, screen))
        return false;
    bool posted = false;
    try {
        posted = post();
    } catch (...) {
        undo();
        throw;
    }
    if (!posted) {
        undo();
        return false;
    }
    transaction.commit();
    return true;
}

bool cAccounting::DeleteJournal(QWidget* screen, qint64 journalId)
{
    Database& db = m_state.db();
    Transaction transaction(db);
    if (!m_state.service<cWindow>().Delete(QString(), screen))
        return false;
    db.command(QStringLiteral("delete from journaldetail where journalid = ") + SqlValue::number(journalId));
    transaction.commit();
    return true;
}

void cAccounting::showLedgerPicture()
{
    if (ShellFrame* frame = m_state.ui().frame())
        frame->setStatusPanel(ShellFrame::PicturePanel,
                              QStringLiteral("<img src=\":/accounting/ledger.svg\" width=\"16\" height=\"16\">"));
}
