#include "lighting/vok_cbn_color_button.h"

#include <QKeyEvent>

#include <utility>

#include "lighting/color_panel.h"

namespace tavro {

CVokCbnColorButton::CVokCbnColorButton(int id, QWidget* parent, TickSource ticks)
    : PopUpButton(id, parent), ticks_(std::move(ticks)) {}

void CVokCbnColorButton::setImages(const QImage& normal, const QImage& over, const QImage& down,
                                   const QImage& panelPicture) {
    setLooks(FourStateImages(normal, over, down));
    if (panel_ == nullptr) {
        // Window identifiers of this kind are 32-bit; the tick count wraps into one.
        panel_ = new CColorPanel(this, static_cast<int>(ticks_()));
    }
    panel_->setPicture(panelPicture);
}

bool CVokCbnColorButton::event(QEvent* event) {
    return dispatchOwnerEvent(event) || PopUpButton::event(event);
}

void CVokCbnColorButton::onNotify(int id, int value) {
    if (panel_ == nullptr || id != panel_->identifier()) {
        return;
    }
    colour_ = static_cast<uint32_t>(value);
    update();
    NotifyParent(this, value);
}

void CVokCbnColorButton::onPopUpRequested(Request request) {
    if (panel_ == nullptr) {
        return;
    }
    if (panel_->isVisible()) {
        panel_->hide();
        return;
    }
    const QPoint below = mapToGlobal(QPoint(0, height()));
    if (request == Request::Keyboard) {
        panel_->popUpForKeys(below, colour_);
    } else {
        panel_->popUp(below);
    }
}

void CVokCbnColorButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (panel_ != nullptr && panel_->isVisible() && plain && event->key() != Qt::Key_Space &&
        panel_->handleKey(event->key())) {
        return;
    }
    PopUpButton::keyPressEvent(event);
}

void CVokCbnColorButton::focusOutEvent(QFocusEvent* event) {
    // A panel opened from the keyboard has no pointer checks to close it.
    if (panel_ != nullptr && panel_->isVisible() && panel_->keyboardCell() >= 0) {
        panel_->hide();
    }
    PopUpButton::focusOutEvent(event);
}

}  // namespace tavro
