#pragma once

#include <array>

#include "skin/layout_rect.h"

// The sensor page (template 130) in pixels of the page. Looks are cut from the Sensor
// sheets; the sheets carry every text except the step values, the defined-mode value
// and the angle-snapping choice.
namespace tavro::sensor_layout {

inline constexpr PlacedControl kSeparateBox{
    1018, "Enable X or Y Separate Setting", 50, {35, 73, 16, 17}};
inline constexpr PlacedControl kDefinedModeBox{1087, "Eanble Defined mode", 51, {584, 14, 140, 26}};
inline constexpr PlacedControl kXSlider{1022, "Xaxis", 52, {78, 102, 595, 16}};
inline constexpr PlacedControl kYSlider{1023, "Yaxis", 53, {78, 121, 595, 15}};
inline constexpr PlacedControl kPointerSpeedSlider{1024, "Point Speed", 54, {444, 211, 288, 17}};
inline constexpr PlacedControl kLiftDistanceSlider{1025, "Lift Distance", 55, {424, 278, 329, 17}};
// Empty look in the Normal sheet, full look in the Down sheet.
inline constexpr PlacedControl kQualityBar{1026, "Quality Analyzer", 56, {36, 207, 101, 107}};
inline constexpr PlacedControl kAnalyzeButton{1021, "Analyze Surface", 57, {230, 295, 104, 26}};
inline constexpr PlacedControl kTestButton{1020, "Test", 58, {636, 313, 54, 26}};
inline constexpr PlacedControl kSaveButton{1019, "Save", 59, {697, 313, 56, 26}};

// Step value labels of DPI levels 1 … 3: the X row is shown only with the axes apart.
inline constexpr std::array<PlacedControl, 3> kXStepLabels{{
    {1089, "Step1x", 61, {280, 36, 52, 21}},
    {1091, "Step2x", 62, {366, 36, 52, 21}},
    {1092, "Step3x", 63, {454, 36, 52, 21}},
}};
inline constexpr std::array<PlacedControl, 3> kXYStepLabels{{
    {1090, "Step1xy", 64, {281, 67, 51, 20}},
    {1093, "Step2xy", 65, {367, 67, 51, 20}},
    {1094, "Step3xy", 66, {455, 67, 51, 20}},
}};

inline constexpr PlacedControl kAngleSnapButton{1095, "AngleSnap", 67, {698, 37, 54, 21}};
inline constexpr PlacedControl kDefinedValueEdit{1088, "", 68, {706, 69, 44, 18}};

// Row tags beside the step labels: "XY" from the Normal sheet, "X" and "Y" from Down.
inline constexpr std::array<PlacedControl, 3> kAxisPictures{{
    {1096, "XYaxisBK1", 69, {241, 29, 35, 64}},
    {1097, "XYaxisBK2", 70, {337, 29, 26, 64}},
    {1098, "XYaxisBK3", 71, {426, 29, 25, 64}},
}};

// Shows one of the surface-quality pictures 0.bmp … 100.bmp.
inline constexpr PlacedControl kSurfacePicture{1027, "Surface", kNoElement, {233, 210, 96, 49}};

}  // namespace tavro::sensor_layout
