#pragma once

#include <array>

#include "skin/layout_rect.h"

// The pop-up dialog (template 135) in each of its modes, in pixels of the pop-up.
// The mode number is also the shared skin element of the mode's Normal sheet. A control
// with an empty rectangle is hidden in that mode.
namespace tavro::popup_layout {

inline constexpr int kOkId = 1076;
inline constexpr int kCancelId = 1077;
inline constexpr int kCloseId = 1078;
inline constexpr int kTimeId = 1079;
inline constexpr int kImageId = 1080;

struct PopupLayout {
    int mode = 0;
    LayoutRect dialog;
    PlacedControl ok;
    PlacedControl cancel;
    PlacedControl close;
    PlacedControl time;
    PlacedControl image;
};

inline constexpr int kLeftClickWarning = 145;
inline constexpr int kDeleteMacro = 148;
inline constexpr int kSurfaceStart = 152;
inline constexpr int kSurfaceCountdown = 156;
inline constexpr int kSurfaceResult = 162;
inline constexpr int kResetWarning = 165;
inline constexpr int kAssignKey = 169;
// A profile file that could not be read (import) or written (export).
inline constexpr int kFileWarning = 174;

inline constexpr std::array<PopupLayout, 8> kModes{{
    {kLeftClickWarning,
     {0, 0, 375, 185},
     {kOkId, "OK", 146, {317, 150, 56, 24}},
     {kCancelId, "Cancel", kNoElement, {}},
     {kCloseId, "Close", 147, {348, 0, 27, 23}},
     {kTimeId, "Time", kNoElement, {}},
     {kImageId, "Image", kNoElement, {}}},
    // The template gives the close box no usable area in this mode.
    {kDeleteMacro,
     {0, 0, 375, 185},
     {kOkId, "OK", 149, {257, 150, 55, 24}},
     {kCancelId, "Cancel", 150, {317, 150, 57, 24}},
     {kCloseId, "Close", 151, {}},
     {kTimeId, "Time", kNoElement, {}},
     {kImageId, "Image", kNoElement, {}}},
    {kSurfaceStart,
     {0, 0, 397, 190},
     {kOkId, "OK", 153, {224, 157, 104, 23}},
     {kCancelId, "Cancel", 154, {335, 157, 54, 23}},
     {kCloseId, "Close", 155, {376, 0, 21, 22}},
     {kTimeId, "Time", kNoElement, {}},
     {kImageId, "Image", kNoElement, {}}},
    {kSurfaceCountdown,
     {0, 0, 397, 190},
     {kOkId, "OK", 157, {224, 157, 104, 23}},
     {kCancelId, "Cancel", 158, {335, 157, 54, 23}},
     {kCloseId, "Close", 159, {376, 0, 21, 22}},
     {kTimeId, "Time", 160, {290, 133, 14, 12}},
     {kImageId, "Image", 161, {16, 62, 196, 95}}},
    {kSurfaceResult,
     {0, 0, 397, 190},
     {kOkId, "OK", 163, {305, 157, 84, 23}},
     {kCancelId, "Cancel", kNoElement, {}},
     {kCloseId, "Close", 164, {376, 0, 21, 22}},
     {kTimeId, "Time", kNoElement, {}},
     {kImageId, "Image", kNoElement, {}}},
    {kResetWarning,
     {0, 0, 375, 185},
     {kOkId, "OK", 166, {255, 147, 57, 27}},
     {kCancelId, "Cancel", 167, {314, 147, 59, 27}},
     {kCloseId, "Close", 168, {348, 0, 27, 23}},
     {kTimeId, "Time", kNoElement, {}},
     {kImageId, "Image", kNoElement, {}}},
    {kAssignKey,
     {0, 0, 397, 170},
     {kOkId, "OK", 170, {274, 131, 54, 25}},
     {kCancelId, "Cancel", 171, {334, 131, 55, 25}},
     {kCloseId, "Close", 172, {378, 0, 19, 23}},
     {kTimeId, "Time", 173, {132, 99, 63, 16}},
     {kImageId, "Image", kNoElement, {}}},
    {kFileWarning,
     {0, 0, 375, 185},
     {kOkId, "OK", 175, {317, 150, 56, 24}},
     {kCancelId, "Cancel", kNoElement, {}},
     {kCloseId, "Close", 176, {348, 0, 27, 23}},
     {kTimeId, "Time", kNoElement, {}},
     {kImageId, "Image", kNoElement, {}}},
}};

// The layout of a mode, or nullptr for a number that is not a mode.
constexpr const PopupLayout* FindMode(int mode) {
    for (const PopupLayout& layout : kModes) {
        if (layout.mode == mode) {
            return &layout;
        }
    }
    return nullptr;
}

}  // namespace tavro::popup_layout
