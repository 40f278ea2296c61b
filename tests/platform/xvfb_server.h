#pragma once

#include <QTest>
#include <QtGlobal>

#include <sys/types.h>

namespace tavro {

// A private X server for tests of the X11 paths. Start() sets DISPLAY on success; the
// server ends with the object. Without Xvfb, Start() fails and tests skip.
class XvfbServer {
public:
    XvfbServer() = default;
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    ~XvfbServer();

    // `screen` is Xvfb's WIDTHxHEIGHTxDEPTH.
    bool Start(const char* screen = "320x240x24");

private:
    pid_t pid_ = 0;
};

// The main() of a QtTest class for the X11 paths: the test runs on the xcb platform of a
// private Xvfb server (a plain X server, not Xwayland), or offscreen without Xvfb, where
// it is to skip itself. `App` is the application class the test needs.
template <typename App, typename Test>
int RunTestOnXvfb(int argc, char** argv) {
    XvfbServer server;
    qputenv("QT_QPA_PLATFORM", server.Start() ? "xcb" : "offscreen");
    qunsetenv("WAYLAND_DISPLAY");
    App application(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace tavro
