#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "device/config_image.h"
#include "profile/file_result.h"
#include "profile/profile_record.h"

namespace tavro {

// Everything the simulated mouse keeps between processes.
struct SimMouseState {
    std::array<ConfigImage, kProfileCount> images{};
    uint8_t activeSlot = 0;
    uint16_t firmwareVersion = 124;  // version × 100
    uint8_t liftDistance = 12;       // the saved one
    uint8_t surfaceQuality = 38;     // what an analysis measures
    // Unplugged, the mouse is not listed, does not open, and every exchange on a handle
    // still open fails as with a removed device.
    bool pluggedIn = true;

    bool operator==(const SimMouseState&) const = default;
};

// State file, little-endian, exactly 10256 bytes:
//   0–7    "TAVROSIM"
//   8      format version, 1
//   9      active slot 0–4
//   10–11  firmware version × 100
//   12     saved lift distance
//   13     surface quality
//   14     flags: bit 0 set while unplugged (so files written before it read as plugged in)
//   15     0
//   16…    the five 2048-byte images, slot 0 first
inline constexpr size_t kSimStateFileSize = 10256;

std::vector<uint8_t> EncodeSimState(const SimMouseState& state);

// kForeignSignature for another magic or format version, kTruncated for a short file,
// kDamaged for a long one or an active slot above 4; the state changes only on kOk.
FileStatus DecodeSimState(std::span<const uint8_t> bytes, SimMouseState& state);

// Reads the state file through the core's whole-file read: never blocks on a FIFO or
// device, and says what is there when it is not a file.
FileResult LoadSimState(const std::filesystem::path& file, SimMouseState& state);

// Replaces the file by the core's atomic write (synced, a symbolic link followed), so
// that a reader in another process sees the old state or the new one, never half of each.
FileResult SaveSimState(const std::filesystem::path& file, const SimMouseState& state);

}  // namespace tavro
