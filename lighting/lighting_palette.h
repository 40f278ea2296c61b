#pragma once

#include <array>

#include "profile/lighting_colour.h"

namespace tavro {

using PaletteColour = LightingColour;

// The twenty lighting colours, row by row, shared by the palette buttons of the
// lighting page and the cells of the colour panel.
inline constexpr std::array<PaletteColour, 20> kLightingPalette{{
    {255, 0, 0},   {255, 20, 0},   {255, 60, 0},   {255, 150, 0}, {255, 255, 0},
    {180, 255, 0}, {0, 255, 0},    {60, 255, 10},  {60, 255, 70}, {60, 255, 100},
    {0, 255, 255}, {60, 100, 255}, {20, 100, 255}, {0, 0, 255},   {80, 0, 255},
    {180, 0, 200}, {200, 0, 160},  {255, 0, 100},  {255, 0, 30},  {255, 10, 10},
}};

}  // namespace tavro
