#include "platform/create_keyboard_watcher.h"

#include "platform/application_keyboard_watcher.h"
#include "platform/x11_keyboard_watcher.h"

namespace tavro {

std::unique_ptr<KeyboardWatcher> CreateKeyboardWatcher() {
    if (auto x11 = X11KeyboardWatcher::Create()) {
        return x11;
    }
    return std::make_unique<ApplicationKeyboardWatcher>();
}

}  // namespace tavro
