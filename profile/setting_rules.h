#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/lift_distance.h"

// The value rules of the settings pages, in one place: the ranges and steps of their
// sliders, boxes and edits, the report-rate boxes and the lighting words. The pages
// set up their controls from here and tavroctl checks what a user types against the
// same rules.
namespace tavro::setting_rules {

struct ValueRange {
    int minimum = 0;
    int maximum = 0;
    int step = 1;

    constexpr bool Contains(int value) const { return value >= minimum && value <= maximum; }
    // A value the control can produce: inside the range and on a multiple of the step,
    // as the sliders snap.
    constexpr bool Produces(int value) const { return Contains(value) && value % step == 0; }
    constexpr int Clamp(int value) const {
        return value < minimum ? minimum : value > maximum ? maximum : value;
    }
};

// Sensor page.
inline constexpr ValueRange kDpi{50, 7000, 50};  // both three-thumb sliders
inline constexpr int kDpiLevelCount = 3;
inline constexpr ValueRange kPointerSpeed{1, 10, 1};
inline constexpr ValueRange kLiftDistance{kMinLiftDistanceSetting, kMaxLiftDistanceSetting, 1};
inline constexpr ValueRange kAngleSnap{0, 15, 1};  // the drop-down's entries "0" … "15"
inline constexpr ValueRange kDefinedValue{-30, 30, 1};

// Mouse settings page. The double-click slider holds 1600 − the double-click time, so
// its 200 … 1400 are the times 1400 … 200 ms and the right end is the fastest.
inline constexpr ValueRange kDoubleClick{200, 1400, 200};
inline constexpr int kDoubleClickTimeBase = 1600;
inline constexpr ValueRange kWheelLines{1, 6, 1};
inline constexpr ValueRange kAccelerationLevel{1, 3, 1};

constexpr int DoubleClickTime(int sliderValue) {
    return kDoubleClickTimeBase - sliderValue;
}
constexpr int DoubleClickSliderValue(int milliseconds) {
    return kDoubleClickTimeBase - milliseconds;
}

// The report-rate boxes, left to right: caption in Hz and the record's reportInterval.
struct ReportRate {
    int hertz = 0;
    uint16_t interval = 0;
};
inline constexpr std::array<ReportRate, 4> kReportRates{{{125, 8}, {250, 4}, {500, 2}, {1000, 1}}};
std::optional<uint16_t> ReportIntervalForRate(int hertz);
// Nothing for an interval no box stands for: then no box is checked.
std::optional<int> ReportRateForInterval(unsigned interval);

// Lighting page. lightingMode: 15 all zones ("ON"), 0 none ("OFF"), or the chosen
// zones ("Select"): 16 plus 1 for zone 1 and 8 for zone 4.
inline constexpr int32_t kLightingAllOn = 15;
inline constexpr int32_t kLightingOff = 0;
inline constexpr int32_t kLightingChosenZones = 16;
inline constexpr int32_t kLightingZone1 = 1;
inline constexpr int32_t kLightingZone4 = 8;
constexpr int32_t ChosenZonesMode(bool zone1, bool zone4) {
    return kLightingChosenZones + (zone1 ? kLightingZone1 : 0) + (zone4 ? kLightingZone4 : 0);
}
// The page reads any mode with the chosen-zones bit as "Select", the zones from bits 0
// and 3.
constexpr bool IsChosenZonesMode(int32_t mode) {
    return (mode & kLightingChosenZones) != 0;
}
constexpr bool LightsZone1(int32_t mode) {
    return (mode & kLightingZone1) != 0;
}
constexpr bool LightsZone4(int32_t mode) {
    return (mode & kLightingZone4) != 0;
}

// lightingParam: the effect, plus 16 while the colour cycles ("Color Shift"). An
// effect of 0 means no effect button is selected.
inline constexpr int32_t kColorShift = 16;
struct Effect {
    std::string_view word;  // the button's caption in lower case
    int32_t value = 0;
};
inline constexpr std::array<Effect, 4> kEffects{
    {{"solid", 1}, {"blinking", 2}, {"pulsating", 3}, {"breathing", 4}}};
constexpr bool HasColorShift(int32_t param) {
    return (param & kColorShift) != 0;
}
// What the page takes for the effect once it has seen the colour-shift bit.
constexpr int32_t EffectOf(int32_t param) {
    return HasColorShift(param) ? param - kColorShift : param;
}
constexpr int32_t LightingParam(int32_t effect, bool colorShift) {
    return effect + (colorShift ? kColorShift : 0);
}

inline constexpr ValueRange kColorChannel{0, 255, 1};  // each of the red, green, blue edits

// One check of the defined-value edit as the user types: at most two characters, or
// three after a "-"; a leading "0" goes when more follows; anything beyond −30 … 30
// becomes the nearest end ("-45" → "-30", "045" → "4", "-0" stays). The caret goes
// after the returned text.
std::string NormaliseDefinedValueText(std::string_view text);
// The edit's value: its leading signed decimal number as 8 bits, 0 for an empty text
// or a lone "-".
int8_t DefinedValueFromText(std::string_view text);

// One check of a colour edit: a text longer than three characters keeps its last
// three, and a number above 255 becomes "255".
std::string NormaliseColorChannelText(std::string_view text);
// The channel a colour edit stands for: its leading number, 0 for an empty text, kept
// inside 0 … 255 whatever the text.
uint8_t ColorChannelFromText(std::string_view text);

}  // namespace tavro::setting_rules
