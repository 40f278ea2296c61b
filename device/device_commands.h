#pragma once

#include <cstdint>

#include "device/config_image.h"
#include "device/device_link.h"

namespace tavro {

// What every command operation returns; callers test for kDone.
enum class DeviceResult : int {
    kDone = 1,     // the mouse reported the command done; out values are valid
    kRefused = 2,  // WriteImage only: too many macro events, nothing sent
    kFailed = 3,   // send or status read failed, or a reply value out of range
};

// Each command uses the handle that is open and fails when there is none; out values
// are written only on kDone.
DeviceResult ReadFirmwareVersion(DeviceLink& link, uint16_t& version);  // version × 100
DeviceResult ReadActiveProfile(DeviceLink& link, uint8_t& slot);
DeviceResult SelectProfile(DeviceLink& link, uint8_t slot);
DeviceResult StartSurfaceAnalysis(DeviceLink& link);
DeviceResult ReadSurfaceQuality(DeviceLink& link, uint8_t& quality);
DeviceResult TestLiftDistance(DeviceLink& link, uint8_t distance);
DeviceResult SaveLiftDistance(DeviceLink& link, uint8_t distance);

// Sends the profile's image into the slot named by its own slot byte, in two halves.
DeviceResult WriteImage(DeviceLink& link, const DeviceProfile& profile);

}  // namespace tavro
