#include "app/program_options.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "sim/sim_state_file.h"

namespace tavro {

namespace {

constexpr std::string_view kSimulateWithFile = "--simulate=";

// Qt's options that take a value, in their one-dash spelling.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue{
    "-platform",        "-platformpluginpath",
    "-platformtheme",   "-plugin",
    "-qwindowgeometry", "-qwindowicon",
    "-qwindowtitle",    "-display",
    "-style",           "-stylesheet",
    "-session",         "-name",
    "-title",           "-visual",
    "-geometry"};

constexpr std::array<std::string_view, 5> kQtOptionsAlone{"-reverse", "-nograb", "-dograb", "-sync",
                                                          "-widgetcount"};

// The one-dash spelling of a Qt option, or empty when `word` is none of them.
std::string_view QtOption(std::string_view word) {
    if (word.starts_with("--")) {
        word.remove_prefix(1);
    }
    word = word.substr(0, word.find('='));
    const auto known = [word](std::string_view option) { return option == word; };
    if (std::any_of(kQtOptionsWithValue.begin(), kQtOptionsWithValue.end(), known) ||
        std::any_of(kQtOptionsAlone.begin(), kQtOptionsAlone.end(), known)) {
        return word;
    }
    return {};
}

bool TakesValue(std::string_view option) {
    return std::find(kQtOptionsWithValue.begin(), kQtOptionsWithValue.end(), option) !=
           kQtOptionsWithValue.end();
}

}  // namespace

ProgramOptions ParseProgramOptions(const std::vector<std::string>& arguments) {
    ProgramOptions options;
    for (size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--simulate") {
            options.simulate = true;
        } else if (word.starts_with(kSimulateWithFile)) {
            options.simulate = true;
            options.stateFile = word.substr(kSimulateWithFile.size());
            if (options.stateFile->empty()) {
                options.error = "--simulate= needs a state file";
            }
        } else if (word == "--hidden") {
            options.hidden = true;
        } else if (word == "--trace") {
            options.trace = true;
        } else if (word == "--quit") {
            options.quit = true;
        } else if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (word == "--version") {
            options.version = true;
        } else if (const std::string_view qt = QtOption(word); !qt.empty()) {
            if (TakesValue(qt) && word.find('=') == std::string::npos) {
                ++i;  // the value belongs to Qt too
            }
        } else {
            options.error = "unknown argument " + word;
        }
    }
    return options;
}

std::string ProgramUsage() {
    return "usage: tavro [--simulate[=STATEFILE]] [--hidden] [--trace]\n"
           "       tavro --quit | --help | --version\n"
           "\n"
           "The configuration program of the TAVRO gaming mouse.\n"
           "\n"
           "  --simulate[=STATEFILE]  use the simulated mouse; share STATEFILE with\n"
           "                          tavroctl --simulate=STATEFILE (by default the file\n"
           "                          is " +
           DefaultSimulatedMouseFile().string() +
           ")\n"
           "  --hidden                start in the tray (for autostart)\n"
           "  --trace                 print every report sent to and received from the mouse\n"
           "  --quit                  ask the running copy to end, as its tray menu's Exit does\n"
           "  --help                  show this text\n"
           "  --version               show the program's version\n"
           "\n"
           "Qt's own options work too, e.g. -platform wayland.\n";
}

bool ShouldChooseX11(const std::vector<std::string>& arguments, const Environment& env) {
    if (!env.Get("WAYLAND_DISPLAY") || !env.Get("DISPLAY") || env.Get("QT_QPA_PLATFORM")) {
        return false;
    }
    return std::none_of(arguments.begin(), arguments.end(),
                        [](const std::string& word) { return QtOption(word) == "-platform"; });
}

}  // namespace tavro
