#include <gtest/gtest.h>

#include "buttons/pointer_settings.h"
#include "buttons/pointer_settings_group.h"
#include "tests/support/recording_pointer_settings.h"

namespace tavro {
namespace {

using Calls = std::vector<PointerSettingCall>;

constexpr PointerSetting kDoubleClick = PointerSetting::kDoubleClickTime;
constexpr PointerSetting kSpeed = PointerSetting::kPointerSpeed;
constexpr PointerSetting kWheel = PointerSetting::kWheelScrollLines;
constexpr PointerSetting kAcceleration = PointerSetting::kAcceleration;

Calls Apply(const ProfileRecord& record) {
    RecordingPointerSettings backend;
    ApplyPointerSettings(record, backend);
    return backend.calls();
}

TEST(ApplyPointerSettings, DefaultProfileWritesAllFourInOrder) {
    EXPECT_EQ(Apply(ProfileRecord{}), (Calls{{kDoubleClick, {800, 0, 0}},
                                             {kSpeed, {10, 0, 0}},
                                             {kWheel, {2, 0, 0}},
                                             {kAcceleration, kAccelerationOff}}));
}

TEST(ApplyPointerSettings, HigherPageValueGivesShorterDoubleClickTime) {
    ProfileRecord record;
    record.doubleClickValue = 200;
    EXPECT_EQ(Apply(record).front(), (PointerSettingCall{kDoubleClick, {1400, 0, 0}}));
    record.doubleClickValue = 1400;
    EXPECT_EQ(Apply(record).front(), (PointerSettingCall{kDoubleClick, {200, 0, 0}}));
}

TEST(ApplyPointerSettings, WheelFlagsChooseLinesPageOrNothing) {
    struct Row {
        const char* name;
        int32_t byLines;
        int32_t byPage;
        Calls expected;
    };
    const Row rows[] = {
        {"lines win over page",
         1,
         1,
         {{kDoubleClick, {800, 0, 0}},
          {kSpeed, {10, 0, 0}},
          {kWheel, {4, 0, 0}},
          {kAcceleration, kAccelerationOff}}},
        {"page",
         0,
         1,
         {{kDoubleClick, {800, 0, 0}},
          {kSpeed, {10, 0, 0}},
          {kWheel, {kWheelPageScroll, 0, 0}},
          {kAcceleration, kAccelerationOff}}},
        {"neither leaves the wheel untouched",
         0,
         0,
         {{kDoubleClick, {800, 0, 0}}, {kSpeed, {10, 0, 0}}, {kAcceleration, kAccelerationOff}}},
    };
    for (const Row& row : rows) {
        ProfileRecord record;
        record.wheelLines = 4;
        record.wheelByLines = row.byLines;
        record.wheelByPage = row.byPage;
        EXPECT_EQ(Apply(record), row.expected) << row.name;
    }
}

TEST(ApplyPointerSettings, DamagedLineCountNeverBecomesPageScrolling) {
    ProfileRecord record;
    record.wheelLines = -1;
    EXPECT_EQ(Apply(record)[2], (PointerSettingCall{kWheel, {-1, 0, 0}}));
}

TEST(ApplyPointerSettings, AccelerationTripleDependsOnlyOnTheLevel) {
    ProfileRecord record;
    record.accelerationLevel = 3;
    EXPECT_EQ(Apply(record).back().values, kAccelerationOff) << "off ignores the level";

    record.accelerationOn = 1;
    const AccelerationTriple levels[] = {{10, 0, 1}, {6, 10, 1}, {4, 6, 2}};
    for (int level = 1; level <= 3; ++level) {
        record.accelerationLevel = static_cast<int16_t>(level);
        EXPECT_EQ(Apply(record).back(), (PointerSettingCall{kAcceleration, levels[level - 1]}))
            << "level " << level;
    }
    record.accelerationLevel = 0;
    EXPECT_EQ(Apply(record).back().values, levels[0]) << "below the range";
    record.accelerationLevel = 99;
    EXPECT_EQ(Apply(record).back().values, levels[2]) << "above the range";
}

TEST(SpeedOnUnitScale, MapsTheWindowsRangeOntoMinusOneToOne) {
    EXPECT_DOUBLE_EQ(SpeedOnUnitScale(1), -1.0);
    EXPECT_DOUBLE_EQ(SpeedOnUnitScale(20), 1.0);
    EXPECT_NEAR(SpeedOnUnitScale(10), -1.0 / 19.0, 1e-12);
    EXPECT_DOUBLE_EQ(SpeedOnUnitScale(0), -1.0);
    EXPECT_DOUBLE_EQ(SpeedOnUnitScale(510), 1.0);
}

TEST(PointerSettingsGroup, EveryMemberGetsEverySettingInOrder) {
    auto first = std::make_unique<RecordingPointerSettings>();
    auto second = std::make_unique<RecordingPointerSettings>();
    const RecordingPointerSettings& firstView = *first;
    const RecordingPointerSettings& secondView = *second;
    PointerSettingsGroup group;
    group.Add(std::move(first));
    group.Add(std::move(second));

    ApplyPointerSettings(ProfileRecord{}, group);

    EXPECT_EQ(firstView.calls(), Apply(ProfileRecord{}));
    EXPECT_EQ(secondView.calls(), Apply(ProfileRecord{}));
}

}  // namespace
}  // namespace tavro
