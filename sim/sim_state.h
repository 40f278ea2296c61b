#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "device/config_image.h"
#include "profile/profile_record.h"

namespace tavro {

// Everything the simulated mouse keeps between processes.
struct SimMouseState {
    std::array<ConfigImage, kProfileCount> images{};
    uint8_t activeSlot = 0;
    uint16_t firmwareVersion = 124;  // version × 100
    uint8_t liftDistance = 12;       // the saved one
    uint8_t surfaceQuality = 38;     // what an analysis measures
    bool pluggedIn = true;           // an unplugged mouse is not found

    bool operator==(const SimMouseState&) const = default;
};

// State file, little-endian, exactly 10256 bytes:
//   0–7    "TAVROSIM"
//   8      format version, 1
//   9      active slot 0–4
//   10–11  firmware version × 100
//   12     saved lift distance
//   13     surface quality
//   14–15  0
//   16…    the five 2048-byte images, slot 0 first
// Anything else (missing, short, long, another magic or version, a slot above 4) does
// not load.
std::optional<SimMouseState> LoadSimState(const std::filesystem::path& file);

// Writes a temporary file beside `file` and renames it over `file`, so a reader in
// another process sees the old state or the new one, never half of each.
bool SaveSimState(const std::filesystem::path& file, const SimMouseState& state);

}  // namespace tavro
