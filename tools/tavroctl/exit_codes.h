#pragma once

namespace tavroctl {

// Exit codes are part of the tool's interface: scripts test them.
enum ExitCode {
    kExitOk = 0,
    kExitFailed = 1,   // the mouse refused or did not answer, or a file could not be written
    kExitUsage = 2,    // bad arguments, or an input file that is missing, unreadable or foreign
    kExitNoMouse = 3,  // no TAVRO mouse found, or it cannot be opened
};

}  // namespace tavroctl
