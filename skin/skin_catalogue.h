#pragma once

#include <array>

#include "skin/skin_files.h"

// The numbered skin elements through which pages and controls ask for their pictures.
// A range of numbers stands for one sheet set; within it the numbers only name the
// places a page cuts, the rectangle always comes from the caller.
namespace tavro {

enum class ElementKind {
    Copy,     // a new picture of the whole file
    Cut,      // a new picture of the caller's rectangle of the state's sheet
    Shared,   // the loaded image itself
    Failure,  // no such element or state
};

struct ElementSource {
    ElementKind kind = ElementKind::Failure;
    SkinFile file = SkinFile::MainNormal;  // unused for a failure
};

namespace skin_catalogue_detail {

struct ElementRange {
    int first;
    int last;
    ElementKind kind;
    // Copies and shared elements read sources[0] in every state; cuts read
    // sources[state] for the states below stateCount.
    std::array<SkinFile, kSkinStateCount> sources;
    int stateCount;
};

constexpr ElementRange Single(int element, ElementKind kind, SkinFile file) {
    return {element, element, kind, {file, file, file, file}, kSkinStateCount};
}

// A cut range over sheets that follow each other in state order from the Normal one.
constexpr ElementRange Sheets(int first, int last, SkinFile normal, int stateCount) {
    ElementRange range{first, last, ElementKind::Cut, {normal, normal, normal, normal}, stateCount};
    for (int state = 0; state < stateCount; ++state) {
        range.sources[state] = StateSheet(normal, static_cast<SkinState>(state));
    }
    return range;
}

using enum ElementKind;
using enum SkinFile;

inline constexpr ElementRange kRanges[] = {
    Single(0, Copy, MainNormal),
    Sheets(1, 21, MainNormal, 4),
    Single(22, Shared, MouseSettingNormal),
    Sheets(23, 29, MouseSettingNormal, 4),
    Sheets(32, 38, MouseSettingNormal, 4),
    Sheets(41, 48, MouseSettingNormal, 4),
    Single(49, Shared, SensorNormal),
    Sheets(50, 59, SensorNormal, 4),
    Sheets(61, 71, SensorNormal, 4),
    Single(72, Shared, ColorSettingBackground),
    Sheets(73, 112, ColorSettingNormal, 4),
    Single(113, Copy, MousePicture),
    Single(114, Shared, MacroSettingBackground),
    Sheets(115, 122, MacroSettingNormal, 4),
    Single(123, Shared, SupportNormal),
    Sheets(124, 129, SupportNormal, 4),
    Single(130, Copy, SliderNormal),
    Single(131, Copy, SliderDisable),
    Single(132, Copy, Slider1),
    Single(133, Copy, Slider2),
    Single(134, Copy, Slider3),
    Single(135, Copy, ScrollNormal),
    // The scroll bar's resting looks come from the Down sheet, its pressed looks from
    // the Over sheet.
    {136, 138, Cut, {ScrollDown, ScrollOver, ScrollDown, ScrollDown}, 2},
    Single(139, Copy, ColorPanel),
    Single(140, Shared, ReNameNormal),
    Sheets(141, 144, ReNameNormal, 4),
    Single(145, Shared, LeftClickWarnNormal),
    Sheets(146, 147, LeftClickWarnNormal, 3),
    Single(148, Shared, DeleteMacroNormal),
    Sheets(149, 151, DeleteMacroNormal, 3),
    Single(152, Shared, SensorSqat1Normal),
    Sheets(153, 155, SensorSqat1Normal, 3),
    Single(156, Shared, SensorSqat2Normal),
    Sheets(157, 161, SensorSqat2Normal, 3),
    Single(162, Shared, SensorSqat3Normal),
    Sheets(163, 164, SensorSqat3Normal, 3),
    Single(165, Shared, ResetWarnNormal),
    Sheets(166, 168, ResetWarnNormal, 3),
    Single(169, Shared, AssignKeyNormal),
    Sheets(170, 173, AssignKeyNormal, 4),
    Single(174, Shared, FileWarnNormal),
    Sheets(175, 176, FileWarnNormal, 2),
};

}  // namespace skin_catalogue_detail

// Where element `number` in `state` comes from. Numbers outside the catalogue (30, 31,
// 39, 40, 60, 177 and above, negatives) and states a range does not list fail.
constexpr ElementSource ResolveElement(int number, int state) {
    for (const auto& range : skin_catalogue_detail::kRanges) {
        if (number < range.first || number > range.last) {
            continue;
        }
        if (state < 0 || state >= range.stateCount) {
            return {};
        }
        return {range.kind,
                range.kind == ElementKind::Cut ? range.sources[state] : range.sources[0]};
    }
    return {};
}

constexpr ElementSource ResolveElement(int number, SkinState state) {
    return ResolveElement(number, static_cast<int>(state));
}

}  // namespace tavro
