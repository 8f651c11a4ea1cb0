#include "rental/WarningRows.h"

#include "core/AppError.h"
#include "engine/frmGeneralOpen.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QHelpEvent>
#include <QStringList>
#include <QTableView>
#include <QToolTip>

namespace {

const QColor Blocking(0xF4, 0xB4, 0xB4);
const QColor Warning(0xFF, 0xD9, 0x8A);

}

WarningRows::WarningRows(Database& db, Kind kind, const RentOutChecks::Period& period, QWidget* picker)
    : QStyledItemDelegate(picker), m_db(db), m_kind(kind), m_period(period)
{
    picker->installEventFilter(this);
}

bool WarningRows::eventFilter(QObject* watched, QEvent* event)
{
    // Editors of a grid pass through the delegate's own filter; the picker and
    // its dialogs are only watched, their keys untouched.
    if (watched != parent() && watched->parent() != parent())
        return QStyledItemDelegate::eventFilter(watched, event);
    // The open dialog is made after the picker: it is watched from its birth
    // and takes the colours once it is whole, as it shows.
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (watched == parent() && child->isWidgetType())
            child->installEventFilter(this);
    } else if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<frmGeneralOpen*>(watched))
            if (auto* grid = dialog->findChild<QTableView*>())
                grid->setItemDelegate(this);
    }
    return false;
}

const RentOutChecks::Findings& WarningRows::findingsOf(const QModelIndex& index) const
{
    const qint64 key = index.sibling(index.row(), 0).data().toString().trimmed().toLongLong();
    auto it = m_found.find(key);
    if (it != m_found.end())
        return *it;
    RentOutChecks::Findings found;
    try {
        if (key > 0)
            found = m_kind == Kind::Car ? RentOutChecks::car(m_db, key, m_period)
                                        : RentOutChecks::customer(m_db, key, m_period);
    } catch (const AppError&) {
        // A row that cannot be judged shows plain; the save still asks.
    }
    return *m_found.insert(key, found);
}

void WarningRows::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const RentOutChecks::Findings& found = findingsOf(index);
    if (!found.isEmpty())
        option->backgroundBrush = RentOutChecks::anyBlocking(found) ? Blocking : Warning;
}

bool WarningRows::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                            const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStringList lines;
    for (const RentOutChecks::Finding& f : findingsOf(index))
        lines << f.text;
    if (lines.isEmpty())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), lines.join(QLatin1Char('\n')), view);
    return true;
}
