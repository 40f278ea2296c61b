#pragma once

#include <cstdint>

namespace tavro {

// A rectangle in pixels of a control's client area; right and bottom are outside it.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool Contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool operator==(const Rect&) const = default;
};

}  // namespace tavro
