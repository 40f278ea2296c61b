#include "macros/folder_sweep.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "profile/file_io.h"
#include "profile/temporary_files.h"
#include "profile/unique_fd.h"

namespace tavro {
namespace {

// Deeper trees are left alone rather than risk the stack.
constexpr int kMaxDepth = 32;

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
    for (const std::string& child : FolderEntryNames(folder.get())) {
        left += RemoveEntry(folder.get(), child, depth + 1);
    }
    return left + (::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR) == 0 ? 0 : 1);
}

}  // namespace

int SweepFolder(int folderFd, const std::set<std::string>& keep) {
    int left = 0;
    for (const std::string& name : FolderEntryNames(folderFd)) {
        // Another process's save may be under way in the same folder.
        if (keep.count(name) == 0 && !IsLiveTemporaryName(name)) {
            left += RemoveEntry(folderFd, name, 0);
        }
    }
    return left;
}

}  // namespace tavro
