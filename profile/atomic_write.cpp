#include "profile/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <utility>

#include "profile/file_io.h"
#include "profile/unique_fd.h"

namespace tavro {
namespace {

// Hidden, and never a name the program's own files end in.
std::string NextTemporaryName() {
    static const std::string prefix = ".tavro-" + std::to_string(::getpid()) + "-";
    static std::atomic<unsigned> counter{0};
    return prefix + std::to_string(counter++) + ".tmp";
}

bool HoldsExactly(int folderFd, const std::string& name, std::span<const uint8_t> bytes) {
    std::vector<uint8_t> current;
    return ReadWholeFileAt(folderFd, name, name, current).ok() &&
           std::equal(current.begin(), current.end(), bytes.begin(), bytes.end());
}

void CloseFile(int& fd) {
    if (fd >= 0) {
        ::close(std::exchange(fd, -1));
    }
}

}  // namespace

ssize_t WriteCalls::Write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}

int WriteCalls::Sync(int fd) {
    return ::fsync(fd);
}

int WriteCalls::SyncFileSystem(int fd) {
    return ::syncfs(fd);
}

int WriteCalls::Rename(int folderFd, const char* from, const char* to) {
    return ::renameat(folderFd, from, folderFd, to);
}

WriteCalls& SystemWriteCalls() {
    static WriteCalls calls;
    return calls;
}

AtomicWriteBatch::AtomicWriteBatch(int folderFd, std::filesystem::path folder, WriteCalls& calls)
    : folderFd_(folderFd), folder_(std::move(folder)), calls_(calls) {}

AtomicWriteBatch::~AtomicWriteBatch() {
    for (Staged& staged : staged_) {
        Discard(staged);
    }
}

FileResult AtomicWriteBatch::Failed(int error, const std::string& name) const {
    return {FileStatus::kNotWritten, error, folder_ / name};
}

void AtomicWriteBatch::Discard(Staged& staged) const {
    CloseFile(staged.fd);
    if (!staged.temporaryName.empty()) {
        ::unlinkat(folderFd_, staged.temporaryName.c_str(), 0);
        staged.temporaryName.clear();
    }
}

FileResult AtomicWriteBatch::Stage(const std::string& name, std::span<const uint8_t> bytes) {
    struct stat old {};
    const bool exists = ::fstatat(folderFd_, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    const bool regular = exists && S_ISREG(old.st_mode);
    if (regular && old.st_size == static_cast<off_t>(bytes.size()) &&
        HoldsExactly(folderFd_, name, bytes)) {
        return {FileStatus::kOk, 0, folder_ / name};
    }

    Staged staged{NextTemporaryName(), name, -1};
    for (;;) {
        staged.fd = ::openat(folderFd_, staged.temporaryName.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (staged.fd >= 0 || errno != EEXIST) {
            break;
        }
        staged.temporaryName = NextTemporaryName();
    }
    if (staged.fd < 0) {
        const int error = errno;
        staged.temporaryName.clear();
        return Failed(error, name);
    }
    if (regular) {
        ::fchmod(staged.fd, old.st_mode & 07777);  // the user's own permissions stay
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls_.Write(staged.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            Discard(staged);
            return Failed(error, name);
        }
        done += static_cast<size_t>(n);
    }
    staged_.push_back(std::move(staged));
    if (staged_.size() > 1) {
        // From the second file on the batch syncs the file system, not each file.
        for (Staged& written : staged_) {
            CloseFile(written.fd);
        }
    }
    return {FileStatus::kOk, 0, folder_ / name};
}

FileResult AtomicWriteBatch::Commit() {
    if (staged_.empty()) {
        return {FileStatus::kOk, 0, folder_};
    }
    const bool synced = staged_.size() == 1 ? calls_.Sync(staged_.front().fd) == 0
                                            : calls_.SyncFileSystem(folderFd_) == 0;
    if (!synced) {
        return Failed(errno, staged_.front().name);
    }
    for (Staged& staged : staged_) {
        if (calls_.Rename(folderFd_, staged.temporaryName.c_str(), staged.name.c_str()) != 0) {
            return Failed(errno, staged.name);
        }
        staged.temporaryName.clear();
    }
    const std::string last = staged_.back().name;
    for (Staged& staged : staged_) {
        Discard(staged);
    }
    staged_.clear();
    if (calls_.Sync(folderFd_) != 0) {
        return Failed(errno, last);
    }
    return {FileStatus::kOk, 0, folder_};
}

FileResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                               WriteCalls& calls) {
    const std::string name = path.filename().string();
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (name.empty() || name == "." || name == "..") {
        return {FileStatus::kNotWritten, EISDIR, path};
    }
    const UniqueFd folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.valid()) {
        return {FileStatus::kNotWritten, errno, path};
    }
    AtomicWriteBatch batch(folderFd.get(), folder, calls);
    if (FileResult staged = batch.Stage(name, bytes); !staged) {
        return staged;
    }
    FileResult committed = batch.Commit();
    committed.path = path;
    return committed;
}

}  // namespace tavro
