#pragma once

#include <cstdint>

namespace tavro {

// A rectangle of the macro model as .macro files store it: four signed 32-bit edges,
// right and bottom outside it. The model keeps edges rather than the layout's LayoutRect
// (position and size) because the files and the row rules are in edges, and edges read
// from a file round-trip whatever their values, where a width worked out from them could
// overflow.
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
