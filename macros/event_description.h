#pragma once

#include <cstdint>
#include <string_view>

namespace tavro {

// How the editor describes a mouse button or wheel event, chosen by `key` and then by
// `direction` ("Left button Down", "Scroll wheel Up" …); the kind is not consulted.
// Empty for every other code and for a button event whose direction is neither press
// nor release: the editor then shows the key's name. So the keyboard's browser back
// and forward keys (166, 167) are described as the back and forward mouse buttons.
std::string_view EventDescription(int16_t key, uint8_t direction);

}  // namespace tavro
