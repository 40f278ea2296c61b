#include "sim/sim_state_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cassert>
#include <cerrno>
#include <utility>

#include "device/file_lock.h"
#include "profile/file_io.h"

namespace tavro {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

SimStateFile::SimStateFile(std::filesystem::path file, WriteCalls& calls)
    : file_(std::move(file)), calls_(calls) {}

bool SimStateFile::Hold(std::chrono::milliseconds wait) {
    if (holds_ > 0) {
        ++holds_;
        return true;
    }
    const auto deadline = LockDeadline(wait);
    for (;;) {
        UniqueFd fd(::open(file_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
        struct stat opened {};
        if (!fd.valid() || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
            return false;
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            struct stat current {};
            if (::stat(file_.c_str(), &current) == 0 && SameFile(opened, current)) {
                lock_ = std::move(fd);
                holds_ = 1;
                return true;
            }
            continue;  // replaced while we waited: the new file is the one to hold
        }
        if (errno != EWOULDBLOCK || !WaitForNextLockTry(deadline)) {
            return false;
        }
    }
}

void SimStateFile::Release() {
    assert(holds_ > 0);
    if (--holds_ == 0) {
        lock_.Reset();
    }
}

FileResult SimStateFile::Load(SimMouseState& state) const {
    return LoadSimState(file_, state);
}

FileResult SimStateFile::Save(const SimMouseState& state) {
    assert(held());
    return ReplaceLockedFile(file_, EncodeSimState(state), lock_, calls_);
}

FileResult PrepareSimStateFile(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            FileResult refused{FileStatus::kUnreadable, 0, file};
            refused.found = KindOfMode(info.st_mode);
            return refused;
        }
        SimMouseState state;
        return LoadSimState(file, state);
    }
    if (errno != ENOENT) {
        return {FileStatus::kUnreadable, errno, file};
    }
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode)) {
        return {FileStatus::kMissing, ENOENT, folder};
    }
    FileResult created = CreateFileAtomically(file, EncodeSimState(SimMouseState{}));
    if (created.status == FileStatus::kNotWritten && created.error == EEXIST) {
        SimMouseState state;  // another process made it meanwhile
        return LoadSimState(file, state);
    }
    return created;
}

std::filesystem::path DefaultSimulatedMouseFile(const Environment& env) {
    constexpr char kFileName[] = "simulated-mouse.state";
    if (const std::optional<std::string> runtime = env.Get("XDG_RUNTIME_DIR");
        runtime && std::filesystem::path(*runtime).is_absolute()) {
        return std::filesystem::path(*runtime) / "tavro" / kFileName;
    }
    return AppDataFolder(env) / kFileName;
}

FileResult PrepareSimStateFile(const std::optional<std::filesystem::path>& named,
                               std::filesystem::path& file) {
    file = named.value_or(DefaultSimulatedMouseFile());
    if (!named) {
        std::error_code ignored;
        std::filesystem::create_directories(file.parent_path(), ignored);
    }
    return PrepareSimStateFile(file);
}

}  // namespace tavro
