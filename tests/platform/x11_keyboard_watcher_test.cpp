// Runs the system-wide watcher against a private Xvfb server, typing through XTEST from
// a second client that holds the keyboard focus, as another program would.
#include <QGuiApplication>
#include <QTest>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "hook_target.h"
#include "platform/create_keyboard_watcher.h"
#include "xvfb_server.h"

namespace tavro {
namespace {

// Another X client with a focused window of its own.
class OtherProgram {
public:
    explicit OtherProgram(const char* display) : connection_(xcb_connect(display, nullptr)) {
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        const uint32_t events = XCB_EVENT_MASK_KEY_PRESS;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 100, 100,
                          0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                          &events);
        xcb_map_window(connection_, window_);
        xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window_, XCB_CURRENT_TIME);
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }
    ~OtherProgram() { xcb_disconnect(connection_); }

    // Returns once the server has turned the key into events: fake input is queued and
    // handled later, possibly after requests that other clients send meanwhile.
    void Type(uint8_t keycode, bool release) {
        xcb_test_fake_input(connection_, release ? XCB_KEY_RELEASE : XCB_KEY_PRESS, keycode,
                            XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    // Key presses that reached this program's window so far.
    std::vector<uint8_t> PressedKeycodes() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
                pressed_.push_back(reinterpret_cast<xcb_key_press_event_t*>(event)->detail);
            }
            std::free(event);
        }
        return pressed_;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t window_;
    std::vector<uint8_t> pressed_;
};

}  // namespace

class X11KeyboardWatcherTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("Xvfb is not available");
        }
    }

    void reportsKeysTypedIntoAnotherProgramWithoutTakingThem() {
        std::unique_ptr<KeyboardWatcher> watcher = CreateKeyboardWatcher();
        QCOMPARE(watcher->scope(), KeyWatchScope::kAllWindows);
        HookTarget target;
        QVERIFY(watcher->Install(&target));
        OtherProgram other(qgetenv("DISPLAY").constData());

        const uint8_t a = 38, rightCtrl = 105, menu = 135;  // X keycodes: evdev + 8
        for (uint8_t keycode : {a, rightCtrl, menu}) {
            other.Type(keycode, false);
            other.Type(keycode, true);
        }
        QTRY_COMPARE(target.received.size(), size_t{6});
        QCOMPARE(target.received,
                 (std::vector<ReceivedKey>{
                     {0x41, 0}, {0x41, 0x80}, {0xA3, 0}, {0xA3, 0x80}, {0x5D, 0}, {0x5D, 0x80}}));
        QTRY_COMPARE(other.PressedKeycodes(), (std::vector<uint8_t>{a, rightCtrl, menu}));

        // Keys typed while nobody watches are not reported later.
        watcher->Remove(&target);
        other.Type(a, false);
        other.Type(a, true);
        QVERIFY(watcher->Install(&target));
        other.Type(rightCtrl, false);
        QTRY_COMPARE(target.received.size(), size_t{7});
        QCOMPARE(target.received.back(), (ReceivedKey{0xA3, 0}));
        other.Type(rightCtrl, true);
    }
};

}  // namespace tavro

int main(int argc, char** argv) {
    return tavro::RunTestOnXvfb<QGuiApplication, tavro::X11KeyboardWatcherTest>(argc, argv);
}

#include "x11_keyboard_watcher_test.moc"
