#pragma once

#include <array>
#include <cstdint>
#include <limits>

#include "profile/profile_record.h"

namespace tavro {

// Thresholds 1 and 2 (pointer movement per report before the speed doubles, then
// quadruples) and the acceleration factor 0, 1 or 2, as the Windows mouse triple.
using AccelerationTriple = std::array<int, 3>;

inline constexpr AccelerationTriple kAccelerationOff = {0, 0, 0};

// Wheel setting meaning one screen per notch instead of a number of lines; out of
// reach of the 16-bit line count, so a damaged count can never turn into it.
inline constexpr int kWheelPageScroll = std::numeric_limits<int>::max();

// What backends hold the values to. Windows allows double-click times up to 5000 ms.
inline constexpr int kMinDoubleClickTime = 100;
inline constexpr int kMaxDoubleClickTime = 5000;
inline constexpr int kMinPointerSpeed = 1;
inline constexpr int kMaxPointerSpeed = 20;
inline constexpr int kMaxWheelLines = 100;

// The four desktop pointer settings, one method per setting, on the Windows scales.
// Values come from profile files and may be out of range; each backend keeps what it
// writes within what its desktop accepts.
class PointerSettingsBackend {
public:
    virtual ~PointerSettingsBackend() = default;

    virtual void SetDoubleClickTime(int milliseconds) = 0;
    // Windows scale: 1 (slowest) … 20 (fastest), 10 by default.
    virtual void SetPointerSpeed(int speed) = 0;
    // Lines per wheel notch, or kWheelPageScroll.
    virtual void SetWheelScrollLines(int lines) = 0;
    virtual void SetAcceleration(const AccelerationTriple& triple) = 0;
};

// Level 1 doubles the speed of fast movements only, level 2 is the Windows default
// ("Enhance pointer precision"), level 3 doubles early and quadruples fast movements.
// Levels outside 1 … 3 (from a damaged file) take the nearest level.
AccelerationTriple AccelerationForLevel(int level);

// The pointer speed 1 … 20 mapped linearly onto −1 … 1, the scale of libinput's
// acceleration speed used by GNOME and KDE; out-of-range speeds are clamped first.
double SpeedOnUnitScale(int speed);

// Writes the record's double-click time, pointer speed, wheel setting (only when one
// of the two wheel flags is set) and acceleration, in this order.
void ApplyPointerSettings(const ProfileRecord& record, PointerSettingsBackend& backend);

}  // namespace tavro
