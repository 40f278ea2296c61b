#include "sensor/slider_control.h"

#include <QMouseEvent>

#include "skin/owner_notification.h"

namespace tavro {

SliderControl::SliderControl(int id, QWidget* parent) : QWidget(parent) {
    SetControlId(this, id);
    setMouseTracking(true);
}

void SliderControl::setState(int state) {
    if (state == state_ || state < kNormal || state > kDisabled) {
        return;
    }
    state_ = state;
    update();
}

void SliderControl::setRange(int minimum, int maximum, int step) {
    if (minimum == minimum_ && maximum == maximum_ && step == step_) {
        return;
    }
    minimum_ = minimum;
    maximum_ = maximum;
    step_ = step;
    update();
}

void SliderControl::mousePressEvent(QMouseEvent* event) {
    if (state_ == kDisabled || event->button() != Qt::LeftButton) {
        return;
    }
    state_ = kDragging;
    restoreState_ = kDragging;
    const QPoint point = event->position().toPoint();
    grabAt(point);
    dragTo(point.x());
    update();
}

void SliderControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const bool inside = rect().contains(point);
    if (state_ == kDisabled || (!tracking_ && !inside)) {
        return;
    }
    if (state_ == kDragging) {
        dragTo(point.x());
        update();
    }
    if (!tracking_) {
        tracking_ = true;
        state_ = event->buttons().testFlag(Qt::LeftButton) ? restoreState_ : kHover;
        update();
    } else if (!inside) {
        stopTracking();
    }
}

void SliderControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (state_ == kDisabled || event->button() != Qt::LeftButton ||
        (!tracking_ && !rect().contains(point))) {
        return;
    }
    dragTo(point.x());
    releaseGrab();
    state_ = kNormal;
    restoreState_ = kNormal;
    update();
}

void SliderControl::leaveEvent(QEvent* event) {
    if (state_ != kDisabled && tracking_) {
        stopTracking();
    }
    QWidget::leaveEvent(event);
}

void SliderControl::stopTracking() {
    restoreState_ = state_;
    state_ = kNormal;
    tracking_ = false;
    update();
}

}  // namespace tavro
