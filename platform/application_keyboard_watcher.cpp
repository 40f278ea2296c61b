#include "platform/application_keyboard_watcher.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "buttons/evdev_virtual_keys.h"

namespace tavro {

ApplicationKeyboardWatcher::~ApplicationKeyboardWatcher() {
    Stop();
}

bool ApplicationKeyboardWatcher::StartWatching() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    application->installEventFilter(this);
    return true;
}

void ApplicationKeyboardWatcher::StopWatching() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
}

bool ApplicationKeyboardWatcher::eventFilter(QObject* watched, QEvent* event) {
    // A key event reaches its window first and is then passed on to widgets and their
    // parents; taking it at the window reports it once.
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (isKey && watched->isWindowType()) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // xcb and Wayland both give the xkb keycode, the evdev code plus 8.
        Report(VirtualKeyFromXKeycode(key->nativeScanCode()), event->type() == QEvent::KeyRelease);
    }
    return false;
}

}  // namespace tavro
