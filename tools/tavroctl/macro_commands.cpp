// macros add, rm and rename: the macro library, changed by the macro list's rules.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "buttons/key_names.h"
#include "device/config_image.h"
#include "macros/macro_library.h"
#include "macros/macro_limits.h"
#include "macros/macro_names.h"
#include "macros/macro_page_layout.h"
#include "profile/storage_paths.h"
#include "profile/text_codec.h"
#include "tools/tavroctl/command_support.h"
#include "tools/tavroctl/commands.h"
#include "tools/tavroctl/exit_codes.h"

namespace tavroctl {
namespace {

int Refuse(const std::string& problem) {
    std::fprintf(stderr, "tavroctl macros: %s\n", problem.c_str());
    return kExitUsage;
}

void PrintMacro(const tavro::CMacro& macro) {
    std::printf("%d\t%s\n", macro.id,
                tavro::EscapeControlCharacters(tavro::Utf16ToUtf8(macro.name)).c_str());
}

// The library of the folder, whole. Anything short of that would be lost at the next
// save, which rewrites the folder, so the library is then left alone.
bool LoadWholeLibrary(const std::filesystem::path& folder, std::vector<tavro::CMacro>& library) {
    const tavro::LibraryLoadReport report = tavro::LoadLibrary(folder, library);
    if (!report.index && report.index.status != tavro::FileStatus::kMissing) {
        Refuse("the library is left as it is: " + tavro::Describe(report.index));
        return false;
    }
    if (!report.skipped.empty()) {
        Refuse("the library is left as it is: " + tavro::Describe(report.skipped.front().result));
        return false;
    }
    return true;
}

bool SaveWholeLibrary(const std::filesystem::path& folder, std::vector<tavro::CMacro>& library) {
    const tavro::FileResult saved = tavro::SaveLibrary(folder, library);
    if (!saved) {
        std::fprintf(stderr, "tavroctl: %s\n", tavro::Describe(saved).c_str());
    }
    return saved.ok();
}

// A name as the list takes it: not empty, valid UTF-8, no control characters, not
// longer than the library keeps.
std::optional<std::u16string> MacroName(const std::string& text) {
    const std::u16string name = tavro::Utf8ToUtf16(text);
    const bool control = std::any_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (text.empty() || control || tavro::Utf16ToUtf8(name) != text) {
        Refuse("\"" + tavro::EscapeControlCharacters(text) +
               "\" is no macro name: it must not be empty nor hold control characters");
        return std::nullopt;
    }
    if (name.size() > static_cast<size_t>(tavro::kMaxMacroNameUnits)) {
        Refuse("a macro name takes at most " + std::to_string(tavro::kMaxMacroNameUnits) +
               " characters");
        return std::nullopt;
    }
    return name;
}

std::vector<tavro::CMacro>::iterator Named(std::vector<tavro::CMacro>& library,
                                           const std::string& name) {
    const std::u16string wanted = tavro::Utf8ToUtf16(name);
    return std::find_if(library.begin(), library.end(),
                        [&](const tavro::CMacro& macro) { return macro.name == wanted; });
}

std::vector<std::u16string> NamesBut(const std::vector<tavro::CMacro>& library,
                                     const tavro::CMacro* left_out) {
    std::vector<std::u16string> names;
    for (const tavro::CMacro& macro : library) {
        if (&macro != left_out) {
            names.push_back(macro.name);
        }
    }
    return names;
}

std::optional<uint32_t> Delay(const std::string& token) {
    if (token.size() < 3 || !token.ends_with("ms")) {
        return std::nullopt;
    }
    const std::optional<int> delay =
        ParseNumber(token.substr(0, token.size() - 2), 0, tavro::kMaxImageDelay);
    return delay ? std::optional<uint32_t>(*delay) : std::nullopt;
}

// Key events from the words: KEY (a press and a release), KEY:down, KEY:up, and NNNms,
// a pause before the next event.
bool AddKeyEvents(const std::vector<std::string>& words, tavro::CMacro& macro) {
    uint32_t pending = 0;
    bool delayPending = false;
    for (const std::string& word : words) {
        if (const std::optional<uint32_t> delay = Delay(word)) {
            pending = std::min<uint32_t>(pending + *delay, tavro::kMaxImageDelay);
            delayPending = true;
            continue;
        }
        std::string key = word;
        std::vector<uint8_t> directions = {tavro::kDirectionPress, tavro::kDirectionRelease};
        const size_t colon = word.rfind(':');
        if (colon != std::string::npos && colon > 0) {
            std::string suffix = word.substr(colon + 1);
            for (char& c : suffix) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            if (suffix == "down" || suffix == "up") {
                key = word.substr(0, colon);
                directions = {suffix == "down" ? tavro::kDirectionPress : tavro::kDirectionRelease};
            }
        }
        const std::optional<uint8_t> code = tavro::KeyByTypedName(key);
        if (!code) {
            Refuse("\"" + tavro::EscapeControlCharacters(word) +
                   "\" is no key: KEY, KEY:down, KEY:up (tavroctl names keys lists the keys) or "
                   "a delay NNNms up to " +
                   std::to_string(tavro::kMaxImageDelay) + "ms");
            return false;
        }
        for (uint8_t direction : directions) {
            macro.AddEvent(static_cast<uint8_t>(tavro::EventKind::Key), *code, direction,
                           static_cast<int32_t>(pending), tavro::InsertMode::Append);
            pending = 0;
            delayPending = false;
        }
    }
    if (delayPending) {
        Refuse("a delay stands before the key it delays; nothing follows the last one");
        return false;
    }
    if (macro.events.size() > static_cast<size_t>(tavro::kMacroSlotCapacity)) {
        Refuse("a macro reaches the mouse with at most " +
               std::to_string(tavro::kMacroSlotCapacity) + " events; this one has " +
               std::to_string(macro.events.size()));
        return false;
    }
    return true;
}

int RunAdd(const std::filesystem::path& folder, const std::vector<std::string>& words) {
    const std::optional<std::u16string> name = MacroName(words[0]);
    std::vector<tavro::CMacro> library;
    if (!name || !LoadWholeLibrary(folder, library)) {
        return kExitUsage;
    }
    if (library.size() >= static_cast<size_t>(tavro::kMaxLibraryMacros)) {
        return Refuse("the library holds " + std::to_string(tavro::kMaxLibraryMacros) +
                      " macros, the most it takes");
    }
    std::vector<int32_t> ids;
    for (const tavro::CMacro& macro : library) {
        ids.push_back(macro.id);
    }
    // As the macro page creates it: in the event editor's area, events laid out in it.
    constexpr tavro::LayoutRect kEditor = tavro::macro_page_layout::kEventEditor.rect;
    tavro::CMacro macro;
    macro.areaRect = {0, 0, kEditor.width, kEditor.height};
    macro.id = tavro::NextMacroId(ids);
    macro.name = tavro::UniqueMacroName(*name, NamesBut(library, nullptr));
    if (!AddKeyEvents({words.begin() + 1, words.end()}, macro)) {
        return kExitUsage;
    }
    library.push_back(std::move(macro));
    if (!SaveWholeLibrary(folder, library)) {
        return kExitFailed;
    }
    PrintMacro(library.back());
    return kExitOk;
}

int RunRemove(const std::filesystem::path& folder, const std::string& name) {
    std::vector<tavro::CMacro> library;
    if (!LoadWholeLibrary(folder, library)) {
        return kExitUsage;
    }
    const auto found = Named(library, name);
    if (found == library.end()) {
        return Refuse("no macro \"" + tavro::EscapeControlCharacters(name) + "\" in the library");
    }
    library.erase(found);
    return SaveWholeLibrary(folder, library) ? kExitOk : kExitFailed;
}

int RunRename(const std::filesystem::path& folder, const std::string& from, const std::string& to) {
    const std::optional<std::u16string> name = MacroName(to);
    std::vector<tavro::CMacro> library;
    if (!name || !LoadWholeLibrary(folder, library)) {
        return kExitUsage;
    }
    const auto found = Named(library, from);
    if (found == library.end()) {
        return Refuse("no macro \"" + tavro::EscapeControlCharacters(from) + "\" in the library");
    }
    found->name = tavro::UniqueMacroName(*name, NamesBut(library, &*found));
    const size_t index = static_cast<size_t>(found - library.begin());
    if (!SaveWholeLibrary(folder, library)) {
        return kExitFailed;
    }
    PrintMacro(library[index]);
    return kExitOk;
}

}  // namespace

int RunMacrosCommand(const CommandLine& line, Arguments& args) {
    const std::string subcommand = line.words.empty() ? std::string() : line.words[0];
    if (subcommand != "add" && subcommand != "rm" && subcommand != "rename") {
        return RunMacros(line, args);
    }
    args.TakeFlag(subcommand);
    const std::optional<std::string> dir = args.TakeOption("--dir");
    std::vector<std::string> words;
    const size_t needed = subcommand == "add" ? 1 : subcommand == "rm" ? 1 : 2;
    if (args.HasError() || !args.TakeRest(needed, words) ||
        (subcommand != "add" && words.size() != needed)) {
        return UsageError(line, args.HasError() ? args.Error() : "unexpected argument");
    }
    const std::filesystem::path folder = dir ? std::filesystem::path(*dir) : tavro::MacroFolder();
    if (subcommand == "add") {
        return RunAdd(folder, words);
    }
    if (subcommand == "rm") {
        return RunRemove(folder, words[0]);
    }
    return RunRename(folder, words[0], words[1]);
}

}  // namespace tavroctl
