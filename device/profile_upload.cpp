#include "device/profile_upload.h"

#include "device/device_commands.h"

namespace tavro {

UploadOutcome UploadProfiles(DeviceLink& link,
                             const std::array<DeviceProfile, kProfileCount>& profiles,
                             uint8_t editedSlot, std::chrono::milliseconds lockWait) {
    if (!link.IsOpen() && !link.FindDevice()) {
        link.CloseDevice();
        return UploadOutcome::kNoMouse;
    }
    const ExchangeLock lock = link.LockExchanges(lockWait);
    if (!lock) {
        return UploadOutcome::kMouseBusy;
    }
    for (const DeviceProfile& profile : profiles) {
        static_cast<void>(WriteImage(link, profile));
    }
    if (SelectProfile(link, editedSlot) != DeviceResult::kDone) {
        // A handle left over from a mouse that was unplugged and plugged in again unseen
        // fails every exchange; the next Apply searches afresh.
        link.CloseDevice();
        return UploadOutcome::kSelectFailed;
    }
    return UploadOutcome::kSelected;
}

}  // namespace tavro
