#include "buttons/pointer_settings.h"

#include <algorithm>

#include "profile/setting_rules.h"

namespace tavro {

namespace {

constexpr std::array<AccelerationTriple, 3> kAccelerationLevels = {{
    {10, 0, 1},
    {6, 10, 1},
    {4, 6, 2},
}};

}  // namespace

AccelerationTriple AccelerationForLevel(int level) {
    static_assert(kAccelerationLevels.size() == setting_rules::kAccelerationLevel.maximum);
    const int index = std::clamp(level, setting_rules::kAccelerationLevel.minimum,
                                 setting_rules::kAccelerationLevel.maximum) -
                      1;
    return kAccelerationLevels[static_cast<size_t>(index)];
}

double SpeedOnUnitScale(int speed) {
    const int clamped = std::clamp(speed, kMinPointerSpeed, kMaxPointerSpeed);
    return -1.0 + 2.0 * (clamped - kMinPointerSpeed) / (kMaxPointerSpeed - kMinPointerSpeed);
}

void ApplyPointerSettings(const ProfileRecord& record, PointerSettingsBackend& backend) {
    backend.SetDoubleClickTime(setting_rules::DoubleClickTime(record.doubleClickValue));
    backend.SetPointerSpeed(2 * record.pointerSpeed);
    if (record.wheelByLines != 0) {
        backend.SetWheelScrollLines(record.wheelLines);
    } else if (record.wheelByPage != 0) {
        backend.SetWheelScrollLines(kWheelPageScroll);
    }
    backend.SetAcceleration(record.accelerationOn != 0
                                ? AccelerationForLevel(record.accelerationLevel)
                                : kAccelerationOff);
}

}  // namespace tavro
