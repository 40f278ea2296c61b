#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavro {

inline constexpr int kProfileCount = 5;
inline constexpr int kButtonCount = 9;

// `direction` of every macro event, in every form (library, button copy, device slot).
inline constexpr uint8_t kDirectionPress = 0;
inline constexpr uint8_t kDirectionRelease = 1;

// One event of a button's macro copy; meanings as for library events.
struct CMacroEvent {
    uint8_t kind = 0;
    int16_t key = 0;
    uint8_t direction = 0;
    int32_t delay = 0;

    bool operator==(const CMacroEvent&) const = default;
};

// A profile's private copy of the library macro that one button replays.
struct ButtonMacro {
    std::u16string name;
    int32_t macroId = 0;
    std::vector<CMacroEvent> events;

    bool operator==(const ButtonMacro&) const = default;
};

struct ButtonAssignment {
    uint8_t button = 0;
    uint8_t function = 0;         // 13 single key, 14 macro, 15 disabled
    int16_t parameter = 0;        // virtual-key code (13) or macro id (14)
    uint8_t defaultFunction = 0;  // fallback when a macro has gone from the library

    bool operator==(const ButtonAssignment&) const = default;
};

// Factory functions: button k does function k for k = 0 … 6; buttons 7 and 8 are disabled.
std::array<ButtonAssignment, kButtonCount> DefaultButtons();

// One on-board profile as the program edits it. Field order and widths follow the
// profile file and the configuration image; colours keep red in bits 0–7.
struct ProfileRecord {
    std::filesystem::path filePath;
    int32_t enabled = 1;
    std::u16string name = u"profile";
    uint8_t slot = 0;
    uint16_t tagWord = 179;
    uint16_t reportInterval = 1;     // 1, 2, 4 or 8 ms
    int16_t doubleClickValue = 800;  // double-click time is 1600 − value ms
    int16_t wheelLines = 2;
    int32_t wheelByLines = 1;
    int32_t wheelByPage = 0;
    int32_t accelerationOn = 0;
    int16_t accelerationLevel = 1;  // not stored in the profile file
    uint8_t sensorConstant = 2;
    int32_t xySeparate = 0;
    int32_t definedMode = 0;
    int16_t dpiX1 = 400;
    int16_t dpiY1 = 400;
    int16_t dpiX2 = 1600;
    int16_t dpiY2 = 1600;
    int16_t dpiX3 = 7000;
    int16_t dpiY3 = 7000;
    uint8_t pointerSpeed = 5;  // desktop pointer speed is twice this
    uint8_t liftDistance = 12;
    int16_t surfaceLevel = 0;  // last surface-quality level 0 … 10, display only
    uint8_t angleSnap = 0;
    int8_t definedValue = 0;
    int32_t lightingMode = 15;  // bits 0–3: zones 1–4 lit; bit 4: chosen zones
    int32_t lightingParam = 1;  // effect, plus 16 for colour shift
    uint32_t zoneColor1 = 0xFF0000;
    uint32_t zoneColor2 = 0xFF0000;
    uint32_t zoneColor3 = 0xFF0000;
    uint32_t zoneColor4 = 0xFF0000;
    std::array<ButtonAssignment, kButtonCount> buttons = DefaultButtons();
    std::array<ButtonMacro, kButtonCount> buttonMacros;

    bool operator==(const ProfileRecord&) const = default;
};

// Sets every settings field back to its default; keeps filePath, name, slot, the
// default functions and the macro copies.
void ResetToDefaults(ProfileRecord& record);

// "Profile1" … "Profile5".
std::u16string DefaultProfileName(int slot);

}  // namespace tavro
