#pragma once

#include "buttons/pointer_settings.h"

namespace tavro {

// The program's own double-click interval and wheel lines, so its windows follow the
// profile whatever the desktop. Qt has no pointer speed, acceleration or page-per-notch
// scrolling; those are skipped. Needs the QGuiApplication.
class QtPointerSettings : public PointerSettingsBackend {
public:
    void SetDoubleClickTime(int milliseconds) override;
    void SetPointerSpeed(int speed) override;
    void SetWheelScrollLines(int lines) override;
    void SetAcceleration(const AccelerationTriple& triple) override;
};

}  // namespace tavro
