#pragma once

#include <utility>

#include "skin/skinned_button.h"

namespace tavro {

// The skinned push button and check box: a click (pointer, Space or Enter) reaches the
// parent as the command with the control's identifier.
class FourStateButton : public SkinnedButton {
    Q_OBJECT

public:
    void setImages(FourStateImages images) { setLooks(std::move(images)); }

protected:
    FourStateButton(int id, QWidget* parent);
};

}  // namespace tavro
