#include "device/profile_upload.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>

#include "scripted_backend.h"
#include "sim/sim_backend.h"
#include "tests/support/recording_sleeper.h"

namespace tavro {
namespace {

using std::chrono::milliseconds;

std::array<DeviceProfile, kProfileCount> DefaultProfiles() {
    std::array<DeviceProfile, kProfileCount> profiles;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        ProfileRecord record;
        record.slot = static_cast<uint8_t>(slot);
        record.name = DefaultProfileName(slot);
        record.dpiX1 = static_cast<int16_t>(100 * (slot + 1));
        PackProfile(record, profiles[slot]);
    }
    return profiles;
}

ConfigImage ImageOf(const DeviceProfile& profile) {
    ConfigImage image{};
    EncodeImage(profile, image);
    return image;
}

class ProfileUploadTest : public ::testing::Test {
protected:
    SimMouse mouse;
    SimHidBackend backend{mouse};
    RecordingSleeper sleeper;
    DeviceLink link{backend, sleeper};
    std::array<DeviceProfile, kProfileCount> profiles = DefaultProfiles();
};

TEST_F(ProfileUploadTest, FindsTheMouseWritesEveryImageAndSelectsTheEditedSlot) {
    EXPECT_EQ(UploadProfiles(link, profiles, 3, milliseconds(0)), UploadOutcome::kSelected);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        EXPECT_EQ(mouse.Image(slot), ImageOf(profiles[slot])) << "slot " << slot;
    }
    EXPECT_EQ(mouse.State().activeSlot, 3);
    EXPECT_TRUE(link.IsOpen());
    // Ten image halves with their 60 ms pauses, then the select's 1500 ms.
    ASSERT_EQ(sleeper.pauses.size(), 11u);
    EXPECT_EQ(sleeper.pauses.back(), milliseconds(1500));
}

TEST_F(ProfileUploadTest, WithoutAMouseNothingIsSentAndTheHandleIsClosed) {
    backend.Unplug();
    EXPECT_EQ(UploadProfiles(link, profiles, 0, milliseconds(0)), UploadOutcome::kNoMouse);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(mouse.ReceivedReports().empty());
}

TEST_F(ProfileUploadTest, SearchesAgainWhenTheFlagIsSetButNoHandleIsOpen) {
    ASSERT_TRUE(link.FindDevice());
    link.CloseDevice();  // as a page's failed search leaves it
    ASSERT_TRUE(link.deviceFound());
    EXPECT_EQ(UploadProfiles(link, profiles, 1, milliseconds(0)), UploadOutcome::kSelected);
    EXPECT_EQ(mouse.State().activeSlot, 1);
}

TEST_F(ProfileUploadTest, AFailedSelectClosesTheHandleForTheNextSearch) {
    ASSERT_TRUE(link.FindDevice());
    backend.Unplug();
    EXPECT_EQ(UploadProfiles(link, profiles, 2, milliseconds(0)), UploadOutcome::kSelectFailed);
    EXPECT_FALSE(link.IsOpen());
    backend.PlugIn();
    EXPECT_EQ(UploadProfiles(link, profiles, 2, milliseconds(0)), UploadOutcome::kSelected);
}

TEST(ProfileUploadLockTest, AMouseHeldByAnotherProgramIsLeftAlone) {
    ScriptedBackend backend;
    backend.interfaces = {{"hid0", kTavroVendorId, kTavroProductId, kTavroUsagePage, kTavroUsage}};
    backend.lockTaken = true;
    RecordingSleeper sleeper;
    DeviceLink link(backend, sleeper);
    EXPECT_EQ(UploadProfiles(link, DefaultProfiles(), 0, milliseconds(5000)),
              UploadOutcome::kMouseBusy);
    EXPECT_TRUE(backend.sent.empty());
    EXPECT_TRUE(link.IsOpen());
}

}  // namespace
}  // namespace tavro
