#include "macros/folder_sweep.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "profile/unique_fd.h"

namespace tavro {
namespace {

// Deeper trees are left alone rather than risk the stack.
constexpr int kMaxDepth = 32;

std::vector<std::string> EntryNames(int folderFd) {
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

int RemoveEntry(int parentFd, const std::string& name, int depth) {
    if (::unlinkat(parentFd, name.c_str(), 0) == 0) {
        return 0;
    }
    if (errno != EISDIR || depth >= kMaxDepth) {
        return 1;
    }
    const UniqueFd folder(
        ::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) {
        return 1;
    }
    int left = 0;
    for (const std::string& child : EntryNames(folder.get())) {
        left += RemoveEntry(folder.get(), child, depth + 1);
    }
    return left + (::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR) == 0 ? 0 : 1);
}

}  // namespace

int SweepFolder(int folderFd, const std::set<std::string>& keep) {
    int left = 0;
    for (const std::string& name : EntryNames(folderFd)) {
        if (keep.count(name) == 0) {
            left += RemoveEntry(folderFd, name, 0);
        }
    }
    return left;
}

}  // namespace tavro
