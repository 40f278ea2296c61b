#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "device/device_events.h"
#include "profile/unique_fd.h"
#include "sim/sim_backend.h"
#include "sim/sim_state.h"

namespace tavro {

// Arrival and removal of the simulated mouse, for a program that shares its state file
// with other processes: when another process unplugs or plugs in the mouse (its flag in
// the state file), the backend follows and the change comes out as a removal or an
// arrival at kSimDevicePath. The state file's folder is watched with inotify; a missing
// or unreadable state file is the factory state, a plugged-in mouse.
//
// TakeEvents() switches the backend, so the owner calls it only while no other thread
// uses that backend.
class SimPlugEvents final : public DeviceEventSource {
public:
    using StateLoader = std::function<std::optional<SimMouseState>(const std::filesystem::path&)>;

    // Brings the backend to the file's plug state at once, so that the mouse is absent
    // from the start if another process unplugged it.
    SimPlugEvents(std::filesystem::path stateFile, SimHidBackend& backend,
                  StateLoader load = LoadSimState);

    // Watches the state file's folder (and takes the file's plug state again, without
    // an event); false when the folder cannot be watched.
    bool Start() override;
    int Fd() const override { return watch_.get(); }
    std::vector<DeviceEvent> TakeEvents() override;

private:
    bool FileSaysPluggedIn() const;
    void Follow(bool pluggedIn);
    // Drains the watch; true when one of the events named the state file.
    bool StateFileChanged();

    std::filesystem::path stateFile_;
    SimHidBackend& backend_;
    StateLoader load_;
    UniqueFd watch_;
};

}  // namespace tavro
