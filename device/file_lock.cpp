#include "device/file_lock.h"

#include <sys/file.h>

#include <cerrno>
#include <thread>

namespace tavro {

std::chrono::steady_clock::time_point LockDeadline(std::chrono::milliseconds wait) {
    return std::chrono::steady_clock::now() + wait;
}

bool WaitForNextLockTry(std::chrono::steady_clock::time_point deadline) {
    if (std::chrono::steady_clock::now() >= deadline) {
        return false;
    }
    std::this_thread::sleep_for(kLockRetryInterval);
    return true;
}

bool LockFileWithin(int fd, std::chrono::milliseconds wait) {
    const auto deadline = LockDeadline(wait);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || !WaitForNextLockTry(deadline)) {
            return false;
        }
    }
}

}  // namespace tavro
