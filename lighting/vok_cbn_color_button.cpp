#include "lighting/vok_cbn_color_button.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

#include "lighting/color_panel.h"

namespace tavro {

namespace {

constexpr int kStateNormal = 0;
constexpr int kStateHover = 1;
constexpr int kStatePressed = 2;

}  // namespace

CVokCbnColorButton::CVokCbnColorButton(int id, QWidget* parent, TickSource ticks)
    : QAbstractButton(parent), ticks_(std::move(ticks)) {
    SetControlId(this, id);
    setMouseTracking(true);
}

void CVokCbnColorButton::setImages(const QImage& normal, const QImage& over, const QImage& down,
                                   const QImage& panelPicture) {
    images_ = FourStateImages(normal, over, down);
    if (panel_ == nullptr) {
        // Window identifiers of this kind are 32-bit; the tick count wraps into one.
        panel_ = new CColorPanel(this, static_cast<int>(ticks_()));
    }
    panel_->setPicture(panelPicture);
    update();
}

bool CVokCbnColorButton::event(QEvent* event) {
    return dispatchOwnerEvent(event) || QAbstractButton::event(event);
}

void CVokCbnColorButton::onNotify(int id, int value) {
    if (panel_ == nullptr || id != panel_->identifier()) {
        return;
    }
    colour_ = static_cast<uint32_t>(value);
    update();
    NotifyParent(this, value);
}

void CVokCbnColorButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    SkinState look = static_cast<SkinState>(visualState_);
    if (!isEnabled() && images_.has(SkinState::Disable)) {
        look = SkinState::Disable;
    }
    DrawStretched(painter, images_[look], rect());
}

void CVokCbnColorButton::mouseMoveEvent(QMouseEvent* event) {
    switch (hover_.onMove(*this, event->position().toPoint())) {
        case HoverTracker::Change::Entered:
            setVisualState(event->buttons() & Qt::LeftButton ? kStatePressed : kStateHover);
            break;
        case HoverTracker::Change::Left:
            setVisualState(kStateNormal);
            break;
        case HoverTracker::Change::None:
            break;
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CVokCbnColorButton::leaveEvent(QEvent* event) {
    if (hover_.onLeave() == HoverTracker::Change::Left) {
        setVisualState(kStateNormal);
    }
    QAbstractButton::leaveEvent(event);
}

void CVokCbnColorButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        setVisualState(kStatePressed);
    }
    QAbstractButton::mousePressEvent(event);
}

void CVokCbnColorButton::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = false;
    setVisualState(kStateNormal);
    // Acted on wherever the pointer is now, not only over the swatch.
    togglePanel();
}

void CVokCbnColorButton::setVisualState(int state) {
    if (state == visualState_) {
        return;
    }
    visualState_ = state;
    update();
}

void CVokCbnColorButton::togglePanel() {
    if (panel_ == nullptr) {
        return;
    }
    if (panel_->isVisible()) {
        panel_->hide();
        return;
    }
    panel_->popUp(mapToGlobal(QPoint(0, height())));
}

}  // namespace tavro
