#include "platform/x11_keyboard_watcher.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>

#include "buttons/evdev_virtual_keys.h"

namespace tavro {

namespace {

// 2.1 is the first version that sends raw events regardless of grabs.
constexpr uint16_t kNeededMajor = 2;
constexpr uint16_t kNeededMinor = 1;

constexpr uint8_t kEventCodeMask = 0x7f;  // without the "sent by a client" bit

struct RawKeyMask {
    xcb_input_event_mask_t head;
    uint32_t bits;
};

}  // namespace

std::unique_ptr<X11KeyboardWatcher> X11KeyboardWatcher::Create() {
    auto* application = qGuiApp;
    auto* x11 = application != nullptr
                    ? application->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) {
        return nullptr;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_input_id);
    if (extension == nullptr || !extension->present) {
        return nullptr;
    }
    // Qt has announced its version on this connection already; the server refuses a lower
    // one and answers a higher one with the version in force.
    xcb_input_xi_query_version_reply_t* version = xcb_input_xi_query_version_reply(
        connection,
        xcb_input_xi_query_version(connection, XCB_INPUT_MAJOR_VERSION, XCB_INPUT_MINOR_VERSION),
        nullptr);
    if (version == nullptr) {
        return nullptr;
    }
    const bool recentEnough =
        version->major_version > kNeededMajor ||
        (version->major_version == kNeededMajor && version->minor_version >= kNeededMinor);
    std::free(version);
    if (!recentEnough) {
        return nullptr;
    }
    const KeyWatchScope scope = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                    ? KeyWatchScope::kAllWindows
                                    : KeyWatchScope::kProgramWindows;
    return std::unique_ptr<X11KeyboardWatcher>(
        new X11KeyboardWatcher(connection, extension->major_opcode, scope));
}

X11KeyboardWatcher::X11KeyboardWatcher(xcb_connection_t* connection, uint8_t inputOpcode,
                                       KeyWatchScope scope)
    : connection_(connection), inputOpcode_(inputOpcode), scope_(scope) {}

X11KeyboardWatcher::~X11KeyboardWatcher() {
    Stop();
}

bool X11KeyboardWatcher::StartWatching() {
    if (!SelectRawKeys(true)) {
        SelectRawKeys(false);
        return false;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

void X11KeyboardWatcher::StopWatching() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    SelectRawKeys(false);
}

bool X11KeyboardWatcher::SelectRawKeys(bool on) {
    // Qt selects its own device events on the root with "all devices"; a selection is
    // kept per window and device, so "all master devices" leaves Qt's untouched.
    RawKeyMask mask{};
    mask.head.deviceid = XCB_INPUT_DEVICE_ALL_MASTER;
    mask.head.mask_len = 1;
    mask.bits =
        on ? XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE : 0;
    bool selected = true;
    for (xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection_));
         screen.rem > 0; xcb_screen_next(&screen)) {
        xcb_generic_error_t* error = xcb_request_check(
            connection_,
            xcb_input_xi_select_events_checked(connection_, screen.data->root, 1, &mask.head));
        if (error != nullptr) {
            std::free(error);
            selected = false;
        }
    }
    return selected;
}

bool X11KeyboardWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & kEventCodeMask) != XCB_GE_GENERIC) {
        return false;
    }
    const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
    if (generic->extension != inputOpcode_) {
        return false;
    }
    if (generic->event_type == XCB_INPUT_RAW_KEY_PRESS ||
        generic->event_type == XCB_INPUT_RAW_KEY_RELEASE) {
        const auto* raw = static_cast<const xcb_input_raw_key_press_event_t*>(message);
        Report(VirtualKeyFromXKeycode(raw->detail),
               generic->event_type == XCB_INPUT_RAW_KEY_RELEASE);
    }
    return false;
}

}  // namespace tavro
