#include "engine/GridCombo.h"

#include "core/RowSet.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

GridCombo::GridCombo(QWidget* parent) : QComboBox(parent)
{
    auto* view = new QTableView(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setMinimumWidth(320);
    setView(view);
    // The operator's choice replaces a value the list did not offer.
    connect(this, &QComboBox::activated, this, [this] { m_kept.clear(); });
}

void GridCombo::setRows(const RowSet& rows, int shownColumn, int valueColumn)
{
    const QString current = value();
    auto* items = new QStandardItemModel(rows.count(), int(rows.columns().size()), this);
    items->setHorizontalHeaderLabels(rows.columns());
    for (int r = 0; r < rows.count(); ++r)
        for (int c = 0; c < rows.columns().size(); ++c)
            items->setItem(r, c, new QStandardItem(rows.value(r, c).toString().trimmed()));
    // The combo box deletes the model it owned before.
    setModel(items);
    setModelColumn(shownColumn);
    m_valueColumn = valueColumn;
    if (auto* table = qobject_cast<QTableView*>(view()))
        table->resizeColumnsToContents();
    setValue(current);
}

QString GridCombo::value() const
{
    if (currentIndex() < 0)
        return m_kept;
    return model()->index(currentIndex(), m_valueColumn).data().toString();
}

void GridCombo::setValue(const QString& value)
{
    const int row = rowOf(value);
    m_kept = row < 0 ? value.trimmed() : QString();
    setCurrentIndex(row);
}

int GridCombo::rowOf(const QString& value) const
{
    const QString wanted = value.trimmed();
    if (wanted.isEmpty())
        return -1;
    bool wantedIsNumber = false;
    const double number = wanted.toDouble(&wantedIsNumber);
    for (int r = 0; r < model()->rowCount(); ++r) {
        const QString cell = model()->index(r, m_valueColumn).data().toString();
        bool cellIsNumber = false;
        const double cellNumber = cell.toDouble(&cellIsNumber);
        if (wantedIsNumber && cellIsNumber ? cellNumber == number : cell == wanted)
            return r;
    }
    return -1;
}
