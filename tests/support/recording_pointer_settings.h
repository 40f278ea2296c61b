#pragma once

#include <vector>

#include "buttons/pointer_settings.h"

namespace tavro {

enum class PointerSetting { kDoubleClickTime, kPointerSpeed, kWheelScrollLines, kAcceleration };

// One call made on a backend; single values sit in values[0], the rest stay 0.
struct PointerSettingCall {
    PointerSetting setting;
    AccelerationTriple values;

    bool operator==(const PointerSettingCall&) const = default;
};

// Backend for tests: remembers every call in order and changes nothing.
class RecordingPointerSettings : public PointerSettingsBackend {
public:
    const std::vector<PointerSettingCall>& calls() const { return calls_; }

    void SetDoubleClickTime(int milliseconds) override {
        calls_.push_back({PointerSetting::kDoubleClickTime, {milliseconds, 0, 0}});
    }
    void SetPointerSpeed(int speed) override {
        calls_.push_back({PointerSetting::kPointerSpeed, {speed, 0, 0}});
    }
    void SetWheelScrollLines(int lines) override {
        calls_.push_back({PointerSetting::kWheelScrollLines, {lines, 0, 0}});
    }
    void SetAcceleration(const AccelerationTriple& triple) override {
        calls_.push_back({PointerSetting::kAcceleration, triple});
    }

private:
    std::vector<PointerSettingCall> calls_;
};

}  // namespace tavro
