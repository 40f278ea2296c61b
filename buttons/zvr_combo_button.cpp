#include "buttons/zvr_combo_button.h"

#include "skin/zvr_menu.h"

namespace tavro {

CZVRComboButton::CZVRComboButton(QWidget* parent)
    : SkinnedComboButton(parent, kMenuSize, kSkinFontPixels) {}

SkinnedMenu* CZVRComboButton::createMenu(int identifier, const QRect& rect) {
    return new CZVRMenu(this, identifier, rect);
}

}  // namespace tavro
