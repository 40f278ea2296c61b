#pragma once

#include <QRect>
#include <QWidget>

#include "skin/skinned_menu.h"

namespace tavro {

// The pop-up menu of the drop-down buttons; entries stop 15 pixels short of the right
// edge, where a sub-menu's arrow sits.
class CVokMenu : public SkinnedMenu {
    Q_OBJECT

public:
    static constexpr int kArrowMargin = 15;

    CVokMenu(QWidget* owner, int identifier, const QRect& rect, CVokMenu* parentMenu = nullptr);

    static OutsideClickWatcher& Watcher();

protected:
    int entryRight() const override { return width() - kArrowMargin; }
    SkinnedMenu* createSubMenu(int identifier) override;
};

}  // namespace tavro
