#include "sim/sim_plug_events.h"

#include <sys/inotify.h>

#include <array>
#include <cstring>
#include <utility>

#include "sim/sim_backend.h"
#include "sim/sim_state.h"

namespace tavro {
namespace {

// A state file is replaced by renaming a finished temporary file over it; the other
// events cover a file written in place or removed.
constexpr uint32_t kWatchedEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM;

}  // namespace

SimPlugEvents::SimPlugEvents(std::filesystem::path stateFile, PlugReader read)
    : stateFile_(std::move(stateFile)), read_(std::move(read)), pluggedIn_(read_(stateFile_)) {}

bool SimPlugEvents::Start() {
    UniqueFd watch(inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!watch.valid()) {
        return false;
    }
    std::filesystem::path folder = stateFile_.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    if (inotify_add_watch(watch.get(), folder.c_str(), kWatchedEvents) < 0) {
        return false;
    }
    watch_ = std::move(watch);
    pluggedIn_ = read_(stateFile_);
    return true;
}

std::vector<DeviceEvent> SimPlugEvents::TakeEvents() {
    std::vector<DeviceEvent> events;
    if (!watch_.valid() || !StateFileChanged()) {
        return events;
    }
    const bool pluggedIn = read_(stateFile_);
    if (pluggedIn == pluggedIn_) {
        return events;
    }
    pluggedIn_ = pluggedIn;
    events.push_back(
        {pluggedIn ? DeviceEventKind::kArrival : DeviceEventKind::kRemoval, kSimDevicePath});
    return events;
}

bool SimPlugEvents::FileSaysPluggedIn(const std::filesystem::path& stateFile) {
    SimMouseState state;
    return !LoadSimState(stateFile, state).ok() || state.pluggedIn;
}

bool SimPlugEvents::StateFileChanged() {
    const std::string name = stateFile_.filename().string();
    bool changed = false;
    alignas(inotify_event) std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t got = read(watch_.get(), buffer.data(), buffer.size());
        if (got <= 0) {
            return changed;
        }
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            // The name is padded with zeros up to `len`.
            if (event->len > 0 && name == event->name) {
                changed = true;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

}  // namespace tavro
