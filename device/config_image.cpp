#include "device/config_image.h"

#include <algorithm>
#include <span>

#include "buttons/button_functions.h"
#include "device/lift_distance.h"
#include "macros/hold_macro.h"
#include "profile/little_endian.h"
#include "profile/text_codec.h"

namespace tavro {
namespace {

// Header offsets of the configuration image.
constexpr size_t kOffsetSlot = 0;
constexpr size_t kOffsetName = 1;
constexpr size_t kOffsetImageSize = 17;
constexpr size_t kOffsetReportInterval = 21;
constexpr size_t kOffsetEnabled = 22;
constexpr std::array<size_t, kZoneCount> kOffsetZones = {23, 27, 33, 37, 41, 45};
constexpr size_t kOffsetSensorConstant = 50;
constexpr std::array<size_t, kDpiLevelCount> kOffsetDpiLevels = {51, 60, 81};
constexpr size_t kOffsetLiftDistance = 70;
constexpr size_t kOffsetAngleSnap = 72;
constexpr size_t kOffsetDpiLevelCount = 86;
constexpr size_t kOffsetDefinedMode = 87;
constexpr size_t kOffsetDefinedValue = 88;
// Buttons 0–6, a blank entry, buttons 7 and 8, then 7 and 8 again.
constexpr size_t kOffsetButtons = 101;
constexpr std::array<int, 12> kButtonSlots = {0, 1, 2, 3, 4, 5, 6, -1, 7, 8, 7, 8};
constexpr size_t kMacroAreaStart = 800;

constexpr size_t kButtonEntrySize = 7;
constexpr size_t kMacroEventSize = 7;

static_assert(kOffsetButtons + kButtonSlots.size() * kButtonEntrySize == 185);
static_assert(kMacroAreaStart + (kMaxProfileMacroEvents + kButtonCount) * kMacroEventSize <=
                  kConfigImageSize,
              "the largest profile the transfer accepts must fit the macro area");

constexpr uint8_t kButtonConstant = 0x0F;

DeviceZone ZoneFrom(uint32_t colour, bool lit, int32_t lightingParam) {
    DeviceZone zone;
    if (lit) {
        zone.red = static_cast<uint8_t>(colour);
        zone.green = static_cast<uint8_t>(colour >> 8);
        zone.blue = static_cast<uint8_t>(colour >> 16);
    }
    zone.param = static_cast<uint8_t>(lightingParam);
    return zone;
}

void FillMacroSlot(const ButtonMacro& macro, MacroSlot& slot) {
    const size_t count = std::min<size_t>(macro.events.size(), kMacroSlotCapacity);
    for (size_t e = 0; e < count; ++e) {
        const CMacroEvent& source = macro.events[e];
        slot.events[e] = {source.kind, DeviceKeyCode(static_cast<uint16_t>(source.key)),
                          source.direction, static_cast<uint32_t>(source.delay)};
    }
    slot.count = static_cast<uint16_t>(count);
}

bool IsHoldSlot(const MacroSlot& slot) {
    return IsHoldMacro(std::span<const DeviceMacroEvent>(slot.events).first(slot.count),
                       kDeviceEmptyMacro);
}

void StoreButton(uint8_t* at, const DeviceButton& button) {
    at[0] = button.actionClass;
    at[1] = button.actionArgument;
    StoreU16(at + 2, button.macroOffset);
    StoreU16(at + 4, button.macroEventCount);
    at[6] = button.constant;
}

void StoreMacroEvent(uint8_t* at, const DeviceMacroEvent& event) {
    at[0] = event.kind;
    StoreU16(at + 1, event.key);
    at[3] = event.direction;
    at[4] = static_cast<uint8_t>(event.delay);
    at[5] = static_cast<uint8_t>(event.delay >> 8);
    at[6] = static_cast<uint8_t>(event.delay >> 16);
}

}  // namespace

void PackProfile(const ProfileRecord& record, DeviceProfile& device) {
    device = DeviceProfile{};
    device.slot = record.slot;
    const std::string name = ToWindows1252(record.name);
    std::copy_n(name.begin(), std::min(name.size(), kDeviceNameSize - 1), device.name.begin());
    device.imageSize = kConfigImageSize;
    device.reportInterval = static_cast<uint8_t>(record.reportInterval);
    device.enabled = static_cast<uint8_t>(record.enabled);
    device.sensorConstant = record.sensorConstant;
    device.dpiLevelCount = kDpiLevelCount;
    device.definedMode = static_cast<uint8_t>(record.definedMode);
    device.definedValue = static_cast<uint8_t>(record.definedValue);
    const auto separate = static_cast<uint8_t>(record.xySeparate);
    device.dpiLevels[0] = {separate, static_cast<uint16_t>(record.dpiX1),
                           static_cast<uint16_t>(record.dpiY1)};
    device.dpiLevels[1] = {separate, static_cast<uint16_t>(record.dpiX2),
                           static_cast<uint16_t>(record.dpiY2)};
    device.dpiLevels[2] = {separate, static_cast<uint16_t>(record.dpiX3),
                           static_cast<uint16_t>(record.dpiY3)};
    device.liftDistance = LiftDistanceForImage(record.liftDistance);
    device.angleSnap = record.angleSnap;

    const int32_t mode = record.lightingMode;
    const int32_t param = record.lightingParam;
    device.zones[0] = ZoneFrom(record.zoneColor1, mode & 0x1, param);
    device.zones[1] = ZoneFrom(record.zoneColor4, mode & 0x8, param);
    device.zones[2] = ZoneFrom(record.zoneColor2, mode & 0x2, param);
    for (int z = 3; z < kZoneCount; ++z) {
        device.zones[z] = ZoneFrom(record.zoneColor3, mode & 0x4, param);
    }

    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& assignment = record.buttons[i];
        DeviceButton& button = device.buttons[i];
        const FunctionBytes bytes = FunctionEncoding(assignment.function);
        button.actionClass = bytes.actionClass;
        button.actionArgument = bytes.actionArgument;
        button.constant = kButtonConstant;
        if (assignment.function == kFunctionSingleKey) {
            button.actionArgument =
                static_cast<uint8_t>(DeviceKeyCode(static_cast<uint16_t>(assignment.parameter)));
        } else if (assignment.function == kFunctionMacro) {
            const ButtonMacro& macro = record.buttonMacros[i];
            MacroSlot& slot = device.macroSlots[i];
            if (macro.macroId == int32_t{assignment.parameter}) {
                FillMacroSlot(macro, slot);
            }
            button.actionArgument = IsHoldSlot(slot) ? kHoldMacroMarker : 0x00;
        }
    }
}

void EncodeImage(const DeviceProfile& device, ConfigImage& image) {
    image.fill(0);
    std::array<DeviceButton, kButtonCount> buttons = device.buttons;

    // Each macro button gets its events followed by a 7-byte zero end mark; an empty
    // macro is just the end mark. Events that would not leave room for the end mark
    // inside the image are dropped, so an oversized profile cannot overrun it.
    size_t p = kMacroAreaStart;
    for (int i = 0; i < kButtonCount; ++i) {
        if (buttons[i].actionClass != kActionMacro) {
            continue;
        }
        const MacroSlot& slot = device.macroSlots[i];
        const size_t room = (kConfigImageSize - p) / kMacroEventSize;
        if (room == 0) {
            buttons[i].macroOffset = 0;
            buttons[i].macroEventCount = 0;
            continue;
        }
        const size_t count = std::min({size_t{slot.count}, slot.events.size(), room - 1});
        buttons[i].macroOffset = static_cast<uint16_t>(p);
        buttons[i].macroEventCount = static_cast<uint16_t>(count);
        for (size_t e = 0; e < count; ++e) {
            StoreMacroEvent(&image[p], slot.events[e]);
            p += kMacroEventSize;
        }
        p += kMacroEventSize;
    }

    image[kOffsetSlot] = device.slot;
    std::copy(device.name.begin(), device.name.end(), image.begin() + kOffsetName);
    image[kOffsetName + kDeviceNameSize - 1] = 0;
    StoreU32(&image[kOffsetImageSize], device.imageSize);
    image[kOffsetReportInterval] = device.reportInterval;
    image[kOffsetEnabled] = device.enabled;
    for (int z = 0; z < kZoneCount; ++z) {
        const DeviceZone& zone = device.zones[z];
        uint8_t* at = &image[kOffsetZones[z]];
        at[0] = zone.red;
        at[1] = zone.green;
        at[2] = zone.blue;
        at[3] = zone.param;
    }
    image[kOffsetSensorConstant] = device.sensorConstant;
    for (int l = 0; l < kDpiLevelCount; ++l) {
        uint8_t* at = &image[kOffsetDpiLevels[l]];
        at[0] = device.dpiLevels[l].separate;
        StoreU16(at + 1, device.dpiLevels[l].x);
        StoreU16(at + 3, device.dpiLevels[l].y);
    }
    image[kOffsetLiftDistance] = device.liftDistance;
    StoreU16(&image[kOffsetAngleSnap], device.angleSnap);
    image[kOffsetDpiLevelCount] = device.dpiLevelCount;
    image[kOffsetDefinedMode] = device.definedMode;
    image[kOffsetDefinedValue] = device.definedValue;
    for (size_t e = 0; e < kButtonSlots.size(); ++e) {
        if (kButtonSlots[e] >= 0) {
            StoreButton(&image[kOffsetButtons + e * kButtonEntrySize], buttons[kButtonSlots[e]]);
        }
    }
}

unsigned TotalMacroEvents(const DeviceProfile& device) {
    unsigned total = 0;
    for (const MacroSlot& slot : device.macroSlots) {
        total += slot.count;
    }
    return total;
}

}  // namespace tavro
