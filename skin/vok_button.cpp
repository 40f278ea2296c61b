#include "skin/vok_button.h"

#include <QPainter>

#include "skin/owner_notification.h"
#include "skin/skin_fonts.h"
#include "skin/skin_text.h"

namespace tavro {

namespace {

constexpr int kButtonFontHeight = 15;

}  // namespace

CVokButton::CVokButton(int id, QWidget* parent) : FourStateButton(id, parent) {
    setFont(ControlFont(kButtonFontHeight));
}

void CVokButton::setTextColours(QRgb normal, QRgb selected) {
    textColour_ = normal;
    selectedTextColour_ = selected;
    update();
}

void CVokButton::paintContent(QPainter& painter) {
    if (!text().isEmpty()) {
        DrawSkinText(painter, text(), captionColour(), true, true,
                     rect().adjusted(kCaptionIndent, 0, 0, 0));
    }
}

void CVokButton::onPointerEntered() {
    NotifyParent(this, 0);
}

QRgb CVokButton::captionColour() const {
    if (!isEnabled()) {
        return kDisabledTextColour;
    }
    if (isSelected()) {
        return selectedTextColour_;
    }
    return visualState() == VisualState::Hover ? kHoverTextColour : textColour_;
}

}  // namespace tavro
