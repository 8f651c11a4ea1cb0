#pragma once

#include <QSet>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class RunState;

// Writes journal lines: by the ledger rules of a screen (DoGLRule) or as one
// debit/credit pair (LogFinancialTran). Either replaces the journal's lines
// wholesale, in one transaction, so a failure leaves the old lines in place.
class cAccounting {
public:
    explicit cAccounting(RunState& state);

    // Replaces the journal's lines by one debit and one credit line of the
    // amount. Throws AppError, writing nothing, for an account that is not in
    // the chart or a failing statement.
    void LogFinancialTran(double amount, qint64 journalId, qint64 debitAccount, qint64 creditAccount,
                          const QString& debitText, const QString& creditText);

    // Posts the rules of the screen (the active one when none is given), or
    // the rule set named `rules` with the screen's fields. A journal number of
    // 0 makes a new journal and hands its number back.
    // False when the posting failed: it is reported, nothing is written and the
    // journal keeps its lines. A screen without a rule posts nothing: true; so
    // do amounts that are all 0, which make no journal and leave none of the
    // journal's old lines.
    bool DoGLRule(qint64& journalId, QWidget* screen = nullptr, const QString& rules = {});

    // A field reference is a literal, or ":" followed by the name of a field of the screen.
    QString GetFieldText(const QString& reference, QWidget* screen);
    // The number a reference stands for; none for a literal or a field that is
    // not a number, or a field the screen does not have. An empty number field
    // is 0, as the screens blank a zero.
    std::optional<double> GetFieldValue(const QString& reference, QWidget* screen);

    // The screen's save and its posting as one: when `post` fails (false, or
    // throws), the saved record is rolled back with the lines and the screen
    // may be saved again.
    bool SaveAndPost(QWidget* screen, const QString& where, const std::function<bool()>& post);
    // Deletes the journal on the screen (the engine asks first) and its lines together.
    bool DeleteJournal(QWidget* screen, qint64 journalId);

private:
    // Every account number of the chart.
    QSet<qint64> chartAccounts();
    // Throws AppError naming the account when the chart has no such account.
    static void checkAccount(qint64 account, const QSet<qint64>& chart);
    void showLedgerPicture();

    RunState& m_state;
};
