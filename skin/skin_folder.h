#pragma once

#include <filesystem>

namespace tavro {

// The folder that holds the skin: TAVRO_Skins beside the program file, else the one
// installed under share/tavro of the install prefix. When neither exists the folder
// beside the program is named, so that loading fails there.
std::filesystem::path SkinFolder();

// The same choice from given places, for the program and for tests.
std::filesystem::path ChooseSkinFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& installedDataFolder);

}  // namespace tavro
