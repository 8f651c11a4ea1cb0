#pragma once

#include <QProxyStyle>

// Draws the texts of a widget left to right on the Arabic desktop: the menu
// captions are English ("1- Cars") and would otherwise read "Cars -1".
// The painter takes its direction from the application, not from the
// widget, so the widget's own layout direction is not enough.
class LeftToRightText : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role = QPalette::NoRole) const override
    {
        QProxyStyle::drawItemText(painter, rect, flags | Qt::TextForceLeftToRight, palette, enabled, text, role);
    }
};
