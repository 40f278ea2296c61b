// tavroctl: profiles, configuration images and the mouse from the command line.
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/tavroctl/arguments.h"
#include "tools/tavroctl/commands.h"
#include "tools/tavroctl/exit_codes.h"

namespace tavroctl {
namespace {

struct Command {
    std::string_view name;
    int (*run)(const CommandLine&, Arguments&);
    std::string_view synopsis;
    std::string_view help;
    void (*moreHelp)(std::FILE*) = nullptr;  // help built from the program's tables
};

constexpr Command kCommands[] = {
    {"new", RunNew, "new --slot N -o FILE",
     "Writes the default profile of slot N (0-4), named ProfileN+1, to FILE (- for\n"
     "standard output)."},
    {"show", RunShow, "show FILE",
     "Prints the profile in FILE as one JSON object whose keys are the profile's fields."},
    {"image", RunImage, "image FILE --slot N -o OUT",
     "Writes the 2048-byte configuration image the program sends for FILE in slot N to\n"
     "OUT (- for standard output). A profile whose macros hold more than 164 events is\n"
     "refused (exit 1, no file)."},
    {"get", RunGet, "get FILE [SETTING...] [--json]",
     "Prints the settings of the profile in FILE as SETTING=VALUE lines, all of them or\n"
     "those named; --json prints them as one JSON object, which set --from-json reads.\n"
     "A value no page can show prints as raw:N, the number the file holds.",
     PrintSettingsHelp},
    {"set", RunSet, "set FILE [SETTING=VALUE...] [--from-json J] [--macros FOLDER]",
     "Changes settings of the profile in FILE, in place: the file is replaced at once\n"
     "or not at all. Values are checked by the rules of the program's pages; a value\n"
     "as get prints it leaves the setting as it is, so get --json | edit | set\n"
     "--from-json changes only what was edited. J is a file, or - for standard input;\n"
     "its settings are applied first, then the SETTING=VALUE words, in order. macro:NAME\n"
     "copies the macro from the library in FOLDER (default: the application-data Macros\n"
     "folder) into the profile. A bad value, an unknown setting, key or macro, or taking\n"
     "away the last left-click of buttons 1-7: exit 2, the file unchanged.",
     PrintSettingsHelp},
    {"names", RunNames, "names settings|functions|keys | names values SETTING",
     "Prints the setting names, the button function names, the key names, or the words\n"
     "a setting's value takes, one per line (used by the shell completion).",
     PrintKeyNamesHelp},
    {"macros", RunMacrosCommand,
     "macros [FOLDER] [--json] | macros add|rm|rename ... [--dir FOLDER]",
     "Lists the macro library (default: the application-data Macros folder): id, name\n"
     "and number of events, tab-separated, with a tab, line break or backslash in a name\n"
     "written as \\t, \\n or \\\\; --json prints one array with the events.\n"
     "  macros add NAME [KEYS...]   a keyboard macro; prints its id and name. KEYS are\n"
     "                              KEY (press and release), KEY:down, KEY:up, and NNNms,\n"
     "                              a pause before the next key: A:down 50ms A:up.\n"
     "                              Put -- before keys that begin with -.\n"
     "  macros rm NAME              removes the macro from the library\n"
     "  macros rename OLD NEW       renames it; prints its id and new name\n"
     "A new macro gets 1 + the largest of 15 and every id; a name that is taken gets\n"
     "(1), (2) ... as the program's macro list does. A profile keeps its copy of a\n"
     "removed or renamed macro until set assigns the macro again or the program's mouse\n"
     "settings page next stores the profile.",
     PrintKeyNamesHelp},
    {"list", RunList, "list",
     "Lists the HID interfaces with the TAVRO ids: PATH usage_page=0xPPPP usage=0xUUUU,\n"
     "the one the program uses marked \"(used)\"."},
    {"info", RunInfo, "info",
     "Prints \"firmware: X.YY\" (\"-.--\" when unreadable) and \"active profile: SLOT\"\n"
     "(\"-\" when unreadable); exit 1 when either could not be read."},
    {"select", RunSelect, "select SLOT", "Makes SLOT (0-4) the mouse's active profile."},
    {"apply", RunApply, "apply [--dir DIR] [--select SLOT]",
     "Writes Default1.profile ... Default5.profile of DIR (default: the application-data\n"
     "Profiles folder) into the mouse, slot 0 first, one line each: \"slot N: written\",\n"
     "\"slot N: refused: more than 164 macro events\" or \"slot N: failed\"; a missing file\n"
     "gives that slot's defaults, and its line ends in \" (defaults: no DefaultN.profile)\".\n"
     "Then selects SLOT if given (\"select N: done|failed\"). A DIR that is not a folder, or\n"
     "a file that is there but does not load, stops it before anything is sent (exit 2).\n"
     "Exit 0 only when all five were written (and selected)."},
    {"lod", RunLod, "lod test N | lod save N",
     "Tests or saves the lift-off distance N in the mouse (N is kept to 6-31)."},
    {"surface", RunSurface, "surface [--countdown SECONDS]",
     "Runs the surface analysis: move the mouse over the surface during the countdown\n"
     "(10 s; shorter for tests), then prints \"quality: VALUE level: 0-10\"."},
    {"sim-image", RunSimImage, "sim-image SLOT -o OUT",
     "Writes the image the simulated mouse holds in SLOT to OUT (- for standard output;\n"
     "needs --simulate)."},
    {"sim-set", RunSimSet, "sim-set NAME=VALUE...",
     "Sets what the simulated mouse reports (needs --simulate): quality=0-255\n"
     "(what a surface analysis measures), firmware=0-65535 (version x 100), lift=6-31\n"
     "(the saved lift-off distance), active=0-4 (the active profile)."},
    {"unplug", RunUnplug, "unplug",
     "Unplugs the simulated mouse (needs --simulate): it is not found, and\n"
     "every exchange on a handle still open fails as with a removed device."},
    {"plug", RunPlug, "plug", "Plugs the simulated mouse in again (needs --simulate)."},
    {"udev-rule", RunUdevRule, "udev-rule",
     "Prints the udev rule that gives the logged-in user access to the mouse."},
};

constexpr std::string_view kGlobalHelp =
    "Options for every command:\n"
    "  --simulate[=STATEFILE]  use the simulated mouse, kept in STATEFILE and shared with\n"
    "                          every process that names it (created when missing;\n"
    "                          anything else than a state file there is refused);\n"
    "                          without one, the one tavro --simulate uses\n"
    "  --simulate-absent       behave as on a machine without the mouse (for tests)\n"
    "  --lock-wait=SECONDS     how long to wait for another program to let go of the\n"
    "                          mouse (default 10)\n"
    "  --trace                 write every report sent and received to stderr\n"
    "  --help                  this help, or a command's help after its name\n"
    "Output files are replaced whole; a symbolic link is followed, a folder, device, FIFO\n"
    "or socket is never replaced (exit 2).\n"
    "Exit codes: 0 done, 1 the mouse failed, was busy, or a file write failed, 2 bad\n"
    "arguments, an output that is not a file, or an input file that is missing,\n"
    "unreadable or damaged, 3 no TAVRO mouse found.\n";

const Command* FindCommand(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

void PrintOverview(std::FILE* out) {
    std::fprintf(out, "usage: tavroctl [OPTIONS] COMMAND [ARGUMENTS]\n\nCommands:\n");
    for (const Command& command : kCommands) {
        std::fprintf(out, "  tavroctl %.*s\n", static_cast<int>(command.synopsis.size()),
                     command.synopsis.data());
    }
    std::fprintf(out, "\n%.*s", static_cast<int>(kGlobalHelp.size()), kGlobalHelp.data());
}

}  // namespace

int UsageError(const CommandLine& line, const std::string& problem) {
    const Command* command = FindCommand(line.command);
    std::fprintf(stderr, "tavroctl %s: %s\nusage: tavroctl %.*s\n", line.command.c_str(),
                 problem.c_str(), static_cast<int>(command->synopsis.size()),
                 command->synopsis.data());
    return kExitUsage;
}

}  // namespace tavroctl

int main(int argc, char** argv) {
    using namespace tavroctl;
    std::string error;
    const std::optional<CommandLine> line = ParseCommandLine(argc, argv, error);
    if (!line) {
        std::fprintf(stderr, "tavroctl: %s\n", error.c_str());
        return kExitUsage;
    }
    if (line->command.empty()) {
        PrintOverview(line->help ? stdout : stderr);
        return line->help ? kExitOk : kExitUsage;
    }
    const Command* command = FindCommand(line->command);
    if (!command) {
        std::fprintf(stderr, "tavroctl: unknown command \"%s\"\n\n", line->command.c_str());
        PrintOverview(stderr);
        return kExitUsage;
    }
    if (line->help) {
        std::printf("usage: tavroctl %.*s\n\n%.*s\n\n", static_cast<int>(command->synopsis.size()),
                    command->synopsis.data(), static_cast<int>(command->help.size()),
                    command->help.data());
        if (command->moreHelp) {
            command->moreHelp(stdout);
            std::printf("\n");
        }
        std::printf("%.*s", static_cast<int>(kGlobalHelp.size()), kGlobalHelp.data());
        return kExitOk;
    }
    Arguments args(line->words);
    return command->run(*line, args);
}
