#pragma once

#include <cstdint>

#include "platform/keyboard_watcher.h"

namespace tavro {

// Watcher for tests: keys are injected by hand, and starting can be made to fail.
class FakeKeyboardWatcher : public KeyboardWatcher {
public:
    explicit FakeKeyboardWatcher(KeyWatchScope scope = KeyWatchScope::kAllWindows)
        : scope_(scope) {}
    ~FakeKeyboardWatcher() override { Stop(); }

    // As if the key were pressed or released anywhere; reaches the target, if any.
    void InjectKey(uint8_t virtualKey, bool released) { Report(virtualKey, released); }
    void setStartFails(bool fails) { startFails_ = fails; }
    int startCount() const { return startCount_; }

    KeyWatchScope scope() const override { return scope_; }

protected:
    bool StartWatching() override {
        if (startFails_) {
            return false;
        }
        ++startCount_;
        return true;
    }
    void StopWatching() override {}

private:
    KeyWatchScope scope_;
    bool startFails_ = false;
    int startCount_ = 0;
};

}  // namespace tavro
