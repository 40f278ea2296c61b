#include "sim/sim_state.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

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
constexpr size_t kOffsetImages = 16;
constexpr size_t kStateFileSize = kOffsetImages + kProfileCount * kConfigImageSize;

static_assert(kMagicSize == kOffsetFormatVersion);
static_assert(kStateFileSize == 10256);

std::vector<uint8_t> Encode(const SimMouseState& state) {
    std::vector<uint8_t> bytes(kStateFileSize, 0);
    std::memcpy(bytes.data(), kMagic, kMagicSize);
    bytes[kOffsetFormatVersion] = kFormatVersion;
    bytes[kOffsetActiveSlot] = state.activeSlot;
    StoreU16(&bytes[kOffsetFirmwareVersion], state.firmwareVersion);
    bytes[kOffsetLiftDistance] = state.liftDistance;
    bytes[kOffsetSurfaceQuality] = state.surfaceQuality;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        std::copy(state.images[slot].begin(), state.images[slot].end(),
                  bytes.begin() + kOffsetImages + slot * kConfigImageSize);
    }
    return bytes;
}

std::string RandomSuffix() {
    std::random_device entropy;
    return std::to_string(entropy()) + std::to_string(entropy());
}

}  // namespace

std::optional<SimMouseState> LoadSimState(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // One byte more than a state file holds, so that a longer file is caught too.
    std::vector<char> bytes(kStateFileSize + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<size_t>(in.gcount()) != kStateFileSize) {
        return std::nullopt;
    }
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (std::memcmp(data, kMagic, kMagicSize) != 0 ||
        data[kOffsetFormatVersion] != kFormatVersion || data[kOffsetActiveSlot] >= kProfileCount) {
        return std::nullopt;
    }
    SimMouseState state;
    state.activeSlot = data[kOffsetActiveSlot];
    state.firmwareVersion = LoadU16(data + kOffsetFirmwareVersion);
    state.liftDistance = data[kOffsetLiftDistance];
    state.surfaceQuality = data[kOffsetSurfaceQuality];
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const uint8_t* image = data + kOffsetImages + slot * kConfigImageSize;
        std::copy(image, image + kConfigImageSize, state.images[slot].begin());
    }
    return state;
}

bool SaveSimState(const std::filesystem::path& file, const SimMouseState& state) {
    const std::vector<uint8_t> bytes = Encode(state);
    std::filesystem::path temporary = file;
    temporary += ".tmp-" + RandomSuffix();
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace tavro
