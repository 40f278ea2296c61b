#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavro {

enum class DeviceEventKind { kArrival, kRemoval };

// A HID interface came or went. The path is the platform's name for the device; for a
// USB HID device on Linux it is the sysfs path, which holds "0003:3D71:4A96.".
struct DeviceEvent {
    DeviceEventKind kind = DeviceEventKind::kArrival;
    std::string path;
};

using DeviceEventHandler = std::function<void(const DeviceEvent&)>;

// Where arrival and removal events come from. The owner's loop watches Fd() and, when
// it turns readable, takes the events on its own thread.
class DeviceEventSource {
public:
    virtual ~DeviceEventSource() = default;

    // False where the platform cannot deliver events.
    virtual bool Start() = 0;
    // Readable while events wait; -1 before a successful Start().
    virtual int Fd() const = 0;
    // What has arrived since the last call; often nothing, which is not an error.
    virtual std::vector<DeviceEvent> TakeEvents() = 0;
};

}  // namespace tavro
