#pragma once

#include <memory>
#include <optional>
#include <string>

#include "device/device_link.h"
#include "device/hid_backend.h"
#include "device/sleeper.h"
#include "device/tracing_backend.h"
#include "sim/sim_backend.h"
#include "sim/sim_mouse.h"
#include "tools/tavroctl/arguments.h"

namespace tavroctl {

// The mouse a device command talks to: the real one through hidraw, the simulated one
// (in memory or shared through a state file), or none at all (--simulate-absent, for
// tests), optionally traced on stderr.
class MouseSession {
public:
    explicit MouseSession(const CommandLine& line);
    ~MouseSession();

    tavro::HidBackend& backend() { return tracer_ ? *tracer_ : *backend_; }
    tavro::DeviceLink& link() { return *link_; }
    // The simulated mouse, when the session has one.
    tavro::SimMouse* simulated() { return simMouse_.get(); }

    // Finds the mouse, or says on stderr why it cannot be used.
    bool Find();

private:
    std::unique_ptr<tavro::SimMouse> simMouse_;
    std::unique_ptr<tavro::HidBackend> backend_;
    std::unique_ptr<tavro::TracingBackend> tracer_;
    tavro::ThreadSleeper sleeper_;
    std::unique_ptr<tavro::DeviceLink> link_;
};

// What to tell the user when the search failed.
std::string SearchFailureMessage(const tavro::DeviceSearch& search);

}  // namespace tavroctl
