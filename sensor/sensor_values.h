#pragma once

#include <cstdint>

namespace tavro {

inline constexpr int kMaxSurfaceLevel = 10;
// The analyser's quality value as a level 0 … 10: 0–1 poor, then steps of five up to
// 51 and above.
int SurfaceLevelFromQuality(uint8_t quality);

}  // namespace tavro
