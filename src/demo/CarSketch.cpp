#include "demo/CarSketch.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace CarSketch {

namespace {

constexpr int Width = 320;
constexpr int Height = 200;
constexpr qreal Ground = 158;
constexpr qreal WheelRadius = 23;
constexpr qreal RearWheel = 82;
constexpr qreal FrontWheel = 240;

// The outline of the car above its wheels, facing right: the lower body and
// the cabin; the windows follow the cabin a little inside it.
struct Shape {
    QRectF lower;
    QPolygonF cabin;
    QPolygonF windows;
};

Shape shapeOf(Body body)
{
    switch (body) {
    case Body::Hatchback:
        return {QRectF(30, 104, 260, 42),
                QPolygonF({{50, 106}, {72, 66}, {190, 62}, {246, 106}}),
                QPolygonF({{62, 102}, {80, 72}, {186, 69}, {232, 102}})};
    case Body::Suv:
        return {QRectF(18, 96, 286, 52),
                QPolygonF({{26, 98}, {40, 52}, {206, 50}, {260, 98}}),
                QPolygonF({{38, 94}, {50, 60}, {200, 58}, {244, 94}})};
    case Body::Pickup:
        return {QRectF(16, 98, 290, 48),
                QPolygonF({{150, 100}, {160, 56}, {226, 54}, {264, 100}}),
                QPolygonF({{162, 96}, {170, 62}, {222, 61}, {252, 96}})};
    case Body::Van:
        return {QRectF(14, 100, 294, 46),
                QPolygonF({{14, 102}, {18, 40}, {236, 38}, {290, 102}}),
                QPolygonF({{28, 92}, {30, 50}, {230, 48}, {272, 92}})};
    case Body::Sedan:
        break;
    }
    return {QRectF(16, 106, 290, 40),
            QPolygonF({{70, 108}, {102, 68}, {200, 66}, {244, 108}}),
            QPolygonF({{82, 104}, {108, 74}, {196, 72}, {230, 104}})};
}

void drawWheel(QPainter& p, qreal x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(QPointF(x, Ground - WheelRadius), WheelRadius, WheelRadius);
    p.setBrush(QColor(180, 184, 190));
    p.drawEllipse(QPointF(x, Ground - WheelRadius), WheelRadius * 0.45, WheelRadius * 0.45);
}

}

QByteArray png(const QColor& colour, Body body)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(214, 230, 244));
    sky.setColorAt(0.8, QColor(246, 248, 250));
    sky.setColorAt(0.8, QColor(200, 200, 196));
    sky.setColorAt(1, QColor(170, 170, 166));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(Width / 2.0, Ground + 2), 150, 9);

    const Shape shape = shapeOf(body);
    QPainterPath outline;
    outline.addRoundedRect(shape.lower, 14, 14);
    QPainterPath cabin;
    cabin.addPolygon(shape.cabin);
    cabin.closeSubpath();
    outline = outline.united(cabin);
    QLinearGradient paint(0, 40, 0, shape.lower.bottom());
    paint.setColorAt(0, colour.lighter(125));
    paint.setColorAt(1, colour.darker(115));
    p.setBrush(paint);
    p.setPen(QPen(colour.darker(170), 2));
    p.drawPath(outline);

    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(QColor(120, 160, 196));
    p.drawPolygon(shape.windows);
    // The pillar between the front and rear windows.
    const qreal pillar = (shape.windows.at(1).x() + shape.windows.at(2).x()) / 2;
    p.setPen(QPen(colour.darker(120), 5));
    p.drawLine(QPointF(pillar, shape.windows.at(1).y()), QPointF(pillar, shape.windows.at(0).y()));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 160));
    p.drawEllipse(QPointF(shape.lower.right() - 8, shape.lower.top() + 12), 6, 4);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(shape.lower.left() + 1, shape.lower.top() + 8, 5, 9));

    drawWheel(p, RearWheel);
    drawWheel(p, FrontWheel);
    p.end();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}
