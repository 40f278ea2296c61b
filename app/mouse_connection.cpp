#include "app/mouse_connection.h"

#include <cstdio>
#include <system_error>

#include "platform/hidapi_backend.h"
#include "platform/udev_monitor.h"
#include "sim/sim_plug_events.h"
#include "sim/sim_state_file.h"

namespace tavro {

MouseConnection::MouseConnection(const ProgramOptions& options) {
    if (options.simulate) {
        const std::filesystem::path stateFile =
            options.stateFile.value_or(DefaultSimulatedMouseFile());
        simMouse_ = std::make_unique<SimMouse>(stateFile);
        backend_ = std::make_unique<SimHidBackend>(*simMouse_);
        events_ = std::make_unique<SimPlugEvents>(stateFile);
    } else {
        backend_ = std::make_unique<HidapiBackend>();
        events_ = std::make_unique<UdevMonitor>();
    }
    HidBackend* backend = backend_.get();
    if (options.trace) {
        tracer_ = std::make_unique<TracingBackend>(*backend_, [](std::string_view text) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
        });
        backend = tracer_.get();
    }
    link_ = std::make_unique<DeviceLink>(*backend, sleeper_);
}

MouseConnection::~MouseConnection() = default;

}  // namespace tavro
