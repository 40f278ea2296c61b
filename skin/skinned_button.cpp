#include "skin/skinned_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

#include "skin/owner_notification.h"

namespace tavro {

bool IsActivationKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

SkinnedButton::SkinnedButton(int id, QWidget* parent) : QAbstractButton(parent) {
    SetControlId(this, id);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void SkinnedButton::setLooks(FourStateImages images) {
    images_ = std::move(images);
    update();
}

void SkinnedButton::setSelected(bool selected) {
    if (selected_ == selected) {
        return;
    }
    selected_ = selected;
    update();
}

void SkinnedButton::setTemplateCaption(const QString& caption) {
    templateCaption_ = caption;
    refreshAccessibleName();
}

void SkinnedButton::refreshAccessibleName() {
    // Without a template caption the name stays empty, so assistive tools read the
    // caption the button draws (its text).
    setAccessibleName(templateCaption_);
}

const QImage& SkinnedButton::currentLook() const {
    if (!isEnabled() && images_.has(SkinState::Disable)) {
        return images_[SkinState::Disable];
    }
    if (showsSelectedLook() && images_.has(SkinState::Down)) {
        return images_[SkinState::Down];
    }
    switch (visualState_) {
        case VisualState::Hover:
            return images_[SkinState::Over];
        case VisualState::Pressed:
            return images_[SkinState::Down];
        case VisualState::Normal:
            break;
    }
    return images_[SkinState::Normal];
}

void SkinnedButton::setVisualState(VisualState state) {
    if (visualState_ == state) {
        return;
    }
    visualState_ = state;
    update();
}

void SkinnedButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, currentLook(), rect());
    paintContent(painter);
    if (focusCue_.shown(*this)) {
        DrawFocusMark(painter, rect());
    }
}

void SkinnedButton::mouseMoveEvent(QMouseEvent* event) {
    switch (hover_.onMove(*this, event->position().toPoint())) {
        case HoverTracker::Change::Entered:
            setVisualState(event->buttons() & Qt::LeftButton ? VisualState::Pressed
                                                             : VisualState::Hover);
            onPointerEntered();
            break;
        case HoverTracker::Change::Left:
            setVisualState(VisualState::Normal);
            break;
        case HoverTracker::Change::None:
            break;
    }
    QAbstractButton::mouseMoveEvent(event);
}

void SkinnedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        focusCue_.pointerPressed();
        setVisualState(VisualState::Pressed);
    }
    QAbstractButton::mousePressEvent(event);
}

void SkinnedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setVisualState(VisualState::Normal);
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void SkinnedButton::leaveEvent(QEvent* event) {
    if (hover_.onLeave() == HoverTracker::Change::Left) {
        setVisualState(VisualState::Normal);
    }
    QAbstractButton::leaveEvent(event);
}

void SkinnedButton::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !IsActivationKey(event->key())) {
        if (event->key() == Qt::Key_Escape && heldBySpace_) {
            heldBySpace_ = false;
            setVisualState(VisualState::Normal);
        }
        QAbstractButton::keyPressEvent(event);
        return;
    }
    focusCue_.keyUsed();
    if (event->key() == Qt::Key_Space) {
        heldBySpace_ = true;
        setVisualState(VisualState::Pressed);
        QAbstractButton::keyPressEvent(event);
        return;
    }
    click();
}

void SkinnedButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && heldBySpace_) {
        heldBySpace_ = false;
        setVisualState(VisualState::Normal);
    }
    QAbstractButton::keyReleaseEvent(event);
}

void SkinnedButton::focusInEvent(QFocusEvent* event) {
    focusCue_.focusIn(event->reason());
    QAbstractButton::focusInEvent(event);
}

void SkinnedButton::focusOutEvent(QFocusEvent* event) {
    // QAbstractButton lets go of a press held by Space when the focus leaves.
    if (heldBySpace_) {
        heldBySpace_ = false;
        setVisualState(VisualState::Normal);
    }
    QAbstractButton::focusOutEvent(event);
}

}  // namespace tavro
