#pragma once

#include <string>

namespace tavro {

// Fixed English name of a Windows virtual-key code, independent of the keyboard
// layout. Codes without a name (0, unnamed codes, anything above 255) give "".
std::string KeyName(unsigned virtualKey);

}  // namespace tavro
