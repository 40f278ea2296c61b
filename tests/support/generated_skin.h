#pragma once

#include <QWidget>

#include "skin/layout_rect.h"
#include "skin/owner_notification.h"
#include "skin/skin_resources.h"

namespace tavro::testing {

// The skin the build draws (the test target defines TAVRO_SKIN_DIR), loaded once.
inline SkinResources& GeneratedSkin() {
    static SkinResources skin(TAVRO_SKIN_DIR);
    return skin;
}

// The control of `window` placed for `place`, or null.
template <typename Control>
Control* PlacedChild(QWidget& window, const PlacedControl& place) {
    for (Control* control : window.findChildren<Control*>()) {
        if (ControlId(control) == place.id) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace tavro::testing
