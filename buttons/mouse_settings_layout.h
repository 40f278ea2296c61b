#pragma once

#include <array>

#include "skin/layout_rect.h"

// The mouse settings page (template 129) in pixels of the page. Looks are cut from the
// MouseSetting sheets; the function buttons draw their current choice, nothing else
// draws a caption.
namespace tavro::mouse_settings_layout {

// Function drop-downs of mouse buttons 1 … 7, in button order.
inline constexpr std::array<PlacedControl, 7> kFunctionButtons{{
    {1012, "Function1", 23, {57, 41, 182, 25}},
    {1021, "Function2", 24, {57, 74, 182, 25}},
    {1022, "Function3", 25, {57, 107, 182, 25}},
    {1023, "Function4", 26, {57, 139, 182, 25}},
    {1024, "Function5", 27, {57, 171, 182, 25}},
    {1025, "Function6", 28, {57, 203, 182, 25}},
    {1026, "Function7", 29, {57, 235, 182, 25}},
}};

// Markers showing where buttons 1 … 7 sit on the mouse picture, in button order.
inline constexpr std::array<PlacedControl, 7> kButtonMarkers{{
    {1032, "Bn1", 32, {258, 75, 24, 22}},
    {1033, "Bn2", 33, {473, 75, 26, 22}},
    {1013, "Bn3", 34, {258, 101, 24, 24}},
    {1034, "Bn4", 35, {258, 133, 24, 23}},
    {1037, "Bn5", 36, {258, 156, 24, 23}},
    {1035, "Bn6", 37, {473, 101, 26, 24}},
    {1036, "Bn7", 38, {473, 124, 26, 23}},
}};

// Report rate boxes, slowest first; reportInterval 8, 4, 2, 1 ms.
inline constexpr std::array<PlacedControl, 4> kReportRateBoxes{{
    {1028, "125", 41, {47, 305, 62, 22}},
    {1027, "250", 42, {126, 305, 64, 22}},
    {1029, "500", 43, {205, 305, 64, 22}},
    {1030, "1000", 44, {276, 305, 69, 22}},
}};

inline constexpr PlacedControl kDoubleClickSlider{1014, "Double Click", 45, {560, 70, 176, 17}};
inline constexpr PlacedControl kScrollSpeedSlider{1015, "Scroll Speed", 46, {545, 171, 200, 17}};
inline constexpr PlacedControl kAccelerationSlider{
    1016, "Point Acceleration", 47, {545, 271, 200, 15}};
inline constexpr PlacedControl kAccelerationBox{1040, "Enable", 48, {540, 312, 59, 16}};

// "Function8", "Function9", "Bn8" and "Bn9" exist in the template but are never shown.
inline constexpr std::array<int, 4> kHiddenButtonIds{1031, 1038, 1039, 1041};

}  // namespace tavro::mouse_settings_layout
