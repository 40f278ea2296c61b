#pragma once

#include <array>
#include <string_view>

#include "skin/layout_rect.h"

// The main window (template 102) in pixels of its client area. Its controls cut their
// looks from the four Main sheets; the tab, profile and bottom buttons draw their own
// captions.
namespace tavro::main_window_layout {

inline constexpr LayoutRect kWindow{0, 0, 800, 600};
inline constexpr LayoutRect kPageArea{9, 209, 783, 349};
inline constexpr int kPageWidth = kPageArea.width;
inline constexpr int kPageHeight = kPageArea.height;

inline constexpr PlacedControl kMouseSettingsTab{1000, "Mouse Settings", 2, {65, 150, 122, 35}};
inline constexpr PlacedControl kSensorTab{1001, "Sensor Performance", 3, {187, 150, 182, 35}};
inline constexpr PlacedControl kColorSettingsTab{1002, "Color Settings", 4, {369, 150, 141, 35}};
inline constexpr PlacedControl kMacroSettingsTab{1003, "Macro Settings", 5, {519, 150, 136, 35}};
inline constexpr PlacedControl kSupportTab{1004, "Support", 6, {655, 150, 97, 35}};
inline constexpr std::array kTabs{kMouseSettingsTab, kSensorTab, kColorSettingsTab,
                                  kMacroSettingsTab, kSupportTab};

// The profile bar, by slot: the drop-down with the profile's menu (no caption drawn;
// the sheets carry its number) and the profile button captioned with the profile name.
struct ProfileSlotControls {
    PlacedControl menu;
    PlacedControl profile;
};
inline constexpr std::array<ProfileSlotControls, 5> kProfileBar{{
    {{1020, "1", 7, {9, 187, 16, 20}}, {1007, "", 8, {25, 187, 140, 20}}},
    {{1019, "2", 9, {165, 187, 17, 20}}, {1008, "", 10, {182, 187, 139, 20}}},
    {{1018, "3", 11, {321, 187, 16, 20}}, {1009, "", 12, {337, 187, 140, 20}}},
    {{1017, "4", 13, {477, 187, 15, 20}}, {1010, "", 14, {492, 187, 141, 20}}},
    {{1016, "5", 15, {633, 187, 16, 20}}, {1011, "", 16, {649, 187, 142, 20}}},
}};

// The items of every profile menu, values 1 … 5.
inline constexpr std::array<std::string_view, 5> kProfileMenuItems{
    "Rename", "Save current settings", "Export Profile", "Import Profile", "Disable/Enable"};

inline constexpr PlacedControl kResetButton{1031, "Reset to Default", 17, {38, 563, 89, 24}};
inline constexpr PlacedControl kLanguageButton{1032, "Language", 18, {146, 563, 117, 24}};
inline constexpr PlacedControl kOkButton{1041, "OK", 19, {555, 563, 56, 24}};
inline constexpr PlacedControl kApplyButton{1042, "Apply", 20, {617, 563, 55, 24}};
inline constexpr PlacedControl kCancelButton{1044, "Cancel", 21, {678, 563, 54, 24}};
inline constexpr std::array kBottomButtons{kResetButton, kOkButton, kApplyButton, kCancelButton};

// The eleven choices of the Language button, values 0 … 10; the caption starts at the first.
inline constexpr std::array<std::string_view, 11> kLanguages{
    "English", "German",  "Spanish", "French", "Japanese",  "Chinese",
    "Korean",  "Russian", "Hindi",   "Arabic", "Portuguese"};

// What the skin's drawing of a button leaves for its caption: the rounded frame of a
// push button takes this much on either side, a drop-down's arrow and its separator
// the last kDropDownArrowWidth pixels.
inline constexpr int kButtonFrameWidth = 3;
inline constexpr int kDropDownArrowWidth = 28;

// Shows the program's version; its background is the window's own.
inline constexpr PlacedControl kVersionLabel{1080, "FirmwareVer", kNoElement, {239, 7, 29, 13}};

inline constexpr std::array kControls{
    kMouseSettingsTab,
    kSensorTab,
    kColorSettingsTab,
    kMacroSettingsTab,
    kSupportTab,
    kProfileBar[0].menu,
    kProfileBar[0].profile,
    kProfileBar[1].menu,
    kProfileBar[1].profile,
    kProfileBar[2].menu,
    kProfileBar[2].profile,
    kProfileBar[3].menu,
    kProfileBar[3].profile,
    kProfileBar[4].menu,
    kProfileBar[4].profile,
    kResetButton,
    kLanguageButton,
    kOkButton,
    kApplyButton,
    kCancelButton,
    kVersionLabel,
};

}  // namespace tavro::main_window_layout
