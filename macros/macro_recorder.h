#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace tavro {

// How the recorder turns the keyboard watcher's reports into Key events of a macro.
// The macro page holds one for the whole run of the program: the last key pair it
// saw survives from one recording to the next.
class MacroRecorder {
public:
    // Milliseconds on a 32-bit tick count that wraps, as the desktop's tick count does.
    using TickClock = std::function<uint32_t()>;

    // The two check boxes of the page; the page never checks both.
    struct Options {
        bool recordDelay = false;  // measure delays; else every delay is 0
        bool recordHold = false;   // leave releases out
    };

    // A Key event to add to the current macro.
    struct RecordedKey {
        int16_t key = 0;  // Windows virtual-key code
        uint8_t direction = 0;
        int32_t delay = 0;

        bool operator==(const RecordedKey&) const = default;
    };

    // Without a clock, the steady clock of the process.
    explicit MacroRecorder(TickClock clock = {});

    // Keeps the last key pair.
    void setClock(TickClock clock);

    // Delays count from now.
    void Start();
    void Stop();
    bool isRecording() const { return recording_; }

    // A key was pressed or released: what to record, or nothing. The delay is the time
    // since the previous report of any kind (or the start), recorded or not; a report
    // equal to the previous one that was no repeat is an auto-repeat and is dropped.
    std::optional<RecordedKey> OnKey(uint8_t virtualKey, bool released, Options options);

private:
    TickClock clock_;
    bool recording_ = false;
    uint32_t lastTick_ = 0;
    uint8_t lastKey_ = 0;
    bool lastReleased_ = false;
};

}  // namespace tavro
