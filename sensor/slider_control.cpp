#include "sensor/slider_control.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "sensor/slider_geometry.h"
#include "skin/owner_notification.h"

namespace tavro {

namespace {

constexpr int kPagesPerRange = 10;

}  // namespace

SliderControl::SliderControl(int id, QWidget* parent) : QWidget(parent) {
    SetControlId(this, id);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void SliderControl::setState(int state) {
    if (state == state_ || (state != kNormal && state != kDisabled)) {
        return;
    }
    state_ = state;
    // A disabled slider is no stop for Tab either.
    setFocusPolicy(state == kDisabled ? Qt::NoFocus : Qt::StrongFocus);
    if (state == kDisabled && hasFocus()) {
        focusNextChild();
    }
    update();
}

int SliderControl::pageSteps() const {
    const double range = std::abs(static_cast<double>(maximum_) - minimum_);
    const double steps = std::round(range / kPagesPerRange / std::max(step_, 1));
    return static_cast<int>(std::clamp(steps, 1.0, static_cast<double>(INT32_MAX)));
}

int SliderControl::stepped(int value, int steps) const {
    const int step = std::max(step_, 1);
    const int moved = slider_geometry::ClampToRange(
        std::int64_t{value} + std::int64_t{steps} * step, minimum_, maximum_);
    return slider_geometry::ClampToRange(slider_geometry::SnapToStep(moved, step_), minimum_,
                                         maximum_);
}

void SliderControl::drawFocusMark(QPainter& painter, const QRect& thumb) const {
    if (focusCue_.shown(*this)) {
        DrawFocusMark(painter, thumb.adjusted(-3, -1, 3, 1).intersected(rect()));
    }
}

void SliderControl::keyPressEvent(QKeyEvent* event) {
    const int value = keyboardValue();
    int target = value;
    switch (event->key()) {
        case Qt::Key_Left:
            target = stepped(value, -1);
            break;
        case Qt::Key_Right:
            target = stepped(value, 1);
            break;
        case Qt::Key_PageDown:
            target = stepped(value, -pageSteps());
            break;
        case Qt::Key_PageUp:
            target = stepped(value, pageSteps());
            break;
        case Qt::Key_Home:
            target = stepped(minimum_, 0);
            break;
        case Qt::Key_End:
            target = stepped(maximum_, 0);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (state_ == kDisabled) {
        return;
    }
    focusCue_.keyUsed();
    setKeyboardValue(target);
    update();
}

void SliderControl::focusInEvent(QFocusEvent* event) {
    focusCue_.focusIn(event->reason());
    QWidget::focusInEvent(event);
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
    focusCue_.pointerPressed();
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
