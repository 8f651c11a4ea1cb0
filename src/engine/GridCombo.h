#pragma once

#include <QComboBox>
#include <QString>

class RowSet;

// A list filled from a table and shown as a grid: the box shows one column
// of the chosen row and stands for another, usually a key (the manager's
// name shown, his number stored). A stored value the list no longer offers
// is kept as it was, so reading and saving a record never loses it.
class GridCombo : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QString value READ value WRITE setValue USER true)
public:
    explicit GridCombo(QWidget* parent = nullptr);

    // The rows of a statement, headed by its column names.
    void setRows(const RowSet& rows, int shownColumn, int valueColumn);

    // The value column of the chosen row; empty when nothing is chosen.
    QString value() const;
    void setValue(const QString& value);

private:
    int rowOf(const QString& value) const;

    int m_valueColumn = 0;
    QString m_kept;
};
