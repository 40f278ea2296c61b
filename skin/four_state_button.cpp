#include "skin/four_state_button.h"

#include "skin/owner_notification.h"

namespace tavro {

FourStateButton::FourStateButton(int id, QWidget* parent) : SkinnedButton(id, parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { SendCommandToParent(this); });
}

}  // namespace tavro
