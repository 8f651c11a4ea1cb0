#pragma once

#include <QList>
#include <QString>

class Database;

// What the journal lines of one account add up to.
struct AccountBalance {
    qint64 number = 0;
    QString name;
    double debit = 0;
    double credit = 0;

    double balance() const { return debit - credit; }

    // One account; an account without lines has nothing on either side.
    static AccountBalance of(Database& db, qint64 number);
    // Every account of the chart, by number: the trial balance.
    static QList<AccountBalance> all(Database& db);
    // Two decimals, as amounts are shown.
    static QString amountText(double amount);
};
