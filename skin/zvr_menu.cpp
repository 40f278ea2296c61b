#include "skin/zvr_menu.h"

namespace tavro {

CZVRMenu::CZVRMenu(QWidget* owner, int identifier, const QRect& rect, CZVRMenu* parentMenu)
    : SkinnedMenu(owner, identifier, rect, parentMenu, Watcher()) {}

OutsideClickWatcher& CZVRMenu::Watcher() {
    static OutsideClickWatcher watcher;
    return watcher;
}

SkinnedMenu* CZVRMenu::createSubMenu(int identifier) {
    return new CZVRMenu(owner(), identifier, kNewSubMenuRect, this);
}

}  // namespace tavro
