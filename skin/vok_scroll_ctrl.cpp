#include "skin/vok_scroll_ctrl.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "skin/image_set.h"
#include "skin/owner_notification.h"

namespace tavro {

CVokScrollCtrl::CVokScrollCtrl(int id, QWidget* parent) : QWidget(parent) {
    SetControlId(this, id);
}

void CVokScrollCtrl::setImages(ScrollImages images) {
    images_ = std::move(images);
    layOut();
    update();
}

void CVokScrollCtrl::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    layOut();
    update();
}

void CVokScrollCtrl::setPosition(int position) {
    // A range given upside down holds only its minimum.
    position_ = std::max(minimum_, std::min(position, maximum_));
    layOut();
    update();
    NotifyParent(this, position_);
}

int CVokScrollCtrl::lengthOf(const QImage& image) const {
    const QSize size = LogicalSize(image);
    return isVertical() ? size.height() : size.width();
}

int CVokScrollCtrl::trackStart() const {
    return lengthOf(images_.topArrow);
}

int CVokScrollCtrl::trackLength() const {
    const int length = isVertical() ? height() : width();
    return std::max(0, length - lengthOf(images_.topArrow) - lengthOf(images_.bottomArrow));
}

int CVokScrollCtrl::thumbLength() const {
    return lengthOf(images_.thumb);
}

QRect CVokScrollCtrl::trackRect() const {
    return isVertical() ? QRect(0, trackStart(), width(), trackLength())
                        : QRect(trackStart(), 0, trackLength(), height());
}

void CVokScrollCtrl::layOut() {
    const int travel = trackLength() - thumbLength();
    const long long span = static_cast<long long>(maximum_) - minimum_;
    const int offset =
        travel > 0 && span > 0
            ? static_cast<int>((static_cast<long long>(position_) - minimum_) * travel / span)
            : 0;
    const int thumbStart = trackStart() + offset;
    const int top = lengthOf(images_.topArrow);
    const int bottom = lengthOf(images_.bottomArrow);
    if (isVertical()) {
        topArrowRect_ = QRect(0, 0, width(), top);
        bottomArrowRect_ = QRect(0, height() - bottom, width(), bottom);
        thumbRect_ = QRect(0, thumbStart, width(), thumbLength());
    } else {
        topArrowRect_ = QRect(0, 0, top, height());
        bottomArrowRect_ = QRect(width() - bottom, 0, bottom, height());
        thumbRect_ = QRect(thumbStart, 0, thumbLength(), height());
    }
}

void CVokScrollCtrl::setPositionFromPointer(QPoint point) {
    const int travel = trackLength() - thumbLength();
    const double span = static_cast<double>(maximum_) - minimum_;
    const double value =
        travel > 0 ? minimum_ + (along(point) - thumbLength() / 2 - trackStart()) * span / travel
                   : minimum_;
    const double rounded = std::floor(value + 0.5);
    setPosition(static_cast<int>(std::clamp(rounded, static_cast<double>(minimum_),
                                            static_cast<double>(std::max(minimum_, maximum_)))));
}

CVokScrollCtrl::Element CVokScrollCtrl::elementAt(QPoint point) const {
    if (topArrowRect_.contains(point)) {
        return Element::TopArrow;
    }
    if (bottomArrowRect_.contains(point)) {
        return Element::BottomArrow;
    }
    if (thumbRect_.contains(point)) {
        return Element::Thumb;
    }
    return Element::None;
}

void CVokScrollCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawStretched(painter, images_.background, rect());
    const auto look = [this](Element element, const QImage& normal, const QImage& pressed) {
        return pressed_ == element ? pressed : normal;
    };
    DrawStretched(painter, look(Element::TopArrow, images_.topArrow, images_.topArrowPressed),
                  topArrowRect_);
    DrawStretched(painter,
                  look(Element::BottomArrow, images_.bottomArrow, images_.bottomArrowPressed),
                  bottomArrowRect_);
    DrawStretched(painter, look(Element::Thumb, images_.thumb, images_.thumbPressed), thumbRect_);
}

void CVokScrollCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void CVokScrollCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    pressed_ = elementAt(point);
    if (trackRect().contains(point)) {
        setPositionFromPointer(point);
    }
    update();
}

void CVokScrollCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton && trackRect().contains(point)) {
        setPositionFromPointer(point);
    }
}

void CVokScrollCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (trackRect().contains(point)) {
        setPositionFromPointer(point);
    }
    if (pressed_ == Element::TopArrow) {
        setPosition(minimum_);
    } else if (pressed_ == Element::BottomArrow) {
        setPosition(maximum_);
    }
    pressed_ = Element::None;
    update();
}

}  // namespace tavro
