#pragma once

#include <cassert>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace tavro {

// A platform call that failed: an errno-style code for decisions, the platform's
// text for tracing and messages.
struct HidError {
    int code = 0;
    std::string reason;
};

// A value, or the error of the call that should have produced it.
template <typename T>
class [[nodiscard]] HidResult {
public:
    HidResult(T value) : outcome_(std::move(value)) {}
    HidResult(HidError error) : outcome_(std::move(error)) {}

    bool ok() const { return outcome_.index() == 0; }
    T& value() {
        assert(ok());
        return std::get<0>(outcome_);
    }
    const T& value() const {
        assert(ok());
        return std::get<0>(outcome_);
    }
    const HidError& error() const {
        assert(!ok());
        return std::get<1>(outcome_);
    }

private:
    std::variant<T, HidError> outcome_;
};

// The platform took the whole report.
struct HidSent {};

// One entry of the platform's interface list: a top-level collection of a HID device.
// Several entries may share one path (Linux gives one node per USB interface).
struct HidInterfaceInfo {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// An open interface. Destroying it closes it. Reports carry their report id in byte 0.
class HidDevice {
public:
    virtual ~HidDevice() = default;

    virtual HidResult<HidSent> SendFeatureReport(std::span<const uint8_t> report) = 0;
    // Fills `report` (byte 0 holds the wanted report id) and gives the byte count the
    // platform reported, report id included; a short count is the caller's to judge.
    virtual HidResult<size_t> GetFeatureReport(std::span<uint8_t> report) = 0;

    // Holds the device for a sequence of exchanges against every other process that
    // talks to it, waiting at most `wait` for another holder to let go (0: try once).
    // Released by UnlockExchanges or when the device is closed. A device no other
    // process can reach always grants it.
    virtual bool LockExchanges(std::chrono::milliseconds /*wait*/) { return true; }
    virtual void UnlockExchanges() {}
};

// The platform operations the device link relies on. Kept this small so that a
// decorator (tracing, fault injection) wraps it in a few lines.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Present interfaces, in the platform's order.
    virtual std::vector<HidInterfaceInfo> ListInterfaces() = 0;
    virtual HidResult<std::unique_ptr<HidDevice>> Open(const std::string& path) = 0;
};

}  // namespace tavro
