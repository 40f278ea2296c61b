#include "platform/udev_monitor.h"

#include <libudev.h>
#include <poll.h>

#include <cstring>
#include <filesystem>

namespace tavro {
namespace {

// Present only while a udev daemon runs; without one the "udev" source stays silent.
constexpr char kUdevControl[] = "/run/udev/control";
constexpr char kSubsystem[] = "hidraw";
// Bounds one call; what is left stays readable and wakes the owner again.
constexpr int kMaxReceivesPerCall = 64;

bool Readable(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, 0) > 0 && (entry.revents & POLLIN) != 0;
}

udev_monitor* StartMonitor(udev* context, const char* source) {
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, source);
    if (monitor == nullptr) {
        return nullptr;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor, kSubsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        return nullptr;
    }
    return monitor;
}

}  // namespace

UdevMonitor::~UdevMonitor() {
    udev_monitor_unref(monitor_);
    udev_unref(udev_);
}

bool UdevMonitor::Start() {
    if (monitor_ != nullptr) {
        return true;
    }
    if (udev_ == nullptr) {
        udev_ = udev_new();
        if (udev_ == nullptr) {
            return false;
        }
    }
    std::error_code ignored;
    if (std::filesystem::exists(kUdevControl, ignored)) {
        monitor_ = StartMonitor(udev_, "udev");
        source_ = "udev";
    }
    if (monitor_ == nullptr) {
        monitor_ = StartMonitor(udev_, "kernel");
        source_ = "kernel";
    }
    if (monitor_ != nullptr) {
        return true;
    }
    source_.clear();
    return false;
}

int UdevMonitor::Fd() const {
    return monitor_ != nullptr ? udev_monitor_get_fd(monitor_) : -1;
}

std::vector<DeviceEvent> UdevMonitor::TakeEvents() {
    std::vector<DeviceEvent> events;
    if (monitor_ == nullptr) {
        return events;
    }
    for (int i = 0; i < kMaxReceivesPerCall; ++i) {
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (device == nullptr) {
            // The kernel source also wakes for other subsystems' messages, which the
            // filter then drops as a null receive; only an empty socket ends the round.
            if (!Readable(Fd())) {
                break;
            }
            continue;
        }
        if (std::optional<DeviceEvent> event = DeviceEventFromUdev(
                udev_device_get_action(device), udev_device_get_syspath(device))) {
            events.push_back(std::move(*event));
        }
        udev_device_unref(device);
    }
    return events;
}

std::optional<DeviceEvent> DeviceEventFromUdev(const char* action, const char* syspath) {
    if (action == nullptr || syspath == nullptr) {
        return std::nullopt;
    }
    if (std::strcmp(action, "add") == 0) {
        return DeviceEvent{DeviceEventKind::kArrival, syspath};
    }
    if (std::strcmp(action, "remove") == 0) {
        return DeviceEvent{DeviceEventKind::kRemoval, syspath};
    }
    return std::nullopt;
}

}  // namespace tavro
