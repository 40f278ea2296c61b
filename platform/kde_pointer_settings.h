#pragma once

#include <QString>

#include <functional>
#include <string>

#include "buttons/pointer_settings.h"

namespace tavro {

// KDE Plasma's pointer settings: kdeglobals for the double-click time and wheel lines
// (read by every Qt program of the session), kcminputrc for speed and acceleration,
// both in the [Mouse] group of the X11 session and in each device group KWin keeps on
// Wayland. Plasma re-reads them when told that the mouse settings changed. Plasma has
// no page-per-notch scrolling, so that wheel setting is skipped.
class KdePointerSettings : public PointerSettingsBackend {
public:
    using ChangeNotifier = std::function<void()>;

    // configDirectory holds kdeglobals and kcminputrc; notify runs after each change.
    KdePointerSettings(QString configDirectory, ChangeNotifier notify);

    // Sends KDE's "mouse settings changed" notification on the session bus, if there is one.
    static void NotifyMouseSettingsChanged();

    void SetDoubleClickTime(int milliseconds) override;
    void SetPointerSpeed(int speed) override;
    void SetWheelScrollLines(int lines) override;
    void SetAcceleration(const AccelerationTriple& triple) override;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    void Write(const QString& fileName, const std::string& group, const Entry& entry);
    // KWin's device groups are the ones it wrote itself; the program does not invent any.
    void WriteToDeviceGroups(const Entry& entry);

    QString configDirectory_;
    ChangeNotifier notify_;
};

}  // namespace tavro
