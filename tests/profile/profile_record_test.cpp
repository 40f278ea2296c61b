#include "profile/profile_record.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(ProfileRecord, NewRecordHoldsTheDefaults) {
    const ProfileRecord r;
    EXPECT_TRUE(r.filePath.empty());
    EXPECT_EQ(r.name, u"profile");
    EXPECT_EQ(r.slot, 0);
    EXPECT_EQ(r.enabled, 1);
    EXPECT_EQ(r.tagWord, 179);
    EXPECT_EQ(r.reportInterval, 1);
    EXPECT_EQ(r.doubleClickValue, 800);
    EXPECT_EQ(r.wheelLines, 2);
    EXPECT_EQ(r.wheelByLines, 1);
    EXPECT_EQ(r.wheelByPage, 0);
    EXPECT_EQ(r.accelerationOn, 0);
    EXPECT_EQ(r.accelerationLevel, 1);
    EXPECT_EQ(r.sensorConstant, 2);
    EXPECT_EQ(r.xySeparate, 0);
    EXPECT_EQ(r.definedMode, 0);
    EXPECT_EQ((std::array{r.dpiX1, r.dpiY1, r.dpiX2, r.dpiY2, r.dpiX3, r.dpiY3}),
              (std::array<int16_t, 6>{400, 400, 1600, 1600, 7000, 7000}));
    EXPECT_EQ(r.pointerSpeed, 5);
    EXPECT_EQ(r.liftDistance, 12);
    EXPECT_EQ(r.surfaceLevel, 0);
    EXPECT_EQ(r.angleSnap, 0);
    EXPECT_EQ(r.definedValue, 0);
    EXPECT_EQ(r.lightingMode, 15);
    EXPECT_EQ(r.lightingParam, 1);
    for (uint32_t colour : {r.zoneColor1, r.zoneColor2, r.zoneColor3, r.zoneColor4}) {
        EXPECT_EQ(colour, 0xFF0000u);
    }
    // Read as words (button in the low byte, function in the high byte).
    const uint16_t words[] = {0x0000, 0x0101, 0x0202, 0x0303, 0x0404,
                              0x0505, 0x0606, 0x0F07, 0x0F08};
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& b = r.buttons[i];
        EXPECT_EQ(b.button | (b.function << 8), words[i]) << "button " << i;
        EXPECT_EQ(b.parameter, 0);
        EXPECT_EQ(b.defaultFunction, b.function);
        EXPECT_EQ(r.buttonMacros[i], ButtonMacro{});
    }
}

TEST(ProfileRecord, ResetKeepsIdentityAndMacroCopiesButResetsSettings) {
    ProfileRecord r;
    r.filePath = "/tmp/Default3.profile";
    r.name = u"Gaming";
    r.slot = 2;
    r.enabled = 0;
    r.dpiX2 = 3200;
    r.accelerationLevel = 3;
    r.zoneColor3 = 0x123456;
    r.buttons[3] = {3, 14, 17, 9};  // a macro on button 3, odd default kept
    r.buttons[8] = {8, 13, 0x41, 15};
    r.buttonMacros[3] = {u"Combo", 17, {{1, 0x41, 0, 5}, {1, 0x41, 1, 0}}};

    ResetToDefaults(r);

    EXPECT_EQ(r.filePath, "/tmp/Default3.profile");
    EXPECT_EQ(r.name, u"Gaming");
    EXPECT_EQ(r.slot, 2);
    EXPECT_EQ(r.enabled, 1);
    EXPECT_EQ(r.dpiX2, 1600);
    EXPECT_EQ(r.accelerationLevel, 1);
    EXPECT_EQ(r.zoneColor3, 0xFF0000u);
    EXPECT_EQ(r.buttons[3], (ButtonAssignment{3, 3, 0, 9}));
    EXPECT_EQ(r.buttons[8], (ButtonAssignment{8, 15, 0, 15}));
    EXPECT_EQ(r.buttonMacros[3].name, u"Combo");
    EXPECT_EQ(r.buttonMacros[3].events.size(), 2u);
}

TEST(ProfileRecord, DefaultNamesCountFromOne) {
    EXPECT_EQ(DefaultProfileName(0), u"Profile1");
    EXPECT_EQ(DefaultProfileName(4), u"Profile5");
}

}  // namespace
}  // namespace tavro
