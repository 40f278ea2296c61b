#include "profile/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

FileResult ReadOpened(const UniqueFd& fd, const std::filesystem::path& path,
                      std::vector<uint8_t>& bytes) {
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return Failure(FileStatus::kUnreadable, errno, path);
    }
    if (!S_ISREG(info.st_mode)) {
        return Failure(FileStatus::kUnreadable, S_ISDIR(info.st_mode) ? EISDIR : 0, path);
    }
    if (info.st_size > kMaxFileSize) {
        return Failure(FileStatus::kUnreadable, EFBIG, path);
    }
    std::vector<uint8_t> data(static_cast<size_t>(info.st_size));
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

}  // namespace

FileResult ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        const int error = errno;
        return Failure(OpenFailureStatus(error), error, path);
    }
    return ReadOpened(fd, path, bytes);
}

FileResult ReadWholeFileAt(int folderFd, const std::string& name,
                           const std::filesystem::path& shownPath, std::vector<uint8_t>& bytes) {
    const UniqueFd fd(::openat(folderFd, name.c_str(),
                               O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
    if (!fd.valid()) {
        const int error = errno;
        return Failure(OpenFailureStatus(error), error, shownPath);
    }
    return ReadOpened(fd, shownPath, bytes);
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
