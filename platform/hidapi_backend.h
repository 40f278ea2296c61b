#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace tavro {

// The production HID backend: hidapi's hidraw flavour, which leaves the kernel driver
// bound so the mouse keeps working as a mouse while the program holds a handle.
// Errors carry the errno of the failing call; which ones the link retries is decided
// by IsTransientSendError. One per process: it owns hidapi's global state.
class HidapiBackend final : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    // One entry per collection hidapi reports, nested ones included, in its order.
    std::vector<HidInterfaceInfo> ListInterfaces() override;
    // Refuses anything but a /dev/hidrawN node of the hidraw class: hidapi 0.13.1
    // frees and then writes to its handle when given another kind of file.
    HidResult<std::unique_ptr<HidDevice>> Open(const std::string& path) override;
};

// "/dev/hidraw" followed by digits; says nothing about what is on the disk.
bool IsHidrawPathName(const std::string& path);

// The error of a failed hidapi call: the errno saved right after it (EIO when the
// call left none) and hidapi's message, or the errno's text when there is none.
HidError HidapiError(int savedErrno, const wchar_t* message);

// hidapi speaks wchar_t (UTF-32 on Linux); invalid code points become U+FFFD.
std::string WideToUtf8(const wchar_t* text);

}  // namespace tavro
