#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "device/device_events.h"
#include "profile/unique_fd.h"

namespace tavro {

// Arrival and removal of the simulated mouse, for a program that shares its state file
// with other processes: when another process unplugs or plugs in the mouse (its flag in
// the state file, which the simulated backend follows by itself), the change comes out
// as a removal or an arrival at kSimDevicePath. The state file's folder is watched with
// inotify; a missing or unreadable state file is the factory state, a plugged-in mouse.
class SimPlugEvents final : public DeviceEventSource {
public:
    using PlugReader = std::function<bool(const std::filesystem::path&)>;

    explicit SimPlugEvents(std::filesystem::path stateFile, PlugReader read = FileSaysPluggedIn);

    // Watches the state file's folder (and takes the file's plug state again, without
    // an event); false when the folder cannot be watched.
    bool Start() override;
    int Fd() const override { return watch_.get(); }
    std::vector<DeviceEvent> TakeEvents() override;

    // What the state file says; true when it cannot be read.
    static bool FileSaysPluggedIn(const std::filesystem::path& stateFile);

private:
    // Drains the watch; true when one of the events named the state file.
    bool StateFileChanged();

    std::filesystem::path stateFile_;
    PlugReader read_;
    bool pluggedIn_;
    UniqueFd watch_;
};

}  // namespace tavro
