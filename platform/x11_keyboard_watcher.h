#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <memory>

#include "platform/keyboard_watcher.h"

struct xcb_connection_t;

namespace tavro {

// Watches every key of the X11 desktop through XInput 2 raw key events selected on the
// root windows for all master devices. Under Xwayland the X server itself only sees keys
// while one of its clients has the focus, so the scope is then the program's windows. Raw events
// are sent whatever window has the focus or holds a grab, and selecting them grabs nothing, so keys
// still go where they went. They arrive on Qt's own connection and are read in a native event
// filter.
class X11KeyboardWatcher : public KeyboardWatcher, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // Null unless the program runs on X11 with XInput 2.1 or later.
    static std::unique_ptr<X11KeyboardWatcher> Create();
    ~X11KeyboardWatcher() override;

    KeyWatchScope scope() const override { return scope_; }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool StartWatching() override;
    void StopWatching() override;

private:
    X11KeyboardWatcher(xcb_connection_t* connection, uint8_t inputOpcode, KeyWatchScope scope);
    bool SelectRawKeys(bool on);

    xcb_connection_t* connection_;
    uint8_t inputOpcode_;
    KeyWatchScope scope_;
};

}  // namespace tavro
