#include "sensor/sensor_values.h"

#include <algorithm>

namespace tavro {

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
