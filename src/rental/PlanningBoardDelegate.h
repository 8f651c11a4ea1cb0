#pragma once

#include "rental/PlanningBoardModel.h"

#include <QStyledItemDelegate>

class QBoxLayout;

// Draws the board's cells: each state in its own colour, a contract or a
// reservation as one bar across its days with the customer's name where it
// fits. The same drawing makes the printed board.
class PlanningBoardDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static QColor colour(PlanningBoardModel::State state);
    // One cell in `rect`; `direction` says on which side its bar begins.
    static void paintCell(QPainter* painter, const QRect& rect, const QModelIndex& index,
                          Qt::LayoutDirection direction, bool current, bool selected);
    // A swatch and the caption of every state, in the order a clerk reads them.
    static void fillLegend(QBoxLayout* layout);
};
