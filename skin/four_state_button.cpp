#include "skin/four_state_button.h"

#include <QMouseEvent>

#include "skin/owner_notification.h"

namespace tavro {

FourStateButton::FourStateButton(int id, QWidget* parent) : QAbstractButton(parent) {
    SetControlId(this, id);
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] { SendCommandToParent(this); });
}

void FourStateButton::setImages(FourStateImages images) {
    images_ = std::move(images);
    update();
}

const QImage& FourStateButton::currentLook(bool pressedLook) const {
    if (!isEnabled() && images_.has(SkinState::Disable)) {
        return images_[SkinState::Disable];
    }
    if (pressedLook && images_.has(SkinState::Down)) {
        return images_[SkinState::Down];
    }
    return images_[static_cast<SkinState>(visualState_)];
}

void FourStateButton::mouseMoveEvent(QMouseEvent* event) {
    switch (hover_.onMove(*this, event->position().toPoint())) {
        case HoverTracker::Change::Entered:
            setVisualState(event->buttons() & Qt::LeftButton ? 2 : 1);
            onPointerEntered();
            break;
        case HoverTracker::Change::Left:
            setVisualState(0);
            break;
        case HoverTracker::Change::None:
            break;
    }
    QAbstractButton::mouseMoveEvent(event);
}

void FourStateButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setVisualState(2);
    }
    QAbstractButton::mousePressEvent(event);
}

void FourStateButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setVisualState(0);
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void FourStateButton::leaveEvent(QEvent* event) {
    if (hover_.onLeave() == HoverTracker::Change::Left) {
        setVisualState(0);
    }
    QAbstractButton::leaveEvent(event);
}

void FourStateButton::setVisualState(int state) {
    if (visualState_ == state) {
        return;
    }
    visualState_ = state;
    update();
}

}  // namespace tavro
