#pragma once

#include <array>

#include "skin/layout_rect.h"

// The lighting page (template 131) in pixels of the page. Its background is
// ColorSetting_BK.bmp; every control cuts its looks from the ColorSetting sheets.
namespace tavro::lighting_layout {

inline constexpr PlacedControl kOnButton{1027, "ON", 73, {46, 68, 154, 20}};
inline constexpr PlacedControl kOffButton{1028, "OFF", 74, {46, 88, 168, 20}};
inline constexpr PlacedControl kSelectButton{1029, "Select", 75, {46, 108, 82, 21}};
inline constexpr std::array kModeButtons{kOnButton, kOffButton, kSelectButton};

// Zone check boxes and colour swatches. Zones 2 and 3 are always hidden.
inline constexpr PlacedControl kZone1Box{1030, "Scroll Wheel", 76, {106, 146, 108, 18}};
inline constexpr PlacedControl kZone4Box{1033, "LogoType", 77, {106, 164, 108, 19}};
inline constexpr PlacedControl kZone2Box{1031, "DPI Indicator", 78, {106, 183, 99, 20}};
inline constexpr PlacedControl kZone3Box{1032, "DPI Buttons", 79, {106, 183, 108, 20}};
inline constexpr PlacedControl kZone1Swatch{1034, "1", 80, {73, 145, 17, 16}};
inline constexpr PlacedControl kZone4Swatch{1037, "4", 81, {73, 166, 17, 16}};
inline constexpr PlacedControl kZone2Swatch{1035, "2", 82, {73, 183, 17, 18}};
inline constexpr PlacedControl kZone3Swatch{1036, "3", 83, {73, 186, 17, 16}};

// Palette buttons, row by row, in the order of the lighting palette.
inline constexpr int kPaletteColumnX[5] = {550, 578, 605, 633, 661};
inline constexpr int kPaletteRowY[4] = {118, 145, 173, 202};
inline constexpr int kPaletteButtonSize = 22;
inline constexpr std::array<PlacedControl, 20> kPaletteButtons = [] {
    constexpr int kFirstIdOfRow[4] = {1038, 1044, 1050, 1056};
    constexpr std::string_view kCaptions[20] = {"11", "12", "13", "14", "15", "21", "22",
                                                "23", "24", "25", "31", "32", "33", "34",
                                                "35", "41", "42", "43", "44", "45"};
    std::array<PlacedControl, 20> buttons{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            const int i = row * 5 + column;
            buttons[i] = {kFirstIdOfRow[row] + column,
                          kCaptions[i],
                          84 + i,
                          {kPaletteColumnX[column], kPaletteRowY[row], kPaletteButtonSize,
                           kPaletteButtonSize}};
        }
    }
    return buttons;
}();

inline constexpr PlacedControl kSolidButton{1043, "Solid", 104, {46, 256, 81, 28}};
inline constexpr PlacedControl kBlinkingButton{1049, "Blinking", 105, {46, 284, 81, 19}};
inline constexpr PlacedControl kPulsatingButton{1055, "Pulsating", 106, {46, 303, 81, 19}};
inline constexpr PlacedControl kBreathingButton{1061, "Breathing", 107, {46, 323, 81, 20}};
inline constexpr std::array kEffectButtons{kSolidButton, kBlinkingButton, kPulsatingButton,
                                           kBreathingButton};

inline constexpr PlacedControl kColorShiftButton{1062, "Color Shift", 108, {544, 67, 86, 19}};
inline constexpr PlacedControl kSolidColorButton{1063, "Solid Color", 109, {544, 87, 86, 20}};

// Red, green and blue edit boxes.
inline constexpr std::array<PlacedControl, 3> kColorEdits{{
    {1082, "", 110, {552, 266, 36, 15}},
    {1083, "", 111, {599, 266, 37, 15}},
    {1084, "", 112, {645, 266, 36, 15}},
}};

// The live preview draws Mouse.png (element 113) stretched over itself.
inline constexpr PlacedControl kPreview{1085, "Mouse", 113, {266, 85, 205, 212}};
// Lit zones in preview pixels; Mouse.png is transparent there.
inline constexpr LayoutRect kPreviewZone1{45, 6, 30, 18};
inline constexpr LayoutRect kPreviewZone4{108, 98, 45, 41};

}  // namespace tavro::lighting_layout
