#pragma once

#include <algorithm>
#include <cstdint>

namespace tavro {

// The lift-off distance, in the sensor's own steps. Three ranges meet here:
// - a profile's setting, as the sensor page's slider offers it: 1 … 32;
// - what the mouse's test and save commands take: 6 … 31; their callers keep the
//   setting to it before they send it;
// - what a configuration image carries: at most 31; a larger setting is sent as 31.
inline constexpr int kMinLiftDistanceSetting = 1;
inline constexpr int kMaxLiftDistanceSetting = 32;
inline constexpr int kMinCommandLiftDistance = 6;
inline constexpr int kMaxCommandLiftDistance = 31;
inline constexpr int kMaxImageLiftDistance = kMaxCommandLiftDistance;

constexpr uint8_t LiftDistanceForCommand(int distance) {
    return static_cast<uint8_t>(
        std::clamp(distance, kMinCommandLiftDistance, kMaxCommandLiftDistance));
}

constexpr uint8_t LiftDistanceForImage(uint8_t setting) {
    return static_cast<uint8_t>(std::min<int>(setting, kMaxImageLiftDistance));
}

constexpr bool IsCommandLiftDistance(int distance) {
    return distance >= kMinCommandLiftDistance && distance <= kMaxCommandLiftDistance;
}

}  // namespace tavro
