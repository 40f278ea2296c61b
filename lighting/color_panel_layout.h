#pragma once

#include <array>

#include "skin/layout_rect.h"

// ColorPanel.bmp and its twenty cells in panel pixels, row by row in palette order.
// One-pixel gaps between the cells belong to no cell.
namespace tavro::color_panel_layout {

inline constexpr LayoutRect kPanel{0, 0, 102, 82};

inline constexpr std::array<LayoutRect, 20> kCells = [] {
    constexpr int kColumnLeft[5] = {1, 22, 42, 62, 82};
    constexpr int kColumnRight[5] = {21, 41, 61, 81, 101};
    constexpr int kRowTop[4] = {1, 22, 42, 62};
    constexpr int kRowBottom[4] = {21, 41, 61, 81};
    std::array<LayoutRect, 20> cells{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            cells[row * 5 + column] = {kColumnLeft[column], kRowTop[row],
                                       kColumnRight[column] - kColumnLeft[column],
                                       kRowBottom[row] - kRowTop[row]};
        }
    }
    return cells;
}();

}  // namespace tavro::color_panel_layout
