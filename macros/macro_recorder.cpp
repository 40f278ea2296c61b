#include "macros/macro_recorder.h"

#include <chrono>

#include "macros/event_delay.h"
#include "macros/macro_model.h"

namespace tavro {

namespace {

uint32_t SteadyTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace

MacroRecorder::MacroRecorder(TickClock clock) {
    setClock(std::move(clock));
}

void MacroRecorder::setClock(TickClock clock) {
    clock_ = clock ? std::move(clock) : TickClock(SteadyTickCount);
}

void MacroRecorder::Start() {
    recording_ = true;
    lastTick_ = clock_();
}

void MacroRecorder::Stop() {
    recording_ = false;
}

std::optional<MacroRecorder::RecordedKey> MacroRecorder::OnKey(uint8_t virtualKey, bool released,
                                                               Options options) {
    if (!recording_) {
        return std::nullopt;
    }
    const uint32_t now = clock_();
    // Unsigned, so that the wrap of the tick count does no harm.
    const uint32_t elapsed = now - lastTick_;
    lastTick_ = now;
    // A key the desktop gives no Windows code cannot be replayed by the mouse.
    if (virtualKey == 0) {
        return std::nullopt;
    }
    if (virtualKey == lastKey_ && released == lastReleased_) {
        return std::nullopt;
    }
    lastKey_ = virtualKey;
    lastReleased_ = released;
    if (released && options.recordHold) {
        return std::nullopt;
    }
    return RecordedKey{virtualKey, released ? kDirectionRelease : kDirectionPress,
                       options.recordDelay ? EventDelay(elapsed) : 0};
}

}  // namespace tavro
