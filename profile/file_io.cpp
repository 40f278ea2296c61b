#include "profile/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "profile/unique_fd.h"

namespace tavro {
namespace {

FileResult Failure(FileStatus status, int error, const std::filesystem::path& path) {
    return {status, error, path};
}

FileStatus OpenFailureStatus(int error) {
    return error == ENOENT || error == ENOTDIR ? FileStatus::kMissing : FileStatus::kUnreadable;
}

enum class Oversize { kRefuse, kReadStart };

FileResult ReadOpened(const UniqueFd& fd, const std::filesystem::path& path, int64_t limit,
                      Oversize oversize, std::vector<uint8_t>& bytes) {
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return Failure(FileStatus::kUnreadable, errno, path);
    }
    if (!S_ISREG(info.st_mode)) {
        FileResult result =
            Failure(FileStatus::kUnreadable, S_ISDIR(info.st_mode) ? EISDIR : 0, path);
        result.found = KindOfMode(info.st_mode);
        return result;
    }
    if (info.st_size > limit && oversize == Oversize::kRefuse) {
        return Failure(FileStatus::kUnreadable, EFBIG, path);
    }
    std::vector<uint8_t> data(static_cast<size_t>(std::min<int64_t>(info.st_size, limit)));
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::read(fd.get(), data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Failure(FileStatus::kUnreadable, errno, path);
        }
        if (n == 0) {
            break;  // shrank while being read: what is there is the file
        }
        done += static_cast<size_t>(n);
    }
    data.resize(done);
    bytes = std::move(data);
    return {FileStatus::kOk, 0, path};
}

void MakeFolder(const std::string& path) {
    if (!path.empty()) {
        ::mkdir(path.c_str(), 0777);
    }
}

FileResult ReadAt(int folderFd, const std::string& name, int flags,
                  const std::filesystem::path& shownPath, int64_t limit, Oversize oversize,
                  std::vector<uint8_t>& bytes) {
    const UniqueFd fd(
        ::openat(folderFd, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | flags));
    if (!fd.valid()) {
        const int error = errno;
        return Failure(OpenFailureStatus(error), error, shownPath);
    }
    return ReadOpened(fd, shownPath, limit, oversize, bytes);
}

}  // namespace

FileResult ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                         int64_t maxSize) {
    return ReadAt(AT_FDCWD, path.string(), 0, path, maxSize, Oversize::kRefuse, bytes);
}

FileResult ReadWholeFileAt(int folderFd, const std::string& name,
                           const std::filesystem::path& shownPath, std::vector<uint8_t>& bytes,
                           int64_t maxSize) {
    return ReadAt(folderFd, name, O_NOFOLLOW, shownPath, maxSize, Oversize::kRefuse, bytes);
}

FileResult ReadFileStartAt(int folderFd, const std::string& name,
                           const std::filesystem::path& shownPath, int64_t limit,
                           std::vector<uint8_t>& bytes) {
    return ReadAt(folderFd, name, O_NOFOLLOW, shownPath, limit, Oversize::kReadStart, bytes);
}

std::vector<std::string> FolderEntryNames(int folderFd) {
    std::vector<std::string> names;
    const int listFd = ::dup(folderFd);
    if (listFd < 0) {
        return names;
    }
    DIR* dir = ::fdopendir(listFd);
    if (dir == nullptr) {
        ::close(listFd);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    return names;
}

FileKind KindOfMode(mode_t mode) {
    switch (mode & S_IFMT) {
        case S_IFREG:
            return FileKind::kFile;
        case S_IFDIR:
            return FileKind::kFolder;
        case S_IFCHR:
            return FileKind::kCharacterDevice;
        case S_IFBLK:
            return FileKind::kBlockDevice;
        case S_IFIFO:
            return FileKind::kFifo;
        case S_IFSOCK:
            return FileKind::kSocket;
        default:
            return FileKind::kUnknown;
    }
}

void MakeFolders(const std::filesystem::path& path) {
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ignored))) {
        return;
    }
    std::string folder = path.string();
    const size_t slash = folder.rfind('/');
    const size_t lastStart = slash == std::string::npos ? 0 : slash + 1;
    if (folder.find('.', lastStart) != std::string::npos) {
        folder.erase(slash == std::string::npos ? 0 : slash);
    }
    for (size_t at = folder.find('/'); at != std::string::npos; at = folder.find('/', at + 1)) {
        MakeFolder(folder.substr(0, at));
    }
    MakeFolder(folder);
}

void CreateFolderChain(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

}  // namespace tavro
