#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tavro {

// The macro list's rules for a new entry, shared by the macro page and tavroctl.

// 1 + the largest of 15 and every identifier, compared unsigned: the first macro
// gets 16, and an identifier comes back once the largest one is gone.
int32_t NextMacroId(std::span<const int32_t> ids);

// The name made unique among `names` (exact, case-sensitive comparison): while some
// name equals it, it becomes base + "(" + (n + 1) + ")", where a name holding "("
// has the text before the first "(" as base and the number that starts after it as
// n (0 when none does), and any other name is the base with n = 0. So "Macro" gives
// "Macro(1)", "Macro(1)" gives "Macro(2)" and "Test(x)" gives "Test(1)".
std::u16string UniqueMacroName(std::u16string name, std::span<const std::u16string> names);

}  // namespace tavro
