#include "platform/pointer_grab.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>

namespace tavro::pointer_grab {

namespace {

struct Holder {
    QPointer<const QWindow> window;
    xcb_input_device_id_t device = 0;
};

Holder& Current() {
    static Holder holder;
    return holder;
}

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace

bool Available() {
    return X11Connection() != nullptr;
}

bool Grab(QWindow& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return false;
    }
    // The pointer this client's core requests act on: the one the user moves.
    xcb_input_xi_get_client_pointer_reply_t* pointer = xcb_input_xi_get_client_pointer_reply(
        connection, xcb_input_xi_get_client_pointer(connection, XCB_NONE), nullptr);
    if (pointer == nullptr) {
        return false;
    }
    const xcb_input_device_id_t device = pointer->deviceid;
    std::free(pointer);
    const uint32_t mask =
        XCB_INPUT_XI_EVENT_MASK_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_BUTTON_RELEASE;
    constexpr uint8_t kOwnerEvents = 1;
    xcb_input_xi_grab_device_reply_t* reply = xcb_input_xi_grab_device_reply(
        connection,
        xcb_input_xi_grab_device(connection, static_cast<xcb_window_t>(window.winId()),
                                 XCB_CURRENT_TIME, XCB_CURSOR_NONE, device,
                                 XCB_INPUT_GRAB_MODE_22_ASYNC, XCB_INPUT_GRAB_MODE_22_ASYNC,
                                 kOwnerEvents, 1, &mask),
        nullptr);
    const bool granted = reply != nullptr && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    if (granted) {
        Current() = {&window, device};
    }
    return granted;
}

void Release(const QWindow& window) {
    Holder& holder = Current();
    if (holder.window != &window) {
        return;
    }
    if (xcb_connection_t* connection = X11Connection()) {
        xcb_input_xi_ungrab_device(connection, XCB_CURRENT_TIME, holder.device);
        xcb_flush(connection);
    }
    holder = {};
}

bool IsHeldBy(const QWindow& window) {
    return Current().window == &window;
}

}  // namespace tavro::pointer_grab
