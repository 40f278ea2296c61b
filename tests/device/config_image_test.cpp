#include "device/config_image.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <vector>

namespace tavro {
namespace {

ConfigImage ImageOf(const ProfileRecord& record) {
    DeviceProfile device;
    PackProfile(record, device);
    ConfigImage image;
    EncodeImage(device, image);
    return image;
}

ProfileRecord DefaultRecord(int slot) {
    ProfileRecord record;
    record.slot = static_cast<uint8_t>(slot);
    record.name = DefaultProfileName(slot);
    return record;
}

std::vector<uint8_t> Bytes(const ConfigImage& image, size_t offset, size_t count) {
    return {image.begin() + offset, image.begin() + offset + count};
}

void Put(ConfigImage& image, size_t offset, std::initializer_list<int> bytes) {
    for (int b : bytes) {
        image[offset++] = static_cast<uint8_t>(b);
    }
}

constexpr size_t kButtonOffset[] = {101, 108, 115, 122, 129, 136, 143, 157, 164};

ButtonMacro MacroOf(int32_t id, std::initializer_list<CMacroEvent> events) {
    return {u"m", id, events};
}

TEST(ConfigImage, DefaultProfileOfSlotZeroIsExact) {
    ConfigImage expected{};
    Put(expected, 1, {'P', 'r', 'o', 'f', 'i', 'l', 'e', '1'});
    Put(expected, 17, {0x00, 0x08, 0x00, 0x00});  // image size 2048
    Put(expected, 21, {1});                       // report interval
    Put(expected, 22, {1});                       // enabled
    for (size_t zone : {23, 27, 33, 37, 41, 45}) {
        Put(expected, zone, {0x00, 0x00, 0xFF, 0x01});  // blue 255, lighting param 1
    }
    Put(expected, 50, {2});                       // sensor constant; 51 separate flag 0
    Put(expected, 52, {0x90, 0x01, 0x90, 0x01});  // 400 × 400
    Put(expected, 61, {0x40, 0x06, 0x40, 0x06});  // 1600 × 1600
    Put(expected, 70, {12});                      // lift distance
    Put(expected, 82, {0x58, 0x1B, 0x58, 0x1B});  // 7000 × 7000
    Put(expected, 86, {3});                       // DPI level count
    const std::initializer_list<int> factory[] = {{0x00, 0x01}, {0x00, 0x02}, {0x00, 0x04},
                                                  {0x00, 0x10}, {0x00, 0x08}, {0x09, 0xF0},
                                                  {0x09, 0xF2}, {0xFF, 0x00}, {0xFF, 0x00}};
    for (int i = 0; i < kButtonCount; ++i) {
        Put(expected, kButtonOffset[i], factory[i]);
        expected[kButtonOffset[i] + 6] = 0x0F;
    }
    Put(expected, 171, {0xFF, 0, 0, 0, 0, 0, 0x0F});  // buttons 7 and 8 again
    Put(expected, 178, {0xFF, 0, 0, 0, 0, 0, 0x0F});

    EXPECT_EQ(ImageOf(DefaultRecord(0)), expected);
}

TEST(ConfigImage, SingleKeysSendTheLowByteOfTheDeviceCode) {
    struct Row {
        int16_t vk;
        uint8_t argument;
    };
    for (const Row& row : {Row{0x41, 0x04}, Row{0xA5, 0xE6}, Row{0x7C, 0x7C}, Row{0, 0},
                           Row{0x1234, 0x34}, Row{-1, 0xFF}}) {
        ProfileRecord record = DefaultRecord(1);
        record.buttons[2] = {2, 13, row.vk, 2};
        EXPECT_EQ(Bytes(ImageOf(record), kButtonOffset[2], 7),
                  (std::vector<uint8_t>{0x02, row.argument, 0, 0, 0, 0, 0x0F}))
            << "vk " << row.vk;
    }
}

TEST(ConfigImage, OneMacroButtonLaysOutItsEventsFromByte800) {
    ProfileRecord record = DefaultRecord(0);
    record.buttons[3] = {3, 14, 16, 3};
    record.buttonMacros[3] = MacroOf(16, {{1, 0x41, 0, 300}, {1, 0x41, 1, 0x01020304}});
    const ConfigImage image = ImageOf(record);

    EXPECT_EQ(Bytes(image, kButtonOffset[3], 7),
              (std::vector<uint8_t>{0x03, 0x00, 0x20, 0x03, 0x02, 0x00, 0x0F}));
    EXPECT_EQ(Bytes(image, 800, 21),
              (std::vector<uint8_t>{
                  0x01, 0x04, 0x00, 0x00, 0x2C, 0x01, 0x00,  // "A" down after 300 ms
                  0x01, 0x04, 0x00, 0x01, 0x04, 0x03, 0x02,  // "A" up; delay's top byte dropped
                  0,    0,    0,    0,    0,    0,    0,     // end mark
              }));
    EXPECT_EQ(Bytes(image, 821, 7), std::vector<uint8_t>(7, 0));
}

TEST(ConfigImage, MacrosFollowEachOtherWithEndMarks) {
    ProfileRecord record = DefaultRecord(0);
    record.buttons[0] = {0, 14, 20, 0};
    record.buttons[5] = {5, 14, 21, 5};
    record.buttonMacros[0] = MacroOf(20, {{1, 0x42, 0, 0}, {1, 0x43, 0, 0}, {1, 0x43, 1, 0}});
    record.buttonMacros[5] = MacroOf(21, {{16, 1, 0, 0}});
    const ConfigImage image = ImageOf(record);

    EXPECT_EQ(Bytes(image, kButtonOffset[0], 7),
              (std::vector<uint8_t>{0x03, 0x00, 0x20, 0x03, 0x03, 0x00, 0x0F}));
    EXPECT_EQ(Bytes(image, 821, 7), std::vector<uint8_t>(7, 0));  // end mark of button 0
    EXPECT_EQ(Bytes(image, kButtonOffset[5], 7),                  // presses only: hold marker
              (std::vector<uint8_t>{0x03, 0xFE, 0x3C, 0x03, 0x01, 0x00, 0x0F}));
    EXPECT_EQ(Bytes(image, 828, 7), (std::vector<uint8_t>{0x10, 0x01, 0x00, 0x00, 0, 0, 0}));
}

TEST(ConfigImage, MacroSlotsHoldAtMost128Events) {
    ProfileRecord record = DefaultRecord(0);
    record.buttons[1] = {1, 14, 30, 1};
    record.buttonMacros[1].macroId = 30;
    record.buttonMacros[1].events.assign(130, {1, 0x41, 1, 0});
    DeviceProfile device;
    PackProfile(record, device);
    EXPECT_EQ(device.macroSlots[1].count, 128);
    EXPECT_EQ(TotalMacroEvents(device), 128u);
    ConfigImage image;
    EncodeImage(device, image);
    EXPECT_EQ(image[kButtonOffset[1] + 4], 128);
}

TEST(ConfigImage, MacroWithAnotherIdIsSentEmptyWithHoldMarker) {
    ProfileRecord record = DefaultRecord(0);
    record.buttons[4] = {4, 14, 40, 4};
    record.buttonMacros[4] = MacroOf(41, {{1, 0x41, 0, 0}, {1, 0x41, 1, 0}});
    const ConfigImage image = ImageOf(record);
    EXPECT_EQ(Bytes(image, kButtonOffset[4], 7),
              (std::vector<uint8_t>{0x03, 0xFE, 0x20, 0x03, 0x00, 0x00, 0x0F}));
    EXPECT_EQ(Bytes(image, 800, 7), std::vector<uint8_t>(7, 0));
}

TEST(ConfigImage, NegativeMacroIdsMatchSignExtended) {
    ProfileRecord record = DefaultRecord(0);
    record.buttons[4] = {4, 14, -3, 4};
    record.buttonMacros[4] = MacroOf(-3, {{1, 0x41, 1, 0}});
    EXPECT_EQ(ImageOf(record)[kButtonOffset[4] + 4], 1);
}

TEST(ConfigImage, LiftDistanceIsCappedAt31) {
    ProfileRecord record = DefaultRecord(0);
    record.liftDistance = 32;
    EXPECT_EQ(ImageOf(record)[70], 31);
    record.liftDistance = 31;
    EXPECT_EQ(ImageOf(record)[70], 31);
}

TEST(ConfigImage, UnlitZonesSendOnlyTheLightingParameter) {
    ProfileRecord record = DefaultRecord(0);
    record.lightingMode = 0;
    record.lightingParam = 0x1234;
    const ConfigImage image = ImageOf(record);
    for (size_t zone : {23, 27, 33, 37, 41, 45}) {
        EXPECT_EQ(Bytes(image, zone, 4), (std::vector<uint8_t>{0, 0, 0, 0x34})) << zone;
    }
}

TEST(ConfigImage, ZonesFollowTheDeviceOrder) {
    ProfileRecord record = DefaultRecord(0);
    record.lightingMode = 16 + 1 + 4 + 8;  // zones 1, 3 and 4
    record.zoneColor1 = 0x030201;
    record.zoneColor2 = 0x131211;
    record.zoneColor3 = 0x232221;
    record.zoneColor4 = 0x333231;
    const ConfigImage image = ImageOf(record);
    EXPECT_EQ(Bytes(image, 23, 4), (std::vector<uint8_t>{1, 2, 3, 1}));
    EXPECT_EQ(Bytes(image, 27, 4), (std::vector<uint8_t>{0x31, 0x32, 0x33, 1}));
    EXPECT_EQ(Bytes(image, 31, 2), (std::vector<uint8_t>{0, 0}));
    EXPECT_EQ(Bytes(image, 33, 4), (std::vector<uint8_t>{0, 0, 0, 1}));  // zone 2 unlit
    for (size_t zone : {37, 41, 45}) {
        EXPECT_EQ(Bytes(image, zone, 4), (std::vector<uint8_t>{0x21, 0x22, 0x23, 1}));
    }
}

TEST(ConfigImage, NameKeepsAtMost15BytesAndATerminator) {
    ProfileRecord record = DefaultRecord(0);
    record.name = u"A very long profile name\u20ac";
    const ConfigImage image = ImageOf(record);
    EXPECT_EQ(Bytes(image, 1, 16), (std::vector<uint8_t>{'A', ' ', 'v', 'e', 'r', 'y', ' ', 'l',
                                                         'o', 'n', 'g', ' ', 'p', 'r', 'o', 0}));
    EXPECT_EQ(image[17], 0x00);  // the image size that follows is untouched
    EXPECT_EQ(image[18], 0x08);

    record.name = u"Caf\u00e9 \u20ac\u0416";
    EXPECT_EQ(Bytes(ImageOf(record), 1, 8),
              (std::vector<uint8_t>{'C', 'a', 'f', 0xE9, ' ', 0x80, '?', 0}));
}

TEST(ConfigImage, SignedFieldsAreSentAsTwosComplement) {
    ProfileRecord record = DefaultRecord(0);
    record.definedMode = 1;
    record.definedValue = -30;
    record.angleSnap = 15;
    record.xySeparate = 1;
    record.dpiY3 = -1;
    const ConfigImage image = ImageOf(record);
    EXPECT_EQ(image[87], 1);
    EXPECT_EQ(image[88], 0xE2);
    EXPECT_EQ(Bytes(image, 72, 2), (std::vector<uint8_t>{15, 0}));
    EXPECT_EQ((std::vector<uint8_t>{image[51], image[60], image[81]}),
              (std::vector<uint8_t>{1, 1, 1}));
    EXPECT_EQ(Bytes(image, 84, 2), (std::vector<uint8_t>{0xFF, 0xFF}));
}

// Every function code, parameter and macro size packs and encodes inside the image.
TEST(ConfigImage, HostileRecordsNeverOverrunTheImage) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        ProfileRecord record;
        record.name.assign(random() % 40, static_cast<char16_t>(random()));
        record.liftDistance = static_cast<uint8_t>(random());
        for (int i = 0; i < kButtonCount; ++i) {
            const auto function = static_cast<uint8_t>(random() % 3 == 0 ? 14 : random());
            const auto parameter = static_cast<int16_t>(random());
            record.buttons[i] = {static_cast<uint8_t>(random()), function, parameter, 0};
            record.buttonMacros[i].macroId = random() % 2 ? parameter : static_cast<int>(random());
            record.buttonMacros[i].events.assign(
                random() % 300,
                {static_cast<uint8_t>(random()), static_cast<int16_t>(random()),
                 static_cast<uint8_t>(random() % 3), static_cast<int32_t>(random())});
        }
        DeviceProfile device;
        PackProfile(record, device);
        for (const MacroSlot& slot : device.macroSlots) {
            ASSERT_LE(slot.count, kMacroSlotCapacity);
        }
        ConfigImage image;
        EncodeImage(device, image);
        EXPECT_EQ(image[16], 0);  // name terminator
        EXPECT_LE(image[70], 31);
    }
}

TEST(ConfigImage, EncoderStaysInsideTheImageForAnyDeviceProfile) {
    DeviceProfile device;
    for (int i = 0; i < kButtonCount; ++i) {
        device.buttons[i].actionClass = 0x03;
        device.macroSlots[i].count = 0xFFFF;  // more than the slot can hold
    }
    ConfigImage image;
    EncodeImage(device, image);
    size_t last = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        const uint16_t offset = image[kButtonOffset[i] + 2] | (image[kButtonOffset[i] + 3] << 8);
        const uint16_t count = image[kButtonOffset[i] + 4] | (image[kButtonOffset[i] + 5] << 8);
        if (offset != 0) {
            EXPECT_LE(offset + (count + 1u) * 7, kConfigImageSize) << "button " << i;
            last = offset;
        }
    }
    EXPECT_GE(last, 800u);
}

}  // namespace
}  // namespace tavro
