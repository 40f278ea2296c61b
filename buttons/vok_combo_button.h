#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "buttons/skinned_combo_button.h"

namespace tavro {

// The drop-down button of the mouse settings page and the main window; its menu is a
// CVokMenu whose entries may open sub-menus.
class CVokComboButton : public SkinnedComboButton {
    Q_OBJECT

public:
    static constexpr QSize kMenuSize{158, 20};
    static constexpr int kSkinFontPixels = 14;

    explicit CVokComboButton(int id, QWidget* parent = nullptr);

    // Adds (code, text) under the menu entry `parentCode`; nothing without a menu.
    void addSubEntry(int code, int parentCode, const QString& text);

protected:
    SkinnedMenu* createMenu(int identifier, const QRect& rect) override;
};

}  // namespace tavro
