#include "sensor/vok_slider_ctrl_3d.h"

#include <QFocusEvent>
#include <QPainter>

#include <cstdint>
#include <utility>

#include "sensor/slider_geometry.h"
#include "skin/image_set.h"
#include "skin/layout_qt.h"
#include "skin/owner_notification.h"

namespace tavro {

CVokSliderCtrl3D::CVokSliderCtrl3D(int id, QWidget* parent) : SliderControl(id, parent) {}

void CVokSliderCtrl3D::setImages(QImage track, QImage thumb1, QImage thumb2, QImage thumb3) {
    track_ = std::move(track);
    thumbs_ = {std::move(thumb1), std::move(thumb2), std::move(thumb3)};
    update();
}

void CVokSliderCtrl3D::setThumb(int thumb, int value, bool report) {
    if (!isThumb(thumb)) {
        return;
    }
    store(thumb, slider_geometry::ClampToRange(value, minimum(), maximum()), report);
}

int CVokSliderCtrl3D::thumbValue(int thumb) const {
    return isThumb(thumb) ? values_[thumb - 1] : 0;
}

QRect CVokSliderCtrl3D::thumbRect(int thumb) const {
    if (!isThumb(thumb)) {
        return QRect();
    }
    // Every thumb is placed by thumb 1's width, so equal values line up whatever the
    // other images' sizes.
    const int centre = slider_geometry::ThumbCentreX(
        values_[thumb - 1], width(), LogicalSize(thumbImage(1)).width(), minimum(), maximum());
    const QSize image = LogicalSize(thumbImage(thumb));
    return ToQRect(slider_geometry::PlaceThumb(centre, image.width(), image.height(),
                                               LogicalSize(thumbImage(kThumbCount)).height(),
                                               width()));
}

void CVokSliderCtrl3D::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, track_, rect());
    for (int thumb = kThumbCount; thumb >= 1; --thumb) {
        if (!thumbImage(thumb).isNull()) {
            painter.drawImage(thumbRect(thumb).topLeft(), thumbImage(thumb));
        }
    }
    drawFocusMark(painter, thumbRect(keyboardThumb_));
}

void CVokSliderCtrl3D::grabAt(QPoint point) {
    grabbed_ = 0;
    for (int thumb = 1; thumb <= kThumbCount; ++thumb) {
        if (thumbRect(thumb).contains(point)) {
            grabbed_ = thumb;
            keyboardThumb_ = thumb;
            return;
        }
    }
}

void CVokSliderCtrl3D::dragTo(int x) {
    if (grabbed_ == 0) {
        return;
    }
    // A dragged value is snapped but not clamped again, so a step that does not divide
    // the range can carry it past the maximum.
    store(grabbed_,
          slider_geometry::ValueAt(x, width(), LogicalSize(thumbImage(grabbed_)).width(), minimum(),
                                   maximum(), step()),
          true);
}

void CVokSliderCtrl3D::releaseGrab() {
    grabbed_ = 0;
}

bool CVokSliderCtrl3D::focusNextPrevChild(bool next) {
    const int thumb = keyboardThumb_ + (next ? 1 : -1);
    if (hasFocus() && isThumb(thumb)) {
        keyboardThumb_ = thumb;
        update();
        return true;
    }
    return SliderControl::focusNextPrevChild(next);
}

void CVokSliderCtrl3D::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason) {
        keyboardThumb_ = 1;
    } else if (event->reason() == Qt::BacktabFocusReason) {
        keyboardThumb_ = kThumbCount;
    }
    SliderControl::focusInEvent(event);
}

void CVokSliderCtrl3D::store(int thumb, int value, bool report) {
    int& held = values_[thumb - 1];
    if (value == held) {
        return;
    }
    held = value;
    update();
    if (report) {
        // Wraps rather than overflows for values no 16-bit field could hold anyway.
        const auto packed =
            static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(kThumbFactor) * thumb;
        NotifyParent(this, static_cast<int>(packed));
    }
}

}  // namespace tavro
