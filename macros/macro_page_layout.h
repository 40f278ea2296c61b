#pragma once

#include "skin/layout_rect.h"

// The macro page (template 132) in pixels of the page. Its background is
// MacroSetting_BK.bmp; the controls cut their looks from the MacroSetting sheets.
namespace tavro::macro_page_layout {

inline constexpr PlacedControl kMacroList{1069, "Macro", 115, {42, 75, 200, 199}};
inline constexpr PlacedControl kEventEditor{1070, "Events", 116, {282, 75, 200, 199}};
inline constexpr PlacedControl kNewMacroButton{1064, "New Macro", 117, {39, 285, 83, 26}};
inline constexpr PlacedControl kDeleteButton{1065, "Delete", 118, {136, 285, 84, 26}};
inline constexpr PlacedControl kRecordDelayBox{1066, "Record Delay", 119, {543, 73, 86, 17}};
inline constexpr PlacedControl kRecordHoldBox{1071, "Record Hold", 120, {543, 95, 86, 19}};
inline constexpr PlacedControl kStartRecordButton{1067, "Start Record", 121, {542, 127, 86, 25}};
// Sits where "Start Record" sits, but its looks are cut further down the sheets.
inline constexpr PlacedControl kStopRecordButton{1068, "Stop Record", 122, {542, 127, 86, 25}};
inline constexpr LayoutRect kStopRecordSkinRect{542, 165, 86, 25};
// Not in the template: while recording where only this program's windows can be
// watched, a line under "Start Record" says that keys must be typed into the program.
inline constexpr PlacedControl kRecordingScopeNote{
    0, "Recording note", kNoElement, {542, 158, 218, 16}};

}  // namespace tavro::macro_page_layout
