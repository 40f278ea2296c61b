#pragma once

#include "platform/keyboard_watcher.h"

namespace tavro {

// Watches the keys of this program's own windows through an application-wide event
// filter: the fallback where the desktop lets no program see other windows' keys
// (Wayland) or has no keyboard at all (the offscreen platform).
class ApplicationKeyboardWatcher : public KeyboardWatcher {
    Q_OBJECT

public:
    ~ApplicationKeyboardWatcher() override;

    KeyWatchScope scope() const override { return KeyWatchScope::kProgramWindows; }

protected:
    bool StartWatching() override;
    void StopWatching() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tavro
