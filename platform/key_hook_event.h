#pragma once

#include <QEvent>

#include <cstdint>

namespace tavro {

// Release flag of a KeyHookEvent, the release bit of the Windows low-level hook.
inline constexpr uint8_t kKeyReleasedFlag = 0x80;

// What the keyboard watcher posts to its target for every key press and release, in
// place of the Windows hook's message 1192 (whose number it takes when that is free).
class KeyHookEvent : public QEvent {
public:
    static QEvent::Type EventType();

    KeyHookEvent(uint8_t virtualKey, uint8_t releaseFlag);

    // Windows virtual-key code; 0 for keys Windows has no code for.
    uint8_t virtualKey() const { return virtualKey_; }
    // kKeyReleasedFlag when released, 0 when pressed.
    uint8_t releaseFlag() const { return releaseFlag_; }

private:
    uint8_t virtualKey_;
    uint8_t releaseFlag_;
};

}  // namespace tavro
