#pragma once

#include <cstdint>

namespace tavro {

// The mouse takes lift-off distances 6 … 31 for its test and save commands.
inline constexpr int kMinTestedLiftDistance = 6;
inline constexpr int kMaxTestedLiftDistance = 31;
uint8_t ClampLiftDistance(int distance);

inline constexpr int kMaxSurfaceLevel = 10;
// The analyser's quality value as a level 0 … 10: 0–1 poor, then steps of five up to
// 51 and above.
int SurfaceLevelFromQuality(uint8_t quality);

}  // namespace tavro
