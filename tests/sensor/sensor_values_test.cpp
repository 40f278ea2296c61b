#include "sensor/sensor_values.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(SensorValues, QualityMapsToTheElevenLevels) {
    const std::pair<int, int> rows[] = {{0, 0},  {1, 0},   {2, 1},   {10, 1}, {11, 2},
                                        {15, 2}, {16, 3},  {38, 7},  {45, 8}, {46, 9},
                                        {50, 9}, {51, 10}, {255, 10}};
    for (const auto& [quality, level] : rows) {
        EXPECT_EQ(SurfaceLevelFromQuality(static_cast<uint8_t>(quality)), level) << quality;
    }
}

}  // namespace
}  // namespace tavro
