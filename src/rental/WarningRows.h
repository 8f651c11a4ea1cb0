#pragma once

#include "rental/RentOutChecks.h"

#include <QHash>
#include <QStyledItemDelegate>

class Database;

// The rows of a picker's open dialog coloured by what RentOutChecks finds for
// each record: red where only the options right goes on, amber for the rest,
// the findings in the row's tool tip. It watches the picker for the open
// dialogs it shows; the key is the list's first column.
class WarningRows : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Kind { Customer, Car };

    WarningRows(Database& db, Kind kind, const RentOutChecks::Period& period, QWidget* picker);

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const RentOutChecks::Findings& findingsOf(const QModelIndex& index) const;

    Database& m_db;
    Kind m_kind;
    RentOutChecks::Period m_period;
    // Nothing changes while a picker is open: each record is judged once.
    mutable QHash<qint64, RentOutChecks::Findings> m_found;
};
