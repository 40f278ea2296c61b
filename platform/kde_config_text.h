#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavro {

// Edits of KDE's INI-style configuration files that keep every other line as it was.
// A group is named by its full header line, e.g. "[Mouse]" or
// "[Libinput][1133][49271][Logitech USB Optical Mouse]".

// Sets key=value in the group, replacing the key's line or adding one at the end of the
// group; a missing group is added at the end of the text.
std::string SetKdeConfigEntry(std::string_view text, std::string_view group, std::string_view key,
                              std::string_view value);

// The header lines of KWin's per-device input groups, [Libinput][vendor][product][name].
std::vector<std::string> KdeInputDeviceGroups(std::string_view text);

}  // namespace tavro
