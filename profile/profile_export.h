#pragma once

#include <filesystem>
#include <string_view>

namespace tavro {

// The extension of profile files, and the name of the export and import dialogs' filter.
inline constexpr std::string_view kProfileExtension = "profile";
inline constexpr std::string_view kProfileFilterName = "Tavro Mouse Profile";

// Where an export goes once the user chose a file name in the save dialog: the name
// itself when its extension is exactly "profile" (compared with case), otherwise the
// name with ".profile" appended. Gaming becomes Gaming.profile and Gaming.PROFILE
// becomes Gaming.PROFILE.profile. A hidden file named .profile has no extension, so
// the user's shell profile is never overwritten by an export.
std::filesystem::path ExportPath(const std::filesystem::path& chosen);

// The file the export dialog proposes: the profile's name + ".profile" in the starting
// folder. Characters that cannot stand in a file name become "_"; an empty name
// becomes "profile".
std::filesystem::path ProposedExportPath(const std::filesystem::path& startFolder,
                                         std::u16string_view profileName);

}  // namespace tavro
