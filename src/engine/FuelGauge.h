#pragma once

#include <QWidget>

// The fuel in the tank in eighths, 0 (empty) to 8 (full), drawn as a row of
// eight cells from E to F that runs with the screen's direction. Arrows step
// it (Left and Right as the row runs), a digit 0-8 sets it, a click takes the
// cell under the mouse. The record binding reads and writes it as a number;
// an empty stored value shows an empty tank.
class FuelGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    static constexpr int Full = 8;

    explicit FuelGauge(QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Kept within 0..Full.
    void setValue(int eighths);
    // What a screen reader says and the gauge shows: "3/8".
    QString valueText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(int eighths);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The cells' band, inside the E and F marks.
    QRectF cellsRect() const;
    // The eighths the cells up to `x` stand for.
    int eighthsAt(qreal x) const;

    int m_value = 0;
};
