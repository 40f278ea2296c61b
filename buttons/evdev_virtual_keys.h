#pragma once

#include <cstdint>

namespace tavro {

// Windows virtual-key code of a key by its position (Linux evdev code), independent of
// the keyboard layout, as the Windows keyboard hook reports it; OEM keys get their US
// meaning. Keys Windows has no code for give 0.
uint8_t VirtualKeyFromEvdev(unsigned evdevCode);

// The same for an X11 / xkb keycode, which is the evdev code plus 8.
uint8_t VirtualKeyFromXKeycode(unsigned xKeycode);

}  // namespace tavro
