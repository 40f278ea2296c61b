#pragma once

#include <QRect>
#include <QWidget>

#include "skin/skinned_menu.h"

namespace tavro {

using LaMenuItem = MenuItem;

// The angle-snapping drop-down's menu: entries reach the menu's right edge, so the
// pointer and the highlight cover its whole width. Its chains have their own
// outside-click watcher.
class CZVRMenu : public SkinnedMenu {
    Q_OBJECT

public:
    CZVRMenu(QWidget* owner, int identifier, const QRect& rect, CZVRMenu* parentMenu = nullptr);

    static OutsideClickWatcher& Watcher();

protected:
    int entryRight() const override { return width(); }
    SkinnedMenu* createSubMenu(int identifier) override;
};

}  // namespace tavro
