#include "device/device_commands.h"

#include <algorithm>
#include <chrono>

#include "profile/little_endian.h"

namespace tavro {
namespace {

using std::chrono::milliseconds;

struct Command {
    uint8_t number;
    uint8_t subCommand;
    milliseconds pause;         // between the send and the status read
    bool pauseAfterFailedSend;  // the mouse may have taken it even though the send failed
};

constexpr Command kReadFirmwareVersion{kCommandFirmwareVersion, 0x00, milliseconds{50}, false};
constexpr Command kReadActiveProfile{kCommandActiveProfile, 0x00, milliseconds{10}, false};
constexpr Command kSelectProfile{kCommandSelectProfile, 0x00, milliseconds{1500}, false};
constexpr Command kStartSurfaceAnalysis{kCommandSurface, kSubCommandStartSurfaceAnalysis,
                                        milliseconds{10}, true};
constexpr Command kReadSurfaceQuality{kCommandSurface, kSubCommandReadSurfaceQuality,
                                      milliseconds{10}, true};
constexpr Command kTestLiftDistance{kCommandLiftDistance, kSubCommandTestLiftDistance,
                                    milliseconds{20}, true};
constexpr Command kSaveLiftDistance{kCommandLiftDistance, kSubCommandSaveLiftDistance,
                                    milliseconds{200}, true};

constexpr milliseconds kImageHalfPause{60};
constexpr uint8_t kMaxActiveSlot = kProfileCount - 1;

// One command report, its pause and the status read; `reply` holds the status report.
DeviceResult Exchange(DeviceLink& link, const Command& command, uint8_t argument,
                      StatusReport& reply) {
    CommandReport report{};
    report[0] = kCommandReportId;
    report[kCommandOffset] = command.number;
    report[kSubCommandOffset] = command.subCommand;
    report[kArgumentOffset] = argument;

    const bool sent = link.SendFeature(report);
    if (!sent && !command.pauseAfterFailedSend) {
        return DeviceResult::kFailed;
    }
    link.Pause(command.pause);
    if (!sent) {
        return DeviceResult::kFailed;
    }
    reply.fill(0);
    reply[0] = kStatusReportId;
    return link.ReadStatus(reply) == 1 ? DeviceResult::kDone : DeviceResult::kFailed;
}

DeviceResult Exchange(DeviceLink& link, const Command& command, uint8_t argument = 0) {
    StatusReport reply;
    return Exchange(link, command, argument, reply);
}

}  // namespace

DeviceResult ReadFirmwareVersion(DeviceLink& link, uint16_t& version) {
    StatusReport reply;
    const DeviceResult result = Exchange(link, kReadFirmwareVersion, 0, reply);
    if (result == DeviceResult::kDone) {
        version = LoadU16(&reply[kReplyOffset]);
    }
    return result;
}

DeviceResult ReadActiveProfile(DeviceLink& link, uint8_t& slot) {
    StatusReport reply;
    const DeviceResult result = Exchange(link, kReadActiveProfile, 0, reply);
    if (result != DeviceResult::kDone) {
        return result;
    }
    if (reply[kReplyOffset] > kMaxActiveSlot) {
        return DeviceResult::kFailed;
    }
    slot = reply[kReplyOffset];
    return DeviceResult::kDone;
}

DeviceResult SelectProfile(DeviceLink& link, uint8_t slot) {
    return Exchange(link, kSelectProfile, slot);
}

DeviceResult StartSurfaceAnalysis(DeviceLink& link) {
    return Exchange(link, kStartSurfaceAnalysis);
}

DeviceResult ReadSurfaceQuality(DeviceLink& link, uint8_t& quality) {
    StatusReport reply;
    const DeviceResult result = Exchange(link, kReadSurfaceQuality, 0, reply);
    if (result == DeviceResult::kDone) {
        quality = reply[kReplyOffset];
    }
    return result;
}

DeviceResult TestLiftDistance(DeviceLink& link, uint8_t distance) {
    return Exchange(link, kTestLiftDistance, distance);
}

DeviceResult SaveLiftDistance(DeviceLink& link, uint8_t distance) {
    return Exchange(link, kSaveLiftDistance, distance);
}

DeviceResult WriteImage(DeviceLink& link, const DeviceProfile& profile) {
    if (TotalMacroEvents(profile) > kMaxProfileMacroEvents) {
        return DeviceResult::kRefused;
    }
    ConfigImage image{};
    EncodeImage(profile, image);

    for (int half = 0; half < kImageHalfCount; ++half) {
        ImageReport report{};
        report[0] = kImageReportId;
        report[kCommandOffset] = kImageCommand;
        report[kImageSlotOffset] = profile.slot;
        report[kImageHalfOffset] = static_cast<uint8_t>(half);
        const auto first = image.begin() + half * kImageHalfSize;
        std::copy(first, first + kImageHalfSize, report.begin() + kImageDataOffset);

        const bool sent = link.SendFeature(report);
        link.Pause(kImageHalfPause);
        if (!sent) {
            return DeviceResult::kFailed;
        }
        StatusReport status{};
        status[0] = kStatusReportId;
        if (link.ReadStatus(status) == 0) {
            return DeviceResult::kFailed;
        }
    }
    return DeviceResult::kDone;
}

}  // namespace tavro
