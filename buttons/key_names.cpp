#include "buttons/key_names.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace tavro {
namespace {

// Index = virtual-key code. "UP ARROW " and "Volume Up " keep their trailing blank,
// and both browser keys read "Browser Forward": captions depend on these texts.
constexpr std::array<std::string_view, 256> BuildKeyNames() {
    std::array<std::string_view, 256> names{};
    names[1] = "Left Button";
    names[2] = "Right Button";
    names[4] = "Middle Button";
    names[8] = "BACK";
    names[9] = "TAB";
    names[12] = "CLEAR";
    names[13] = "ENTER";
    names[19] = "PAUSE";
    names[20] = "CAPS LOCK";
    names[27] = "ESC";
    names[32] = "SPACE";
    names[33] = "PAGE UP";
    names[34] = "PAGE DOWN";
    names[35] = "END";
    names[36] = "HOME";
    names[37] = "LEFT ARROW";
    names[38] = "UP ARROW ";
    names[39] = "RIGHT ARROW";
    names[40] = "DOWN ARROW";
    names[41] = "SELECT";
    names[42] = "PRINT";
    names[43] = "EXECUTE";
    names[44] = "PRINT SCREEN";
    names[45] = "INS";
    names[46] = "DEL";
    names[47] = "HELP";
    constexpr std::string_view kDigits = "0123456789";
    for (int d = 0; d < 10; ++d) {
        names[48 + d] = kDigits.substr(d, 1);
        names[96 + d] = kDigits.substr(d, 1);
    }
    constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int l = 0; l < 26; ++l) {
        names[65 + l] = kLetters.substr(l, 1);
    }
    names[91] = "Left Window";
    names[92] = "Right Window";
    names[93] = "Application";
    names[106] = "*";
    names[107] = "+";
    names[109] = "-";
    names[110] = ".";
    names[111] = "/";
    constexpr std::array<std::string_view, 24> kFunctionKeys = {
        "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
        "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
    for (int f = 0; f < 24; ++f) {
        names[112 + f] = kFunctionKeys[f];
    }
    names[144] = "NUM LOCK";
    names[145] = "SCROLL LOCK";
    names[160] = "Left SHIFT";
    names[161] = "Right SHIFT";
    names[162] = "Left CONTROL";
    names[163] = "Right CONTROL";
    names[164] = "Left ALT";
    names[165] = "Right ALT";
    names[166] = "Browser Forward";
    names[167] = "Browser Forward";
    names[168] = "Browser Refresh";
    names[174] = "Volume Down";
    names[175] = "Volume Up ";
    names[186] = ";";
    names[187] = "+";
    names[188] = ",";
    names[189] = "-";
    names[190] = ".";
    names[191] = "/";
    names[192] = "`";
    names[219] = "[";
    names[220] = "\\";
    names[221] = "]";
    names[222] = "'";
    names[255] = "Fn";
    return names;
}

constexpr std::array<std::string_view, 256> kKeyNames = BuildKeyNames();

// Where a typed name differs from the shown one beyond its blanks: the keypad keys
// and browser back would otherwise share a name with other keys.
struct TypedOverride {
    unsigned virtualKey;
    std::string_view name;
};
constexpr TypedOverride kTypedOverrides[] = {
    {96, "Num-0"},         {97, "Num-1"},        {98, "Num-2"},         {99, "Num-3"},
    {100, "Num-4"},        {101, "Num-5"},       {102, "Num-6"},        {103, "Num-7"},
    {104, "Num-8"},        {105, "Num-9"},       {106, "Num-Multiply"}, {107, "Num-Add"},
    {109, "Num-Subtract"}, {110, "Num-Decimal"}, {111, "Num-Divide"},   {166, "Browser-Back"},
};

bool IsMouseButton(unsigned virtualKey) {
    return virtualKey == 1 || virtualKey == 2 || virtualKey == 4;
}

// Lower case, no blanks at the ends, every run of blanks, hyphens and underscores one
// hyphen: the form typed names are compared in.
std::string Folded(std::string_view name) {
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    std::string folded;
    for (char c : name) {
        const bool separator = c == ' ' || c == '-' || c == '_';
        if (separator && !folded.empty() && folded.back() == '-') {
            continue;
        }
        folded += separator ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

// The name of a key that has one; "" otherwise.
std::string NamedKey(unsigned virtualKey) {
    if (virtualKey >= kKeyNames.size() || IsMouseButton(virtualKey)) {
        return {};
    }
    for (const TypedOverride& entry : kTypedOverrides) {
        if (entry.virtualKey == virtualKey) {
            return std::string(entry.name);
        }
    }
    std::string name(kKeyNames[virtualKey]);
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    for (size_t at = 1; at + 1 < name.size(); ++at) {
        if (name[at] == ' ') {
            name[at] = '-';
        }
    }
    return name;
}

}  // namespace

std::string KeyName(unsigned virtualKey) {
    return virtualKey < kKeyNames.size() ? std::string(kKeyNames[virtualKey]) : std::string();
}

std::string TypedKeyName(unsigned virtualKey) {
    std::string name = NamedKey(virtualKey);
    if (name.empty()) {
        char number[12];
        std::snprintf(number, sizeof number, "0x%02X", virtualKey);
        name = number;
    }
    return name;
}

std::optional<uint8_t> KeyByTypedName(std::string_view name) {
    const std::string wanted = Folded(name);
    if (wanted.size() > 2 && wanted.starts_with("0x")) {
        unsigned code = 0;
        const char* end = wanted.data() + wanted.size();
        const auto [stop, error] = std::from_chars(wanted.data() + 2, end, code, 16);
        if (error == std::errc() && stop == end && code < kKeyNames.size()) {
            return static_cast<uint8_t>(code);
        }
        return std::nullopt;
    }
    for (unsigned code = 1; code < kKeyNames.size(); ++code) {
        const std::string named = NamedKey(code);
        if (!named.empty() && Folded(named) == wanted) {
            return static_cast<uint8_t>(code);
        }
    }
    return std::nullopt;
}

std::vector<std::string> TypedKeyNames() {
    std::vector<std::string> names;
    for (unsigned code = 1; code < kKeyNames.size(); ++code) {
        if (std::string named = NamedKey(code); !named.empty()) {
            names.push_back(std::move(named));
        }
    }
    return names;
}

}  // namespace tavro
