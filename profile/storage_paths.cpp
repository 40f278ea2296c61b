#include "profile/storage_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <vector>

#include "profile/file_io.h"
#include "profile/profile_record.h"

namespace tavro {
namespace {

std::optional<std::filesystem::path> AbsoluteVariable(const Environment& env,
                                                      const std::string& name) {
    const std::optional<std::string> value = env.Get(name);
    if (!value || value->front() != '/') {
        return std::nullopt;
    }
    return std::filesystem::path(*value);
}

bool IsFolder(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

std::filesystem::path AccountHome() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return "/";
}

// The quoted value of a user-dirs.dirs line, with the shell's backslash escapes undone.
std::optional<std::string> QuotedValue(std::string_view text) {
    if (text.empty() || text.front() != '"') {
        return std::nullopt;
    }
    std::string value;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            return value;
        }
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
        }
        value += text[i];
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> Environment::Get(const std::string& name) const {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

const Environment& SystemEnvironment() {
    static const Environment env;
    return env;
}

std::filesystem::path HomeFolder(const Environment& env) {
    if (std::optional<std::filesystem::path> home = AbsoluteVariable(env, "HOME")) {
        return *home;
    }
    return AccountHome();
}

std::filesystem::path AppDataFolder(const Environment& env) {
    const std::filesystem::path dataHome =
        AbsoluteVariable(env, "XDG_DATA_HOME").value_or(HomeFolder(env) / ".local/share");
    return dataHome / "Dravek/TAVRO";
}

std::filesystem::path ProfilePath(int slot, const Environment& env) {
    assert(slot >= 0 && slot < kProfileCount);
    return AppDataFolder(env) / "Profiles" / ("Default" + std::to_string(slot + 1) + ".profile");
}

std::filesystem::path MacroFolder(const Environment& env) {
    return AppDataFolder(env) / "Macros";
}

std::optional<std::filesystem::path> UserDirsDocuments(std::string_view text,
                                                       const std::filesystem::path& home) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    std::optional<std::filesystem::path> found;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        if (!line.starts_with(kKey)) {
            continue;
        }
        const std::optional<std::string> value = QuotedValue(line.substr(kKey.size()));
        if (!value) {
            continue;
        }
        if (*value == "$HOME") {
            found = home;
        } else if (value->starts_with("$HOME/")) {
            found = home / value->substr(6);
        } else if (value->starts_with("/")) {
            found = std::filesystem::path(*value);
        }
    }
    return found;
}

std::filesystem::path DocumentsFolder(const Environment& env) {
    const std::filesystem::path home = HomeFolder(env);
    if (std::optional<std::filesystem::path> dir = AbsoluteVariable(env, "XDG_DOCUMENTS_DIR");
        dir && IsFolder(*dir)) {
        return *dir;
    }
    const std::filesystem::path configHome =
        AbsoluteVariable(env, "XDG_CONFIG_HOME").value_or(home / ".config");
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(configHome / "user-dirs.dirs", bytes)) {
        const std::string text(bytes.begin(), bytes.end());
        if (std::optional<std::filesystem::path> dir = UserDirsDocuments(text, home);
            dir && IsFolder(*dir)) {
            return *dir;
        }
    }
    if (IsFolder(home / "Documents")) {
        return home / "Documents";
    }
    return home;
}

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : program.parent_path();
}

std::filesystem::path ExportStartFolder(const std::filesystem::path& programFolder,
                                        bool programFolderWritable, const Environment& env) {
    if (programFolderWritable) {
        return programFolder / "Profiles/";
    }
    return DocumentsFolder(env);
}

bool IsWritableFolder(const std::filesystem::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0 && IsFolder(folder);
}

}  // namespace tavro
