#include "platform/kde_pointer_settings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <utility>

#include "platform/kde_config_text.h"

namespace tavro {

namespace {

constexpr char kGlobalsFile[] = "kdeglobals";
constexpr char kInputFile[] = "kcminputrc";
constexpr char kGlobalsGroup[] = "[KDE]";
constexpr char kMouseGroup[] = "[Mouse]";

// KGlobalSettings::SettingsChanged with the category SETTINGS_MOUSE.
constexpr int kSettingsChanged = 3;
constexpr int kSettingsMouse = 0;

// libinput's acceleration profile bits as KWin stores them.
constexpr int kProfileFlat = 1;
constexpr int kProfileAdaptive = 2;

std::string ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

bool WriteAll(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

}  // namespace

KdePointerSettings::KdePointerSettings(QString configDirectory, ChangeNotifier notify)
    : configDirectory_(std::move(configDirectory)), notify_(std::move(notify)) {}

void KdePointerSettings::NotifyMouseSettingsChanged() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/KGlobalSettings"),
                                                     QStringLiteral("org.kde.KGlobalSettings"),
                                                     QStringLiteral("notifyChange"));
    signal << kSettingsChanged << kSettingsMouse;
    bus.send(signal);
}

void KdePointerSettings::Write(const QString& fileName, const std::string& group,
                               const Entry& entry) {
    if (!QDir().mkpath(configDirectory_)) {
        return;
    }
    const QString path = QDir(configDirectory_).filePath(fileName);
    const std::string text = ReadAll(path);
    WriteAll(path, SetKdeConfigEntry(text, group, entry.key, entry.value));
}

void KdePointerSettings::WriteToDeviceGroups(const Entry& entry) {
    const QString path = QDir(configDirectory_).filePath(QLatin1String(kInputFile));
    std::string text = ReadAll(path);
    const std::vector<std::string> groups = KdeInputDeviceGroups(text);
    if (groups.empty()) {
        return;
    }
    for (const std::string& group : groups) {
        text = SetKdeConfigEntry(text, group, entry.key, entry.value);
    }
    WriteAll(path, text);
}

void KdePointerSettings::SetDoubleClickTime(int milliseconds) {
    const int clamped = std::clamp(milliseconds, kMinDoubleClickTime, kMaxDoubleClickTime);
    Write(QLatin1String(kGlobalsFile), kGlobalsGroup,
          {"DoubleClickInterval", std::to_string(clamped)});
    notify_();
}

void KdePointerSettings::SetPointerSpeed(int speed) {
    const std::string value = QString::number(SpeedOnUnitScale(speed)).toStdString();
    Write(QLatin1String(kInputFile), kMouseGroup, {"XLbInptPointerAcceleration", value});
    WriteToDeviceGroups({"PointerAcceleration", value});
    notify_();
}

void KdePointerSettings::SetWheelScrollLines(int lines) {
    if (lines == kWheelPageScroll) {
        return;
    }
    Write(QLatin1String(kGlobalsFile), kGlobalsGroup,
          {"WheelScrollLines", std::to_string(std::clamp(lines, 1, kMaxWheelLines))});
    notify_();
}

void KdePointerSettings::SetAcceleration(const AccelerationTriple& triple) {
    const bool flat = triple[2] == 0;
    Write(QLatin1String(kInputFile), kMouseGroup,
          {"XLbInptAccelProfileFlat", flat ? "true" : "false"});
    WriteToDeviceGroups(
        {"PointerAccelerationProfile", std::to_string(flat ? kProfileFlat : kProfileAdaptive)});
    notify_();
}

}  // namespace tavro
