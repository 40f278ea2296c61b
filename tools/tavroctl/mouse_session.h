#pragma once

#include <memory>
#include <optional>
#include <string>

#include "device/device_link.h"
#include "device/hid_backend.h"
#include "device/sleeper.h"
#include "device/tracing_backend.h"
#include "profile/file_result.h"
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

    // Finds the mouse, or says on stderr why it cannot be used; the exit code.
    int Search();
    // Finds the mouse and holds it for the command's whole exchange sequence, waiting
    // the command line's bounded time for another program to let go; the exit code.
    int Connect();
    // The simulated mouse of --simulate=STATEFILE, for the commands that work on its
    // state; nothing (and the reason on stderr, with `exitCode` set) without one.
    tavro::SimMouse* SimulatedState(int& exitCode);

private:
    // 0, or the exit code of a state file that cannot be used (said on stderr).
    int StateFileProblem() const;

    const CommandLine& line_;
    tavro::FileResult stateFile_;
    std::unique_ptr<tavro::SimMouse> simMouse_;
    std::unique_ptr<tavro::HidBackend> backend_;
    std::unique_ptr<tavro::TracingBackend> tracer_;
    tavro::ThreadSleeper sleeper_;
    std::unique_ptr<tavro::DeviceLink> link_;
    tavro::ExchangeLock exchangeLock_;
};

// What to tell the user when the search failed.
std::string SearchFailureMessage(const tavro::DeviceSearch& search);

// What to tell the user when a state file given with --simulate= cannot be used.
std::string StateFileMessage(const tavro::FileResult& problem);

}  // namespace tavroctl
