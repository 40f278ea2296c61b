#include "buttons/zvr_combo_button.h"

#include "skin/zvr_menu.h"

namespace tavro {

CZVRComboButton::CZVRComboButton(int id, QWidget* parent)
    : SkinnedComboButton(id, parent, kMenuSize, kSkinFontPixels) {}

SkinnedMenu* CZVRComboButton::createMenu(int identifier, const QRect& rect) {
    return new CZVRMenu(this, identifier, rect);
}

}  // namespace tavro
