#pragma once

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

}  // namespace tavro
