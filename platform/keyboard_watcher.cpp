#include "platform/keyboard_watcher.h"

#include <QCoreApplication>

#include <cassert>

#include "platform/key_hook_event.h"

namespace tavro {

bool KeyboardWatcher::Install(QObject* target) {
    assert(target != nullptr);
    if (!watching_) {
        if (!StartWatching()) {
            return false;
        }
        watching_ = true;
    }
    disconnect(targetDestroyed_);
    target_ = target;
    targetDestroyed_ = connect(target, &QObject::destroyed, this, [this] { Stop(); });
    return true;
}

void KeyboardWatcher::Remove(QObject* target) {
    if (watching_ && target_ == target) {
        Stop();
    }
}

void KeyboardWatcher::Report(uint8_t virtualKey, bool released) {
    if (watching_ && target_ != nullptr) {
        QCoreApplication::postEvent(target_,
                                    new KeyHookEvent(virtualKey, released ? kKeyReleasedFlag : 0));
    }
}

void KeyboardWatcher::Stop() {
    if (watching_) {
        StopWatching();
        watching_ = false;
    }
    disconnect(targetDestroyed_);
    target_ = nullptr;
}

}  // namespace tavro
