#include "sensor/vok_progress_ctrl.h"

#include <QPainter>

#include <utility>

#include "sensor/slider_geometry.h"
#include "skin/image_set.h"
#include "skin/owner_notification.h"

namespace tavro {

CVokProgressCtrl::CVokProgressCtrl(int id, QWidget* parent) : QWidget(parent) {
    SetControlId(this, id);
}

void CVokProgressCtrl::setImages(QImage background, QImage fill) {
    background_ = std::move(background);
    fill_ = std::move(fill);
    update();
}

void CVokProgressCtrl::setRange(int minimum, int maximum) {
    if (minimum == minimum_ && maximum == maximum_) {
        return;
    }
    minimum_ = minimum;
    maximum_ = maximum;
    update();
}

void CVokProgressCtrl::setPosition(int position) {
    if (position == position_) {
        return;
    }
    position_ = position;
    update();
}

void CVokProgressCtrl::setVertical(bool vertical) {
    if (vertical == vertical_) {
        return;
    }
    vertical_ = vertical;
    update();
}

void CVokProgressCtrl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, background_, rect());
    const int length = vertical_ ? height() : width();
    const int f = slider_geometry::FillLength(position_, minimum_, maximum_, length);
    // Pixels of the fill image are copied one to one (in widget pixels, so a 2× image
    // gives twice as many); a fill image smaller than the bar leaves the rest of the
    // share unfilled.
    const QRect shown = (vertical_ ? QRect(0, 0, width(), f) : QRect(0, 0, f, height()))
                            .intersected(QRect(QPoint(0, 0), LogicalSize(fill_)));
    if (shown.isEmpty()) {
        return;
    }
    const qreal ratio = fill_.devicePixelRatio();
    const QPoint at = vertical_ ? QPoint(0, height() - f) : QPoint(0, 0);
    painter.drawImage(QRectF(at, shown.size()), fill_,
                      QRectF(QPointF(shown.topLeft()) * ratio, QSizeF(shown.size()) * ratio));
}

}  // namespace tavro
