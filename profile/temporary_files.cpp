#include "profile/temporary_files.h"

#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>
#include <string_view>

#include "profile/file_io.h"

namespace tavro {
namespace {

constexpr std::string_view kPrefix = ".tavro-";
constexpr std::string_view kSuffix = ".tmp";

// The writer's process id, when the name is one of ours.
std::optional<pid_t> WriterOf(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kSuffix.size());
    const size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size()) {
        return std::nullopt;
    }
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    if (error != std::errc() || end != name.data() + dash || pid <= 0) {
        return std::nullopt;
    }
    const std::string_view counter = name.substr(dash + 1);
    unsigned n = 0;
    const auto [counterEnd, counterError] =
        std::from_chars(counter.data(), counter.data() + counter.size(), n);
    if (counterError != std::errc() || counterEnd != counter.data() + counter.size()) {
        return std::nullopt;
    }
    return pid;
}

// A process another user runs still counts as running (EPERM).
bool IsRunning(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

}  // namespace

std::string NextTemporaryName() {
    static std::atomic<unsigned> counter{0};
    return std::string(kPrefix) + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
           std::string(kSuffix);
}

bool IsStaleTemporaryName(const std::string& name) {
    const std::optional<pid_t> writer = WriterOf(name);
    return writer && !IsRunning(*writer);
}

bool IsLiveTemporaryName(const std::string& name) {
    const std::optional<pid_t> writer = WriterOf(name);
    return writer && IsRunning(*writer);
}

int SweepStaleTemporaryFiles(int folderFd) {
    int removed = 0;
    for (const std::string& name : FolderEntryNames(folderFd)) {
        if (IsStaleTemporaryName(name) && ::unlinkat(folderFd, name.c_str(), 0) == 0) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace tavro
