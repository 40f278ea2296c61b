#include "platform/qt_pointer_settings.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <algorithm>

namespace tavro {

void QtPointerSettings::SetDoubleClickTime(int milliseconds) {
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(
        std::clamp(milliseconds, kMinDoubleClickTime, kMaxDoubleClickTime));
}

void QtPointerSettings::SetPointerSpeed(int) {}

void QtPointerSettings::SetWheelScrollLines(int lines) {
    if (lines != kWheelPageScroll) {
        QGuiApplication::styleHints()->setWheelScrollLines(std::clamp(lines, 1, kMaxWheelLines));
    }
}

void QtPointerSettings::SetAcceleration(const AccelerationTriple&) {}

}  // namespace tavro
