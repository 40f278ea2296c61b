#include "sensor/sensor_values.h"

#include <algorithm>

namespace tavro {

uint8_t ClampLiftDistance(int distance) {
    return static_cast<uint8_t>(
        std::clamp(distance, kMinTestedLiftDistance, kMaxTestedLiftDistance));
}

int SurfaceLevelFromQuality(uint8_t quality) {
    if (quality <= 1) {
        return 0;
    }
    if (quality <= 10) {
        return 1;
    }
    return std::min(kMaxSurfaceLevel, 2 + (quality - 11) / 5);
}

}  // namespace tavro
