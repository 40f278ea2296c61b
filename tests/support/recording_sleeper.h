#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "device/sleeper.h"

namespace tavro {

// Returns at once and remembers every pause, in order.
class RecordingSleeper final : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override {
        pauses.push_back(duration);
        if (onPause) {
            onPause(duration);
        }
    }

    std::vector<std::chrono::milliseconds> pauses;
    // Runs during a pause: lets a test change the world while the program waits.
    std::function<void(std::chrono::milliseconds)> onPause;
};

}  // namespace tavro
