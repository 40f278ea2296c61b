#pragma once

#include "skin/layout_rect.h"

// The scroll bar pictures. Scroll_Normal.bmp is the track, stretched over the bar.
// Scroll_Down.bmp holds the resting looks and Scroll_Over.bmp the pressed looks of the
// thumb and the two arrows at these rectangles (elements 136 … 138 in states 0 and 1).
namespace tavro::scroll_layout {

inline constexpr LayoutRect kSheet{0, 0, 24, 199};
inline constexpr PlacedControl kThumb{0, "thumb", 136, {0, 84, 24, 32}};
inline constexpr PlacedControl kTopArrow{0, "top arrow", 137, {0, 0, 24, 20}};
inline constexpr PlacedControl kBottomArrow{0, "bottom arrow", 138, {0, 179, 24, 20}};

}  // namespace tavro::scroll_layout
