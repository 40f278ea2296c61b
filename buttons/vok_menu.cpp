#include "buttons/vok_menu.h"

namespace tavro {

CVokMenu::CVokMenu(QWidget* owner, int identifier, const QRect& rect, CVokMenu* parentMenu)
    : SkinnedMenu(owner, identifier, rect, parentMenu, Watcher()) {}

OutsideClickWatcher& CVokMenu::Watcher() {
    static OutsideClickWatcher watcher;
    return watcher;
}

SkinnedMenu* CVokMenu::createSubMenu(int identifier) {
    return new CVokMenu(owner(), identifier, kNewSubMenuRect, this);
}

}  // namespace tavro
