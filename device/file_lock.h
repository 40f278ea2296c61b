#pragma once

#include <chrono>

namespace tavro {

// How often a wait for another process's advisory lock looks again.
inline constexpr std::chrono::milliseconds kLockRetryInterval{5};

// Takes an exclusive flock() on the descriptor, trying again every kLockRetryInterval
// until `wait` has passed (0: tries once). False when another holder kept it, or when
// the descriptor cannot be locked at all.
bool LockFileWithin(int fd, std::chrono::milliseconds wait);

// Until when a wait that starts now may run.
std::chrono::steady_clock::time_point LockDeadline(std::chrono::milliseconds wait);

// Whether a wait until `deadline` may try again; pauses kLockRetryInterval first.
bool WaitForNextLockTry(std::chrono::steady_clock::time_point deadline);

}  // namespace tavro
