#pragma once

#include <cstdint>

namespace tavro {

// A lighting colour's red, green and blue. Profile records keep it with red in bits
// 0–7, green in 8–15 and blue in 16–23; the lighting page and its preview work with
// 32-bit ARGB (alpha in bits 24–31, then red, green, blue).
struct LightingColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    // Bits 24–31 of a record colour carry nothing and are dropped.
    static constexpr LightingColour FromRecord(uint32_t record) {
        return {static_cast<uint8_t>(record), static_cast<uint8_t>(record >> 8),
                static_cast<uint8_t>(record >> 16)};
    }
    static constexpr LightingColour FromArgb(uint32_t argb) {
        return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                static_cast<uint8_t>(argb)};
    }

    constexpr uint32_t recordForm() const {
        return uint32_t{red} | uint32_t{green} << 8 | uint32_t{blue} << 16;
    }
    constexpr uint32_t argb(uint8_t alpha = 255) const {
        return uint32_t{alpha} << 24 | uint32_t{red} << 16 | uint32_t{green} << 8 | uint32_t{blue};
    }

    constexpr bool operator==(const LightingColour&) const = default;
};

static_assert(LightingColour::FromRecord(0xFF0000).argb() == 0xFF0000FFu, "blue 255");
static_assert(LightingColour::FromArgb(0x80102030u).recordForm() == 0x302010u);

}  // namespace tavro
