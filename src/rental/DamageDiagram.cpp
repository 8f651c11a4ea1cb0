#include "rental/DamageDiagram.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

using CarDamage::Kind;
using CarDamage::Mark;
using CarDamage::Zone;

namespace {

// The canvas every view is laid out on: the top view in the middle with the
// front to the right, each side where it lies from above, the ends beside.
constexpr qreal CanvasWidth = 600;
constexpr qreal CanvasHeight = 430;
constexpr qreal MarkRadius = 9;
constexpr qreal CrossStep = 0.05;

QRectF zoneRect(Zone zone)
{
    switch (zone) {
    case Zone::LeftSide:
        return {110, 18, 380, 120};
    case Zone::RightSide:
        return {110, 290, 380, 120};
    case Zone::Back:
        return {4, 154, 96, 120};
    case Zone::Front:
        return {500, 154, 96, 120};
    case Zone::Top:
        break;
    }
    return {110, 154, 380, 120};
}

QPointF spotIn(Zone zone, const QPointF& spot)
{
    const QRectF r = zoneRect(zone);
    return {r.left() + spot.x() * r.width(), r.top() + spot.y() * r.height()};
}

const QColor Body(206, 212, 220);
const QColor Line(70, 76, 86);
const QColor Glass(150, 180, 206);
const QColor Tyre(40, 40, 44);

// The car from above, front to the right, inside `r`.
void drawTop(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Tyre);
    for (const qreal x : {0.18, 0.74})
        for (const qreal y : {0.04, 0.84})
            p.drawRoundedRect(QRectF(r.left() + x * r.width(), r.top() + y * r.height(), 0.1 * r.width(),
                                     0.12 * r.height()),
                              3, 3);
    const QRectF body = r.adjusted(r.width() * 0.02, r.height() * 0.12, -r.width() * 0.02, -r.height() * 0.12);
    p.setPen(QPen(Line, 2));
    p.setBrush(Body);
    p.drawRoundedRect(body, body.height() * 0.3, body.height() * 0.3);
    const qreal top = body.top() + body.height() * 0.12, bottom = body.bottom() - body.height() * 0.12;
    const auto x = [&](qreal f) { return body.left() + f * body.width(); };
    p.setBrush(Glass);
    p.setPen(QPen(Line, 1.5));
    // Windscreen towards the front, rear window towards the back.
    p.drawPolygon(QPolygonF({{x(0.62), top + 4}, {x(0.72), top - 2}, {x(0.72), bottom + 2}, {x(0.62), bottom - 4}}));
    p.drawPolygon(QPolygonF({{x(0.2), top - 1}, {x(0.27), top + 4}, {x(0.27), bottom - 4}, {x(0.2), bottom + 1}}));
    p.setBrush(Body.lighter(106));
    p.drawRoundedRect(QRectF(QPointF(x(0.28), top + 4), QPointF(x(0.61), bottom - 4)), 6, 6);
    p.setBrush(Body);
    p.drawLine(QPointF(x(0.76), top + 2), QPointF(x(0.95), top + 8));
    p.drawLine(QPointF(x(0.76), bottom - 2), QPointF(x(0.95), bottom - 8));
}

// The car from the side, front to the right (mirrored for the left side).
void drawSide(QPainter& p, const QRectF& r, bool facingLeft)
{
    p.save();
    if (facingLeft) {
        p.translate(r.left() + r.right(), 0);
        p.scale(-1, 1);
    }
    const auto at = [&](qreal fx, qreal fy) { return QPointF(r.left() + fx * r.width(), r.top() + fy * r.height()); };
    QPainterPath outline;
    outline.addRoundedRect(QRectF(at(0.02, 0.45), at(0.98, 0.8)), 12, 12);
    QPainterPath cabin;
    cabin.addPolygon(QPolygonF({at(0.22, 0.47), at(0.33, 0.12), at(0.66, 0.1), at(0.8, 0.47)}));
    cabin.closeSubpath();
    p.setPen(QPen(Line, 2));
    p.setBrush(Body);
    p.drawPath(outline.united(cabin));
    p.setPen(QPen(Line, 1.5));
    p.setBrush(Glass);
    p.drawPolygon(QPolygonF({at(0.26, 0.44), at(0.35, 0.18), at(0.49, 0.17), at(0.49, 0.44)}));
    p.drawPolygon(QPolygonF({at(0.52, 0.44), at(0.52, 0.17), at(0.65, 0.16), at(0.76, 0.44)}));
    // The doors' seams.
    p.drawLine(at(0.5, 0.45), at(0.5, 0.78));
    p.drawLine(at(0.3, 0.45), at(0.28, 0.76));
    p.drawLine(at(0.72, 0.45), at(0.73, 0.74));
    p.setBrush(QColor(255, 226, 140));
    p.drawEllipse(QRectF(at(0.93, 0.5), at(0.975, 0.58)));
    p.setBrush(QColor(200, 50, 50));
    p.drawRect(QRectF(at(0.025, 0.5), at(0.05, 0.6)));
    for (const qreal fx : {0.2, 0.8}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Tyre);
        const QPointF c = at(fx, 0.8);
        const qreal radius = 0.16 * r.height();
        p.drawEllipse(c, radius, radius);
        p.setBrush(Body.darker(115));
        p.drawEllipse(c, radius * 0.45, radius * 0.45);
    }
    p.restore();
}

// The car from the front or the back, facing the reader.
void drawEnd(QPainter& p, const QRectF& r, bool front)
{
    const auto at = [&](qreal fx, qreal fy) { return QPointF(r.left() + fx * r.width(), r.top() + fy * r.height()); };
    p.setPen(Qt::NoPen);
    p.setBrush(Tyre);
    p.drawRoundedRect(QRectF(at(0.1, 0.72), at(0.26, 0.9)), 3, 3);
    p.drawRoundedRect(QRectF(at(0.74, 0.72), at(0.9, 0.9)), 3, 3);
    p.setPen(QPen(Line, 2));
    p.setBrush(Body);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(at(0.05, 0.44), at(0.95, 0.8)), 8, 8);
    QPainterPath cabin;
    cabin.addPolygon(QPolygonF({at(0.12, 0.46), at(0.22, 0.12), at(0.78, 0.12), at(0.88, 0.46)}));
    cabin.closeSubpath();
    p.drawPath(shape.united(cabin));
    p.setPen(QPen(Line, 1.5));
    p.setBrush(Glass);
    p.drawPolygon(QPolygonF({at(0.18, 0.43), at(0.26, 0.17), at(0.74, 0.17), at(0.82, 0.43)}));
    p.setBrush(front ? QColor(255, 226, 140) : QColor(200, 50, 50));
    p.drawRoundedRect(QRectF(at(0.09, 0.5), at(0.27, 0.6)), 3, 3);
    p.drawRoundedRect(QRectF(at(0.73, 0.5), at(0.91, 0.6)), 3, 3);
    p.setBrush(front ? Body.darker(130) : Body.lighter(110));
    p.drawRect(QRectF(at(0.33, front ? 0.5 : 0.62), at(0.67, front ? 0.64 : 0.72)));
}

void drawView(QPainter& p, Zone zone)
{
    const QRectF r = zoneRect(zone);
    switch (zone) {
    case Zone::Top:
        drawTop(p, r);
        return;
    case Zone::LeftSide:
        drawSide(p, r, true);
        return;
    case Zone::RightSide:
        drawSide(p, r, false);
        return;
    case Zone::Front:
        drawEnd(p, r, true);
        return;
    case Zone::Back:
        drawEnd(p, r, false);
        return;
    }
}

}

DamageDiagram::DamageDiagram(QWidget* parent) : QWidget(parent)
{
    for (QPointF& cross : m_cross)
        cross = {0.5, 0.5};
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMinimumSize(300, 215);
    tellZone();
}

void DamageDiagram::setStanding(const QList<Mark>& marks)
{
    m_marks.clear();
    for (const Mark& m : marks)
        m_marks << Entry{m, false};
    setSelected(-1);
    update();
}

int DamageDiagram::addMark(const Mark& mark, bool fresh)
{
    m_marks << Entry{mark, fresh};
    update();
    return int(m_marks.size()) - 1;
}

void DamageDiagram::setMark(int index, const Mark& mark)
{
    m_marks[index].mark = mark;
    update();
}

void DamageDiagram::removeMark(int index)
{
    m_marks.removeAt(index);
    if (m_selected >= index)
        setSelected(m_selected == index ? -1 : m_selected - 1);
    update();
}

void DamageDiagram::setCurrentZone(Zone zone)
{
    m_zone = zone;
    tellZone();
    update();
}

void DamageDiagram::setKind(Kind kind)
{
    m_kind = kind;
    update();
}

void DamageDiagram::setSelected(int index)
{
    if (index == m_selected)
        return;
    m_selected = index;
    update();
    emit selectedChanged(index);
}

void DamageDiagram::tellZone()
{
    setAccessibleDescription(CarDamage::zoneName(m_zone) + QStringLiteral(" · ") + CarDamage::kindName(m_kind));
}

QSize DamageDiagram::sizeHint() const
{
    return {600, heightForWidth(600)};
}

int DamageDiagram::heightForWidth(int width) const
{
    return int(width * CanvasHeight / CanvasWidth);
}

QTransform DamageDiagram::toPixels(const QSizeF& size)
{
    const qreal scale = std::min(size.width() / CanvasWidth, size.height() / CanvasHeight);
    QTransform t;
    t.translate((size.width() - CanvasWidth * scale) / 2, (size.height() - CanvasHeight * scale) / 2);
    t.scale(scale, scale);
    return t;
}

QImage DamageDiagram::image(const QSize& size) const
{
    QImage result(size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::white);
    QPainter p(&result);
    paint(p, size, false);
    return result;
}

void DamageDiagram::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, size(), true);
}

void DamageDiagram::paint(QPainter& p, const QSizeF& size, bool onScreen) const
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(toPixels(size));
    QFont small = font();
    small.setPixelSize(11);
    p.setFont(small);
    for (int z = 0; z < CarDamage::ZoneCount; ++z) {
        const Zone zone = Zone(z);
        const QRectF r = zoneRect(zone);
        if (onScreen && zone == m_zone && hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DashLine));
            p.setBrush(QColor(palette().color(QPalette::Highlight).lighter(190)));
            p.drawRoundedRect(r.adjusted(-2, -14, 2, 2), 6, 6);
        }
        drawView(p, zone);
        p.setPen(Line);
        p.drawText(QRectF(r.left(), r.top() - 15, r.width(), 14), Qt::AlignCenter, CarDamage::zoneName(zone));
    }
    if (onScreen && hasFocus()) {
        const QPointF c = spotIn(m_zone, m_cross[int(m_zone)]);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawLine(c - QPointF(8, 0), c + QPointF(8, 0));
        p.drawLine(c - QPointF(0, 8), c + QPointF(0, 8));
    }
    QFont digits = small;
    digits.setBold(true);
    p.setFont(digits);
    for (int i = 0; i < m_marks.size(); ++i) {
        const Entry& e = m_marks.at(i);
        const QPointF c = spotIn(e.mark.zone, e.mark.spot);
        if (e.fresh) {
            // New damage stands out from what the car already had.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 220, 0, 170));
            p.drawEllipse(c, MarkRadius + 5, MarkRadius + 5);
            p.setBrush(QColor(210, 30, 30));
            p.setPen(QPen(Qt::white, 1.5));
        } else {
            p.setBrush(QColor(90, 96, 110));
            p.setPen(QPen(Qt::white, 1.5));
        }
        p.drawEllipse(c, MarkRadius, MarkRadius);
        p.drawText(QRectF(c.x() - MarkRadius, c.y() - MarkRadius, 2 * MarkRadius, 2 * MarkRadius), Qt::AlignCenter,
                   QString::number(int(e.mark.kind)));
        if (onScreen && i == m_selected) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(palette().color(QPalette::Highlight), 2.5));
            p.drawEllipse(c, MarkRadius + 3, MarkRadius + 3);
        }
    }
    p.setFont(small);
    p.setPen(Line);
    QStringList legend;
    for (int k = 1; k <= CarDamage::KindCount; ++k)
        legend << QStringLiteral("%1 %2").arg(k).arg(CarDamage::kindName(Kind(k)));
    p.drawText(QRectF(0, CanvasHeight - 16, CanvasWidth, 16), Qt::AlignCenter, legend.join(QStringLiteral("   ")));
}

void DamageDiagram::addAtCross()
{
    Mark m;
    m.zone = m_zone;
    m.spot = m_cross[int(m_zone)];
    m.kind = m_kind;
    const int index = addMark(m, true);
    setSelected(index);
    emit markAdded(index);
}

void DamageDiagram::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPointF& cross = m_cross[int(m_zone)];
    const auto move = [&](qreal dx, qreal dy) {
        cross = {std::clamp(cross.x() + dx, 0.0, 1.0), std::clamp(cross.y() + dy, 0.0, 1.0)};
        update();
    };
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        addAtCross();
        return;
    case Qt::Key_Delete:
        // What the car already had goes only by a repair.
        if (m_selected >= 0 && m_marks.at(m_selected).fresh)
            emit removeAsked(m_selected);
        return;
    case Qt::Key_Left:
        move(-CrossStep, 0);
        return;
    case Qt::Key_Right:
        move(CrossStep, 0);
        return;
    case Qt::Key_Up:
        move(0, -CrossStep);
        return;
    case Qt::Key_Down:
        move(0, CrossStep);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isDigit()) {
        const int digit = text.at(0).digitValue();
        if (digit >= 1 && digit <= CarDamage::KindCount) {
            setKind(Kind(digit));
            tellZone();
            // A digit right after Enter corrects the mark just made.
            if (m_selected >= 0 && m_marks.at(m_selected).fresh && m_marks.at(m_selected).mark.kind != Kind(digit)) {
                m_marks[m_selected].mark.kind = Kind(digit);
                update();
                emit markChanged(m_selected);
            }
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void DamageDiagram::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPointF at = toPixels(size()).inverted().map(event->position());
    for (int i = int(m_marks.size()) - 1; i >= 0; --i) {
        const QPointF c = spotIn(m_marks.at(i).mark.zone, m_marks.at(i).mark.spot);
        if (QLineF(c, at).length() <= MarkRadius + 2) {
            setSelected(i);
            return;
        }
    }
    for (int z = 0; z < CarDamage::ZoneCount; ++z) {
        const QRectF r = zoneRect(Zone(z));
        if (r.contains(at)) {
            m_cross[z] = {(at.x() - r.left()) / r.width(), (at.y() - r.top()) / r.height()};
            setCurrentZone(Zone(z));
            addAtCross();
            return;
        }
    }
}

bool DamageDiagram::focusNextPrevChild(bool next)
{
    // Tab walks the zones first; past the last one it leaves the diagram.
    const int zone = int(m_zone) + (next ? 1 : -1);
    if (hasFocus() && zone >= 0 && zone < CarDamage::ZoneCount) {
        setCurrentZone(Zone(zone));
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void DamageDiagram::focusInEvent(QFocusEvent* event)
{
    // Coming in backwards, the last zone is the first reached.
    if (event->reason() == Qt::TabFocusReason)
        setCurrentZone(Zone::Top);
    else if (event->reason() == Qt::BacktabFocusReason)
        setCurrentZone(Zone::Back);
    QWidget::focusInEvent(event);
}
