#include "device/sleeper.h"

#include <thread>

namespace tavro {

void ThreadSleeper::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace tavro
