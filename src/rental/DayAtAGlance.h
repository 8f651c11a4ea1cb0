#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <array>

class Database;

// The office's day in nine numbers, for the main window: contracts out, due
// back and overdue, reservations to pick up, cars free and stopped, papers
// expired or running out within 30 days, the month's rent income and what
// customers owe. Each number has its list, the rows it counts, so that what
// the clerk opens is what he was told.
class DayAtAGlance {
    Q_DECLARE_TR_FUNCTIONS(DayAtAGlance)

public:
    enum Item { CarsOut, DueBack, Overdue, PickUps, FreeCars, Stopped, Documents, MonthIncome, CustomersOwe };
    static constexpr int ItemCount = CustomersOwe + 1;
    using Figures = std::array<double, ItemCount>;

    // The rows behind a number: the record's key and the screen that shows
    // it come first (the clerk does not read them), then what he reads.
    struct List {
        QString sql;
        QList<int> types;  // per column, as RecordListModel::setColumnTypes takes them
    };
    static constexpr int KeyColumn = 0;
    static constexpr int ScreenColumn = 1;

    DayAtAGlance(Database& db, const QDate& today);

    // Every number, in two statements: the ledger accounts, then the rest.
    // Throws AppError when the database refuses.
    Figures figures();
    List list(Item item);

    static QString caption(Item item);
    static bool isMoney(Item item) { return item == MonthIncome || item == CustomersOwe; }

private:
    // Where the contract's surrender posts its rent: the customers' account
    // it charges and the income account it credits; 0 when the office has no
    // such rule.
    struct Accounts {
        qint64 customers = 0;
        qint64 rentIncome = 0;
    };
    const Accounts& accounts();
    QString day(int daysFromToday = 0) const;
    // " and <column> between" the first and the last day of this month.
    QString thisMonth(const QString& column) const;

    Database& m_db;
    QDate m_today;
    Accounts m_accounts;
    bool m_accountsRead = false;
};
