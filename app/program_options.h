#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "profile/storage_paths.h"

namespace tavro {

// The command line of `tavro`.
struct ProgramOptions {
    bool simulate = false;                           // --simulate[=STATEFILE]
    std::optional<std::filesystem::path> stateFile;  // given with --simulate=
    bool hidden = false;                             // --hidden: start in the tray
    bool trace = false;                              // --trace: every report on stderr
    bool quit = false;                               // --quit: end the running copy
    bool help = false;
    bool version = false;
    std::string error;  // empty when the line was understood
};

// Reads the arguments after the program name. Qt's own options (-platform wayland,
// -display :1, -style …, also spelt with two dashes) are left to Qt.
ProgramOptions ParseProgramOptions(const std::vector<std::string>& arguments);

std::string ProgramUsage();

// In a Wayland session the program runs through XWayland, where its borderless window
// can be moved, its menus placed and the keyboard watched: true when the session offers
// X11 as well and the user chose no platform (QT_QPA_PLATFORM or -platform).
bool ShouldChooseX11(const std::vector<std::string>& arguments,
                     const Environment& env = SystemEnvironment());

}  // namespace tavro
