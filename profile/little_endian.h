#pragma once

#include <cstddef>
#include <cstdint>

namespace tavro {

// Multi-byte values in files and reports are little-endian; never cast to packed structs.
inline void StoreU16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

inline void StoreU32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

inline uint16_t LoadU16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

inline uint32_t LoadU32(const uint8_t* at) {
    return uint32_t{at[0]} | (uint32_t{at[1]} << 8) | (uint32_t{at[2]} << 16) |
           (uint32_t{at[3]} << 24);
}

}  // namespace tavro
