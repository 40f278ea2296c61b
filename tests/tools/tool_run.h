#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace tavro::testing {

struct ToolRun {
    int exit = -1;
    std::string out;
    std::string err;
};

// Runs tavroctl with the arguments (shell words, redirections allowed) and collects
// what it printed, through two files in `folder`. `shell` comes before the command: a
// time limit, limits on the process. The user's data and runtime folders are folders
// of `folder`, so that a run never touches the real ones.
inline ToolRun RunTool(const std::string& arguments, const std::filesystem::path& folder,
                       const std::string& shell = "") {
    const std::filesystem::path data = folder / "xdg-data";
    const std::filesystem::path runtime = folder / "xdg-runtime";
    std::filesystem::create_directories(data);
    std::filesystem::create_directories(runtime);
    const std::string command = shell + " env XDG_DATA_HOME=" + data.string() +
                                " XDG_RUNTIME_DIR=" + runtime.string() + " " +
                                std::string(TAVROCTL_PATH) + " " + arguments + " >" +
                                (folder / "out").string() + " 2>" + (folder / "err").string();
    ToolRun run;
    const int status = std::system(command.c_str());
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::vector<uint8_t> out = ReadBytes(folder / "out");
    const std::vector<uint8_t> err = ReadBytes(folder / "err");
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}

}  // namespace tavro::testing
