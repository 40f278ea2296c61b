#pragma once

#include <array>

#include "skin/layout_rect.h"

// The support page (template 133) in pixels of the page; looks are cut from the
// Support sheets.
namespace tavro::support_layout {

// The template's caption reads "FQA", a slip: the button says "FAQ", and so does its
// accessible name.
inline constexpr PlacedControl kFaqButton{1086, "FAQ", 124, {140, 122, 124, 25}};
inline constexpr PlacedControl kOnlineSupportButton{
    1071, "Online Support", 125, {140, 274, 124, 24}};
inline constexpr PlacedControl kCheckUpdatesButton{1072, "Check Updates", 126, {504, 122, 141, 25}};
inline constexpr PlacedControl kCheckFirmwareButton{
    1073, "Check Firmware", 127, {508, 274, 137, 24}};
inline constexpr std::array kButtons{kFaqButton, kOnlineSupportButton, kCheckUpdatesButton,
                                     kCheckFirmwareButton};
inline constexpr PlacedControl kFirmwareVersionLabel{1082, "Firm Version", 128, {630, 301, 30, 14}};
inline constexpr PlacedControl kSoftwareVersionLabel{1081, "Soft Version", 129, {630, 314, 30, 13}};

}  // namespace tavro::support_layout
