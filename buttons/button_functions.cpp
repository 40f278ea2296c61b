#include "buttons/button_functions.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tavro {
namespace {

struct FunctionEntry {
    std::string_view label;
    FunctionBytes bytes;
};

// Index = function code. Mouse-button masks: "Forward" is 0x10 and "Back" 0x08.
constexpr std::array<FunctionEntry, 16> kFunctions = {{
    {"Left Click", {kActionMouseButton, 0x01}},
    {"Right Click", {kActionMouseButton, 0x02}},
    {"Scroll Click", {kActionMouseButton, 0x04}},
    {"Forward", {kActionMouseButton, 0x10}},
    {"Back", {kActionMouseButton, 0x08}},
    {"Dpi up", {kActionDpiSwitch, 0xF0}},
    {"Dpi down", {kActionDpiSwitch, 0xF2}},
    {"", {0x00, 0x00}},
    {"Profile switch roll", {kActionProfileSwitch, 0xF1}},
    {"Profile switch up", {kActionProfileSwitch, 0xF0}},
    {"Profile switch down", {kActionProfileSwitch, 0xF2}},
    {"Scroll up", {kActionWheel, 0x01}},
    {"Scroll down", {kActionWheel, 0xFF}},
    {"Single key assign...", {kActionKey, 0x00}},
    {"Assign record macro", {kActionMacro, 0x00}},
    {"Disable Button", {kActionNone, 0x00}},
}};

// Single keys without an arithmetic rule.
struct KeyEntry {
    uint16_t virtualKey;
    uint16_t deviceKey;
};
constexpr KeyEntry kKeyTable[] = {
    {0x03, 0x48}, {0x08, 0x2A}, {0x09, 0x2B}, {0x0D, 0x28}, {0x13, 0x48}, {0x14, 0x39},
    {0x1B, 0x29}, {0x20, 0x2C}, {0x21, 0x4B}, {0x22, 0x4E}, {0x23, 0x4D}, {0x24, 0x4A},
    {0x25, 0x50}, {0x26, 0x52}, {0x27, 0x4F}, {0x28, 0x51}, {0x2C, 0x46}, {0x2D, 0x49},
    {0x2E, 0x4C}, {0x30, 0x27}, {0x5B, 0xE3}, {0x5C, 0xE7}, {0x5D, 0x65}, {0x60, 0x62},
    {0x6A, 0x55}, {0x6B, 0x57}, {0x6D, 0x56}, {0x6E, 0x63}, {0x6F, 0x54}, {0x90, 0x53},
    {0x91, 0x47}, {0xA0, 0xE1}, {0xA1, 0xE5}, {0xA2, 0xE0}, {0xA3, 0xE4}, {0xA4, 0xE2},
    {0xA5, 0xE6}, {0xAE, 0x81}, {0xAF, 0x80}, {0xBA, 0x33}, {0xBB, 0x2E}, {0xBC, 0x36},
    {0xBD, 0x2D}, {0xBE, 0x37}, {0xBF, 0x38}, {0xC0, 0x35}, {0xDB, 0x2F}, {0xDC, 0x31},
    {0xDD, 0x30}, {0xDE, 0x34},
};

}  // namespace

std::string_view FunctionLabel(unsigned code) {
    return code < kFunctions.size() ? kFunctions[code].label : std::string_view{};
}

std::string TypedFunctionName(unsigned code) {
    if (code == kFunctionSingleKey || code == kFunctionMacro) {
        return {};
    }
    std::string name(FunctionLabel(code));
    for (char& c : name) {
        c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

std::optional<uint8_t> FunctionByTypedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (unsigned code = 0; code < kFunctions.size(); ++code) {
        if (!folded.empty() && TypedFunctionName(code) == folded) {
            return static_cast<uint8_t>(code);
        }
    }
    return std::nullopt;
}

std::vector<std::string> TypedFunctionNames() {
    std::vector<std::string> names;
    for (unsigned code = 0; code < kFunctions.size(); ++code) {
        if (std::string name = TypedFunctionName(code); !name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

size_t LeftClickCount(std::span<const uint8_t> functions) {
    return static_cast<size_t>(std::count(functions.begin(), functions.end(), kFunctionLeftClick));
}

bool TakesLastLeftClick(std::span<const uint8_t> shownFunctions, size_t button, unsigned chosen) {
    return button < shownFunctions.size() && shownFunctions[button] == kFunctionLeftClick &&
           chosen != kFunctionLeftClick && LeftClickCount(shownFunctions) == 1;
}

FunctionBytes FunctionEncoding(unsigned code) {
    return code < kFunctions.size() ? kFunctions[code].bytes : FunctionBytes{};
}

uint16_t DeviceKeyCode(uint16_t virtualKey) {
    if (virtualKey >= 0x41 && virtualKey <= 0x5A) {  // A–Z
        return virtualKey - 0x3D;
    }
    if (virtualKey >= 0x31 && virtualKey <= 0x39) {  // 1–9
        return virtualKey - 0x13;
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x7B) {  // F1–F12
        return virtualKey - 0x36;
    }
    if (virtualKey >= 0x61 && virtualKey <= 0x69) {  // keypad 1–9
        return virtualKey - 0x08;
    }
    for (const KeyEntry& entry : kKeyTable) {
        if (entry.virtualKey == virtualKey) {
            return entry.deviceKey;
        }
    }
    return virtualKey;
}

}  // namespace tavro
