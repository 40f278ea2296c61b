#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace tavro {

// Runs timers by hand: time only moves when a test advances it.
class ManualClock {
public:
    using Scheduler =
        std::function<void(std::chrono::milliseconds delay, std::function<void()> callback)>;

    // Calls `callback` once the clock has been advanced by `delay` from now.
    Scheduler scheduler() {
        return [this](std::chrono::milliseconds delay, std::function<void()> callback) {
            pending_.push_back({now_ + delay, std::move(callback)});
        };
    }

    // Runs in time order every callback due by now + `by`; one that opens a modal window
    // returns when that window has ended.
    void advance(std::chrono::milliseconds by) {
        const std::chrono::milliseconds target = now_ + by;
        for (;;) {
            auto next =
                std::min_element(pending_.begin(), pending_.end(),
                                 [](const Timer& a, const Timer& b) { return a.due < b.due; });
            if (next == pending_.end() || next->due > target) {
                break;
            }
            Timer timer = std::move(*next);
            pending_.erase(next);
            now_ = timer.due;
            timer.callback();
        }
        now_ = std::max(now_, target);
    }

    size_t pendingCount() const { return pending_.size(); }

private:
    struct Timer {
        std::chrono::milliseconds due;
        std::function<void()> callback;
    };
    std::chrono::milliseconds now_{0};
    std::vector<Timer> pending_;
};

}  // namespace tavro
