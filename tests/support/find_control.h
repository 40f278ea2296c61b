#pragma once

#include <QWidget>

#include "skin/owner_notification.h"

namespace tavro {

// The control of type Control with dialog identifier `id` inside `window`, or null.
template <typename Control>
Control* ControlOf(QWidget& window, int id) {
    for (Control* control : window.findChildren<Control*>()) {
        if (ControlId(control) == id) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace tavro
