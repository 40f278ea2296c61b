#pragma once

#include <cstdint>

#include "platform/keyboard_watcher.h"

namespace tavro {

// Watcher for tests: keys are injected by hand, and starting can be made to fail.
class FakeKeyboardWatcher : public KeyboardWatcher {
    Q_OBJECT

public:
    explicit FakeKeyboardWatcher(KeyWatchScope scope = KeyWatchScope::kAllWindows);
    ~FakeKeyboardWatcher() override;

    // As if the key were pressed or released anywhere; reaches the target, if any.
    void InjectKey(uint8_t virtualKey, bool released);
    void setStartFails(bool fails) { startFails_ = fails; }
    int startCount() const { return startCount_; }

    KeyWatchScope scope() const override { return scope_; }

protected:
    bool StartWatching() override;
    void StopWatching() override {}

private:
    KeyWatchScope scope_;
    bool startFails_ = false;
    int startCount_ = 0;
};

}  // namespace tavro
