#include "platform/fake_keyboard_watcher.h"

namespace tavro {

FakeKeyboardWatcher::FakeKeyboardWatcher(KeyWatchScope scope) : scope_(scope) {}

FakeKeyboardWatcher::~FakeKeyboardWatcher() {
    Stop();
}

void FakeKeyboardWatcher::InjectKey(uint8_t virtualKey, bool released) {
    Report(virtualKey, released);
}

bool FakeKeyboardWatcher::StartWatching() {
    if (startFails_) {
        return false;
    }
    ++startCount_;
    return true;
}

}  // namespace tavro
