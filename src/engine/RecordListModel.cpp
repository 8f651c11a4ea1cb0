#include "engine/RecordListModel.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/StoredValue.h"

#include <QDate>
#include <QTime>
#include <limits>

namespace {

// A stored date or time in the one form the screens show; a value that is no
// such date or time shows as stored.
QString shown(const QVariant& value, int type)
{
    const QString stored = value.toString().trimmed();
    if (type == StoredValue::Date) {
        const QDate date = StoredDate::parse(stored);
        return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : stored;
    }
    if (type == StoredValue::Time) {
        // A time kept in a number column has lost its leading zeros.
        const QTime time = QTime::fromString(stored.rightJustified(6, QLatin1Char('0')), QStringLiteral("hhmmss"));
        return time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : stored;
    }
    return value.toString();
}

}

RecordListModel::RecordListModel(Database& db, QObject* parent) : QAbstractTableModel(parent), m_db(db)
{
}

void RecordListModel::setStatement(const QString& sql)
{
    m_statement = sql;
    m_listColumns.clear();
    show(sql);
    m_listColumns = m_columns;
}

QString RecordListModel::narrowed(const QString& column) const
{
    if (column.isEmpty() || column.contains(QLatin1Char(']')))
        return {};
    return QStringLiteral("SELECT * FROM (") + m_statement + QStringLiteral(") listed WHERE [") + column + QStringLiteral("] ");
}

void RecordListModel::filterByKey(const QString& key)
{
    const QString number = SqlValue::number(key, QStringLiteral("The record number"));
    const QString list = narrowed(m_listColumns.value(0));
    // Without a usable name for the key column nothing can match.
    show(list.isEmpty() ? QString() : list + QStringLiteral("= ") + number);
}

void RecordListModel::filterByText(int column, const QString& text)
{
    if (text.isEmpty()) {
        clearFilter();
        return;
    }
    const QString list = narrowed(m_listColumns.value(column));
    show(list.isEmpty() ? QString()
                        : list + QStringLiteral("LIKE '") + SqlValue::likeContains(text) + QStringLiteral("' ESCAPE '\\'"));
}

void RecordListModel::setColumnTypes(const QList<int>& types)
{
    beginResetModel();
    m_types = types;
    endResetModel();
}

void RecordListModel::clearFilter()
{
    show(m_statement);
}

void RecordListModel::show(const QString& sql)
{
    beginResetModel();
    m_shown = sql;
    m_pages.clear();
    m_columns.clear();
    m_rowCount = 0;
    try {
        if (!sql.isEmpty()) {
            RowSet first = m_db.executePage(sql, 0, PageSize);
            const qint64 count = m_db.countRows(sql);
            m_columns = first.columns();
            m_rowCount = int(std::min<qint64>(count, std::numeric_limits<int>::max()));
            QList<QVariantList> rows;
            for (int r = 0; r < first.count(); ++r) {
                QVariantList row;
                for (int c = 0; c < m_columns.size(); ++c)
                    row << first.value(r, c);
                rows << std::move(row);
            }
            m_pages.prepend({0, std::move(rows)});
        }
    } catch (const AppError&) {
        m_columns.clear();
        m_rowCount = 0;
        m_pages.clear();
        endResetModel();
        throw;
    }
    endResetModel();
}

const RecordListModel::Page* RecordListModel::page(int number) const
{
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i).number == number) {
            if (i != 0)
                m_pages.move(i, 0);
            return &m_pages.constFirst();
        }
    }
    QList<QVariantList> rows;
    try {
        const RowSet part = m_db.executePage(m_shown, qint64(number) * PageSize, PageSize);
        for (int r = 0; r < part.count(); ++r) {
            QVariantList row;
            for (int c = 0; c < m_columns.size() && c < part.columns().size(); ++c)
                row << part.value(r, c);
            rows << std::move(row);
        }
    } catch (const AppError&) {
        // A page the database no longer gives shows as empty cells; keeping it
        // empty in the cache spares the grid asking again on every paint.
    }
    m_pages.prepend({number, std::move(rows)});
    while (m_pages.size() > CachedPages)
        m_pages.removeLast();
    return &m_pages.constFirst();
}

int RecordListModel::rowsInMemory() const
{
    int rows = 0;
    for (const Page& p : m_pages)
        rows += int(p.rows.size());
    return rows;
}

int RecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int RecordListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rowCount || index.column() >= m_columns.size())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const Page* p = page(index.row() / PageSize);
    const int row = index.row() % PageSize;
    if (row >= p->rows.size() || index.column() >= p->rows.at(row).size())
        return {};
    const QVariant& value = p->rows.at(row).at(index.column());
    if (value.isNull())
        return QString();
    return role == Qt::DisplayRole ? shown(value, m_types.value(index.column(), -1)) : value.toString();
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
