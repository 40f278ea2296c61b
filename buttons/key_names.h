#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

// Fixed English name of a Windows virtual-key code, independent of the keyboard
// layout. Codes without a name (0, unnamed codes, anything above 255) give "".
std::string KeyName(unsigned virtualKey);

// The name a user types for a key, one per key: the name above without blanks at its
// ends and with hyphens between its words ("PAGE-UP", "UP-ARROW"), except that the
// keypad keys are "Num-0" … "Num-9", "Num-Multiply", "Num-Add", "Num-Subtract",
// "Num-Decimal", "Num-Divide" and code 166 is "Browser-Back". The mouse buttons
// (1, 2, 4) are no keys and have no name. A code without a name is written as its
// number, "0xAD", which is how a key the program has no name for is typed.
std::string TypedKeyName(unsigned virtualKey);

// The key with that typed name, compared without case, with blanks at the ends
// ignored and blanks, hyphens and underscores between words alike ("page up",
// "Page_Up" and "PAGE-UP" are one key); or any code 0x00 … 0xFF by its number.
std::optional<uint8_t> KeyByTypedName(std::string_view name);

// Every key's typed name, in code order (codes without a name left out).
std::vector<std::string> TypedKeyNames();

}  // namespace tavro
