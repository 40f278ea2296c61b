#pragma once

#include <memory>

#include "app/program_options.h"
#include "device/device_events.h"
#include "device/device_link.h"
#include "device/hid_backend.h"
#include "device/sleeper.h"
#include "device/tracing_backend.h"
#include "sim/sim_backend.h"
#include "sim/sim_mouse.h"

namespace tavro {

// The mouse the program talks to and where its arrivals and removals come from: the
// real one through hidraw and udev, or the simulated one through its state file (shared
// with tavroctl --simulate=STATEFILE), optionally traced on stderr.
class MouseConnection {
public:
    explicit MouseConnection(const ProgramOptions& options);
    ~MouseConnection();
    MouseConnection(const MouseConnection&) = delete;
    MouseConnection& operator=(const MouseConnection&) = delete;

    DeviceLink& link() { return *link_; }
    DeviceEventSource& events() { return *events_; }

private:
    std::unique_ptr<SimMouse> simMouse_;
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<TracingBackend> tracer_;
    ThreadSleeper sleeper_;
    std::unique_ptr<DeviceLink> link_;
    std::unique_ptr<DeviceEventSource> events_;
};

}  // namespace tavro
