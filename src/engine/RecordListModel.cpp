#include "engine/RecordListModel.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/StoredValue.h"
#include "schema/TableRows.h"

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
        // A date never entered is kept as 0.
        if (stored == QLatin1String("0"))
            return {};
        const QDate date = StoredDate::parse(stored);
        return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : stored;
    }
    if (type == StoredValue::Time) {
        // A time kept in a number column has lost its leading zeros.
        const QTime time = QTime::fromString(stored.rightJustified(6, QLatin1Char('0')), QStringLiteral("hhmmss"));
        return time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : stored;
    }
    if (type == RecordListModel::Money) {
        bool ok = false;
        const double amount = value.toDouble(&ok);
        return ok ? QString::number(amount, 'f', 2) : value.toString();
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
    m_filter.clear();
    m_order.clear();
    m_byText = false;
    show(sql);
    m_listColumns = m_columns;
}

QString RecordListModel::named(int column) const
{
    return column >= 0 && column < m_listColumns.size() ? QStringLiteral("c%1").arg(column) : QString();
}

void RecordListModel::refresh()
{
    if (m_filter.isEmpty() && m_order.isEmpty()) {
        show(m_statement);
        return;
    }
    if (m_listColumns.isEmpty()) {
        // A list the database refused has nothing to narrow or order.
        show(QString());
        return;
    }
    // The list's columns renamed by position, so that a condition or an order
    // can name any of them: a heading need not be a name the engine keeps as
    // written (PostgreSQL folds an unquoted one to lower case).
    QStringList names;
    for (int c = 0; c < m_listColumns.size(); ++c)
        names << named(c);
    QString sql = QStringLiteral("WITH listed(") + names.join(QStringLiteral(", ")) + QStringLiteral(") AS (")
                + m_statement + QStringLiteral(") SELECT * FROM listed");
    if (!m_filter.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filter;
    if (!m_order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + m_order;
    show(sql);
}

void RecordListModel::filterByKey(const QString& key)
{
    const QString number = SqlValue::number(key, QStringLiteral("The record number"));
    m_filter = named(0) + QStringLiteral(" = ") + number;
    m_byText = false;
    refresh();
}

void RecordListModel::filterByText(const QList<int>& columns, const QString& text)
{
    if (text.isEmpty()) {
        clearFilter();
        return;
    }
    // Each column is matched apart: the first column that holds the text ends
    // the row's test. SQLite's LIKE already ignores case; a server's does not,
    // so there the column and the text are lower-cased. A column without a
    // value matches nothing.
    const bool server = m_db.dialect() == SqlDialect::PostgreSQL;
    const QString pattern = QStringLiteral(" LIKE '") + SqlValue::likeContains(server ? text.toLower() : text)
                          + QStringLiteral("' ESCAPE '\\'");
    QStringList parts;
    for (int column : columns) {
        const QString name = named(column);
        if (!name.isEmpty())
            parts << (server ? QStringLiteral("LCase(%1)").arg(name) : name) + pattern;
    }
    if (parts.isEmpty())
        parts << QStringLiteral("1 = 0");
    m_filter = QLatin1Char('(') + parts.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    m_byText = true;
    refresh();
}

void RecordListModel::sort(int column, Qt::SortOrder order)
{
    const QString name = named(column);
    if (name.isEmpty())
        return;
    const QString direction = order == Qt::AscendingOrder ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    m_order = name + direction;
    const QString key = named(0);
    if (column != 0 && !key.isEmpty())
        m_order += QStringLiteral(", ") + key;
    refresh();
}

void RecordListModel::setColumnTypes(const QList<int>& types)
{
    beginResetModel();
    m_types = types;
    endResetModel();
}

void RecordListModel::clearFilter()
{
    m_filter.clear();
    m_byText = false;
    refresh();
}

void RecordListModel::show(const QString& sql)
{
    beginResetModel();
    m_shown = sql;
    m_pages.clear();
    m_columns.clear();
    m_rowCount = 0;
    m_counted = true;
    try {
        if (!sql.isEmpty()) {
            RowSet first = m_db.executePage(sql, 0, PageSize);
            // A list that fits its first page needs no second pass to be counted.
            const bool whole = first.count() < PageSize;
            m_counted = whole || !m_byText;
            const qint64 count = m_counted && !whole ? rowsOf(sql) : first.count();
            // Renamed by position when narrowed or sorted: the headings stay the list's.
            m_columns = m_listColumns.isEmpty() ? first.columns() : m_listColumns;
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
        m_counted = true;
        m_pages.clear();
        endResetModel();
        throw;
    }
    endResetModel();
}

void RecordListModel::countAll()
{
    if (m_counted)
        return;
    // Asked once: a count the database refused is not asked again on every scroll.
    m_counted = true;
    const qint64 count = rowsOf(m_shown);
    const int rows = int(std::min<qint64>(count, std::numeric_limits<int>::max()));
    if (rows > m_rowCount) {
        beginInsertRows({}, m_rowCount, rows - 1);
        m_rowCount = rows;
        endInsertRows();
    }
    emit counted();
}

qint64 RecordListModel::rowsOf(const QString& sql)
{
    if (m_filter.isEmpty() && !m_wholeTable.isEmpty())
        if (const qint64 kept = TableRows::count(m_db, m_wholeTable); kept >= 0)
            return kept;
    return m_db.countRows(sql);
}

bool RecordListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_counted;
}

void RecordListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid())
        return;
    try {
        countAll();
    } catch (const AppError&) {
        // The grid asks from the event loop, where no one can be told: the
        // list keeps the rows it shows.
    }
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
