#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "profile/profile_record.h"

namespace tavro {

inline constexpr size_t kConfigImageSize = 2048;
using ConfigImage = std::array<uint8_t, kConfigImageSize>;

inline constexpr int kMacroSlotCount = 10;  // slot i belongs to button i; slot 9 stays empty
inline constexpr int kMacroSlotCapacity = 128;
inline constexpr unsigned kMaxProfileMacroEvents = 164;  // the transfer refuses more
inline constexpr int32_t kMaxImageDelay = 0xFFFFFF;      // the image keeps bits 0–23 of a delay
inline constexpr int kZoneCount = 6;
inline constexpr int kDpiLevelCount = 3;
inline constexpr size_t kDeviceNameSize = 16;  // 15 bytes and a terminator

// A button entry as the image carries it (7 bytes).
struct DeviceButton {
    uint8_t actionClass = 0;
    uint8_t actionArgument = 0;
    uint16_t macroOffset = 0;      // image offset of the macro; set by the encoder
    uint16_t macroEventCount = 0;  // set by the encoder
    uint8_t constant = 0;          // 0x0F once packed
};

struct DeviceMacroEvent {
    uint8_t kind = 0;
    uint16_t key = 0;  // device key code
    uint8_t direction = 0;
    uint32_t delay = 0;  // the image keeps only bits 0–23
};

struct MacroSlot {
    uint16_t count = 0;
    std::array<DeviceMacroEvent, kMacroSlotCapacity> events{};
};

struct DeviceZone {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t param = 0;  // low byte of the lighting parameter
};

struct DeviceDpiLevel {
    uint8_t separate = 0;
    uint16_t x = 0;
    uint16_t y = 0;
};

// The device form of one profile, built at Apply before its image is encoded.
struct DeviceProfile {
    uint8_t slot = 0;
    std::array<uint8_t, kDeviceNameSize> name{};
    uint32_t imageSize = 0;
    uint8_t reportInterval = 0;
    uint8_t enabled = 0;
    uint8_t sensorConstant = 0;
    uint8_t dpiLevelCount = 0;
    uint8_t definedMode = 0;
    uint8_t definedValue = 0;  // two's complement
    std::array<DeviceDpiLevel, kDpiLevelCount> dpiLevels{};
    uint8_t liftDistance = 0;
    uint16_t angleSnap = 0;
    std::array<DeviceButton, kButtonCount> buttons{};
    // Order: zone 1, zone 4, zone 2, then zone 3 three times.
    std::array<DeviceZone, kZoneCount> zones{};
    std::array<MacroSlot, kMacroSlotCount> macroSlots{};
};

void PackProfile(const ProfileRecord& record, DeviceProfile& device);

// Lays the image out; writes only inside the 2048 bytes whatever the profile holds.
void EncodeImage(const DeviceProfile& device, ConfigImage& image);

unsigned TotalMacroEvents(const DeviceProfile& device);

}  // namespace tavro
