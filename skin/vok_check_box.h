#pragma once

#include "skin/four_state_button.h"

namespace tavro {

// A two-state button without a caption. Its looks are, in order, unchecked, unchecked
// under the pointer, checked and disabled. A click toggles it and reaches the parent as
// the command with its identifier.
class CVokCheckBox : public FourStateButton {
    Q_OBJECT

public:
    explicit CVokCheckBox(int id, QWidget* parent = nullptr);

protected:
    bool showsSelectedLook() const override { return isChecked(); }
};

}  // namespace tavro
