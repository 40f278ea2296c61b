#pragma once

#include <algorithm>
#include <span>

#include "profile/profile_record.h"

namespace tavro {

// The hold rule, for every form of a macro: a hold macro presses and never releases,
// so the mouse keeps its keys down for as long as the button is held.
//
// Its two users differ on an empty macro, and each on purpose:
// - The macro page sets "Record Hold" from the rule when a macro is shown; a new,
//   empty macro must not switch it on, or the user's first recording would lose its
//   releases. An empty macro is no hold macro there.
// - The configuration image marks a macro button's entry as held (0xFE) whenever its
//   slot holds no release, and an empty slot (no events, or a macro copy that does not
//   match the button) holds none: the mouse has always received it so.
enum class EmptyMacro { kIsNoHoldMacro, kIsHoldMacro };
inline constexpr EmptyMacro kMacroPageEmptyMacro = EmptyMacro::kIsNoHoldMacro;
inline constexpr EmptyMacro kDeviceEmptyMacro = EmptyMacro::kIsHoldMacro;

// Any event type with a `direction`.
template <typename Event>
bool IsHoldMacro(std::span<const Event> events, EmptyMacro empty) {
    if (events.empty()) {
        return empty == EmptyMacro::kIsHoldMacro;
    }
    return std::none_of(events.begin(), events.end(),
                        [](const Event& event) { return event.direction == kDirectionRelease; });
}

}  // namespace tavro
