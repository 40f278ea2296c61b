#pragma once

#include <cstdint>

#include "skin/layout_rect.h"

namespace tavro {

// One cell of the colour panel: its colour in record form (red in bits 0–7, green in
// 8–15, blue in 16–23) and its rectangle in panel pixels, right and bottom exclusive.
struct CColorButton {
    uint32_t colour = 0;
    LayoutRect rect;

    constexpr bool contains(int x, int y) const { return rect.contains(x, y); }
};

}  // namespace tavro
