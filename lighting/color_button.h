#pragma once

#include <cstdint>

namespace tavro {

// One cell of the colour panel: its colour in record form (red in bits 0–7, green in
// 8–15, blue in 16–23) and its rectangle in panel pixels, right and bottom exclusive.
struct CColorButton {
    uint32_t colour = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

static_assert(sizeof(CColorButton) == 5 * sizeof(uint32_t));

}  // namespace tavro
