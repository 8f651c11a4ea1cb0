#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

class Database;

// The rows of one statement over one table, edited in place and written back
// together on store(). The key column stays read-only: it says which row an
// edit belongs to.
class EditableRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    EditableRowsModel(Database& db, const QString& table, const QString& keyColumn, QObject* parent = nullptr);

    // Reads the rows of `sql` afresh; pending edits are dropped. Throws AppError.
    void setStatement(const QString& sql);
    QString statement() const { return m_statement; }
    // Writes every pending edit in one transaction, then reads the rows again.
    void store();
    // The rows with pending edits, in row order.
    QList<int> editedRows() const;

    // The value of a row's column by name; null for an unknown column.
    QVariant value(int row, const QString& column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    bool isNumeric(int column) const;
    QString assignment(int row, int column) const;

    Database& m_db;
    QString m_table;
    QString m_keyColumn;
    QString m_statement;
    QStringList m_columns;
    QList<QVariantList> m_rows;
    int m_key = -1;
    QSet<int> m_numeric;                  // columns read as numbers
    QSet<std::pair<int, int>> m_changed;  // (row, column) edited since the read
};
