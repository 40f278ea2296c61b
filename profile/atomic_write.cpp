#include "profile/atomic_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

#include "profile/file_io.h"
#include "profile/temporary_files.h"

namespace tavro {
namespace {

// As many links as the kernel follows in one path.
constexpr int kMaxLinksFollowed = 40;

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

// Where a name finally leads once the symbolic links on the way are followed: a name
// in the starting folder, or in another folder opened on the way.
struct LinkTarget {
    UniqueFd folder;  // invalid: the starting folder
    std::string name;
    int error = 0;  // why the links could not be followed
};

std::optional<std::string> ReadLink(int folderFd, const std::string& name) {
    std::string text(256, '\0');
    for (;;) {
        const ssize_t n = ::readlinkat(folderFd, name.c_str(), text.data(), text.size());
        if (n < 0) {
            return std::nullopt;
        }
        if (static_cast<size_t>(n) < text.size()) {
            text.resize(static_cast<size_t>(n));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

LinkTarget FollowLinks(int startFd, const std::filesystem::path& startFolder, std::string name) {
    LinkTarget target;
    std::filesystem::path folder = startFolder;
    for (int hop = 0; hop <= kMaxLinksFollowed; ++hop) {
        const int folderFd = target.folder.valid() ? target.folder.get() : startFd;
        struct stat info {};
        if (::fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISLNK(info.st_mode)) {
            target.name = std::move(name);
            return target;
        }
        const std::optional<std::string> text = ReadLink(folderFd, name);
        if (!text || text->empty()) {
            target.error = text ? ENOENT : errno;
            return target;
        }
        if (text->find('/') == std::string::npos) {
            name = *text;  // beside the link
            continue;
        }
        const std::filesystem::path next =
            text->front() == '/' ? std::filesystem::path(*text) : folder / *text;
        folder = next.parent_path();
        name = next.filename().string();
        if (name.empty()) {
            name.push_back('.');  // a link to a folder, written with a final slash
        }
        UniqueFd opened(
            ::open(folder.empty() ? "/" : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!opened.valid()) {
            target.error = errno;
            return target;
        }
        target.folder = std::move(opened);
    }
    target.error = ELOOP;
    return target;
}

ssize_t WriteAll(WriteCalls& calls, int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.Write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return -1;
        }
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
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

int WriteCalls::Link(int folderFd, const char* from, const char* to) {
    return ::linkat(folderFd, from, folderFd, to, 0);
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

int AtomicWriteBatch::FolderOf(const Staged& staged) const {
    return staged.folder.valid() ? staged.folder.get() : folderFd_;
}

FileResult AtomicWriteBatch::Failed(int error, const std::string& name) const {
    return {FileStatus::kNotWritten, error, folder_ / name};
}

void AtomicWriteBatch::Discard(Staged& staged) const {
    CloseFile(staged.fd);
    if (!staged.temporaryName.empty()) {
        ::unlinkat(FolderOf(staged), staged.temporaryName.c_str(), 0);
        staged.temporaryName.clear();
    }
}

FileResult AtomicWriteBatch::Stage(const std::string& name, std::span<const uint8_t> bytes) {
    LinkTarget target = FollowLinks(folderFd_, folder_, name);
    if (target.error != 0) {
        return Failed(target.error, name);
    }
    Staged staged{std::move(target.folder), NextTemporaryName(), target.name, -1};
    const int folderFd = FolderOf(staged);

    struct stat old {};
    const bool exists = ::fstatat(folderFd, staged.name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        FileResult refused{FileStatus::kNotAFile, 0, folder_ / name};
        refused.found = KindOfMode(old.st_mode);
        return refused;
    }
    if (exists && !replace_) {
        return Failed(EEXIST, name);
    }
    if (exists && old.st_size == static_cast<off_t>(bytes.size()) &&
        HoldsExactly(folderFd, staged.name, bytes)) {
        return {FileStatus::kOk, 0, folder_ / name};
    }

    for (;;) {
        staged.fd = ::openat(folderFd, staged.temporaryName.c_str(),
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
    if (exists) {
        // The file keeps its permissions, and its owner where this user may give it one
        // (root, or the owner itself); a file that changes owner loses its set-id bits.
        ::fchmod(staged.fd, old.st_mode & 07777);
        if (::fchown(staged.fd, old.st_uid, old.st_gid) != 0) {
            ::fchmod(staged.fd, old.st_mode & 0777);
        }
    }
    if (WriteAll(calls_, staged.fd, bytes) < 0) {
        const int error = errno;
        Discard(staged);
        return Failed(error, name);
    }
    staged_.push_back(std::move(staged));
    if (staged_.size() > 1) {
        // From the second file on the batch syncs the file system, not each file; files
        // that links led into other folders are synced one by one.
        for (Staged& written : staged_) {
            if (!written.folder.valid()) {
                CloseFile(written.fd);
            }
        }
    }
    return {FileStatus::kOk, 0, folder_ / name};
}

FileResult AtomicWriteBatch::PutInPlace(Staged& staged) {
    const int folderFd = FolderOf(staged);
    if (passLockTo_ != nullptr && ::flock(staged.fd, LOCK_EX | LOCK_NB) != 0) {
        return Failed(errno, staged.name);
    }
    if (replace_) {
        if (calls_.Rename(folderFd, staged.temporaryName.c_str(), staged.name.c_str()) != 0) {
            return Failed(errno, staged.name);
        }
    } else {
        if (calls_.Link(folderFd, staged.temporaryName.c_str(), staged.name.c_str()) != 0) {
            return Failed(errno, staged.name);
        }
        ::unlinkat(folderFd, staged.temporaryName.c_str(), 0);
    }
    staged.temporaryName.clear();
    if (passLockTo_ != nullptr) {
        passLockTo_->Reset(std::exchange(staged.fd, -1));
    }
    return {FileStatus::kOk, 0, folder_ / staged.name};
}

FileResult AtomicWriteBatch::Commit() {
    SweepStaleTemporaryFiles(folderFd_);
    if (staged_.empty()) {
        return {FileStatus::kOk, 0, folder_};
    }
    bool synced = staged_.size() == 1 ? calls_.Sync(staged_.front().fd) == 0
                                      : calls_.SyncFileSystem(folderFd_) == 0;
    if (staged_.size() > 1) {
        for (const Staged& staged : staged_) {
            synced = synced && (!staged.folder.valid() || calls_.Sync(staged.fd) == 0);
        }
    }
    if (!synced) {
        return Failed(errno, staged_.front().name);
    }
    for (Staged& staged : staged_) {
        if (FileResult placed = PutInPlace(staged); !placed) {
            return placed;
        }
    }
    // The renames are in place now; what a failed sync leaves open is only whether a
    // crash could still undo them.
    const std::string last = staged_.back().name;
    bool durable = calls_.Sync(folderFd_) == 0;
    int error = durable ? 0 : errno;
    for (Staged& staged : staged_) {
        if (durable && staged.folder.valid() && calls_.Sync(staged.folder.get()) != 0) {
            durable = false;
            error = errno;
        }
        Discard(staged);
    }
    staged_.clear();
    if (!durable) {
        return {FileStatus::kNotDurable, error, folder_ / last};
    }
    return {FileStatus::kOk, 0, folder_};
}

namespace {

// The folder of a path and its last name, as a batch takes them.
struct Place {
    std::filesystem::path folder;
    std::string name;
};

std::optional<Place> PlaceOf(const std::filesystem::path& path) {
    Place place{path.has_parent_path() ? path.parent_path() : ".", path.filename().string()};
    if (place.name.empty() || place.name == "." || place.name == "..") {
        return std::nullopt;
    }
    return place;
}

}  // namespace

FileResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                               WriteCalls& calls) {
    UniqueFd unused;
    return ReplaceLockedFile(path, bytes, unused, calls);
}

FileResult ReplaceLockedFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                             UniqueFd& held, WriteCalls& calls) {
    const std::optional<Place> place = PlaceOf(path);
    if (!place) {
        FileResult refused{FileStatus::kNotAFile, EISDIR, path};
        refused.found = FileKind::kFolder;
        return refused;
    }
    const UniqueFd folderFd(::open(place->folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.valid()) {
        return {FileStatus::kNotWritten, errno, path};
    }
    AtomicWriteBatch batch(folderFd.get(), place->folder, calls);
    if (held.valid()) {
        batch.passLockTo_ = &held;
    }
    FileResult result = batch.Stage(place->name, bytes);
    if (result) {
        result = batch.Commit();
    }
    result.path = path;
    return result;
}

FileResult CreateFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                                WriteCalls& calls) {
    const std::optional<Place> place = PlaceOf(path);
    if (!place) {
        return {FileStatus::kNotWritten, EEXIST, path};
    }
    const UniqueFd folderFd(::open(place->folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.valid()) {
        return {FileStatus::kNotWritten, errno, path};
    }
    AtomicWriteBatch batch(folderFd.get(), place->folder, calls);
    batch.replace_ = false;
    FileResult result = batch.Stage(place->name, bytes);
    if (result) {
        result = batch.Commit();
    }
    result.path = path;
    return result;
}

}  // namespace tavro
