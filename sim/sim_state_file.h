#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

#include "profile/atomic_write.h"
#include "profile/file_result.h"
#include "profile/storage_paths.h"
#include "profile/unique_fd.h"
#include "sim/sim_state.h"

namespace tavro {

// A state file that several processes share, and the one advisory lock (flock) on it
// that keeps them from interleaving: taken for every load-change-save sequence, so no
// process loses another's update, and around a whole exchange sequence (an Apply), so
// no other process's requests come between.
//
// A save replaces the file, so a lock on the old file would no longer keep anyone out:
// the new file is locked before it takes the old one's place, and whoever waited on the
// old one looks again at what the path holds once it gets it.
//
// Holds nest within one object, which keeps one descriptor: two descriptors of one file
// in one process would shut each other out.
class SimStateFile {
public:
    explicit SimStateFile(std::filesystem::path file, WriteCalls& calls = SystemWriteCalls());

    const std::filesystem::path& path() const { return file_; }

    // Waits at most `wait` for other holders (0: tries once).
    bool Hold(std::chrono::milliseconds wait);
    void Release();
    bool held() const { return holds_ > 0; }

    FileResult Load(SimMouseState& state) const;
    // Only while held; the hold passes to the new file.
    FileResult Save(const SimMouseState& state);

private:
    std::filesystem::path file_;
    WriteCalls& calls_;
    UniqueFd lock_;
    int holds_ = 0;
};

// Makes a state file ready for use. An existing one must be a readable, intact state
// file, whatever else it is (a profile, a folder, a FIFO, a device) is refused and left
// as it is; a missing one is created with the factory state, in a folder that must
// exist already. Never blocks.
FileResult PrepareSimStateFile(const std::filesystem::path& file);

// The state file of `--simulate` without one, shared by tavro and tavroctl: in the
// user's runtime folder, else in the application-data folder.
std::filesystem::path DefaultSimulatedMouseFile(const Environment& env = SystemEnvironment());

// PrepareSimStateFile for the file the user named, or for the default one, whose folder
// is made when missing (a folder the user named must exist).
FileResult PrepareSimStateFile(const std::optional<std::filesystem::path>& named,
                               std::filesystem::path& file);

}  // namespace tavro
