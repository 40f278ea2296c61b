#pragma once

#include <array>
#include <cstdint>

namespace tavro {

struct PaletteColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    // Profile records keep red in bits 0–7, green in 8–15, blue in 16–23.
    constexpr uint32_t recordForm() const {
        return uint32_t{red} | uint32_t{green} << 8 | uint32_t{blue} << 16;
    }
    // Colours on screen are opaque 32-bit ARGB.
    constexpr uint32_t argb() const {
        return 0xFF000000u | uint32_t{red} << 16 | uint32_t{green} << 8 | uint32_t{blue};
    }
};

// The twenty lighting colours, row by row, shared by the palette buttons of the
// lighting page and the cells of the colour panel.
inline constexpr std::array<PaletteColour, 20> kLightingPalette{{
    {255, 0, 0},   {255, 20, 0},   {255, 60, 0},   {255, 150, 0}, {255, 255, 0},
    {180, 255, 0}, {0, 255, 0},    {60, 255, 10},  {60, 255, 70}, {60, 255, 100},
    {0, 255, 255}, {60, 100, 255}, {20, 100, 255}, {0, 0, 255},   {80, 0, 255},
    {180, 0, 200}, {200, 0, 160},  {255, 0, 100},  {255, 0, 30},  {255, 10, 10},
}};

}  // namespace tavro
