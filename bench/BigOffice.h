#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

class Database;

// An office after years of work, for the benchmarks: 500 cars and, at scale 1
// (ten years), 200,000 customers, 1,000,000 contracts (200,000 reservations),
// 10,000,000 ledger lines and 20,000,000 change-journal lines. A smaller scale
// is a younger office with the same fleet. Every row is made by the engine
// itself, one INSERT ... SELECT over a series of numbers per table, in one
// transaction, so a ten-year office takes minutes, not hours.
//
// Each car's contracts run back to back, two days each, up to today; the
// last one of most cars is still out, some of them overdue. Each contract has
// its journal of ten ledger lines (the rent, the payment, the deposit taken and
// given back, the VAT); each change-journal entry has ten lines.
class BigOffice {
public:
    static constexpr int Cars = 500;
    // The shipped chart's accounts the contracts post to.
    static constexpr qint64 Cash = 1100;
    static constexpr qint64 CustomersAccount = 1300;
    static constexpr qint64 RentIncome = 4100;

    explicit BigOffice(double scale);

    qint64 customers() const { return m_customers; }
    qint64 contracts() const { return m_contracts; }
    qint64 reservations() const { return m_contracts / 5; }
    qint64 ledgerLines() const { return m_contracts * 10; }
    qint64 changeLines() const { return m_changeLines; }
    // How many contracts each car has had.
    qint64 perCar() const { return m_contracts / Cars; }

    // Makes a new office at `path` (a file or a server URI) and fills it;
    // `today` is the day the office has reached.
    void make(const QString& path, const QDate& today) const;
    // A connection of its own to the same office, for statements sent raw.
    static QSqlDatabase rawConnection(const QString& path, const QString& name);

private:
    void fill(Database& db, const QDate& today) const;

    qint64 m_customers;
    qint64 m_contracts;
    qint64 m_changeLines;
};
