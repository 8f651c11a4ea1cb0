#include "rental/PlanningBoardDelegate.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

using State = PlanningBoardModel::State;

namespace {

// Room kept above and below a bar, and at its ends, so that two bars side by
// side read as two.
constexpr int BarInset = 4;
constexpr int BarGap = 2;
constexpr int TextPadding = 3;

}

QColor PlanningBoardDelegate::colour(State state)
{
    switch (state) {
    case State::Free: return QColor(0xff, 0xff, 0xff);
    case State::Reserved: return QColor(0x8a, 0xb6, 0xf0);
    case State::Out: return QColor(0xf5, 0xc2, 0x6b);
    case State::DueBack: return QColor(0xee, 0xe0, 0x5a);
    case State::Overdue: return QColor(0xe8, 0x70, 0x6a);
    case State::Stopped: return QColor(0xa8, 0xa8, 0xa8);
    case State::Maintenance: return QColor(0xc0, 0x9c, 0xe0);
    }
    return {};
}

void PlanningBoardDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    paintCell(painter, option.rect, index, option.direction, option.state & QStyle::State_HasFocus,
              option.state & QStyle::State_Selected);
}

void PlanningBoardDelegate::paintCell(QPainter* painter, const QRect& rect, const QModelIndex& index,
                                      Qt::LayoutDirection direction, bool current, bool selected)
{
    const auto state = State(index.data(PlanningBoardModel::StateRole).toInt());
    const QString name = index.data(Qt::DisplayRole).toString();
    const int at = index.data(PlanningBoardModel::BarIndexRole).toInt();
    const int length = std::max(1, index.data(PlanningBoardModel::BarLengthRole).toInt());
    const bool rtl = direction == Qt::RightToLeft;

    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, colour(State::Free));
    const bool bar = state == State::Reserved || state == State::Out || state == State::DueBack
                  || state == State::Overdue;
    if (!bar) {
        if (state != State::Free)
            painter->fillRect(rect.adjusted(1, 1, -1, -1), colour(state));
    } else {
        QRect cell = rect.adjusted(0, BarInset, 0, -BarInset);
        // The bar's first day begins on the leading side, its last ends on the trailing one.
        const int lead = at == 0 ? BarGap : 0;
        const int trail = at == length - 1 ? BarGap : 0;
        cell.adjust(rtl ? trail : lead, 0, rtl ? -lead : -trail, 0);
        painter->fillRect(cell, colour(state));
        if (!name.isEmpty()) {
            // The whole bar, of which this cell shows its part of the name.
            const int w = rect.width();
            const int left = rtl ? rect.left() - (length - 1 - at) * w : rect.left() - at * w;
            const QRect whole(left + TextPadding, cell.top(), length * w - 2 * TextPadding, cell.height());
            const QString fitted = painter->fontMetrics().elidedText(name, Qt::ElideRight, whole.width());
            // A name cut down to its ellipsis says nothing: the tool tip tells it.
            if (fitted != QStringLiteral("…")) {
                painter->setPen(Qt::black);
                painter->setLayoutDirection(direction);
                painter->drawText(whole, Qt::AlignVCenter | Qt::AlignAbsolute | (rtl ? Qt::AlignRight : Qt::AlignLeft), fitted);
            }
        }
    }
    if (selected) {
        QColor highlight(0x30, 0x60, 0xc0);
        highlight.setAlpha(70);
        painter->fillRect(rect, highlight);
    }
    if (current) {
        painter->setPen(QPen(Qt::black, 2));
        painter->drawRect(rect.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

void PlanningBoardDelegate::fillLegend(QBoxLayout* layout)
{
    for (const State state : {State::Free, State::Reserved, State::Out, State::DueBack, State::Overdue,
                              State::Maintenance, State::Stopped}) {
        QPixmap swatch(14, 14);
        swatch.fill(colour(state));
        QPainter frame(&swatch);
        frame.setPen(Qt::darkGray);
        frame.drawRect(0, 0, 13, 13);
        frame.end();
        auto* box = new QLabel(layout->parentWidget());
        box->setPixmap(swatch);
        auto* caption = new QLabel(PlanningBoardModel::stateCaption(state), layout->parentWidget());
        layout->addWidget(box);
        layout->addWidget(caption);
        layout->addSpacing(10);
    }
    layout->addStretch();
}
