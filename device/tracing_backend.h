#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_backend.h"

namespace tavro {

// Wraps a backend and reports every feature report sent and received, as one line of
// hex, stamped with the time since the tracer was made (seconds, to the millisecond),
// for support and debugging:
//   "[   12.345] send 64 bytes: 60 02 00 …"
//   "[   12.401] recv 64 bytes: 60 01 00 …"
//   "[   12.402] send failed (Broken pipe): 61 08 …"
class TracingBackend final : public HidBackend {
public:
    using Sink = std::function<void(std::string_view line)>;

    TracingBackend(HidBackend& inner, Sink sink);

    std::vector<HidInterfaceInfo> ListInterfaces() override;
    HidResult<std::unique_ptr<HidDevice>> Open(const std::string& path) override;

    void Trace(std::string_view what, std::span<const uint8_t> bytes);

private:
    HidBackend& inner_;
    Sink sink_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace tavro
