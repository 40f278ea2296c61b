#pragma once

#include <array>
#include <chrono>
#include <cstdint>

#include "device/config_image.h"
#include "device/device_link.h"

namespace tavro {

// How the mouse part of an Apply ended.
enum class UploadOutcome {
    kSelected,      // the images went out and the mouse selected the edited profile
    kNoMouse,       // no mouse was found; the handle is closed
    kSelectFailed,  // the images went out (or tried to) but the select failed; the
                    // handle is closed, so that the next Apply searches again
    kMouseBusy,     // another program held the mouse for longer than the wait
};

// The mouse part of an Apply: searches for the mouse unless a handle is open, then,
// holding the exchange lock (waiting at most `lockWait` for another program to let go),
// writes the five images slot 0 first and selects `editedSlot`. The images' results are
// not examined: a profile with too many macro events keeps its old image in the mouse.
//
// Searching whenever no handle is open, rather than whenever the mouse was never found,
// lets an Apply reach a mouse again after a page's own search came up empty.
UploadOutcome UploadProfiles(DeviceLink& link,
                             const std::array<DeviceProfile, kProfileCount>& profiles,
                             uint8_t editedSlot, std::chrono::milliseconds lockWait);

}  // namespace tavro
