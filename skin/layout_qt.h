#pragma once

#include <QRect>

#include "skin/layout_rect.h"

namespace tavro {

inline QRect ToQRect(const LayoutRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace tavro
