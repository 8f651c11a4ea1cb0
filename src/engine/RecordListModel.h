#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class Database;

// The rows of one list statement for a grid, read a page at a time as the
// grid shows them: a table of any length opens at once and only the pages
// last looked at stay in memory. The row count is taken when the statement
// is set; rows that vanish afterwards show as empty cells. A list narrowed by
// text shows its first page at once and is counted by countAll (or when the
// grid is scrolled to its end): a keystroke then reads no more of the table
// than its first page needs.
class RecordListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int PageSize = 200;
    static constexpr int CachedPages = 4;
    // A column type of the lists' own, beside the engine's: an amount, shown
    // with two decimals as the money fields show it.
    static constexpr int Money = -2;

    explicit RecordListModel(Database& db, QObject* parent = nullptr);

    // Lists the rows of `sql` (in the statements' own dialect); throws AppError
    // when the database refuses it, leaving the list empty.
    void setStatement(const QString& sql);
    // The list set next holds every row of `table` (empty: it may not):
    // unnarrowed, it is counted by the table's kept count where it has one.
    void setWholeTable(const QString& table) { m_wholeTable = table; }
    // Narrows the list to the rows whose first column equals the number `key`
    // (the engine does the narrowing); clearFilter shows them all again.
    // All three throw AppError like setStatement, and for a key that is no number.
    void filterByKey(const QString& key);
    // Narrows the list to the rows where any of `columns` holds `text`
    // anywhere, in either case; % and _ are letters here. An empty text shows
    // every row.
    void filterByText(const QList<int>& columns, const QString& text);
    void clearFilter();
    // Lists the rows by `column`, keeping the narrowing; the key breaks ties.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The stored form of each column by position (the engine's type codes, or
    // Money): a date column shows dd/MM/yyyy (nothing for 0), a time column
    // hh:mm:ss, any other as stored. Kept across statements.
    void setColumnTypes(const QList<int>& types);

    // False while only the first page of a list narrowed by text is known.
    bool isCounted() const { return m_counted; }
    // Counts the rest of the list and adds its rows; throws AppError when the
    // database refuses, leaving the list at the rows it had.
    void countAll();
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    QString statement() const { return m_statement; }
    // How many rows are held in memory right now.
    int rowsInMemory() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The whole list is counted.
    void counted();

private:
    struct Page {
        int number;
        QList<QVariantList> rows;
    };

    // Shows the list narrowed by m_filter and ordered by m_order.
    void refresh();
    void show(const QString& sql);
    // A column of the list as a condition or an order names it; empty when
    // the list has no such column.
    QString named(int column) const;
    const Page* page(int number) const;
    qint64 rowsOf(const QString& sql);

    Database& m_db;
    QString m_statement;
    QString m_shown;  // what the grid shows: the list, or the list narrowed by key
    QStringList m_columns;
    QStringList m_listColumns;  // the columns of the whole list
    int m_rowCount = 0;
    QString m_wholeTable;
    QString m_filter;  // a condition on the named columns, or none
    QString m_order;   // an order by the named columns, or none
    bool m_byText = false;   // the narrowing is by text: counted when asked
    bool m_counted = true;
    QList<int> m_types;
    // Most recently used first.
    mutable QList<Page> m_pages;
};
