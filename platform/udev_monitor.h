#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/device_events.h"

struct udev;
struct udev_monitor;

namespace tavro {

// Arrival and removal of hidraw nodes, from libudev. It listens on the "udev" source,
// whose events come after the rules have set the node's permissions, and falls back
// to the "kernel" source where no udev daemon runs (containers). Its descriptor is
// non-blocking: watch it with a QSocketNotifier or poll().
class UdevMonitor final : public DeviceEventSource {
public:
    UdevMonitor() = default;
    ~UdevMonitor() override;
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    bool Start() override;
    int Fd() const override;
    std::vector<DeviceEvent> TakeEvents() override;

    // "udev", "kernel", or empty before a successful Start().
    const std::string& Source() const { return source_; }

private:
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    std::string source_;
};

// "add" is an arrival and "remove" a removal, of the device at `syspath`; any other
// action, or a missing field, is no event for the program.
std::optional<DeviceEvent> DeviceEventFromUdev(const char* action, const char* syspath);

}  // namespace tavro
