#pragma once

#include "rental/CarDamage.h"

#include <QImage>
#include <QWidget>

// The car drawn from above, from both sides, from the front and from the
// back; each view is a zone the clerk marks damage on. Tab goes from zone to
// zone (and on out of the diagram after the last), the arrows move the
// cross within the zone, a digit 1-4 picks the kind, Enter marks the spot,
// Delete asks to take back a mark made here;
// a click marks the spot clicked, or picks the mark under it. Marks already
// on the car are drawn plain, the ones added here highlighted. The drawing
// never mirrors: a dent on the left door stays on the left.
class DamageDiagram : public QWidget {
    Q_OBJECT
public:
    explicit DamageDiagram(QWidget* parent = nullptr);

    // Forgets every mark and shows `marks` as the car's standing damage.
    void setStanding(const QList<CarDamage::Mark>& marks);
    // Adds a mark; a fresh one is highlighted. Gives its index.
    int addMark(const CarDamage::Mark& mark, bool fresh = true);
    void setMark(int index, const CarDamage::Mark& mark);
    void removeMark(int index);
    int count() const { return int(m_marks.size()); }
    const CarDamage::Mark& mark(int index) const { return m_marks.at(index).mark; }
    bool isFresh(int index) const { return m_marks.at(index).fresh; }

    CarDamage::Zone currentZone() const { return m_zone; }
    void setCurrentZone(CarDamage::Zone zone);
    // The kind the next mark takes.
    CarDamage::Kind kind() const { return m_kind; }
    void setKind(CarDamage::Kind kind);
    // The mark picked, -1 for none.
    int selected() const { return m_selected; }
    void setSelected(int index);

    // The diagram and its marks on white, for documents.
    QImage image(const QSize& size) const;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void markAdded(int index);
    void selectedChanged(int index);
    // The kind of the selected fresh mark changed by a digit.
    void markChanged(int index);
    // Delete on a fresh mark: the owner decides and removes it.
    void removeAsked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    struct Entry {
        CarDamage::Mark mark;
        bool fresh = false;
    };

    void paint(QPainter& p, const QSizeF& size, bool onScreen) const;
    // Canvas units to the widget's (or image's) pixels.
    static QTransform toPixels(const QSizeF& size);
    void addAtCross();
    void tellZone();

    QList<Entry> m_marks;
    CarDamage::Zone m_zone = CarDamage::Zone::Top;
    // Where Enter marks, per zone, 0 to 1 within it.
    QPointF m_cross[CarDamage::ZoneCount];
    CarDamage::Kind m_kind = CarDamage::Kind::Scratch;
    int m_selected = -1;
};
