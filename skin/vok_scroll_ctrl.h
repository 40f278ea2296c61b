#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace tavro {

// The seven pictures of a scroll bar; the arrows and the thumb take their (logical)
// sizes from them.
struct ScrollImages {
    QImage background;
    QImage thumb;
    QImage thumbPressed;
    QImage topArrow;
    QImage topArrowPressed;
    QImage bottomArrow;
    QImage bottomArrowPressed;
};

// A skinned scroll bar, vertical unless wider than high. A press and release on an arrow
// jumps to that end of the range; the track follows the pointer.
//
// Reports to its parent: (id, position) whenever the position is set, by the owner or
// by the pointer.
class CVokScrollCtrl : public QWidget {
    Q_OBJECT

public:
    enum class Element { None = 0, TopArrow = 1, Thumb = 2, BottomArrow = 3 };

    explicit CVokScrollCtrl(int id, QWidget* parent = nullptr);

    void setImages(ScrollImages images);
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // Clamps into the range, places the thumb and reports the position.
    void setPosition(int position);
    int position() const { return position_; }

    bool isVertical() const { return width() <= height(); }
    QRect thumbRect() const { return thumbRect_; }
    QRect topArrowRect() const { return topArrowRect_; }
    QRect bottomArrowRect() const { return bottomArrowRect_; }
    // The part between the arrows, in which the thumb moves.
    QRect trackRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void layOut();
    // Along the bar's axis.
    int along(QPoint point) const { return isVertical() ? point.y() : point.x(); }
    // An image's extent along the bar, in widget pixels.
    int lengthOf(const QImage& image) const;
    int trackStart() const;
    int trackLength() const;
    int thumbLength() const;
    void setPositionFromPointer(QPoint point);
    Element elementAt(QPoint point) const;

    ScrollImages images_;
    QRect thumbRect_;
    QRect topArrowRect_;
    QRect bottomArrowRect_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    Element pressed_ = Element::None;
};

}  // namespace tavro
