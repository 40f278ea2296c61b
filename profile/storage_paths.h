#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavro {

// Where the program looks up environment variables; tests give their own.
class Environment {
public:
    virtual ~Environment() = default;
    // An unset or empty variable gives nothing.
    virtual std::optional<std::string> Get(const std::string& name) const;
};

const Environment& SystemEnvironment();

// $HOME, or the home folder of the user's account when HOME is not set.
std::filesystem::path HomeFolder(const Environment& env = SystemEnvironment());

// $XDG_DATA_HOME/Dravek/TAVRO, by default ~/.local/share/Dravek/TAVRO. A relative
// XDG_DATA_HOME is ignored, as the XDG rules ask.
std::filesystem::path AppDataFolder(const Environment& env = SystemEnvironment());

// Profiles/Default1.profile … Default5.profile in the application-data folder; the
// number is slot + 1.
std::filesystem::path ProfilePath(int slot, const Environment& env = SystemEnvironment());

// The macro library's folder: Macros in the application-data folder.
std::filesystem::path MacroFolder(const Environment& env = SystemEnvironment());

// The user's documents folder: $XDG_DOCUMENTS_DIR, else the entry of user-dirs.dirs in
// the configuration folder, else ~/Documents; the first of these that exists, or the
// home folder when none does.
std::filesystem::path DocumentsFolder(const Environment& env = SystemEnvironment());

// The XDG_DOCUMENTS_DIR entry of a user-dirs.dirs text ("$HOME/…" or an absolute path,
// in double quotes; the last entry counts). Nothing when there is none or it is
// malformed.
std::optional<std::filesystem::path> UserDirsDocuments(std::string_view text,
                                                       const std::filesystem::path& home);

// The folder of the running program file.
std::filesystem::path ProgramFolder();

// The folder the export and import dialogs start in: the program's folder +
// "Profiles/" when the user may write there (a program run from where it was
// unpacked or built), otherwise the documents folder (an installed program).
std::filesystem::path ExportStartFolder(const std::filesystem::path& programFolder,
                                        bool programFolderWritable,
                                        const Environment& env = SystemEnvironment());

// Whether the user may create files in the folder.
bool IsWritableFolder(const std::filesystem::path& folder);

}  // namespace tavro
