#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

// Function codes of a ButtonAssignment.
enum ButtonFunction : uint8_t {
    kFunctionLeftClick = 0,
    kFunctionRightClick = 1,
    kFunctionScrollClick = 2,
    kFunctionForward = 3,
    kFunctionBack = 4,
    kFunctionDpiUp = 5,
    kFunctionDpiDown = 6,
    kFunctionProfileRoll = 8,
    kFunctionProfileUp = 9,
    kFunctionProfileDown = 10,
    kFunctionScrollUp = 11,
    kFunctionScrollDown = 12,
    kFunctionSingleKey = 13,
    kFunctionMacro = 14,
    kFunctionDisabled = 15,
};

// Group entry of the function menus that opens the default commands; never stored.
inline constexpr int kFunctionDefaultCommands = 255;

// Action classes of a device button entry.
inline constexpr uint8_t kActionMouseButton = 0x00;
inline constexpr uint8_t kActionWheel = 0x01;
inline constexpr uint8_t kActionKey = 0x02;
inline constexpr uint8_t kActionMacro = 0x03;
inline constexpr uint8_t kActionProfileSwitch = 0x08;
inline constexpr uint8_t kActionDpiSwitch = 0x09;
inline constexpr uint8_t kActionNone = 0xFF;

// Action argument of a macro button whose macro never releases a key.
inline constexpr uint8_t kHoldMacroMarker = 0xFE;

// Menu label of a function code; empty for codes the menus do not offer (7, 16 and up).
std::string_view FunctionLabel(unsigned code);

// The name a user types for a function: its label in lower case with hyphens
// ("left-click", "dpi-up", "profile-switch-roll", "disable-button"). Functions 13 and
// 14 are chosen by the key or macro they carry and have none, nor have 7 and 16 up.
std::string TypedFunctionName(unsigned code);
// The function with that typed name, compared without case.
std::optional<uint8_t> FunctionByTypedName(std::string_view name);
// Every typed name, in code order.
std::vector<std::string> TypedFunctionNames();

// The mouse settings page shows buttons 0 … 6; 7 and 8 keep what the profile holds.
inline constexpr size_t kPageButtonCount = 7;

// How many of these functions are "Left Click".
size_t LeftClickCount(std::span<const uint8_t> functions);
// The page's left-click rule: the last Left Click among its buttons cannot be given
// another function. True when choosing `chosen` for `button` would do that.
bool TakesLastLeftClick(std::span<const uint8_t> shownFunctions, size_t button, unsigned chosen);

struct FunctionBytes {
    uint8_t actionClass = 0;
    uint8_t actionArgument = 0;
};

// Bytes 0 and 1 of a device button entry for a function code. Codes outside the
// catalogue give 00 00. For 13 the argument is filled in from the key, for 14 from
// the macro (see PackProfile).
FunctionBytes FunctionEncoding(unsigned code);

// Windows virtual-key code to the mouse's key code (USB HID keyboard usage);
// codes without a translation pass unchanged.
uint16_t DeviceKeyCode(uint16_t virtualKey);

}  // namespace tavro
