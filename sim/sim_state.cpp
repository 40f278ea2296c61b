#include "sim/sim_state.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "profile/atomic_write.h"
#include "profile/file_io.h"
#include "profile/little_endian.h"

namespace tavro {
namespace {

constexpr char kMagic[] = "TAVROSIM";
constexpr size_t kMagicSize = sizeof(kMagic) - 1;
constexpr uint8_t kFormatVersion = 1;

constexpr size_t kOffsetFormatVersion = 8;
constexpr size_t kOffsetActiveSlot = 9;
constexpr size_t kOffsetFirmwareVersion = 10;
constexpr size_t kOffsetLiftDistance = 12;
constexpr size_t kOffsetSurfaceQuality = 13;
constexpr size_t kOffsetFlags = 14;
constexpr uint8_t kFlagUnplugged = 0x01;
constexpr size_t kOffsetImages = 16;

static_assert(kMagicSize == kOffsetFormatVersion);
static_assert(kOffsetImages + kProfileCount * kConfigImageSize == kSimStateFileSize);

}  // namespace

std::vector<uint8_t> EncodeSimState(const SimMouseState& state) {
    std::vector<uint8_t> bytes(kSimStateFileSize, 0);
    std::memcpy(bytes.data(), kMagic, kMagicSize);
    bytes[kOffsetFormatVersion] = kFormatVersion;
    bytes[kOffsetActiveSlot] = state.activeSlot;
    StoreU16(&bytes[kOffsetFirmwareVersion], state.firmwareVersion);
    bytes[kOffsetLiftDistance] = state.liftDistance;
    bytes[kOffsetSurfaceQuality] = state.surfaceQuality;
    bytes[kOffsetFlags] = state.pluggedIn ? 0 : kFlagUnplugged;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        std::copy(state.images[slot].begin(), state.images[slot].end(),
                  bytes.begin() + kOffsetImages + slot * kConfigImageSize);
    }
    return bytes;
}

FileStatus DecodeSimState(std::span<const uint8_t> bytes, SimMouseState& state) {
    const size_t magicBytes = std::min(bytes.size(), kMagicSize);
    if (!std::equal(bytes.begin(), bytes.begin() + magicBytes, kMagic)) {
        return FileStatus::kForeignSignature;
    }
    if (bytes.size() <= kOffsetFormatVersion) {
        return FileStatus::kTruncated;
    }
    if (bytes[kOffsetFormatVersion] != kFormatVersion) {
        return FileStatus::kForeignSignature;
    }
    if (bytes.size() < kSimStateFileSize) {
        return FileStatus::kTruncated;
    }
    if (bytes.size() > kSimStateFileSize || bytes[kOffsetActiveSlot] >= kProfileCount) {
        return FileStatus::kDamaged;
    }
    SimMouseState read;
    read.activeSlot = bytes[kOffsetActiveSlot];
    read.firmwareVersion = LoadU16(&bytes[kOffsetFirmwareVersion]);
    read.liftDistance = bytes[kOffsetLiftDistance];
    read.surfaceQuality = bytes[kOffsetSurfaceQuality];
    read.pluggedIn = (bytes[kOffsetFlags] & kFlagUnplugged) == 0;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const auto image = bytes.subspan(kOffsetImages + slot * kConfigImageSize, kConfigImageSize);
        std::copy(image.begin(), image.end(), read.images[slot].begin());
    }
    state = read;
    return FileStatus::kOk;
}

FileResult LoadSimState(const std::filesystem::path& file, SimMouseState& state) {
    std::vector<uint8_t> bytes;
    // One byte more than a state file holds, so that a longer file is read as damaged.
    FileResult result = ReadWholeFile(file, bytes, kSimStateFileSize + 1);
    if (result.status == FileStatus::kUnreadable && result.error == EFBIG) {
        result = {FileStatus::kDamaged, 0, file};
    } else if (result) {
        result.status = DecodeSimState(bytes, state);
    }
    return result;
}

FileResult SaveSimState(const std::filesystem::path& file, const SimMouseState& state) {
    return WriteFileAtomically(file, EncodeSimState(state));
}

}  // namespace tavro
