#include "engine/FuelGauge.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr qreal MarkWidth = 18;

// A slider to a screen reader, whose value is the gauge's "3/8".
class FuelGaugeAccessible : public QAccessibleWidget {
public:
    explicit FuelGaugeAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Slider) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const FuelGauge*>(widget())->valueText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("FuelGauge") && object && object->isWidgetType())
        return new FuelGaugeAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}

FuelGauge::FuelGauge(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed)
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FuelGauge::setValue(int eighths)
{
    const int bounded = std::clamp(eighths, 0, Full);
    if (bounded == m_value)
        return;
    m_value = bounded;
    update();
    QAccessibleValueChangeEvent event(this, valueText());
    QAccessible::updateAccessibility(&event);
    emit valueChanged(m_value);
}

QString FuelGauge::valueText() const
{
    return QStringLiteral("%1/%2").arg(m_value).arg(Full);
}

QSize FuelGauge::sizeHint() const
{
    return {240, fontMetrics().height() * 2 + 8};
}

QSize FuelGauge::minimumSizeHint() const
{
    return {140, fontMetrics().height() * 2 + 8};
}

QRectF FuelGauge::cellsRect() const
{
    const qreal textHeight = fontMetrics().height();
    return QRectF(MarkWidth + 4, 3, width() - 2 * (MarkWidth + 4), height() - textHeight - 6);
}

int FuelGauge::eighthsAt(qreal x) const
{
    const QRectF cells = cellsRect();
    qreal along = (x - cells.left()) / cells.width();
    if (layoutDirection() == Qt::RightToLeft)
        along = 1 - along;
    // A click on a cell fills the tank up to and with it; left of the first, empty.
    return std::clamp(int(std::ceil(along * Full)), 0, Full);
}

void FuelGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cells = cellsRect();
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const qreal cellWidth = cells.width() / Full;
    const QPalette& pal = palette();
    for (int i = 0; i < Full; ++i) {
        const int visual = rtl ? Full - 1 - i : i;
        const QRectF cell(cells.left() + visual * cellWidth + 1, cells.top(), cellWidth - 2, cells.height());
        // Low fuel shows amber, the rest green, as a dashboard does.
        const QColor fill = i < 2 ? QColor(230, 150, 30) : QColor(60, 160, 80);
        p.setPen(QPen(pal.color(QPalette::Mid), 1));
        p.setBrush(i < m_value ? fill : pal.color(QPalette::Base));
        p.drawRoundedRect(cell, 2, 2);
    }
    p.setPen(pal.color(QPalette::WindowText));
    const QRectF left(0, cells.top(), MarkWidth, cells.height());
    const QRectF right(width() - MarkWidth, cells.top(), MarkWidth, cells.height());
    p.drawText(rtl ? right : left, Qt::AlignCenter, QStringLiteral("E"));
    p.drawText(rtl ? left : right, Qt::AlignCenter, QStringLiteral("F"));
    p.drawText(QRectF(0, cells.bottom() + 2, width(), height() - cells.bottom() - 2), Qt::AlignCenter,
               valueText());
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void FuelGauge::keyPressEvent(QKeyEvent* event)
{
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
        setValue(m_value + 1);
        return;
    case Qt::Key_Down:
        setValue(m_value - 1);
        return;
    case Qt::Key_Right:
        setValue(m_value + (rtl ? -1 : 1));
        return;
    case Qt::Key_Left:
        setValue(m_value + (rtl ? 1 : -1));
        return;
    case Qt::Key_Home:
        setValue(0);
        return;
    case Qt::Key_End:
        setValue(Full);
        return;
    default:
        break;
    }
    // Arabic-Indic digits count too: the keyboard may be on Arabic.
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isDigit()) {
        const int digit = text.at(0).digitValue();
        if (digit <= Full) {
            setValue(digit);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void FuelGauge::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    setValue(eighthsAt(event->position().x()));
}
