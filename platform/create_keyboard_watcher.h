#pragma once

#include <memory>

#include "platform/keyboard_watcher.h"

namespace tavro {

// The process's one keyboard watcher: system-wide on X11, else the program's own
// windows only (see scope()). Needs the QGuiApplication.
std::unique_ptr<KeyboardWatcher> CreateKeyboardWatcher();

}  // namespace tavro
