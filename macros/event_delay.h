#pragma once

#include <cstdint>
#include <string_view>

namespace tavro {

// A delay as an event keeps it. The configuration image carries 24 bits of a delay,
// so a longer one would reach the mouse as some other, shorter delay: recorded and
// typed delays stop at kMaxImageDelay milliseconds (4 h 39 min) instead.
int32_t EventDelay(uint64_t milliseconds);

// The delay typed into the event editor's delay box: its leading digits read as a
// decimal number, 0 when there are none.
int32_t EventDelayFromDigits(std::u16string_view digits);

}  // namespace tavro
