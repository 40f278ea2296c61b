#pragma once

#include <QRect>
#include <QWidget>

#include "buttons/skinned_combo_button.h"

namespace tavro {

// The sensor page's angle-snapping drop-down; its menu is a CZVRMenu.
class CZVRComboButton : public SkinnedComboButton {
    Q_OBJECT

public:
    static constexpr QSize kMenuSize{55, 20};
    static constexpr int kSkinFontPixels = 13;

    explicit CZVRComboButton(int id, QWidget* parent = nullptr);

protected:
    SkinnedMenu* createMenu(int identifier, const QRect& rect) override;
};

}  // namespace tavro
