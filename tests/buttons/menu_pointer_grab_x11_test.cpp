// An open menu on a private Xvfb server, clicked at through XTEST as a user would: on
// another program's window, on the desktop, on a second window of the program, in the
// menu itself.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

#include "buttons/vok_menu.h"
#include "platform/pointer_grab.h"
#include "tests/platform/xvfb_server.h"
#include "tests/support/recording_owner.h"

namespace tavro {
namespace {

// Another X client with a window of its own, which also moves the pointer and clicks.
class OtherProgram {
public:
    explicit OtherProgram(const QRect& place) : connection_(xcb_connect(nullptr, nullptr)) {
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        const uint32_t events = XCB_EVENT_MASK_BUTTON_PRESS;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen_->root,
                          static_cast<int16_t>(place.x()), static_cast<int16_t>(place.y()),
                          static_cast<uint16_t>(place.width()),
                          static_cast<uint16_t>(place.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen_->root_visual, XCB_CW_EVENT_MASK, &events);
        xcb_map_window(connection_, window_);
        sync();
    }
    ~OtherProgram() { xcb_disconnect(connection_); }

    // A left click at a point of the screen; returns once the server has handled it.
    void click(QPoint at) {
        xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen_->root,
                            static_cast<int16_t>(at.x()), static_cast<int16_t>(at.y()), 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                            0);
        sync();
    }

private:
    void sync() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    xcb_connection_t* connection_;
    xcb_screen_t* screen_ = nullptr;
    xcb_window_t window_ = 0;
};

// A second top-level window of the program.
class PressedWindow : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* /*event*/) override { ++presses; }
};

}  // namespace

class MenuPointerGrabX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("Xvfb is not available");
        }
    }
    void init();
    void cleanup();
    void aPressOnAnotherProgramClosesTheChain();
    void aPressOnTheDesktopClosesTheChain();
    void aPressOnAnotherWindowOfTheProgramClosesAndGoesOn();
    void aClickInTheMenuStillChooses();

private:
    void open();

    RecordingOwner* owner_ = nullptr;
    PressedWindow* second_ = nullptr;
    CVokMenu* menu_ = nullptr;
};

void MenuPointerGrabX11Test::init() {
    owner_ = new RecordingOwner;
    owner_->setGeometry(0, 0, 140, 100);
    second_ = new PressedWindow;
    second_->setGeometry(0, 150, 100, 60);
    menu_ = new CVokMenu(owner_, 77, QRect(0, 0, 100, 10));
    menu_->addEntry(1, QStringLiteral("Left Click"));
    menu_->addEntry(2, QStringLiteral("Right Click"));
    owner_->show();
    second_->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner_));
    QVERIFY(QTest::qWaitForWindowExposed(second_));
}

void MenuPointerGrabX11Test::cleanup() {
    delete owner_;
    delete second_;
}

void MenuPointerGrabX11Test::open() {
    menu_->showMenu(SkinnedMenu::kTopLeft, 160, 10);
    QVERIFY(menu_->isVisible());
    QVERIFY(pointer_grab::IsHeldBy(*menu_->windowHandle()));
}

void MenuPointerGrabX11Test::aPressOnAnotherProgramClosesTheChain() {
    OtherProgram other(QRect(200, 120, 100, 100));
    open();
    other.click(QPoint(250, 170));
    QTRY_VERIFY(!menu_->isVisible());
    QVERIFY(!pointer_grab::IsHeldBy(*menu_->windowHandle()));
    QVERIFY(owner_->choices().empty());
}

void MenuPointerGrabX11Test::aPressOnTheDesktopClosesTheChain() {
    OtherProgram pointer(QRect(300, 230, 10, 10));
    open();
    pointer.click(QPoint(200, 100));
    QTRY_VERIFY(!menu_->isVisible());
}

void MenuPointerGrabX11Test::aPressOnAnotherWindowOfTheProgramClosesAndGoesOn() {
    OtherProgram pointer(QRect(300, 230, 10, 10));
    open();
    pointer.click(second_->geometry().center());
    QTRY_VERIFY(!menu_->isVisible());
    QTRY_COMPARE(second_->presses, 1);
}

void MenuPointerGrabX11Test::aClickInTheMenuStillChooses() {
    OtherProgram pointer(QRect(300, 230, 10, 10));
    open();
    const LayoutRect entry = menu_->findEntry(2)->rect;
    pointer.click(menu_->mapToGlobal(QPoint(entry.centerX(), entry.centerY())));
    QTRY_COMPARE(owner_->choices(), (std::vector<RecordingOwner::Report>{{77, 2}}));
    QVERIFY(!menu_->isVisible());
}

}  // namespace tavro

int main(int argc, char** argv) {
    // No session bus: widgets on xcb would look for one (for assistive tools), and the
    // library that looks leaks when there is none.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    return tavro::RunTestOnXvfb<QApplication, tavro::MenuPointerGrabX11Test>(argc, argv);
}

#include "menu_pointer_grab_x11_test.moc"
