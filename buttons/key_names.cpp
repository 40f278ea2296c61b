#include "buttons/key_names.h"

#include <array>
#include <string_view>

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

}  // namespace

std::string KeyName(unsigned virtualKey) {
    return virtualKey < kKeyNames.size() ? std::string(kKeyNames[virtualKey]) : std::string();
}

}  // namespace tavro
