#pragma once

#include "skin/layout_rect.h"

// The rename dialog (template 134) in pixels of the dialog; looks are cut from the
// ReName sheets.
namespace tavro::rename_layout {

inline constexpr LayoutRect kDialog{0, 0, 397, 165};
inline constexpr PlacedControl kNameEdit{1075, "", 141, {112, 44, 199, 15}};
inline constexpr PlacedControl kOkButton{1072, "OK", 142, {273, 130, 55, 25}};
inline constexpr PlacedControl kCancelButton{1073, "Cancel", 143, {336, 130, 55, 25}};
inline constexpr PlacedControl kCloseButton{1074, "Close", 144, {376, 0, 21, 22}};

}  // namespace tavro::rename_layout
