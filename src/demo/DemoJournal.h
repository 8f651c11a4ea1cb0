#pragma once

#include <QList>
#include <QString>

class Database;
class QDate;

// The demo office's journals, written as the screens' ledger rules write them.
namespace DemoJournal {
struct Line {
    qint64 account;
    bool debit;
    double amount;
    QString text;
};

// A journal of the day without lines, valued `amount`, of the screen `window` when one is given.
qint64 open(Database& db, const QString& name, const QDate& day, double amount, const QString& window = {});
// The lines into the journal on that day; one of 0 is left out, as the rules post none.
void add(Database& db, qint64 journal, const QDate& day, const QList<Line>& lines);
// Both: a new journal with its lines.
qint64 post(Database& db, const QString& name, const QDate& day, double amount, const QList<Line>& lines,
            const QString& window = {});
}
