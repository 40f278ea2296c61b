#include "skin/pop_up_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tavro {

namespace {

bool OpensPopUp(const QKeyEvent& event) {
    if (event.isAutoRepeat()) {
        return false;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Down) {
        return modifiers == Qt::AltModifier;
    }
    return IsActivationKey(event.key()) && modifiers == Qt::NoModifier;
}

}  // namespace

void PopUpButton::mouseReleaseEvent(QMouseEvent* event) {
    SkinnedButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        onPopUpRequested(Request::Pointer);
    }
}

void PopUpButton::keyPressEvent(QKeyEvent* event) {
    if (!OpensPopUp(*event)) {
        SkinnedButton::keyPressEvent(event);
        return;
    }
    focusCue().keyUsed();
    update();
    onPopUpRequested(Request::Keyboard);
}

}  // namespace tavro
