#include "shell/OwnDirection.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace {

Qt::LayoutDirection directionOf(const QString& text)
{
    return text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

class CaptionStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role = QPalette::NoRole) const override
    {
        const int direction = text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
        QProxyStyle::drawItemText(painter, rect, flags | direction, palette, enabled, text, role);
    }
};

class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const Qt::LayoutDirection own = directionOf(option->text);
        if (own == option->direction)
            return;
        // The row keeps the side the view's layout gives it.
        option->displayAlignment =
            QStyle::visualAlignment(option->direction, option->displayAlignment) | Qt::AlignAbsolute;
        option->direction = own;
    }
};

}

namespace OwnDirection {

void captions(const QList<QAbstractButton*>& buttons)
{
    if (buttons.isEmpty())
        return;
    auto* style = new CaptionStyle;
    style->setParent(buttons.constFirst()->window());
    for (QAbstractButton* button : buttons)
        button->setStyle(style);
}

void rows(QAbstractItemView* view)
{
    view->setItemDelegate(new RowDelegate(view));
}

}
