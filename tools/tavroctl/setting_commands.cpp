// get and set: a profile file's settings by name, and the names they take.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "buttons/button_functions.h"
#include "buttons/key_names.h"
#include "device/config_image.h"
#include "macros/macro_library.h"
#include "profile/file_io.h"
#include "profile/profile_file.h"
#include "profile/profile_settings.h"
#include "profile/storage_paths.h"
#include "profile/text_codec.h"
#include "tools/tavroctl/command_support.h"
#include "tools/tavroctl/commands.h"
#include "tools/tavroctl/exit_codes.h"

namespace tavroctl {
namespace {

using nlohmann::ordered_json;
using tavro::SettingInfo;
using tavro::SettingKind;

int Refuse(const CommandLine& line, const std::string& problem) {
    std::fprintf(stderr, "tavroctl %s: %s\n", line.command.c_str(), problem.c_str());
    return kExitUsage;
}

std::optional<int> WholeNumber(const std::string& text) {
    return ParseNumber(text, INT32_MIN, INT32_MAX);
}

// The JSON form of a value: booleans for the switches, numbers and arrays of numbers
// where the text is one, a string otherwise (raw:N, words, names).
ordered_json ToJson(const SettingInfo& setting, const std::string& text) {
    switch (setting.kind) {
        case SettingKind::kYesNo:
        case SettingKind::kOnOff: {
            const bool yesNo = setting.kind == SettingKind::kYesNo;
            if (text == (yesNo ? "yes" : "on") || text == (yesNo ? "no" : "off")) {
                return text == (yesNo ? "yes" : "on");
            }
            break;
        }
        case SettingKind::kNumber:
            if (const std::optional<int> number = WholeNumber(text)) {
                return *number;
            }
            break;
        case SettingKind::kLevels: {
            ordered_json levels = ordered_json::array();
            size_t start = 0;
            for (size_t comma; (comma = text.find(',', start)) != std::string::npos;
                 start = comma + 1) {
                levels.push_back(WholeNumber(text.substr(start, comma - start)).value_or(0));
            }
            levels.push_back(WholeNumber(text.substr(start)).value_or(0));
            return levels;
        }
        default:
            break;
    }
    return text;
}

// The text a JSON value stands for; nothing when the value has no text form.
std::optional<std::string> FromJson(const SettingInfo& setting, const ordered_json& value) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (value.is_boolean() && setting.kind == SettingKind::kYesNo) {
        return value.get<bool>() ? "yes" : "no";
    }
    if (value.is_boolean() && setting.kind == SettingKind::kOnOff) {
        return value.get<bool>() ? "on" : "off";
    }
    if (value.is_number_integer()) {
        return std::to_string(value.get<int64_t>());
    }
    if (value.is_array() && setting.kind == SettingKind::kLevels) {
        std::string text;
        for (const ordered_json& level : value) {
            if (!level.is_number_integer()) {
                return std::nullopt;
            }
            text += (text.empty() ? "" : ",") + std::to_string(level.get<int64_t>());
        }
        return text;
    }
    return std::nullopt;
}

std::optional<std::string> ReadJsonText(const std::string& source, std::string& problem) {
    std::string text;
    if (source == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
        return text;
    }
    // Read as a stream, so that a pipe (a shell's <(…)) serves as well as a file.
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        problem = source + ": cannot be read";
        return std::nullopt;
    }
    std::istreambuf_iterator<char> next(in);
    for (; next != std::istreambuf_iterator<char>(); ++next) {
        if (text.size() >= static_cast<size_t>(tavro::kMaxFileSize)) {
            problem = source + ": too large for a settings file";
            return std::nullopt;
        }
        text += *next;
    }
    return text;
}

// The edits a --from-json file holds, in its order.
bool JsonEdits(const std::string& source, std::vector<tavro::SettingEdit>& edits,
               std::string& problem) {
    const std::optional<std::string> text = ReadJsonText(source, problem);
    if (!text) {
        return false;
    }
    const ordered_json json = ordered_json::parse(*text, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        problem = source + ": not a JSON object of settings (as get --json prints it)";
        return false;
    }
    for (const auto& [name, value] : json.items()) {
        const SettingInfo* setting = tavro::FindProfileSetting(name);
        if (!setting) {
            problem = "\"" + tavro::EscapeControlCharacters(name) +
                      "\" is no setting (tavroctl names settings lists them)";
            return false;
        }
        const std::optional<std::string> valueText = FromJson(*setting, value);
        if (!valueText) {
            problem = name + ": " +
                      value.dump(-1, ' ', false, ordered_json::error_handler_t::replace) +
                      " refused: takes " + setting->accepts;
            return false;
        }
        edits.push_back({name, *valueText});
    }
    return true;
}

bool NamesMacro(const tavro::SettingEdit& edit) {
    const size_t start = edit.value.find_first_not_of(" \t");
    if (start == std::string::npos || !edit.name.starts_with("button.")) {
        return false;
    }
    std::string prefix = edit.value.substr(start, 6);
    for (char& c : prefix) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return prefix == "macro:";
}

// "macro:NAME" takes the library macro of exactly that name.
class LibraryByName : public tavro::MacroByName {
public:
    explicit LibraryByName(std::vector<tavro::CMacro> library) : library_(std::move(library)) {}

    std::optional<tavro::ButtonMacro> Find(std::u16string_view name) const override {
        for (const tavro::CMacro& macro : library_) {
            if (macro.name == name) {
                return tavro::CopyForButton(library_, macro.id);
            }
        }
        return std::nullopt;
    }

private:
    std::vector<tavro::CMacro> library_;
};

// Loads the profile to edit or show; says why on stderr when it cannot.
bool LoadForSettings(const std::string& file, tavro::ProfileRecord& record) {
    const tavro::FileResult loaded = tavro::LoadProfile(file, record);
    if (!loaded) {
        std::fprintf(stderr, "tavroctl: %s\n", tavro::Describe(loaded).c_str());
    }
    return loaded.ok();
}

constexpr size_t kHelpWidth = 79;

// Writes the text from the column `indent` on, wrapped at word boundaries.
void PrintWrapped(std::FILE* out, std::string_view text, size_t indent, size_t column) {
    size_t at = column;
    while (!text.empty()) {
        const size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        if (at > indent && at + 1 + word.size() > kHelpWidth) {
            std::fprintf(out, "\n%*s", static_cast<int>(indent), "");
            at = indent;
        } else if (at > indent) {
            std::fputc(' ', out);
            ++at;
        }
        std::fwrite(word.data(), 1, word.size(), out);
        at += word.size();
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    std::fputc('\n', out);
}

}  // namespace

void PrintSettingsHelp(std::FILE* out) {
    constexpr size_t kNameColumn = 2;
    constexpr size_t kValueColumn = 21;
    std::fprintf(out, "Settings:\n");
    for (const SettingInfo& setting : tavro::ProfileSettings()) {
        if (setting.name.starts_with("button.") && setting.name != "button.1") {
            continue;
        }
        const std::string name =
            setting.name == "button.1" ? "button.1 ... 7" : std::string(setting.name);
        std::fprintf(out, "%*s%-*s", static_cast<int>(kNameColumn), "",
                     static_cast<int>(kValueColumn - kNameColumn), name.c_str());
        PrintWrapped(out, setting.accepts, kValueColumn, kValueColumn);
    }
    std::string functions;
    for (const std::string& function : tavro::TypedFunctionNames()) {
        functions += (functions.empty() ? "" : ", ") + function;
    }
    std::fprintf(out, "Button functions:");
    PrintWrapped(out, functions, kNameColumn, std::string_view("Button functions:").size());
    PrintKeyNamesHelp(out);
}

void PrintKeyNamesHelp(std::FILE* out) {
    PrintWrapped(out,
                 "Key names (key:NAME, macros add) are the names the program shows, compared "
                 "without case, with hyphens, blanks or underscores between words: F5, A, 7, "
                 "ENTER, PAGE-UP, Left-SHIFT. The keypad keys are Num-0 ... Num-9, "
                 "Num-Multiply, Num-Add, Num-Subtract, Num-Decimal and Num-Divide; code 166 "
                 "is Browser-Back. A key without a name is typed by its code: 0xAD. "
                 "\"tavroctl names keys\" lists every name.",
                 0, 0);
}

int RunGet(const CommandLine& line, Arguments& args) {
    const bool json = args.TakeFlag("--json");
    std::vector<std::string> words;
    if (!args.TakeRest(1, words)) {
        return UsageError(line, args.Error());
    }
    tavro::ProfileRecord record;
    if (!LoadForSettings(words[0], record)) {
        return kExitUsage;
    }
    std::vector<std::string_view> names(words.begin() + 1, words.end());
    if (names.empty()) {
        names = tavro::ListedSettings(record);
    }
    std::vector<std::pair<const SettingInfo*, std::string>> values;
    for (std::string_view name : names) {
        const SettingInfo* setting = tavro::FindProfileSetting(name);
        if (!setting) {
            return Refuse(line, "\"" + tavro::EscapeControlCharacters(name) +
                                    "\" is no setting (tavroctl names settings lists them)");
        }
        const tavro::SettingValue value = tavro::FormatSetting(record, *setting);
        if (!value.ok()) {
            return Refuse(line, std::string(name) + ": " + value.problem);
        }
        values.emplace_back(setting, value.text);
    }
    if (json) {
        ordered_json object = ordered_json::object();
        for (const auto& [setting, text] : values) {
            object[std::string(setting->name)] = ToJson(*setting, text);
        }
        std::cout << object.dump(2, ' ', false, ordered_json::error_handler_t::replace) << '\n';
        return kExitOk;
    }
    for (const auto& [setting, text] : values) {
        std::printf("%.*s=%s\n", static_cast<int>(setting->name.size()), setting->name.data(),
                    tavro::EscapeControlCharacters(text).c_str());
    }
    return kExitOk;
}

int RunSet(const CommandLine& line, Arguments& args) {
    const std::optional<std::string> jsonSource = args.TakeOption("--from-json");
    const std::optional<std::string> macroFolder = args.TakeOption("--macros");
    std::vector<std::string> words;
    if (args.HasError() || !args.TakeRest(1, words)) {
        return UsageError(line, args.Error());
    }
    std::vector<tavro::SettingEdit> edits;
    std::string problem;
    if (jsonSource && !JsonEdits(*jsonSource, edits, problem)) {
        return Refuse(line, problem);
    }
    for (auto word = words.begin() + 1; word != words.end(); ++word) {
        const size_t equals = word->find('=');
        if (equals == std::string::npos || equals == 0) {
            return UsageError(
                line, "\"" + tavro::EscapeControlCharacters(*word) + "\" is not SETTING=VALUE");
        }
        edits.push_back({word->substr(0, equals), word->substr(equals + 1)});
    }
    if (edits.empty()) {
        return UsageError(line, "needs SETTING=VALUE or --from-json J");
    }

    const std::string& file = words[0];
    tavro::ProfileRecord record;
    if (!LoadForSettings(file, record)) {
        return kExitUsage;
    }
    std::vector<tavro::CMacro> library;
    const auto macroEdit = std::find_if(edits.begin(), edits.end(), NamesMacro);
    if (macroEdit != edits.end()) {
        const std::filesystem::path folder =
            macroFolder ? std::filesystem::path(*macroFolder) : tavro::MacroFolder();
        const tavro::LibraryLoadReport report = tavro::LoadLibrary(folder, library);
        if (!report.index && report.index.status != tavro::FileStatus::kMissing) {
            return Refuse(line, "the macro library: " + tavro::Describe(report.index));
        }
    }

    const tavro::ProfileRecord original = record;
    const tavro::SettingsOutcome outcome =
        tavro::ApplySettings(record, edits, LibraryByName(std::move(library)));
    if (!outcome.ok()) {
        return Refuse(line, outcome.problem);
    }
    tavro::ConfigImage image;
    if (macroEdit != edits.end() && EncodeForTransfer(original, image) &&
        !EncodeForTransfer(record, image)) {
        return Refuse(line, macroEdit->name +
                                ": refused: the profile's macros would hold more "
                                "than 164 events, which the mouse does not take");
    }
    for (const std::string& note : outcome.notes) {
        std::fprintf(stderr, "tavroctl: note: %s\n", note.c_str());
    }
    const tavro::DataStream before = tavro::EncodeProfile(original);
    const tavro::DataStream after = tavro::EncodeProfile(record);
    if (std::ranges::equal(before.bytes(), after.bytes())) {
        return kExitOk;  // nothing to write: the file stays as it was, byte for byte
    }
    // A profile kept elsewhere and linked into place (a dotfiles repository) is edited
    // where it lives; the link stays.
    const tavro::FileResult saved =
        tavro::SaveProfile(record, file, tavro::ProfilePlace::kNamedByUser);
    if (!saved) {
        std::fprintf(stderr, "tavroctl: %s\n", tavro::Describe(saved).c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int RunNames(const CommandLine& line, Arguments& args) {
    std::vector<std::string> what;
    if (!args.TakeRest(1, what) || what.size() > 2) {
        return UsageError(line, args.HasError() ? args.Error() : "unexpected argument");
    }
    std::vector<std::string> names;
    if (what[0] == "settings" && what.size() == 1) {
        for (const SettingInfo& setting : tavro::ProfileSettings()) {
            names.emplace_back(setting.name);
        }
    } else if (what[0] == "functions" && what.size() == 1) {
        names = tavro::TypedFunctionNames();
    } else if (what[0] == "keys" && what.size() == 1) {
        names = tavro::TypedKeyNames();
    } else if (what[0] == "values" && what.size() == 2) {
        const SettingInfo* setting = tavro::FindProfileSetting(what[1]);
        if (!setting) {
            return Refuse(line,
                          "\"" + what[1] + "\" is no setting (tavroctl names settings lists them)");
        }
        names = tavro::CompletionWords(*setting);
    } else {
        return UsageError(line, "names what: settings, functions, keys or values SETTING");
    }
    for (const std::string& name : names) {
        std::printf("%s\n", name.c_str());
    }
    return kExitOk;
}

}  // namespace tavroctl
