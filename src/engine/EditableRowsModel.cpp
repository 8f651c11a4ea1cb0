#include "engine/EditableRowsModel.h"

#include "core/Database.h"
#include "core/SqlValue.h"

#include <QMap>
#include <algorithm>

EditableRowsModel::EditableRowsModel(Database& db, const QString& table, const QString& keyColumn, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_table(table), m_keyColumn(keyColumn)
{
}

void EditableRowsModel::setStatement(const QString& sql)
{
    const RowSet rows = m_db.execute(sql);
    beginResetModel();
    m_statement = sql;
    m_columns = rows.columns();
    m_rows.clear();
    m_changed.clear();
    m_numeric.clear();
    m_key = -1;
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(m_keyColumn, Qt::CaseInsensitive) == 0)
            m_key = c;
    for (int r = 0; r < rows.count(); ++r) {
        QVariantList row;
        for (int c = 0; c < m_columns.size(); ++c) {
            const QVariant v = rows.value(r, c);
            row << v;
            const int type = v.typeId();
            if (type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::Double)
                m_numeric.insert(c);
        }
        m_rows << row;
    }
    endResetModel();
}

bool EditableRowsModel::isNumeric(int column) const
{
    return m_numeric.contains(column);
}

QString EditableRowsModel::assignment(int row, int column) const
{
    const QVariant v = m_rows[row][column];
    QString stored;
    if (v.isNull() || v.toString().trimmed().isEmpty())
        stored = QStringLiteral("NULL");
    else if (isNumeric(column))
        stored = SqlValue::number(v.toString().trimmed(), m_columns[column]);
    else
        stored = SqlValue::quoted(v.toString());
    return QLatin1Char('[') + m_columns[column] + QStringLiteral("] = ") + stored;
}

void EditableRowsModel::store()
{
    if (m_changed.isEmpty() || m_key < 0)
        return;
    QMap<int, QStringList> byRow;
    for (const auto& [row, column] : std::as_const(m_changed))
        byRow[row] << assignment(row, column);
    Transaction transaction(m_db);
    for (auto it = byRow.cbegin(); it != byRow.cend(); ++it)
        m_db.command(QStringLiteral("update ") + m_table + QStringLiteral(" set ") + it.value().join(QStringLiteral(", "))
                     + QStringLiteral(" where ") + m_keyColumn + QStringLiteral(" = ")
                     + SqlValue::number(m_rows[it.key()][m_key].toLongLong()));
    transaction.commit();
    setStatement(m_statement);
}

QList<int> EditableRowsModel::editedRows() const
{
    QSet<int> rows;
    for (const auto& cell : m_changed)
        rows.insert(cell.first);
    QList<int> sorted(rows.cbegin(), rows.cend());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QVariant EditableRowsModel::value(int row, const QString& column) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(column, Qt::CaseInsensitive) == 0)
            return m_rows.value(row).value(c);
    return {};
}

int EditableRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EditableRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant EditableRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QVariant v = m_rows[index.row()][index.column()];
    // Edited as text, so that an empty cell can take a number or a text alike.
    return v.isNull() ? QString() : v.toString();
}

bool EditableRowsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() == m_key)
        return false;
    const QString text = value.toString();
    if (isNumeric(index.column()) && !text.trimmed().isEmpty() && !SqlValue::isNumber(text.trimmed()))
        return false;
    QVariant& cell = m_rows[index.row()][index.column()];
    if (cell.isNull() ? text.isEmpty() : cell.toString() == text)
        return true;
    cell = text;
    m_changed.insert({index.row(), index.column()});
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags EditableRowsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.column() == m_key ? base : base | Qt::ItemIsEditable;
}

QVariant EditableRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_columns.value(section);
    return section + 1;
}
