#include "sensor/vok_slider_ctrl.h"

#include <QPainter>

#include <utility>

#include "sensor/slider_geometry.h"
#include "skin/image_set.h"
#include "skin/owner_notification.h"

namespace tavro {

CVokSliderCtrl::CVokSliderCtrl(int id, QWidget* parent) : SliderControl(id, parent) {}

void CVokSliderCtrl::setImages(QImage track, QImage normal, QImage hover, QImage disabled) {
    track_ = std::move(track);
    normal_ = std::move(normal);
    hover_ = std::move(hover);
    disabled_ = std::move(disabled);
    update();
}

void CVokSliderCtrl::setValue(int value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    update();
    NotifyParent(this, value_);
}

QRect CVokSliderCtrl::thumbRect() const {
    const QSize thumb = LogicalSize(normal_);
    const int w = thumb.width();
    const int centre = slider_geometry::ThumbCentreX(value_, width(), w, minimum(), maximum());
    return QRect(centre - w / 2, 0, w, thumb.height());
}

void CVokSliderCtrl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, track_, rect());
    const QImage& thumb = state() == kDisabled ? disabled_ : state() == kNormal ? normal_ : hover_;
    if (!thumb.isNull()) {
        painter.drawImage(thumbRect().topLeft(), thumb);
    }
    drawFocusMark(painter, thumbRect());
}

void CVokSliderCtrl::dragTo(int x) {
    setValue(slider_geometry::ValueAt(x, width(), LogicalSize(normal_).width(), minimum(),
                                      maximum(), step()));
}

}  // namespace tavro
