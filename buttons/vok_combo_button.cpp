#include "buttons/vok_combo_button.h"

#include "buttons/vok_menu.h"

namespace tavro {

CVokComboButton::CVokComboButton(int id, QWidget* parent)
    : SkinnedComboButton(id, parent, kMenuSize, kSkinFontPixels) {}

void CVokComboButton::addSubEntry(int code, int parentCode, const QString& text) {
    if (menu() != nullptr) {
        menu()->addSubEntry(code, parentCode, text);
    }
}

SkinnedMenu* CVokComboButton::createMenu(int identifier, const QRect& rect) {
    return new CVokMenu(this, identifier, rect);
}

}  // namespace tavro
