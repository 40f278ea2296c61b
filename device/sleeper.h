#pragma once

#include <chrono>

namespace tavro {

// The device protocol's fixed pauses go through this, so tests see them without waiting.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// Blocks the calling thread; what the program uses.
class ThreadSleeper final : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace tavro
